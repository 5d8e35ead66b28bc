// display_mode.cpp -- the resolution question, the switch, and its undoing.
#include "shell/display_mode.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <array>
#include <csignal>

#include "shell/dialog_units.h"
#include "shell/language.h"
#include "shell/shell_texts.h"

// ---------------------------------------------------------------------------
// The dialog: a bordered pop-up without a caption, a line of explanation and
// two buttons, neither of them the default one.
// ---------------------------------------------------------------------------
CDisplayModeDlg::CDisplayModeDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    const DialogUnits du = SizeDialog(*this, 186, 118);

    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Raised);
    border->setLineWidth(2);
    border->setGeometry(rect());

    auto* text = new QLabel(ShellText(ResolutionQuestionText), this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(du.ToPixels(7, 7, 172, 44));

    auto* keep = new QPushButton(ShellText(KeepResolutionText), this);
    keep->setObjectName(QStringLiteral("keepResolution"));
    keep->setGeometry(du.ToPixels(7, 57, 172, 23));
    connect(keep, &QPushButton::clicked, this, [this] { done(KeepResolution); });

    auto* small = new QPushButton(ShellText(SmallResolutionText), this);
    small->setObjectName(QStringLiteral("resolution800x600"));
    small->setGeometry(du.ToPixels(7, 85, 172, 26));
    connect(small, &QPushButton::clicked, this, [this] { done(Resolution800x600); });

    keep->setFocus();
}

void CDisplayModeDlg::reject() { done(DisplayModeCancelled); }

// ---------------------------------------------------------------------------
// Result codes of the display driver and their English descriptions.
// ---------------------------------------------------------------------------
namespace {

struct DriverError {
    uint32_t code;
    const char* text;
};

constexpr uint32_t NoZBufferHardware = 0x88760154;
constexpr uint32_t OutOfVideoMemory = 0x8876017C;

constexpr std::array kDriverErrors{
    DriverError{0x80004005, "There is an undefined error condition. "},
    DriverError{0x8007000E, "DirectDraw does not have enough memory to perform the operation. "},
    DriverError{0x80070057, " One or more of the parameters passed to the method are incorrect.  "},
    DriverError{0x8876005F,
                "The primary surface creation request does not match with the existing primary "
                "surface."},
    DriverError{
        0x88760064,
        "One or more of the capability bits passed to the callback function are incorrect."},
    DriverError{0x8876006E, "DirectDraw does not support the provided clip list. "},
    DriverError{0x88760082, "DirectDraw received a pointer that was an invalid DirectDraw object."},
    DriverError{0x88760091, "The pixel format was invalid as specified. "},
    DriverError{0x887600B4,
                "No alpha acceleration hardware is present or available, causing the failure of "
                "the requested operation. "},
    DriverError{0x887600D4,
                "A create function is called without the IDirectDraw2::SetCooperativeLevel method "
                "being called. "},
    DriverError{0x887600E1,
                "The operation requires the application to have exclusive mode, but the "
                "application does not have exclusive mode. "},
    DriverError{0x887600E6, "Flipping visible surfaces is not supported. "},
    DriverError{0x88760104,
                "The operation cannot be carried out because no overlay hardware is present or "
                "available. "},
    DriverError{NoZBufferHardware,
                "The operation to create a z-buffer in display memory or to perform a blit using "
                "a z-buffer cannot be carried out because there is no hardware support for "
                "z-buffers. "},
    DriverError{OutOfVideoMemory,
                "DirectDraw does not have enough display memory to perform the operation. "},
    DriverError{0x88760231,
                "The globally unique identifier (GUID) passed to the DirectDrawCreate function is "
                "not a valid DirectDraw driver identifier. "},
    DriverError{0x88760232,
                "A DirectDraw object representing this driver has already been created for this "
                "process. "},
    DriverError{0x88760233,
                "Hardware-only DirectDraw object creation is not possible; the driver does not "
                "support any hardware. "},
    DriverError{0x88760234, "This process has already created a primary surface. "},
    DriverError{0x88760235, "Software emulation is not available. "},
    DriverError{0x8876023A,
                "DirectDraw is prevented from restoring state because the DirectDraw cooperative "
                "level window handle has been subclassed. "},
    DriverError{0x8876023B,
                "The DirectDraw cooperative level window handle has already been set. It cannot "
                "be reset while the process has surfaces or palettes created"},
    DriverError{0x88760245,
                "An attempt was made to set the cooperative level when it was already set to "
                "exclusive. "},
    DriverError{0x8876024E,
                "Access to the surface is refused because the surface is locked by another "
                "thread. "},
    DriverError{0x8876024F,
                "The operation cannot be carried out because no mipmap texture mapping hardware "
                "is present or available. "},
};

constexpr const char* kUnknownDriverError = "??????????? ??????.";

const char* DriverErrorText(uint32_t code) {
    for (const DriverError& error : kDriverErrors)
        if (error.code == code) return error.text;
    return nullptr;
}

}  // namespace

int DirectDrawErrorText(std::string& text, uint32_t code) {
    const char* description = DriverErrorText(code);
    if (description == nullptr) {
        text += kUnknownDriverError;
        return 1;
    }
    text += description;
    // The missing z-buffer is reported together with the lack of display
    // memory that usually causes it.
    if (code == NoZBufferHardware) text += DriverErrorText(OutOfVideoMemory);
    return 1;
}

// ---------------------------------------------------------------------------
// The switch itself.
// ---------------------------------------------------------------------------
QString ScreenSizeFailureText(ScreenSizeResult result, const QString& platformName) {
    QString reason;
    switch (result) {
    case ScreenSizeResult::Done: return QString();
    case ScreenSizeResult::NoX11:
        reason = platformName.startsWith(QLatin1String("wayland")) ? ShellText(WaylandRefusesText)
                                                                   : ShellText(PlatformRefusesText);
        break;
    case ScreenSizeResult::NoRandr: reason = ShellText(NoRandRText); break;
    case ScreenSizeResult::NoSuchSize: reason = ShellText(NoSuchModeText); break;
    case ScreenSizeResult::Refused: reason = ShellText(ModeRefusedText); break;
    }
    return ShellText(SwitchFailedText).arg(reason);
}

QString DisplayModeSwitch::Apply(int choice) {
    // Whatever was chosen, even nothing, the game window takes the screen.
    fullScreen_ = true;
    // The current size is kept; without a switch "800x600" is the view's
    // virtual display.
    if (choice != Resolution800x600 || !modeChangeAllowed_) return QString();
    const ScreenSizeResult result = setter_(800, 600, saved_);
    return ScreenSizeFailureText(result, QGuiApplication::platformName());
}

void DisplayModeSwitch::Restore() {
    if (saved_.valid) restorer_(saved_);
    saved_.valid = false;
}

// ---------------------------------------------------------------------------
// SIGINT and SIGTERM: a byte down a socket pair wakes the event loop, which
// then ends normally and lets the frame give the screen back.
// ---------------------------------------------------------------------------
namespace {

int g_signalSockets[2] = {-1, -1};
volatile std::sig_atomic_t g_quitSignal = 0;
std::function<void()> g_beforeQuit;

void OnQuitSignal(int) {
    g_quitSignal = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalSockets[0], &byte, 1);
}

}  // namespace

void QuitEventLoopOnSignals(std::function<void()> beforeQuit) {
    g_beforeQuit = std::move(beforeQuit);
    if (g_signalSockets[0] != -1) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read,
                                         QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_signalSockets[1], &byte, 1);
        if (g_beforeQuit) g_beforeQuit();
        // Every running loop ends, a dialog's included; quit() would first ask
        // the windows to close, and a question that must be answered refuses.
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool QuitSignalReceived() { return g_quitSignal != 0; }
