// dialog_chrome.h -- what the window manager draws around the game's dialogs:
// a caption, a close box only where the dialog has one, and never a
// minimise or maximise button.
#pragma once

#include <QString>
#include <Qt>
#include <cstdint>

class QWidget;

enum class DialogChrome {
    Caption,          // a caption alone: only the dialog's own keys end it
    CaptionAndClose,  // a caption with a close box
};

// The window flags of a dialog with that chrome.
Qt::WindowFlags DialogFlags(DialogChrome chrome);

// Sets the flags on a dialog; its window comes up with them.
void SetDialogChrome(QWidget& dialog, DialogChrome chrome);

// The Motif window-manager hints for those flags, as X11 window managers
// read them. Qt writes "every function" for a window with no buttons, which
// gives the key capture a close box and a question a minimise button; these
// name exactly the functions the flags allow.
struct MotifHints {
    uint32_t flags = 0;        // which of the fields below are set
    uint32_t functions = 0;    // MWM_FUNC_* bits
    uint32_t decorations = 0;  // MWM_DECOR_* bits
};
MotifHints MotifHintsFor(Qt::WindowFlags flags);

// Motif bits the hints above use.
constexpr uint32_t MwmHintsFunctions = 1u << 0;
constexpr uint32_t MwmHintsDecorations = 1u << 1;
constexpr uint32_t MwmFuncAll = 1u << 0;
constexpr uint32_t MwmFuncMove = 1u << 2;
constexpr uint32_t MwmFuncMinimize = 1u << 3;
constexpr uint32_t MwmFuncMaximize = 1u << 4;
constexpr uint32_t MwmFuncClose = 1u << 5;
constexpr uint32_t MwmDecorBorder = 1u << 1;
constexpr uint32_t MwmDecorTitle = 1u << 3;
constexpr uint32_t MwmDecorMenu = 1u << 4;
constexpr uint32_t MwmDecorMinimize = 1u << 5;
constexpr uint32_t MwmDecorMaximize = 1u << 6;

// Writes those hints on the dialog's window, on X11 only; call it once the
// window exists and before it is mapped (managers read the window type only
// when they take a window on). Under Openbox, which keeps every button the
// window type allows, a dialog without minimise and maximise is also typed a
// toolbar, the type Openbox gives a caption and close box alone.
void WriteWindowManagerHints(QWidget& dialog);

// The running X11 window manager's own name ("Openbox", "KWin", ...); empty
// off X11 or with no window manager.
QString WindowManagerName();

// A window manager may still iconify a dialog (some keep a minimise button
// on every dialog and iconify the game's frame with it). A modal
// dialog that was minimised comes straight back, so the paused game never
// sits hidden with nothing on screen. Call from the dialog's changeEvent().
void RefuseMinimise(QWidget& dialog);
