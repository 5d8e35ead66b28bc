// dialog_chrome.cpp -- window flags and the X11 hints behind a dialog's frame.
//
// Qt headers come first: the X headers define macros (None, Bool, Status)
// that would spoil them.
#include "shell/dialog_chrome.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#if defined(ZARNOK_HAVE_XRANDR)
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>
#endif

Qt::WindowFlags DialogFlags(DialogChrome chrome) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (chrome == DialogChrome::CaptionAndClose) flags |= Qt::WindowCloseButtonHint;
    return flags;
}

void SetDialogChrome(QWidget& dialog, DialogChrome chrome) {
    dialog.setWindowFlags(DialogFlags(chrome));
}

// Moving is always allowed, resizing never: every game dialog has a fixed
// size. The other functions and buttons follow the flags one by one.
MotifHints MotifHintsFor(Qt::WindowFlags flags) {
    MotifHints hints;
    if (flags.testFlag(Qt::FramelessWindowHint)) {
        hints.flags = MwmHintsDecorations;  // no decorations at all
        return hints;
    }
    hints.flags = MwmHintsFunctions | MwmHintsDecorations;
    hints.functions = MwmFuncMove;
    hints.decorations = MwmDecorBorder;
    if (flags.testFlag(Qt::WindowTitleHint)) hints.decorations |= MwmDecorTitle;
    if (flags.testFlag(Qt::WindowSystemMenuHint)) hints.decorations |= MwmDecorMenu;
    if (flags.testFlag(Qt::WindowCloseButtonHint)) hints.functions |= MwmFuncClose;
    if (flags.testFlag(Qt::WindowMinimizeButtonHint)) {
        hints.functions |= MwmFuncMinimize;
        hints.decorations |= MwmDecorMinimize;
    }
    if (flags.testFlag(Qt::WindowMaximizeButtonHint)) {
        hints.functions |= MwmFuncMaximize;
        hints.decorations |= MwmDecorMaximize;
    }
    return hints;
}

#if defined(ZARNOK_HAVE_XRANDR) && QT_CONFIG(xcb)

void WriteWindowManagerHints(QWidget& dialog) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return;
    const MotifHints hints = MotifHintsFor(dialog.windowFlags());
    // flags, functions, decorations, input mode, status: longs on the wire.
    const long data[5] = {long(hints.flags), long(hints.functions), long(hints.decorations), 0, 0};
    const Atom property = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, Window(dialog.winId()), property, property, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data), 5);
    XFlush(display);
}

#else

void WriteWindowManagerHints(QWidget&) {}

#endif

void RefuseMinimise(QWidget& dialog) {
    if (!dialog.windowState().testFlag(Qt::WindowMinimized)) return;
    // After the state change is through: restore the dialog and the game's
    // other windows that went with it, then give the dialog the keyboard.
    QTimer::singleShot(0, &dialog, [&dialog] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->windowState().testFlag(Qt::WindowMinimized))
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        dialog.raise();
        dialog.activateWindow();
    });
}
