// What only a real desktop shows: the buttons an X11 window manager offers on
// the game's dialogs (message boxes go through the same door as these two),
// and the frame it puts around the controls dialog each time it comes back.
// Run on an X display with a window manager (ctest runs this program once
// more under QT_QPA_PLATFORM=xcb); skipped elsewhere.
#include "tests/gui/modal_player.h"

#include "shell/dialog_chrome.h"

#if defined(ZARNOK_TEST_X11)
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace {

// The actions the window manager allows on the window, "_NET_WM_ACTION_..."
// names; empty until it has taken the window on.
QStringList AllowedActions(QWidget& window) {
    QStringList names;
#if defined(ZARNOK_TEST_X11)
    Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, Window(window.winId()),
                       XInternAtom(display, "_NET_WM_ALLOWED_ACTIONS", False), 0, 64, False,
                       XA_ATOM, &type, &format, &count, &after, &data);
    for (unsigned long i = 0; i < count && format == 32; ++i) {
        char* name = XGetAtomName(display, reinterpret_cast<const Atom*>(data)[i]);
        names << QString::fromLatin1(name);
        XFree(name);
    }
    if (data != nullptr) XFree(data);
#endif
    Q_UNUSED(window);
    return names;
}

// Neither minimise nor maximise, once the window manager has the window.
void ExpectNoMinimiseOrMaximise(QWidget& window) {
    SCOPED_TRACE(window.windowTitle().toStdString());
    QStringList actions;
    ASSERT_TRUE(WaitUntil([&] { return !(actions = AllowedActions(window)).isEmpty(); }));
    EXPECT_TRUE(actions.contains(QLatin1String("_NET_WM_ACTION_MOVE"))) << "it can be moved";
    EXPECT_FALSE(actions.contains(QLatin1String("_NET_WM_ACTION_MINIMIZE")));
    EXPECT_FALSE(actions.contains(QLatin1String("_NET_WM_ACTION_MAXIMIZE_HORZ")));
    EXPECT_FALSE(actions.contains(QLatin1String("_NET_WM_ACTION_MAXIMIZE_VERT")));
}

}  // namespace

// The first capture is picked the moment the dialog is on screen, maybe
// before the window manager has said how big its frame is; the dialog must
// still come back to the same place, frame and all.
TEST_F(ShellDialogTest, OnTheDesktopTheControlsDialogsOfferNoMinimiseAndComeBackInPlace) {
    if (WindowManagerName().isEmpty())
        GTEST_SKIP() << "needs an X display with a window manager: the buttons and frame are its";
    std::vector<QRect> frames, clients;
    const auto note = [&](QWidget& dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        clients.push_back(dialog.geometry());
        QWindow* window = dialog.windowHandle();
        ASSERT_TRUE(WaitUntil([&] { return !window->frameMargins().isNull(); }));
        frames.push_back(window->frameGeometry());
    };

    player_.Then("CControlsDlg", [&](QWidget& dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        clients.push_back(dialog.geometry());
        PickJump();
    });
    player_.Then("CPressKeyDlg", [&](QWidget& dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ExpectNoMinimiseOrMaximise(dialog);
        PressJ(dialog);
    });
    player_.Then("CControlsDlg", [&](QWidget& dialog) {
        note(dialog);
        ExpectNoMinimiseOrMaximise(dialog);
        PickJump();
    });
    PlayControlsScript(note);
    ASSERT_EQ(clients.size(), 3u);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(clients[1], clients[0]);
    EXPECT_EQ(clients[2], clients[0]);
    EXPECT_EQ(frames[1], frames[0]);
}
