// main_frame.cpp -- menu, status bar and the display question.
#include "shell/main_frame.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include "game/texts.h"
#include "game/world.h"
#include "shell/message_box.h"
#include "shell/modal.h"
#include "shell/shell_texts.h"
#include "shell/x11_display.h"
#include "shell/zarnok_view.h"

namespace {
const QString kIdlePrompt = QString::fromUtf8(IdlePromptText);
const QString kAppTitle = QString::fromUtf8(GameTitle);
constexpr int IndicatorPollMs = 250;
}  // namespace

CMainFrame::CMainFrame(GameWorld& world, ModalRunner& modal) : world_(world), modal_(modal) {
    view_ = new CZarnokView(world, modal, this);
    setCentralWidget(view_);
    BuildMenu();
    BuildStatusBar();
    setWindowTitle(kAppTitle);
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const char* text, const char* prompt) {
    auto* action = menu->addAction(QString::fromUtf8(text));
    action->setStatusTip(QString::fromUtf8(prompt));
    commands_[id] = action;
    return action;
}

// The menu with each item's prompt (the part a tooltip would add is left
// out: a menu-only window never shows it). No item has a shortcut.
void CMainFrame::BuildMenu() {
    QMenu* game = menuBar()->addMenu(QString::fromUtf8(GameMenuText));
    AddCommand(game, ID_FILE_NEW, NewItemText, NewPromptText);
    AddCommand(game, ID_GAME_PAUSE, PauseText, PauseText);
    game->addSeparator();
    AddCommand(game, ID_BEST_PLAYER, BestPlayerItemText, BestPlayerPromptText);
    game->addSeparator();
    AddCommand(game, ID_WATCH, WatchItemText, WatchPromptText);
    AddCommand(game, ID_WATCH_RECORD, WatchRecordItemText, WatchRecordPromptText);
    game->addSeparator();
    AddCommand(game, ID_APP_EXIT, ExitItemText, ExitPromptText);

    QMenu* settings = menuBar()->addMenu(QString::fromUtf8(SettingsMenuText));
    AddCommand(settings, ID_CONTROLS, ControlsItemText, ControlsTitle);
    QAction* sounds = AddCommand(settings, ID_SOUNDS, SoundsItemText, SoundsPromptText);
    sounds->setCheckable(true);
    // The check mark is brought up to date whenever the menu opens.
    connect(settings, &QMenu::aboutToShow, this, &CMainFrame::UpdateSoundCheck);

    QMenu* help = menuBar()->addMenu(QString::fromUtf8(HelpMenuText));
    AddCommand(help, ID_APP_ABOUT, AboutItemText, AboutPromptText);

    menus_ = {game, settings, help};
    UpdateSoundCheck();
}

// The message pane, then the lamps of Caps Lock, Num Lock and Scroll Lock.
void CMainFrame::BuildStatusBar() {
    messagePane_ = new QLabel(kIdlePrompt, this);
    statusBar()->addWidget(messagePane_, 1);
    const char* const names[3] = {CapsLampText, NumLampText, ScrollLampText};
    for (int i = 0; i < 3; ++i) {
        auto* lamp = new QLabel(QString::fromUtf8(names[i]), this);
        lamp->setAlignment(Qt::AlignCenter);
        lamp->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Wide enough for the widest of the three.
        lamp->setMinimumWidth(
            lamp->fontMetrics().horizontalAdvance(QString::fromUtf8(ScrollLampText)) + 12);
        statusBar()->addPermanentWidget(lamp);
        indicators_[i] = lamp;
    }
    statusBar()->setSizeGripEnabled(false);
    UpdateIndicators();
    indicatorTimer_ = new QTimer(this);
    connect(indicatorTimer_, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
    indicatorTimer_->start(IndicatorPollMs);
}

// A lamp is lit while its lock is on; where the keyboard cannot be asked,
// all three stay dimmed.
void CMainFrame::UpdateIndicators() {
    const LockLamps lamps = ReadLockLamps();
    const bool lit[3] = {lamps.known && lamps.caps, lamps.known && lamps.num,
                         lamps.known && lamps.scroll};
    for (int i = 0; i < 3; ++i)
        if (indicators_[i] != nullptr) indicators_[i]->setEnabled(lit[i]);
}

QLabel* CMainFrame::Indicator(int index) const {
    return index >= 0 && index < 3 ? indicators_[index] : nullptr;
}

QString CMainFrame::MessagePaneText() const { return messagePane_->text(); }

void CMainFrame::ShowStatus(const QString& text) { messagePane_->setText(text); }

// Highlighting a menu item sends its prompt; leaving it sends an empty one,
// and the pane goes back to "Ready".
bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        messagePane_->setText(tip.isEmpty() ? kIdlePrompt : tip);
        return true;
    }
    return QMainWindow::event(event);
}

QAction* CMainFrame::Command(int id) const {
    const auto found = commands_.find(id);
    return found != commands_.end() ? found->second : nullptr;
}

QMenu* CMainFrame::Menu(int index) const {
    return index >= 0 && size_t(index) < menus_.size() ? menus_[size_t(index)] : nullptr;
}

void CMainFrame::UpdateTitle(const QString& documentTitle) {
    setWindowTitle(documentTitle.isEmpty() ? kAppTitle
                                           : documentTitle + QStringLiteral(" - ") + kAppTitle);
}

void CMainFrame::UpdateSoundCheck() {
    if (QAction* sounds = Command(ID_SOUNDS)) sounds->setChecked((world_.soundOn & 1) != 0);
}

// The question comes before the frame is on screen and before the game's
// timer runs; a failed switch is told in words and the game goes on.
bool CMainFrame::Create(bool allowModeSwitch) {
    CDisplayModeDlg dialog;
    const int choice = modal_.Run(dialog);
    view_->SetVirtualDisplay(choice == Resolution800x600);
    display_.AllowModeChange(allowModeSwitch);
    const QString failure = display_.Apply(choice);
    if (!failure.isEmpty()) {
        GameMessageBox box(failure, failure, MessageButtons::Ok, MessageIcon::Stop);
        modal_.Run(box);
    }
    return true;
}

void CMainFrame::ShowMaximised() {
    // The window state is a wish a window manager grants; without one the
    // geometry must say it too.
    Qt::WindowStates state = Qt::WindowMaximized;
    if (display_.FullScreen()) state |= Qt::WindowFullScreen;
    if (QScreen* shown = screen()) {
        setGeometry(display_.FullScreen() ? shown->geometry() : shown->availableGeometry());
        // A new resolution arrives after the switch: follow it.
        connect(shown, &QScreen::geometryChanged, this, [this](const QRect& area) {
            if (display_.FullScreen()) setGeometry(area);
        });
    }
    setWindowState(state);
    show();
    activateWindow();
    view_->setFocus(Qt::ActiveWindowFocusReason);
}
