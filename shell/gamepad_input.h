// gamepad_input.h -- game controllers through SDL2: reads every pad that is
// plugged in, as one, on a timer of the window thread, and hands what they
// do to the key dispatcher, the pause command or the dialog on top.
#pragma once

#include <QBasicTimer>
#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "input/gamepad.h"

class CZarnokView;
class QWidget;
struct GameWorld;
struct _SDL_GameController;

// What the pads act on, handed over by the application.
struct PadTarget {
    GameWorld& world;
    std::function<bool()> modalRunning;  // a modal window of the game runs, scripted ones too
    std::function<CZarnokView*()> view;  // the game view; null before the frame exists
    std::function<void()> pause;         // the pause command of the menu
};

class GamepadInput : public QObject {
    Q_OBJECT
public:
    static constexpr int PollPeriodMs = 10;       // while a pad is connected
    static constexpr int IdlePollPeriodMs = 100;  // looking for one to come

    // Starts SDL's game-controller subsystem (and only that one), at once or
    // a poll later when the sound holds SDL. Without it the game simply has
    // no pads.
    explicit GamepadInput(PadTarget target);
    ~GamepadInput() override;
    GamepadInput(const GamepadInput&) = delete;
    GamepadInput& operator=(const GamepadInput&) = delete;

    bool Available() const { return available_; }
    int ConnectedPads() const { return int(pads_.size()); }

    // Reads the pads now instead of waiting for the timer.
    void Poll();

    // Sees every key event the pads send to the dispatcher, after it went.
    using KeyObserver = std::function<void(bool down, int32_t key)>;
    void SetKeyObserver(KeyObserver observer) { keyObserver_ = std::move(observer); }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    struct Pad {
        _SDL_GameController* controller = nullptr;
        PadReading reading;
    };

    void StartSubsystem();
    void OpenNewPads();
    void CloseLostPads();
    void Route(PadMode mode);
    PadMode CurrentMode() const;
    void Carry(const PadCommand& command);
    void SendKey(bool down, PadControl action);
    void ArmTimer();

    PadTarget target_;
    bool available_ = false;
    bool waitingForSdl_ = false;  // the sound held SDL when the pad started
    std::map<int32_t, Pad> pads_;  // by SDL joystick instance id
    PadRouter router_;
    std::vector<PadCommand> commands_;
    QBasicTimer timer_;
    int timerPeriodMs_ = 0;
    KeyObserver keyObserver_;
};

// The dialog steps a pad makes, on whatever window is the modal one on top.
void MoveDialogFocus(QWidget& dialog, bool forward);
void PressFocusedButton(QWidget& dialog);
void SendDialogKey(QWidget& dialog, int qtKey);
