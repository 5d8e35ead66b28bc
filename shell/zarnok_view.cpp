// zarnok_view.cpp -- timers, keys, focus, drawing and the host's services.
#include "shell/zarnok_view.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

#include "game/sound.h"
#include "game/tick.h"
#include "game/world.h"
#include "game/keys.h"
#include "render/frame.h"
#include "render/hud.h"
#include "shell/message_box.h"
#include "shell/modal.h"
#include "shell/name_dlg.h"
#include "shell/virtual_keys.h"

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

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
    inTick_ = true;
    RunTimerTick(world_, *this);
    inTick_ = false;
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

void CZarnokView::keyPressEvent(QKeyEvent* event) {
    const int32_t vk = KeyCode(*event);
    if (vk == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    DispatchKeyDown(world_, *this, vk);
}

void CZarnokView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const int32_t vk = KeyCode(*event);
    if (vk == 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    DispatchKeyUp(world_, *this, vk);
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
MessageAnswer CZarnokView::ShowMessage(std::string_view text, std::string_view caption,
                                       MessageButtons buttons, MessageIcon icon) {
    GameMessageBox box(FromUtf8(text), FromUtf8(caption), buttons, icon, window());
    return GameMessageBox::AnswerOf(RunModal(box), buttons);
}

bool CZarnokView::AskPlayerName(std::string& utf8Name) {
    CNameDlg dialog(window());
    if (RunModal(dialog) != QDialog::Accepted) return false;
    utf8Name = dialog.Name().toStdString();
    return true;
}

void CZarnokView::PlayFiringLoop() { sound_.PlayFiringLoop(); }
void CZarnokView::StopSound() { sound_.StopSound(); }
void CZarnokView::RestartChime() { sound_.RestartChime(); }

void CZarnokView::StartSoundStopTimer() {
    soundStopTimer_.start(SoundStopDelayMs, Qt::PreciseTimer, this);
}

void CZarnokView::StopSoundStopTimer() { soundStopTimer_.stop(); }

int32_t CZarnokView::DisplayBitsPerPixel() {
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return PresentableBitsPerPixel(shown != nullptr ? shown->depth() : 0);
}

void CZarnokView::CloseApplication() { window()->close(); }

std::string CZarnokView::DataFilePath() { return "Data.dat"; }
