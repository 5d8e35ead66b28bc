// x11_display.cpp -- XKB lamps and XRandR screen sizes on Qt's X connection.
//
// Qt headers come first: the X headers define macros (None, Bool, Status)
// that would spoil them.
#include "shell/x11_display.h"

#include <QGuiApplication>
#include <QString>

#if defined(ZARNOK_HAVE_XRANDR)
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#endif

#if defined(ZARNOK_HAVE_XRANDR) && QT_CONFIG(xcb)

namespace {

Display* QtDisplay() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* app = qGuiApp;
    if (app == nullptr) return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

bool HasXkb(Display* display) {
    int opcode = 0, event = 0, error = 0;
    int major = XkbMajorVersion, minor = XkbMinorVersion;
    return XkbQueryExtension(display, &opcode, &event, &error, &major, &minor) != 0;
}

// The server's number of a named indicator, or -1 when it has none.
int LampIndex(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    int index = -1;
    if (atom == 0 || !XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr))
        return -1;
    return index;
}

bool LampOn(unsigned int state, int index) {
    return index >= 0 && index < 32 && (state >> index & 1u) != 0;
}

// X errors of a mode switch are answers, not crashes: count them.
int g_switchErrors = 0;
int CountError(Display*, XErrorEvent*) {
    ++g_switchErrors;
    return 0;
}

// Sets the screen configuration, reporting a refusal however it arrives.
bool SetConfig(Display* display, int sizeIndex, Rotation rotation) {
    const Window root = DefaultRootWindow(display);
    XRRScreenConfiguration* config = XRRGetScreenInfo(display, root);
    if (config == nullptr) return false;
    XSync(display, False);
    g_switchErrors = 0;
    auto* previous = XSetErrorHandler(CountError);
    const Status status = XRRSetScreenConfig(display, config, root, sizeIndex, rotation,
                                             CurrentTime);
    XSync(display, False);
    XSetErrorHandler(previous);
    XRRFreeScreenConfigInfo(config);
    return status == RRSetConfigSuccess && g_switchErrors == 0;
}

}  // namespace

// The lamps' numbers are looked up once; each reading after that is one
// request to the server, not one per lamp and name. The status bar polls it.
LockLamps ReadLockLamps() {
    LockLamps lamps;
    Display* display = QtDisplay();
    if (display == nullptr) return lamps;
    static const bool xkb = HasXkb(display);
    if (!xkb) return lamps;
    static const int caps = LampIndex(display, "Caps Lock");
    static const int num = LampIndex(display, "Num Lock");
    static const int scroll = LampIndex(display, "Scroll Lock");
    lamps.known = true;
    unsigned int state = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success) return lamps;
    lamps.caps = LampOn(state, caps);
    lamps.num = LampOn(state, num);
    lamps.scroll = LampOn(state, scroll);
    return lamps;
}

ScreenSizeResult SetScreenSize(int width, int height, SavedScreenSize& saved) {
    Display* display = QtDisplay();
    if (display == nullptr) return ScreenSizeResult::NoX11;
    int event = 0, error = 0;
    if (!XRRQueryExtension(display, &event, &error)) return ScreenSizeResult::NoRandr;

    XRRScreenConfiguration* config = XRRGetScreenInfo(display, DefaultRootWindow(display));
    if (config == nullptr) return ScreenSizeResult::NoRandr;
    int count = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config, &count);
    Rotation rotation = 0;
    const SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
    int wanted = -1;
    for (int i = 0; i < count && wanted < 0; ++i)
        if (sizes[i].width == width && sizes[i].height == height) wanted = i;
    XRRFreeScreenConfigInfo(config);  // `sizes` lives in it: read above

    if (wanted < 0) return ScreenSizeResult::NoSuchSize;
    if (wanted == current) return ScreenSizeResult::Done;
    if (!SetConfig(display, wanted, rotation)) return ScreenSizeResult::Refused;

    saved.valid = true;
    saved.sizeIndex = current;
    saved.rotation = rotation;
    return ScreenSizeResult::Done;
}

void RestoreScreenSize(SavedScreenSize& saved) {
    if (!saved.valid) return;
    saved.valid = false;
    if (Display* display = QtDisplay())
        SetConfig(display, saved.sizeIndex, Rotation(saved.rotation));
}

#else  // no X11 at build time or in this Qt

LockLamps ReadLockLamps() { return {}; }

ScreenSizeResult SetScreenSize(int, int, SavedScreenSize&) { return ScreenSizeResult::NoX11; }

void RestoreScreenSize(SavedScreenSize& saved) { saved.valid = false; }

#endif
