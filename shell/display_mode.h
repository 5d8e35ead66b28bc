// display_mode.h -- the question at start-up about the screen resolution and
// the switch that follows it: the game window takes the whole screen, at the
// current resolution or at 800 x 600, and the screen is given back on exit.
#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

#include "shell/x11_display.h"

// What the display-mode dialog returns.
enum DisplayModeChoice : int {
    KeepResolution = 0,  // "Не менять разрешение экрана"
    Resolution800x600 = 1,
    DisplayModeCancelled = 2,  // Escape: no change of mode
};

class CDisplayModeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDisplayModeDlg(QWidget* parent = nullptr);

    void reject() override;  // Escape: neither choice
};

// Appends the description of a display-driver result code to `text` and
// returns 1. Codes the table does not know get the generic text.
int DirectDrawErrorText(std::string& text, uint32_t code);

// The display side of the main frame: applies the dialog's choice and hands
// the screen back when it goes away.
class DisplayModeSwitch {
public:
    DisplayModeSwitch() = default;
    ~DisplayModeSwitch() { Restore(); }
    DisplayModeSwitch(const DisplayModeSwitch&) = delete;
    DisplayModeSwitch& operator=(const DisplayModeSwitch&) = delete;

    // Whether "800x600" switches the real screen mode too; off unless the
    // player asked for it on the command line.
    void AllowModeChange(bool allow) { modeChangeAllowed_ = allow; }

    // Takes the screen for the game window and, where allowed, switches the
    // resolution the dialog asked for. Returns an empty text on success, or
    // what to tell the player when the resolution could not be switched.
    QString Apply(int choice);

    // Whether the game window is to cover the whole screen.
    bool FullScreen() const { return fullScreen_; }

    // Gives the screen back its previous size (idempotent).
    void Restore();

    // Set and restore the screen size; replaceable so that tests can play
    // the X server's part.
    using SizeSetter = ScreenSizeResult (*)(int width, int height, SavedScreenSize& saved);
    using SizeRestorer = void (*)(SavedScreenSize& saved);
    void SetSizeSetter(SizeSetter setter) { setter_ = setter; }
    void SetSizeRestorer(SizeRestorer restorer) { restorer_ = restorer; }

private:
    SizeSetter setter_ = &SetScreenSize;
    SizeRestorer restorer_ = &RestoreScreenSize;
    SavedScreenSize saved_;
    bool fullScreen_ = false;
    bool modeChangeAllowed_ = false;
};

// The player's words for a failed switch to width x height.
QString ScreenSizeFailureText(ScreenSizeResult result, const QString& platformName);

// Makes SIGINT and SIGTERM end the event loops normally, so that the screen
// is handed back before the process goes. `beforeQuit` runs first, on the
// window thread (it closes the modal windows); a later call replaces it.
void QuitEventLoopOnSignals(std::function<void()> beforeQuit = {});

// Whether SIGINT or SIGTERM has arrived: one that came during start-up, before
// the main event loop ran, must still end the program.
bool QuitSignalReceived();
