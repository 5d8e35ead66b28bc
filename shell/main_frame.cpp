// main_frame.cpp -- menu, status bar and the display question.
#include "shell/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "game/texts.h"
#include "game/world.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/modal.h"
#include "shell/shell_texts.h"
#include "shell/x11_display.h"
#include "shell/zarnok_view.h"

namespace {
constexpr int IndicatorPollMs = 250;
const char* const kLampTexts[3] = {CapsLampText, NumLampText, ScrollLampText};
}  // namespace

CMainFrame::CMainFrame(GameWorld& world, ModalRunner& modal) : world_(world), modal_(modal) {
    view_ = new CZarnokView(world, modal, this);
    setCentralWidget(view_);
    BuildMenu();
    BuildStatusBar();
    setWindowTitle(GameText(GameTitle));
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const char* text, const char* prompt) {
    auto* action = menu->addAction(ShellText(text));
    action->setStatusTip(ShellText(prompt));
    commands_[id] = action;
    commandTexts_.push_back({action, text, prompt});
    return action;
}

QMenu* CMainFrame::AddMenu(QMenu* parent, const char* text) {
    QMenu* menu = parent != nullptr ? parent->addMenu(ShellText(text))
                                    : menuBar()->addMenu(ShellText(text));
    menuTexts_.push_back({menu, text});
    return menu;
}

// The menu with each item's prompt (the part a tooltip would add is left
// out: a menu-only window never shows it). No item has a shortcut.
void CMainFrame::BuildMenu() {
    QMenu* game = AddMenu(nullptr, GameMenuText);
    AddCommand(game, ID_FILE_NEW, NewItemText, NewPromptText);
    AddCommand(game, ID_GAME_PAUSE, PauseText, PauseText);
    game->addSeparator();
    AddCommand(game, ID_BEST_PLAYER, BestPlayerItemText, BestPlayerPromptText);
    game->addSeparator();
    AddCommand(game, ID_WATCH, WatchItemText, WatchPromptText);
    AddCommand(game, ID_WATCH_RECORD, WatchRecordItemText, WatchRecordPromptText);
    game->addSeparator();
    AddCommand(game, ID_APP_EXIT, ExitItemText, ExitPromptText);

    QMenu* settings = AddMenu(nullptr, SettingsMenuText);
    AddCommand(settings, ID_CONTROLS, ControlsItemText, ControlsTitle);
    QAction* sounds = AddCommand(settings, ID_SOUNDS, SoundsItemText, SoundsPromptText);
    sounds->setCheckable(true);
    // The check mark is brought up to date whenever the menu opens.
    connect(settings, &QMenu::aboutToShow, this, &CMainFrame::UpdateSoundCheck);
    BuildLanguageMenu(settings);

    QMenu* help = AddMenu(nullptr, HelpMenuText);
    AddCommand(help, ID_APP_ABOUT, AboutItemText, AboutPromptText);

    menus_ = {game, settings, help};
    UpdateSoundCheck();
}

// "Язык / Language": each language named in itself, the one in use checked.
// The items only name the choice; whoever owns the frame makes it.
void CMainFrame::BuildLanguageMenu(QMenu* settings) {
    QMenu* languages = AddMenu(settings, LanguageMenuText);
    languages->menuAction()->setStatusTip(ShellText(LanguagePromptText));
    menuTexts_.back().prompt = LanguagePromptText;
    auto* group = new QActionGroup(this);
    const std::pair<int, const char*> items[] = {{ID_LANGUAGE_RU, RussianItemText},
                                                 {ID_LANGUAGE_EN, EnglishItemText}};
    for (const auto& [id, name] : items) {
        QAction* action = languages->addAction(QString::fromUtf8(name));
        action->setCheckable(true);
        action->setStatusTip(ShellText(LanguagePromptText));
        group->addAction(action);
        commands_[id] = action;
        commandTexts_.push_back({action, nullptr, LanguagePromptText});
    }
}

void CMainFrame::CheckLanguage(bool english) {
    Command(english ? ID_LANGUAGE_EN : ID_LANGUAGE_RU)->setChecked(true);
}

// The message pane, then the lamps of Caps Lock, Num Lock and Scroll Lock.
void CMainFrame::BuildStatusBar() {
    messagePane_ = new QLabel(ShellText(IdlePromptText), this);
    statusBar()->addWidget(messagePane_, 1);
    for (int i = 0; i < 3; ++i) {
        auto* lamp = new QLabel(ShellText(kLampTexts[i]), this);
        lamp->setAlignment(Qt::AlignCenter);
        lamp->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(lamp);
        indicators_[i] = lamp;
    }
    SizeLamps();
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

// Each lamp wide enough for the widest of the three.
void CMainFrame::SizeLamps() {
    int widest = 0;
    for (const char* text : kLampTexts)
        widest = std::max(widest, indicators_[0]->fontMetrics().horizontalAdvance(ShellText(text)));
    for (QLabel* lamp : indicators_) lamp->setMinimumWidth(widest + 12);
}

// Every text of the menu and the status bar again, in the language now in use.
void CMainFrame::Retranslate() {
    for (const MenuText& item : menuTexts_) {
        item.menu->setTitle(ShellText(item.text));
        if (item.prompt != nullptr) item.menu->menuAction()->setStatusTip(ShellText(item.prompt));
    }
    for (const CommandText& item : commandTexts_) {
        if (item.text != nullptr) item.action->setText(ShellText(item.text));
        item.action->setStatusTip(ShellText(item.prompt));
    }
    for (int i = 0; i < 3; ++i) indicators_[i]->setText(ShellText(kLampTexts[i]));
    SizeLamps();
    messagePane_->setText(ShellText(IdlePromptText));
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) Retranslate();
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
        messagePane_->setText(tip.isEmpty() ? ShellText(IdlePromptText) : tip);
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
    const QString appTitle = GameText(GameTitle);
    setWindowTitle(documentTitle.isEmpty() ? appTitle
                                           : documentTitle + QStringLiteral(" - ") + appTitle);
}

void CMainFrame::UpdateSoundCheck() {
    if (QAction* sounds = Command(ID_SOUNDS)) sounds->setChecked((world_.soundOn & 1) != 0);
}

// The question comes before the frame is on screen and before the game's
// timer runs; a failed switch is explained in a message and the game goes on.
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
