// display_check.cpp -- the platforms Qt may try, and whether any of them has its display.
#include "shell/display_check.h"

#include <QString>
#include <QtGlobal>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace {

// Platform plugins that draw into memory, a frame buffer or a network
// client, and so need no display server.
bool NeedsNoDisplay(const std::string& platform) {
    for (const char* name :
         {"offscreen", "minimal", "minimalegl", "eglfs", "linuxfb", "vnc", "vkkhrdisplay"})
        if (platform == name) return true;
    return false;
}

bool WaylandReachable(const DisplayEnvironment& environment) {
    if (!environment.variable("WAYLAND_DISPLAY").empty()) return true;
    // With WAYLAND_DISPLAY unset a client connects to the default socket.
    const std::string runtime = environment.variable("XDG_RUNTIME_DIR");
    return !runtime.empty() && environment.exists(runtime + "/wayland-0");
}

bool PlatformUsable(const std::string& platform, const DisplayEnvironment& environment) {
    if (NeedsNoDisplay(platform)) return true;
    if (platform == "xcb") return !environment.variable("DISPLAY").empty();
    if (platform.rfind("wayland", 0) == 0) return WaylandReachable(environment);
    return true;  // a plugin this check does not know decides for itself
}

// Qt's message handler is a plain function with no context of its own.
std::string failureLine;
QtMessageHandler previousHandler = nullptr;

void ExitOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (previousHandler != nullptr) previousHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n%s\n", message.toLocal8Bit().constData(), failureLine.c_str());
    std::fflush(stderr);
    std::_Exit(NoDisplayExitStatus);
}

}  // namespace

DisplayEnvironment ProcessDisplayEnvironment() {
    return DisplayEnvironment{
        [](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value != nullptr ? value : "");
        },
        [](const std::string& path) {
            struct stat status {};
            return stat(path.c_str(), &status) == 0;
        }};
}

bool DisplayAvailable(const DisplayEnvironment& environment) {
    // QT_QPA_PLATFORM lists the plugins to try in order, each with its own
    // options after a colon; unset, Qt tries X11 or Wayland, whichever is there.
    std::istringstream platforms(environment.variable("QT_QPA_PLATFORM"));
    bool named = false;
    for (std::string entry; std::getline(platforms, entry, ';');) {
        const std::string platform = entry.substr(0, entry.find(':'));
        if (platform.empty()) continue;
        named = true;
        if (PlatformUsable(platform, environment)) return true;
    }
    return !named && (PlatformUsable("xcb", environment) || PlatformUsable("wayland", environment));
}

PlatformFailureExit::PlatformFailureExit(std::string line) {
    failureLine = std::move(line);
    previousHandler = qInstallMessageHandler(ExitOnFatal);
}

PlatformFailureExit::~PlatformFailureExit() {
    qInstallMessageHandler(previousHandler);
    failureLine.clear();
}
