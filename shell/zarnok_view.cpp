// zarnok_view.cpp -- timers, keys, focus, drawing and the host's services.
#include "shell/zarnok_view.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cmath>

#include "game/keys.h"
#include "game/sound.h"
#include "game/texts.h"
#include "game/tick.h"
#include "game/world.h"
#include "render/frame.h"
#include "render/hud.h"
#include "shell/journal_recorder.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/modal.h"
#include "shell/name_dlg.h"
#include "shell/replay_player.h"
#include "shell/virtual_keys.h"

namespace {

// The screen the virtual display pretends to be.
constexpr int VirtualWidth = 800, VirtualHeight = 600;  // game px

const QSize kPictureBlock(PictureBlockWidth, PictureBlockHeight);

QColor WindowColour() { return QColor::fromRgb(SystemWindowColour | 0xFF000000u); }

}  // namespace

int32_t PresentableBitsPerPixel(int screenDepth) { return screenDepth > 0 ? 32 : 0; }

CZarnokView::CZarnokView(GameWorld& world, ModalRunner& modal, QWidget* parent)
    : QWidget(parent), world_(world), modal_(modal) {
    surface_.TrackChanges(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel comes from the surface image: no background erase needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// ---------------------------------------------------------------------------
// Timers and focus
// ---------------------------------------------------------------------------
void CZarnokView::StartTickTimer() {
    if (modal_.Depth() == 0) tickTimer_.start(TickPeriodMs, Qt::PreciseTimer, this);
}

void CZarnokView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    StartTickTimer();
}

void CZarnokView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    tickTimer_.stop();
}

void CZarnokView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == tickTimer_.timerId()) {
        OnTickTimer();
    } else if (event->timerId() == soundStopTimer_.timerId()) {
        OnSoundStopTimer(world_, *this);
    } else {
        QWidget::timerEvent(event);
    }
}

void CZarnokView::OnTickTimer() {
    // Modal windows stop the timer, so a tick never finds another under way;
    // the guard keeps it so should a stray expiry slip through.
    if (inTick_) return;
    if (player_ != nullptr) {
        StepPlayback();
        return;
    }
    inTick_ = true;
    if (recorder_ != nullptr) recorder_->BeforeTick();
    RunTimerTick(world_, *this, renderer_);
    if (recorder_ != nullptr) recorder_->AfterTick();
    inTick_ = false;
}

// ---------------------------------------------------------------------------
// Playback: the journal's ticks instead of the game's. The earlier games of
// its window pass unseen, a few thousand ticks a step.
// ---------------------------------------------------------------------------
void CZarnokView::SetPlayer(ReplayPlayer* player, std::string dataPath,
                            std::function<void()> stepped) {
    player_ = player;
    dataFilePath_ = std::move(dataPath);
    playerStepped_ = std::move(stepped);
    fastPlayback_ = false;
}

bool CZarnokView::Unseen() const { return player_ != nullptr && player_->Unseen(); }

void CZarnokView::StepPlayback() {
    constexpr int UnseenTicksPerStep = 2000;
    const int seenTicks = fastPlayback_ ? PlaybackFastFactor : 1;
    if (inTick_ || player_ == nullptr) return;
    inTick_ = true;
    int seen = 0, unseen = 0;
    while (!player_->Over() && seen < seenTicks && unseen < UnseenTicksPerStep) {
        ++(player_->Unseen() ? unseen : seen);
        player_->Step();
    }
    inTick_ = false;
    if (playerStepped_) playerStepped_();
}

// The box comes up as it did and takes the journal's answer after a beat;
// boxes of the earlier games are answered unseen.
MessageAnswer CZarnokView::PlayedMessage(GameMessageBox& box, MessageButtons buttons) {
    const JournalAnswer answer = player_->NextAnswer();
    if (!Unseen()) {
        QTimer::singleShot(ReplayPlayer::AnswerBeatMs, &box, [&box] { box.done(0); });
        RunModal(box);
    }
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer.kind == JournalAnswer::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

bool CZarnokView::PlayedName(std::string& utf8Name) {
    const JournalAnswer answer = player_->NextAnswer();
    if (answer.kind == JournalAnswer::Cancel || answer.kind == JournalAnswer::No) return false;
    utf8Name = answer.kind == JournalAnswer::Name ? answer.name : std::string();
    if (!Unseen()) {
        CNameDlg dialog(window());
        dialog.Edit()->setText(QString::fromStdString(utf8Name));
        QTimer::singleShot(ReplayPlayer::AnswerBeatMs, &dialog, [&dialog] { dialog.done(0); });
        RunModal(dialog);
    }
    return true;
}

int CZarnokView::RunModal(QDialog& dialog) {
    tickTimer_.stop();
    const int result = modal_.Run(dialog);
    if (modal_.Depth() == 0) {
        // Hand the keyboard back to the game window, as the window system does
        // when a window's modal box closes; the focus-in starts the timer.
        QWidget* active = QApplication::activeWindow();
        if (isVisible() && (active == nullptr || active == &dialog)) window()->activateWindow();
        if (hasFocus()) StartTickTimer();
    }
    return result;
}

// ---------------------------------------------------------------------------
// Keys: Windows virtual-key codes for the dispatcher. A held key repeats its
// key-down; its key-up comes once, on the real release.
// ---------------------------------------------------------------------------
int32_t CZarnokView::KeyCode(const QKeyEvent& event) const {
    const int32_t vk = VirtualKeyFromQt(event.key(), event.modifiers(), event.nativeScanCode(),
                                        PlatformHasXkbScanCodes());
    return IsSystemKey(vk, event.modifiers()) ? 0 : vk;
}

// A key of the game, pressed or released; false for a system key, which
// goes on to Qt. During a replay a held key plays it fast.
bool CZarnokView::TakeKey(QKeyEvent& event, bool down) {
    const int32_t vk = KeyCode(event);
    if (vk == 0) return false;
    event.accept();
    if (player_ != nullptr) fastPlayback_ = down;
    DeliverKey(down, vk);
    return true;
}

void CZarnokView::keyPressEvent(QKeyEvent* event) {
    if (!TakeKey(*event, true)) QWidget::keyPressEvent(event);
}

void CZarnokView::DeliverKey(bool down, int32_t key) {
    if (player_ != nullptr) return;
    if (recorder_ != nullptr) recorder_->Event({0, down, key});
    if (down)
        DispatchKeyDown(world_, *this, key);
    else
        DispatchKeyUp(world_, *this, key);
}

void CZarnokView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    if (!TakeKey(*event, false)) QWidget::keyReleaseEvent(event);
}

// Tab is a key of the game like any other, not a way out of the view.
bool CZarnokView::focusNextPrevChild(bool) { return false; }

// ---------------------------------------------------------------------------
// Drawing: the tick paints into the surface image; painting shows it.
// ---------------------------------------------------------------------------
void CZarnokView::SetVirtualDisplay(bool on) {
    if (on == virtualDisplay_) return;
    const QRect before = ShownBlock();
    virtualDisplay_ = on;
    // The virtual screen keeps its picture at its own origin, which is
    // (0, 0); the real view's picture sits wherever its size puts it.
    const QRect block = virtualDisplay_ ? before : QRect(QPoint(0, 0), kPictureBlock);
    const QPoint blockTo = virtualDisplay_ ? QPoint(0, 0)
                                           : FaithfulBlock(width(), height()).topLeft();
    const QSize size = virtualDisplay_ ? QSize(VirtualWidth, VirtualHeight) : this->size();
    surface_.ResizeMovingBlock(size.width(), size.height(), block, blockTo);
    update();
}

QRect CZarnokView::FaithfulBlock(int w, int h) const {
    const PictureOrigin origin = PictureOriginFor(w, h);
    return QRect(QPoint(origin.x, origin.y), kPictureBlock);
}

BlockFit CZarnokView::ScaledFit() const {
    const double ratio = devicePixelRatioF();
    const QSize device(int(std::lround(width() * ratio)), int(std::lround(height() * ratio)));
    return FitBlock(device, kPictureBlock);
}

// The picture and HUD block in the surface's pixels.
QRect CZarnokView::SurfaceBlock() const {
    return virtualDisplay_ ? QRect(QPoint(0, 0), kPictureBlock) : FaithfulBlock(width(), height());
}

// Logical pixels of the view that show the part `inBlock` of the block. A
// smooth reduction blends each game pixel into its neighbours' edges.
QRect CZarnokView::ShownRect(const QRect& inBlock, const BlockFit& fit) const {
    if (!virtualDisplay_) return inBlock.translated(SurfaceBlock().topLeft());
    const double f = fit.factor;
    const int blend = fit.wholeFactor > 0 ? 0 : 1;
    const int left = int(std::floor(inBlock.left() * f)) - blend;
    const int top = int(std::floor(inBlock.top() * f)) - blend;
    const int right = int(std::ceil((inBlock.left() + inBlock.width()) * f)) + blend;
    const int bottom = int(std::ceil((inBlock.top() + inBlock.height()) * f)) + blend;
    const QRect device =
        QRect(left, top, right - left, bottom - top).translated(fit.target.topLeft());
    return OuterLogicalRect(device.intersected(fit.target), devicePixelRatioF());
}

// Only what a tick changed goes to the screen: on a still camera that is the
// soldier, the mosquitoes and a digit or two of the HUD.
void CZarnokView::UpdateChangedBlock() {
    const QRect block = SurfaceBlock();
    const QRegion changed = surface_.TakeChanges() & block;
    if (changed.isEmpty()) return;
    const BlockFit fit = virtualDisplay_ ? ScaledFit() : BlockFit{};
    QRegion shown;
    for (const QRect& part : changed) shown += ShownRect(part.translated(-block.topLeft()), fit);
    update(shown);
}

QRect CZarnokView::ShownBlock() const {
    if (!virtualDisplay_) return FaithfulBlock(width(), height());
    return OuterLogicalRect(ScaledFit().target, devicePixelRatioF());
}

// Like the window's background brush: what a resize uncovers is window
// colour; the picture and HUD move to their new place at once, so that a
// paused game shows them there too, and the next tick draws them anew.
// Another language: the HUD's labels change width, so its row is cleared
// for the next tick to draw them anew.
void CZarnokView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    const QRect block = SurfaceBlock();
    ClientSurface& surface = BeginDrawing();
    surface.FillRect(block.left(), block.top() + FrameHeight, block.left() + PictureBlockWidth,
                     block.top() + PictureBlockHeight, SystemWindowColour);
    EndDrawing();
}

void CZarnokView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!virtualDisplay_) {
        const QSize old = event->oldSize().isValid() ? event->oldSize() : QSize(0, 0);
        surface_.ResizeMovingBlock(width(), height(), FaithfulBlock(old.width(), old.height()),
                                   FaithfulBlock(width(), height()).topLeft());
    }
    update();
}

// Everything outside the picture and HUD block is window colour; the block
// comes from the surface, one game pixel per logical pixel or scaled.
void CZarnokView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const double ratio = devicePixelRatioF();
    const BlockFit fit = virtualDisplay_ ? ScaledFit() : BlockFit{};
    const QRect shown = ShownBlock();
    const QRect inside = virtualDisplay_ ? InnerLogicalRect(fit.target, ratio) : shown;
    for (const QRect& margin : event->region() - QRegion(inside))
        painter.fillRect(margin, WindowColour());
    if (!event->region().intersects(shown)) return;
    if (virtualDisplay_) {
        scaler_.Paint(painter, ratio, surface_.Image(), QRect(QPoint(0, 0), kPictureBlock), fit);
    } else {
        // Crisp at any device pixel ratio: Qt scales by nearest neighbour
        // unless asked to smooth.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(shown, surface_.Image(), shown);
    }
}

ClientSurface& CZarnokView::BeginDrawing() {
    openOrigins_.emplace_back(surface_.OriginX(), surface_.OriginY());
    surface_.SetOrigin(0, 0);
    return surface_;
}

void CZarnokView::EndDrawing() {
    if (!openOrigins_.empty()) {
        surface_.SetOrigin(openOrigins_.back().first, openOrigins_.back().second);
        openOrigins_.pop_back();
    }
    if (openOrigins_.empty()) UpdateChangedBlock();
}

// ---------------------------------------------------------------------------
// Host services
// ---------------------------------------------------------------------------
// Answers inside a tick are journaled; the play-again question ends a game.
MessageAnswer CZarnokView::ShowMessage(std::string_view text, std::string_view caption,
                                       MessageButtons buttons, MessageIcon icon) {
    GameMessageBox box(GameText(text), GameText(caption), buttons, icon, window());
    if (player_ != nullptr && inTick_) return PlayedMessage(box, buttons);
    const MessageAnswer answer = GameMessageBox::AnswerOf(RunModal(box), buttons);
    if (recorder_ != nullptr && player_ == nullptr) {
        const JournalAnswer::Kind kind = answer == MessageAnswer::Yes  ? JournalAnswer::Yes
                                         : answer == MessageAnswer::No ? JournalAnswer::No
                                                                       : JournalAnswer::Ok;
        recorder_->Answer({kind, {}}, buttons == MessageButtons::YesNo &&
                                          caption == std::string_view(PlayAgainCaption));
    }
    return answer;
}

std::string CZarnokView::Translate(std::string_view source) {
    return GameText(source).toStdString();
}

bool CZarnokView::AskPlayerName(std::string& utf8Name) {
    if (player_ != nullptr && inTick_) return PlayedName(utf8Name);
    CNameDlg dialog(window());
    const bool confirmed = RunModal(dialog) == QDialog::Accepted;
    if (confirmed) utf8Name = dialog.Name().toStdString();
    if (recorder_ != nullptr && player_ == nullptr)
        recorder_->NameAnswer(confirmed ? JournalAnswer{JournalAnswer::Name, utf8Name}
                                        : JournalAnswer{JournalAnswer::Cancel, {}});
    return confirmed;
}

// The earlier games of a journal pass in silence.
void CZarnokView::PlayFiringLoop() {
    if (!Unseen()) sound_.PlayFiringLoop();
}
void CZarnokView::StopSound() { sound_.StopSound(); }
void CZarnokView::RestartChime() {
    if (!Unseen()) sound_.RestartChime();
}

void CZarnokView::StartSoundStopTimer() {
    soundStopTimer_.start(SoundStopDelayMs, Qt::PreciseTimer, this);
}

void CZarnokView::StopSoundStopTimer() { soundStopTimer_.stop(); }

int32_t CZarnokView::DisplayBitsPerPixel() {
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return PresentableBitsPerPixel(shown != nullptr ? shown->depth() : 0);
}

// A journal that closed its window ends there; the window stays.
void CZarnokView::CloseApplication() {
    if (player_ != nullptr)
        player_->OnCloseRequested();
    else
        window()->close();
}

std::string CZarnokView::DataFilePath() { return dataFilePath_; }
