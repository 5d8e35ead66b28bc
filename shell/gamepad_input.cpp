// gamepad_input.cpp -- SDL2 game controllers feeding the dispatcher and the dialogs.
//
// SDL's mapping database names the buttons of the common pads; more pads
// can be described in SDL_GAMECONTROLLERCONFIG. Only the game-controller
// subsystem is started here: the sound may use SDL's audio in the same
// process, and SDL draws no window of its own.
#include "shell/gamepad_input.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>

#include <algorithm>
#include <chrono>
#include <span>
#include <utility>

#include <SDL.h>

#include "game/world.h"
#include "game/keys.h"
#include "shell/sdl_subsystems.h"
#include "shell/zarnok_view.h"

namespace {

// Pad events come in batches of at most this many per call to SDL.
constexpr int EventBatch = 32;
// The longest a closing pad waits for SDL held by a sound start.
constexpr std::chrono::milliseconds ExitWaitForSdl(100);

// The name of an SDL button in the reading, or null for the buttons the
// game does not use.
bool* ButtonOf(PadReading& reading, int button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return &reading.dpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return &reading.dpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return &reading.dpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return &reading.dpadRight;
    case SDL_CONTROLLER_BUTTON_A: return &reading.south;
    case SDL_CONTROLLER_BUTTON_B: return &reading.east;
    case SDL_CONTROLLER_BUTTON_X: return &reading.west;
    case SDL_CONTROLLER_BUTTON_START: return &reading.start;
    default: return nullptr;
    }
}

int32_t* AxisOf(PadReading& reading, int axis) {
    switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX: return &reading.leftX;
    case SDL_CONTROLLER_AXIS_LEFTY: return &reading.leftY;
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT: return &reading.rightTrigger;
    default: return nullptr;
    }
}

// A pad that was already held when it was opened starts from what it holds.
PadReading ReadingOf(SDL_GameController* controller) {
    PadReading reading;
    for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button)
        if (bool* field = ButtonOf(reading, button))
            *field = SDL_GameControllerGetButton(controller, SDL_GameControllerButton(button)) != 0;
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis)
        if (int32_t* field = AxisOf(reading, axis))
            *field = SDL_GameControllerGetAxis(controller, SDL_GameControllerAxis(axis));
    return reading;
}

bool IsDialogStop(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr && widget.isVisible() &&
           widget.isEnabled() && (widget.focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

GamepadInput::GamepadInput(PadTarget target) : target_(std::move(target)) {
    StartSubsystem();
}

GamepadInput::~GamepadInput() {
    if (!available_) return;
    for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad.controller);
    pads_.clear();
    // The program is ending: a sound start that still holds SDL is not
    // waited for, and the subsystem simply stays counted.
    ProcessSdl().TryStop(SDL_INIT_GAMECONTROLLER, ExitWaitForSdl);
}

// Qt owns SIGINT and SIGTERM; pads are read whichever window is in front,
// and the game decides when they count; A is the south button on every
// pad, whatever its label says.
void GamepadInput::StartSubsystem() {
    const auto prepare = [] {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    };
    // The window never waits for SDL: while the sound is starting, which
    // can take seconds, the timer asks again.
    const SdlSubsystems::TryResult result = ProcessSdl().TryStart(SDL_INIT_GAMECONTROLLER, prepare);
    waitingForSdl_ = result == SdlSubsystems::TryResult::Busy;
    available_ = result == SdlSubsystems::TryResult::Started;
    if (available_) OpenNewPads();
    if (available_ || waitingForSdl_) ArmTimer();
}

void GamepadInput::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId())
        Poll();
    else
        QObject::timerEvent(event);
}

void GamepadInput::ArmTimer() {
    const int period = pads_.empty() ? IdlePollPeriodMs : PollPeriodMs;
    if (period == timerPeriodMs_ && timer_.isActive()) return;
    timerPeriodMs_ = period;
    timer_.start(period, this);
}

// ---------------------------------------------------------------------------
// Pads coming and going
// ---------------------------------------------------------------------------
void GamepadInput::OpenNewPads() {
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (!SDL_IsGameController(index)) continue;
        const int32_t id = SDL_JoystickGetDeviceInstanceID(index);
        if (id < 0 || pads_.count(id) != 0) continue;
        SDL_GameController* controller = SDL_GameControllerOpen(index);
        if (controller == nullptr) continue;
        pads_[id] = Pad{controller, ReadingOf(controller)};
    }
}

void GamepadInput::CloseLostPads() {
    for (auto pad = pads_.begin(); pad != pads_.end();) {
        if (SDL_GameControllerGetAttached(pad->second.controller)) {
            ++pad;
            continue;
        }
        SDL_GameControllerClose(pad->second.controller);
        pad = pads_.erase(pad);
    }
}

// ---------------------------------------------------------------------------
// Reading
// ---------------------------------------------------------------------------
void GamepadInput::Poll() {
    if (waitingForSdl_) StartSubsystem();
    if (!available_) return;
    SDL_PumpEvents();
    const PadMode mode = CurrentMode();
    SDL_Event events[EventBatch];
    int count = 0;
    while ((count = SDL_PeepEvents(events, EventBatch, SDL_GETEVENT, SDL_CONTROLLERAXISMOTION,
                                   SDL_CONTROLLERDEVICEREMAPPED)) > 0) {
        for (const SDL_Event& event : std::span(events, size_t(count))) {
            switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED:
            case SDL_CONTROLLERDEVICEREMOVED:
            case SDL_CONTROLLERDEVICEREMAPPED:
                CloseLostPads();
                OpenNewPads();
                break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                if (auto pad = pads_.find(event.cbutton.which); pad != pads_.end())
                    if (bool* field = ButtonOf(pad->second.reading, event.cbutton.button))
                        *field = event.cbutton.state == SDL_PRESSED;
                break;
            case SDL_CONTROLLERAXISMOTION:
                if (auto pad = pads_.find(event.caxis.which); pad != pads_.end())
                    if (int32_t* field = AxisOf(pad->second.reading, event.caxis.axis))
                        *field = event.caxis.value;
                break;
            default: break;
            }
            // One event at a time, so that a tap shorter than the poll
            // still gives its press and its release.
            Route(mode);
        }
    }
    // The raw joystick events behind these, and the pads' sensors, are not
    // read: keep SDL's queue from filling up with them.
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_FINGERDOWN - 1);
    // The mode may have changed with nothing pressed: a dialog closed over a
    // button let go while it was up.
    Route(mode);
    ArmTimer();
}

void GamepadInput::Route(PadMode mode) {
    PadControls held = 0;
    for (const auto& [id, pad] : pads_) held = PadControls(held | HeldControls(pad.reading));
    commands_.clear();
    RoutePad(router_, held, mode, commands_);
    for (const PadCommand& command : commands_) Carry(command);
}

// The pad counts while the game view has the keyboard, or while a window of
// the game's own is the modal one on top; not while another application or
// an open menu has it.
PadMode GamepadInput::CurrentMode() const {
    if (QApplication::activePopupWidget() != nullptr) return PadMode::Ignored;
    const QWidget* active = QApplication::activeWindow();
    if (active == nullptr) return PadMode::Ignored;
    const QWidget* modal = QApplication::activeModalWidget();
    // A modal window answered by a script has nothing on screen to drive.
    if (modal != nullptr || target_.modalRunning())
        return modal == active ? PadMode::InDialog : PadMode::Ignored;
    const CZarnokView* view = target_.view();
    return view != nullptr && view->hasFocus() ? PadMode::Playing : PadMode::Ignored;
}

// ---------------------------------------------------------------------------
// Acting
// ---------------------------------------------------------------------------
void GamepadInput::SendKey(bool down, PadControl action) {
    CZarnokView* view = target_.view();
    const int32_t key = BoundKey(target_.world.keyBindings, action);
    if (view == nullptr || key == 0) return;
    view->DeliverKey(down, key);
    if (keyObserver_) keyObserver_(down, key);
}

// Keys go to the dispatcher at once: this runs between ticks, with no modal
// window open. Whatever may open a window waits for the poll to return, so
// that the window's own event loop finds the poll's timer free to run.
void GamepadInput::Carry(const PadCommand& command) {
    QPointer<QWidget> dialog = QApplication::activeModalWidget();
    switch (command.kind) {
    case PadCommandKind::KeyDown:
    case PadCommandKind::KeyUp:
        SendKey(command.kind == PadCommandKind::KeyDown, command.action);
        return;
    case PadCommandKind::Pause:
        QTimer::singleShot(0, this, [this] {
            if (CurrentMode() == PadMode::Playing) target_.pause();
        });
        return;
    default: break;
    }
    const PadCommandKind kind = command.kind;
    QTimer::singleShot(0, this, [dialog, kind] {
        if (dialog.isNull() || !dialog->isVisible()) return;
        switch (kind) {
        case PadCommandKind::FocusPrevious: MoveDialogFocus(*dialog, false); break;
        case PadCommandKind::FocusNext: MoveDialogFocus(*dialog, true); break;
        case PadCommandKind::Press: PressFocusedButton(*dialog); break;
        default: SendDialogKey(*dialog, Qt::Key_Escape); break;
        }
    });
}

// ---------------------------------------------------------------------------
// Dialog steps
// ---------------------------------------------------------------------------

// From button to button along the dialog's tab order, round at the ends.
void MoveDialogFocus(QWidget& dialog, bool forward) {
    std::vector<QWidget*> stops;
    for (QWidget* w = dialog.nextInFocusChain(); w != nullptr && w != &dialog;
         w = w->nextInFocusChain())
        if (w->window() == &dialog && IsDialogStop(*w)) stops.push_back(w);
    if (stops.empty()) return;
    const auto at = std::find(stops.begin(), stops.end(), dialog.focusWidget());
    size_t next = 0;
    if (at == stops.end())
        next = forward ? 0 : stops.size() - 1;
    else
        next = (size_t(at - stops.begin()) + (forward ? 1 : stops.size() - 1)) % stops.size();
    stops[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// The focused button, or, in a text field or a dialog without buttons, the
// Enter key: the name dialog takes the name as typed.
void PressFocusedButton(QWidget& dialog) {
    QWidget* focus = dialog.focusWidget();
    if (focus != nullptr && IsDialogStop(*focus)) {
        static_cast<QAbstractButton*>(focus)->click();
        return;
    }
    SendDialogKey(dialog, Qt::Key_Return);
}

// A press and a release, as the keyboard would deliver them to the focus.
void SendDialogKey(QWidget& dialog, int qtKey) {
    QPointer<QWidget> target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    if (target.isNull()) return;
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}
