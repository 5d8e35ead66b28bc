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

#include <X11/Xatom.h>
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

namespace {

Display* QtDisplay() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

// The window a property of `window` names, or 0.
Window WindowProperty(Display* display, Window window, const char* name) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window value = 0;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1, False,
                           XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        value = *reinterpret_cast<const Window*>(data);
    if (data != nullptr) XFree(data);
    return value;
}

QString WindowManagerNameOn(Display* display) {
    // A running manager keeps a child window that names itself both on the
    // root and on the child; a stale root property from a manager that died
    // names a window without it.
    const Window root = DefaultRootWindow(display);
    const Window check = WindowProperty(display, root, "_NET_SUPPORTING_WM_CHECK");
    if (check == 0 || WindowProperty(display, check, "_NET_SUPPORTING_WM_CHECK") != check)
        return {};
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QString name;
    if (XGetWindowProperty(display, check, XInternAtom(display, "_NET_WM_NAME", False), 0, 64,
                           False, XInternAtom(display, "UTF8_STRING", False), &type, &format,
                           &count, &after, &data) == Success &&
        format == 8)
        name = QString::fromUtf8(reinterpret_cast<const char*>(data), int(count));
    if (data != nullptr) XFree(data);
    return name;
}

void SetWindowType(Display* display, Window window, const char* typeName) {
    const Atom type = XInternAtom(display, typeName, False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM,
                    32, PropModeReplace, reinterpret_cast<const unsigned char*>(&type), 1);
}

}  // namespace

QString WindowManagerName() {
    Display* display = QtDisplay();
    return display != nullptr ? WindowManagerNameOn(display) : QString();
}

void WriteWindowManagerHints(QWidget& dialog) {
    Display* display = QtDisplay();
    if (display == nullptr) return;
    const Window window = Window(dialog.winId());
    const MotifHints hints = MotifHintsFor(dialog.windowFlags());
    // flags, functions, decorations, input mode, status: longs on the wire.
    const long data[5] = {long(hints.flags), long(hints.functions), long(hints.decorations), 0, 0};
    const Atom property = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, window, property, property, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data), 5);
    // Openbox reads the Motif functions but never lets them take a button
    // away: a dialog keeps minimise (which iconifies the game with it) and a
    // maximise that does nothing. It drops both only for the toolbar and menu
    // types, which keep the caption and the close box. Every other manager
    // keeps the dialog type, which it places and stacks best, and honours the
    // hints above.
    const bool captioned = (hints.decorations & MwmDecorTitle) != 0;
    const bool minMax = (hints.functions & (MwmFuncMinimize | MwmFuncMaximize)) != 0;
    if (captioned && !minMax && WindowManagerNameOn(display) == QLatin1String("Openbox"))
        SetWindowType(display, window, "_NET_WM_WINDOW_TYPE_TOOLBAR");
    XFlush(display);
}

#else

QString WindowManagerName() { return {}; }

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
