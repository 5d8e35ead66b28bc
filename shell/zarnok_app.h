// zarnok_app.h -- the application: the one game world of the process, the
// document, the main frame and the commands of the menu.
#pragma once

#include <memory>

#include "shell/language.h"
#include "shell/modal.h"
#include "shell/zarnok_doc.h"

struct GameWorld;
class CControlsDlg;
class CMainFrame;
class GamepadInput;

class CZarnokApp {
public:
    // Needs a QApplication; owns a world with its initial values.
    CZarnokApp();
    ~CZarnokApp();
    CZarnokApp(const CZarnokApp&) = delete;
    CZarnokApp& operator=(const CZarnokApp&) = delete;

    // Start-up: the frame (which asks for the resolution), the first new
    // document, and the maximised window. False when start-up failed.
    bool InitInstance();

    // Whether "800x600" may also switch the real screen to that mode
    // (--switch-display-mode); set before InitInstance. Without it the
    // screen is never touched and the game shows a virtual 800 x 600 display.
    void AllowDisplayModeSwitch(bool allow) { allowModeSwitch_ = allow; }
    bool DisplayModeSwitchAllowed() const { return allowModeSwitch_; }

    // The language every window speaks from now on, changed at once in the
    // open ones. The start-up language is set before InitInstance; a choice
    // from the menu is also remembered for the next start.
    bool UseLanguage(Language language);
    Language CurrentLanguage() const { return language_.Current(); }

    GameWorld& World() { return *world_; }
    ModalRunner& Modal() { return modal_; }
    CZarnokDoc& Doc() { return doc_; }
    CMainFrame* Frame() { return frame_.get(); }
    CControlsDlg& ControlsDialog() { return *controlsDlg_; }
    GamepadInput& Gamepad() { return *gamepad_; }

    // Menu commands.
    void OnFileNew();
    void OnAppExit();
    void OnPause();
    void OnBestPlayer();
    void OnControls();
    void OnSounds();
    void OnAppAbout();
    void OnLanguage(Language language);

private:
    void ConnectCommands();

    std::unique_ptr<GameWorld> world_;
    ModalRunner modal_;
    std::unique_ptr<CControlsDlg> controlsDlg_;  // one for the whole process
    CZarnokDoc doc_;
    std::unique_ptr<CMainFrame> frame_;
    bool allowModeSwitch_ = false;
    LanguageSwitch language_;
    std::unique_ptr<GamepadInput> gamepad_;  // drives the frame and its dialogs
};
