// main_frame.h -- the main window: menu, status bar, the game view in the
// middle, and the screen it was given at start-up.
#pragma once

#include <QMainWindow>

#include <map>
#include <memory>
#include <vector>

#include "shell/display_mode.h"

struct GameWorld;
class CZarnokView;
class ModalRunner;
class QAction;
class QLabel;
class QMenu;
class QTimer;

// Command ids of the menu items.
enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_GAME_PAUSE = 32776,
    ID_BEST_PLAYER = 32773,
    ID_APP_EXIT = 57665,
    ID_CONTROLS = 32772,
    ID_SOUNDS = 32774,
    ID_APP_ABOUT = 57664,
    ID_LANGUAGE_RU = 32780,
    ID_LANGUAGE_EN = 32781,
    ID_WATCH = 32782,
    ID_WATCH_RECORD = 32783,
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The frame shows `world` in its view and runs its dialogs through
    // `modal`. Its menu items only name commands: whoever owns the frame
    // connects Command(id) to what the command does.
    CMainFrame(GameWorld& world, ModalRunner& modal);
    ~CMainFrame() override;

    // The rest of the frame's creation: asks for the resolution and takes
    // the screen (only when `allowModeSwitch`). Returns false when the frame
    // cannot be made.
    bool Create(bool allowModeSwitch);

    // Shows the frame maximised (over the whole screen when it was taken)
    // and gives the view the keyboard.
    void ShowMaximised();

    CZarnokView& View() const { return *view_; }
    QAction* Command(int id) const;
    QMenu* Menu(int index) const;

    // The caption: the document's title and the application's.
    void UpdateTitle(const QString& documentTitle);

    // The check mark of "Звуки" from the world's sound flag.
    void UpdateSoundCheck();

    // The check mark in "Язык / Language".
    void CheckLanguage(bool english);

    // The status bar's panes.
    QString MessagePaneText() const;
    // A message for the pane; it stays until a menu prompt replaces it.
    void ShowStatus(const QString& text);
    QLabel* Indicator(int index) const;  // 0 caps, 1 num, 2 scroll
    void UpdateIndicators();

    DisplayModeSwitch& Display() { return display_; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenu();
    void BuildLanguageMenu(QMenu* settings);
    void BuildStatusBar();
    void SizeLamps();
    void Retranslate();
    QAction* AddCommand(QMenu* menu, int id, const char* text, const char* prompt);
    QMenu* AddMenu(QMenu* parent, const char* text);

    // The Russian sources of the menu's texts, to show them again in
    // another language; a null text is a language's own name.
    struct CommandText {
        QAction* action;
        const char* text;
        const char* prompt;
    };
    struct MenuText {
        QMenu* menu;
        const char* text;
        const char* prompt = nullptr;
    };

    GameWorld& world_;
    ModalRunner& modal_;
    CZarnokView* view_;
    std::map<int, QAction*> commands_;
    std::vector<QMenu*> menus_;
    std::vector<CommandText> commandTexts_;
    std::vector<MenuText> menuTexts_;
    QLabel* messagePane_ = nullptr;
    QLabel* indicators_[3] = {};
    QTimer* indicatorTimer_ = nullptr;
    DisplayModeSwitch display_;
};
