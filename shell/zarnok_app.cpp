// zarnok_app.cpp -- start-up and the menu's commands.
#include "shell/zarnok_app.h"

#include <QAction>
#include <QApplication>

#include <utility>

#include "game/level_file.h"
#include "game/sound.h"
#include "game/texts.h"
#include "game/world.h"
#include "shell/about_dlg.h"
#include "shell/controls_dlg.h"
#include "shell/gamepad_input.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/message_box.h"
#include "shell/shell_texts.h"
#include "shell/zarnok_view.h"

CZarnokApp::CZarnokApp()
    : world_(std::make_unique<GameWorld>()),
      controlsDlg_(std::make_unique<CControlsDlg>(*world_)),
      gamepad_(std::make_unique<GamepadInput>(PadTarget{
          *world_, [this] { return modal_.Depth() > 0; },
          [this] { return frame_ ? &frame_->View() : nullptr; }, [this] { OnPause(); }})) {}

// The frame goes first: it gives the screen back before the world goes, and
// its sound is done with SDL before the pads let go of SDL's events.
CZarnokApp::~CZarnokApp() {
    frame_.reset();
    gamepad_.reset();
}

bool CZarnokApp::InitInstance() {
    QApplication::setApplicationName(GameText(GameTitle));
    // Wayland compositors find the installed desktop entry, and its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarnok.Zarnok"));
    QApplication::setWindowIcon(ApplicationIcon());

    frame_ = std::make_unique<CMainFrame>(*world_, modal_);
    ConnectCommands();
    if (!frame_->Create(allowModeSwitch_)) return false;
    OnFileNew();
    frame_->ShowMaximised();
    return true;
}

// The menu's command map: each item's id and the handler it runs.
void CZarnokApp::ConnectCommands() {
    using Handler = void (CZarnokApp::*)();
    const std::pair<int, Handler> commands[] = {
        {ID_FILE_NEW, &CZarnokApp::OnFileNew},       {ID_GAME_PAUSE, &CZarnokApp::OnPause},
        {ID_BEST_PLAYER, &CZarnokApp::OnBestPlayer}, {ID_APP_EXIT, &CZarnokApp::OnAppExit},
        {ID_CONTROLS, &CZarnokApp::OnControls},      {ID_SOUNDS, &CZarnokApp::OnSounds},
        {ID_APP_ABOUT, &CZarnokApp::OnAppAbout},
    };
    for (const auto& [id, handler] : commands)
        QObject::connect(frame_->Command(id), &QAction::triggered, frame_.get(),
                         [this, handler = handler] { (this->*handler)(); });
    for (const Language language : {Language::Russian, Language::English})
        QObject::connect(
            frame_->Command(language == Language::English ? ID_LANGUAGE_EN : ID_LANGUAGE_RU),
            &QAction::triggered, frame_.get(), [this, language] { OnLanguage(language); });
    frame_->CheckLanguage(language_.Current() == Language::English);
}

bool CZarnokApp::UseLanguage(Language language) {
    if (!language_.Use(language)) return false;
    if (frame_) {
        frame_->CheckLanguage(language == Language::English);
        frame_->UpdateTitle(doc_.Title());
    }
    return true;
}

void CZarnokApp::OnLanguage(Language language) {
    if (UseLanguage(language)) RememberLanguage(language);
}

void CZarnokApp::OnFileNew() {
    if (doc_.OnNewDocument(*world_) && frame_) frame_->UpdateTitle(doc_.Title());
}

void CZarnokApp::OnAppExit() {
    if (frame_) frame_->close();
}

void CZarnokApp::OnPause() {
    if (!frame_) return;
    QWidget* owner = QApplication::activeWindow() != nullptr ? QApplication::activeWindow()
                                                             : frame_.get();
    GameMessageBox box(ShellText(PausedText), ShellText(PauseText), MessageButtons::Ok,
                       MessageIcon::None, owner);
    frame_->View().RunModal(box);
}

void CZarnokApp::OnBestPlayer() {
    if (frame_) ShowBestPlayer(*world_, frame_->View());
}

// Controls dialog, and after each button the key capture and the controls
// dialog again, until the player leaves it with OK, Escape or the close box.
void CZarnokApp::OnControls() {
    if (!frame_) return;
    CZarnokView& view = frame_->View();
    for (;;) {
        view.RunModal(*controlsDlg_);
        if (!controlsDlg_->TakeCaptureRequest()) break;
        CPressKeyDlg capture(*world_, frame_.get());
        view.RunModal(capture);
    }
}

void CZarnokApp::OnSounds() {
    ToggleSound(*world_);
    if (frame_) frame_->UpdateSoundCheck();
}

void CZarnokApp::OnAppAbout() {
    if (!frame_) return;
    CAboutDlg about(frame_.get());
    frame_->View().RunModal(about);
}
