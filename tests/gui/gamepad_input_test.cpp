// A gamepad in the real window: SDL's virtual pads walk, jump, aim and fire,
// come and go during play, pause the game, answer every window the game
// puts up, are ignored behind another window, and play a whole game.
#include "tests/gui/gui_support.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include <SDL.h>

#include "game/level_file.h"
#include "game/progression.h"
#include "game/keys.h"
#include "shell/gamepad_input.h"
#include "shell/message_box.h"
#include "shell/sdl_subsystems.h"
#include "tests/support/expected_texts.h"

namespace {

constexpr int32_t KeyG = 0x47;
constexpr int16_t StickFull = 32767;
constexpr int16_t StickInsideDeadZone = 6553;  // 20 % of the travel
constexpr int16_t StickPastDeadZone = 9830;    // 30 %
constexpr int16_t TriggerRest = -32768;        // a trigger let go, as its axis reads it
constexpr int TapMs = 40;                      // a press long enough for four polls

// A pad as SDL's virtual joystick driver makes it: every button and axis of
// a game controller, mapped by SDL itself.
class VirtualPad {
public:
    VirtualPad() = default;
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Plug() {
        const auto hint = [] { SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); };
        if (!ProcessSdl().Start(SDL_INIT_GAMECONTROLLER, hint, {})) return false;
        initialised_ = true;
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Zarnok test pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index < 0) return false;
        joystick_ = SDL_JoystickOpen(index);
        return joystick_ != nullptr;
    }

    void Unplug() {
        if (joystick_ != nullptr) {
            const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
            for (int index = 0; index < SDL_NumJoysticks(); ++index)
                if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
        }
        if (initialised_) ProcessSdl().Stop(SDL_INIT_GAMECONTROLLER);
        initialised_ = false;
    }

    void Button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    void Axis(SDL_GameControllerAxis axis, int16_t value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
    }
    void Tap(SDL_GameControllerButton button) {
        Button(button, true);
        QTest::qWait(TapMs);
        Button(button, false);
        QTest::qWait(TapMs);
    }

private:
    bool initialised_ = false;
    SDL_Joystick* joystick_ = nullptr;
};

struct SentKey {
    bool down;
    int32_t key;
    bool operator==(const SentKey&) const = default;
};

void PrintTo(const SentKey& k, std::ostream* os) { *os << (k.down ? "down " : "up ") << k.key; }

// Types text as the keyboard delivers it: a press carrying each character.
void TypeText(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &release);
    }
}

QWidget* ActiveModal() {
    QWidget* top = QApplication::activeModalWidget();
    return top != nullptr && top->isVisible() && top->isActiveWindow() ? top : nullptr;
}

bool ModalIs(const char* className) {
    QWidget* top = ActiveModal();
    return top != nullptr &&
           QLatin1String(top->metaObject()->className()) == QLatin1String(className);
}

// The game in its window with one pad plugged in before it starts.
class GamepadTest : public GameWindowTest {
protected:
    void BeforeStart() override {
        ASSERT_TRUE(app_->Gamepad().Available());
        ASSERT_TRUE(pad_.Plug()) << SDL_GetError();
        app_->Gamepad().SetKeyObserver([this](bool down, int32_t key) {
            sent_.push_back({down, key});
        });
    }

    void SetUp() override {
        GameWindowTest::SetUp();
        ASSERT_TRUE(WaitTicks(2));
        ASSERT_EQ(World().gameRunning, 1);
        ASSERT_TRUE(WaitUntil([this] { return app_->Gamepad().ConnectedPads() == 1; }));
    }

    void TearDown() override {
        pad_.Unplug();
        GameWindowTest::TearDown();
    }

    PlayerState& Player() { return World().player; }

    VirtualPad pad_;
    std::vector<SentKey> sent_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Play
// ---------------------------------------------------------------------------

TEST_F(GamepadTest, TheDpadWalksTheSouthButtonJumpsTheStickAimsAndBothFireButtonsShoot) {
    const int32_t startX = Player().x;
    pad_.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 1; }));
    ASSERT_TRUE(WaitTicks(3));
    EXPECT_GT(Player().x, startX);
    pad_.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 0; }));

    const int32_t groundY = Player().y;
    pad_.Button(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_TRUE(WaitUntil([&] { return Player().y < groundY; })) << "he leaves the ground";
    pad_.Button(SDL_CONTROLLER_BUTTON_A, false);
    ASSERT_TRUE(WaitUntil([&] { return Player().y == groundY && Player().jumpTicksLeft == 0; }));

    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTY, -StickFull);
    ASSERT_TRUE(WaitUntil([&] { return Player().aimDir == 1; }));
    ASSERT_TRUE(WaitTicks(2));
    EXPECT_GT(Player().aimAngle, 0.0f) << "the muzzle rises";
    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    ASSERT_TRUE(WaitUntil([&] { return Player().aimDir == 0; }));

    // Held, the fire button fires a burst from one key-down.
    const uint8_t fullMagazine = Player().rounds;
    pad_.Button(SDL_CONTROLLER_BUTTON_X, true);
    ASSERT_TRUE(WaitUntil([&] { return Player().rounds + 3 <= fullMagazine; }));
    pad_.Button(SDL_CONTROLLER_BUTTON_X, false);
    ASSERT_TRUE(WaitUntil([&] { return Player().fireState == 0; }));
    const uint8_t afterBurst = Player().rounds;
    pad_.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, StickFull);
    ASSERT_TRUE(WaitUntil([&] { return Player().rounds < afterBurst; }));
    pad_.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, TriggerRest);
    ASSERT_TRUE(WaitUntil([&] { return Player().fireState == 0; }));
    QTest::qWait(50);

    const std::vector<SentKey> expected = {
        {true, VK_Right},   {false, VK_Right},  {true, VK_Shift},   {false, VK_Shift},
        {true, VK_Up},      {false, VK_Up},     {true, VK_Control}, {false, VK_Control},
        {true, VK_Control}, {false, VK_Control}};
    EXPECT_EQ(sent_, expected) << "one key-down and one key-up for each press, never a stream";
}

TEST_F(GamepadTest, AFireKeyReboundUnderControlsStillFiresFromThePad) {
    World().selectedAction = ActionFire;
    StoreCapturedKey(World(), KeyG);
    const uint8_t fullMagazine = Player().rounds;
    pad_.Button(SDL_CONTROLLER_BUTTON_X, true);
    ASSERT_TRUE(WaitUntil([&] { return Player().rounds < fullMagazine; }));
    pad_.Button(SDL_CONTROLLER_BUTTON_X, false);
    ASSERT_TRUE(WaitUntil([&] { return Player().fireState == 0; }));
    EXPECT_EQ(sent_, (std::vector<SentKey>{{true, KeyG}, {false, KeyG}}));
}

TEST_F(GamepadTest, TheStickWalksOnlyPastAQuarterOfItsTravelAndStopsWhenItComesBack) {
    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTX, StickInsideDeadZone);
    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTY, -StickInsideDeadZone);
    ASSERT_TRUE(WaitTicks(3));
    EXPECT_EQ(Player().moveDir, 0);
    EXPECT_EQ(Player().aimDir, 0);
    EXPECT_TRUE(sent_.empty());

    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTX, StickPastDeadZone);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 1; }));
    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTX, StickFull);  // further out: nothing new
    ASSERT_TRUE(WaitTicks(2));
    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTX, StickInsideDeadZone);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 0; }));
    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTX, -StickPastDeadZone);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == -1 && Player().facing == -1; }));
    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 0; }));
    EXPECT_EQ(sent_, (std::vector<SentKey>{
                         {true, VK_Right}, {false, VK_Right}, {true, VK_Left}, {false, VK_Left}}));
}

TEST_F(GamepadTest, PadsPluggedInAndPulledOutDuringPlayJustWork) {
    VirtualPad second;
    ASSERT_TRUE(second.Plug());
    ASSERT_TRUE(WaitUntil([this] { return app_->Gamepad().ConnectedPads() == 2; }));
    second.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 1; }));
    // Both pads hold right; the second one letting go does not stop him.
    pad_.Axis(SDL_CONTROLLER_AXIS_LEFTX, StickFull);
    QTest::qWait(TapMs);
    second.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    ASSERT_TRUE(WaitTicks(2));
    EXPECT_EQ(Player().moveDir, 1);
    // The pad still held is pulled out: that is its release.
    pad_.Unplug();
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 0; }));
    ASSERT_TRUE(WaitUntil([this] { return app_->Gamepad().ConnectedPads() == 1; }));
    second.Button(SDL_CONTROLLER_BUTTON_X, true);
    ASSERT_TRUE(WaitUntil([&] { return Player().fireState != 0; }));
    second.Button(SDL_CONTROLLER_BUTTON_X, false);
    ASSERT_TRUE(WaitUntil([&] { return Player().fireState == 0; }));
    EXPECT_EQ(sent_,
              (std::vector<SentKey>{
                  {true, VK_Right}, {false, VK_Right}, {true, VK_Control}, {false, VK_Control}}));
    EXPECT_EQ(script_.MessageTexts().size(), 1u)
        << "only the sponsor message at the start; no word of pads";
}

TEST_F(GamepadTest, ThePadDoesNothingWhileAnotherApplicationIsInFront) {
    QLineEdit other;
    other.show();
    other.activateWindow();
    other.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    pad_.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    pad_.Button(SDL_CONTROLLER_BUTTON_START, true);
    QTest::qWait(200);
    EXPECT_TRUE(sent_.empty());
    EXPECT_EQ(script_.MessageTexts().size(), 1u) << "no pause box";

    // Back in front: what was pressed behind stays quiet until pressed again.
    ActivateFrame();
    QTest::qWait(100);
    EXPECT_TRUE(sent_.empty());
    pad_.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    pad_.Button(SDL_CONTROLLER_BUTTON_START, false);
    QTest::qWait(TapMs);
    pad_.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 1; }));
    pad_.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    ASSERT_TRUE(WaitUntil([&] { return Player().moveDir == 0; }));
}

// ---------------------------------------------------------------------------
// The windows of the game, for real
// ---------------------------------------------------------------------------

// Plays the player's part while the game's modal windows run their own event
// loops: each step runs on a timer until it says it is done. Anything that
// opens a window is left to the event loop, never run inside a step, so the
// steps go on while the window is up.
class PadPlayer {
public:
    using Step = std::function<bool()>;  // true: done, on to the next one

    explicit PadPlayer(VirtualPad& pad) : pad_(pad) {}

    void Then(Step step) { steps_.push_back(std::move(step)); }

    void WaitFor(std::function<bool()> ready) { Then(std::move(ready)); }
    void Do(std::function<void()> act) {
        Then([act = std::move(act)] {
            act();
            return true;
        });
    }
    void Pause(int ms) {
        auto clock = std::make_shared<QElapsedTimer>();
        Then([clock, ms] {
            if (!clock->isValid()) clock->start();
            return clock->elapsed() >= ms;
        });
    }
    void Hold(SDL_GameControllerButton button, bool down) {
        Do([this, button, down] { pad_.Button(button, down); });
        Pause(TapMs);
    }
    void Tap(SDL_GameControllerButton button) {
        Hold(button, true);
        Hold(button, false);
    }
    // Waits for a window of `className` that is not the one before it.
    void WaitForWindow(const char* className) {
        const size_t before = windows.size();
        WaitFor(
            [this, className, before] { return windows.size() > before && ModalIs(className); });
    }

    void Start() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    bool Finished() const { return steps_.empty(); }

    // The modal windows met, by class, in order; a window counts once.
    std::vector<QString> windows;

private:
    void Poll() {
        if (QWidget* top = ActiveModal(); top != nullptr && top != lastSeen_) {
            lastSeen_ = top;
            windows.push_back(QString::fromLatin1(top->metaObject()->className()));
        }
        if (!steps_.empty() && steps_.front()()) steps_.pop_front();
    }

    VirtualPad& pad_;
    std::deque<Step> steps_;
    QTimer timer_;
    QPointer<QWidget> lastSeen_;
};

// Modal windows open with a nested event loop, as on screen.
class GamepadDialogTest : public GamepadTest {
protected:
    void SetUp() override {
        GamepadTest::SetUp();
        app_->Modal().SetHook(nullptr);
    }

    // Plays the steps; true once the last is done and no window is left.
    bool Play(int timeoutMs = 20000) {
        player_.Start();
        return WaitUntil([this] { return player_.Finished() && ActiveModal() == nullptr; },
                         timeoutMs);
    }

    // A menu command: it runs from the event loop, and its window comes up.
    void Command(std::function<void()> command) {
        player_.Do([this, command] { QTimer::singleShot(0, frame_, command); });
    }

    PadPlayer player_{pad_};
};

TEST_F(GamepadDialogTest, StartOpensThePauseBoxAndTheSouthButtonClosesItWithoutAJump) {
    uint8_t pausedAt = 0;
    player_.Tap(SDL_CONTROLLER_BUTTON_START);
    player_.WaitForWindow("GameMessageBox");
    player_.Do([&] {
        EXPECT_EQ(ActiveModal()->windowTitle(), Expected("PauseText"));
        EXPECT_FALSE(view_->TickTimerActive());
        pausedAt = World().tickCounter;
    });
    player_.Pause(150);
    player_.Do([&] { EXPECT_EQ(World().tickCounter, pausedAt) << "no tick while paused"; });
    // A closes the box and is still held while the game goes on.
    player_.Hold(SDL_CONTROLLER_BUTTON_A, true);
    player_.WaitFor([this] { return ActiveModal() == nullptr && view_->TickTimerActive(); });
    player_.Pause(150);
    player_.Hold(SDL_CONTROLLER_BUTTON_A, false);
    ASSERT_TRUE(Play());
    EXPECT_EQ(player_.windows, std::vector<QString>{QStringLiteral("GameMessageBox")});
    ASSERT_TRUE(WaitTicks(2)) << "the game goes on";
    EXPECT_EQ(Player().jumpTicksLeft, 0);
    EXPECT_TRUE(sent_.empty()) << "the A that closed the box never reached the game";
}

TEST_F(GamepadDialogTest, TheControlsDialogAndTheKeyCaptureAreLeftWithThePadAlone) {
    CControlsDlg* controls = &app_->ControlsDialog();
    auto focusOn = [controls](int id) {
        return [controls, id] { return controls->focusWidget() == controls->Button(id); };
    };
    Command([this] { app_->OnControls(); });
    player_.WaitForWindow("CControlsDlg");
    player_.WaitFor(focusOn(CControlsDlg::IdOk));
    // Along the tab order: OK, "Влево", "Вправо"; back to "Влево" and OK,
    // and round the end to "Огонь".
    player_.Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    player_.Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    player_.WaitFor(focusOn(CControlsDlg::IdRight));
    player_.Tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    player_.WaitFor(focusOn(CControlsDlg::IdLeft));
    player_.Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    player_.WaitFor(focusOn(CControlsDlg::IdOk));
    player_.Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    player_.WaitFor(focusOn(CControlsDlg::IdFire));
    // A presses "Огонь" and the key capture comes; a pad has no key to
    // give, so B leaves it and the controls dialog is back; B leaves that.
    player_.Tap(SDL_CONTROLLER_BUTTON_A);
    player_.WaitForWindow("CPressKeyDlg");
    player_.Do([this] { EXPECT_EQ(World().selectedAction, ActionFire); });
    player_.Tap(SDL_CONTROLLER_BUTTON_B);
    player_.WaitForWindow("CControlsDlg");
    player_.Tap(SDL_CONTROLLER_BUTTON_B);
    ASSERT_TRUE(Play());
    const std::vector<QString> expected = {QStringLiteral("CControlsDlg"),
                                           QStringLiteral("CPressKeyDlg"),
                                           QStringLiteral("CControlsDlg")};
    EXPECT_EQ(player_.windows, expected);
    ASSERT_TRUE(WaitUntil([this] { return view_->TickTimerActive(); }));
    EXPECT_EQ(World().keyBindings.fire, VK_Control) << "nothing was bound";
    EXPECT_TRUE(sent_.empty());
}

TEST_F(GamepadDialogTest, TheNameAsTypedIsConfirmedWithAAndTheFocusedYesStartsAgain) {
    World().score = 30000;  // beats the record on file
    Command([this] { GameOver(World(), *view_); });
    player_.WaitForWindow("CNameDlg");
    player_.Do(
        [] { TypeText(static_cast<CNameDlg*>(ActiveModal())->Edit(), QStringLiteral("Ваня")); });
    player_.Tap(SDL_CONTROLLER_BUTTON_A);
    player_.WaitForWindow("GameMessageBox");
    player_.Do([this] {
        auto* question = static_cast<QMessageBox*>(ActiveModal());
        EXPECT_EQ(question->text(), QString::fromStdString(ExpectedText("PlayAgainText")));
        EXPECT_EQ(question->focusWidget(), question->button(QMessageBox::Yes));
        EXPECT_EQ(World().playerName, "\xC2\xE0\xED\xFF") << "Ваня, in Windows-1251";
        EXPECT_EQ(ReadBestScore(*view_), std::optional<int32_t>(30000));
    });
    // B cannot leave a question; A takes "Да": a new game and its sponsor.
    player_.Tap(SDL_CONTROLLER_BUTTON_B);
    player_.Pause(100);
    player_.Do([this] { EXPECT_EQ(player_.windows.size(), 2u) << "the question is still up"; });
    player_.Tap(SDL_CONTROLLER_BUTTON_A);
    player_.WaitForWindow("GameMessageBox");  // the sponsor of level 1
    player_.Tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(Play());
    EXPECT_EQ(player_.windows.size(), 3u);
    EXPECT_EQ(World().score, 0);
    ASSERT_TRUE(WaitTicks(2));
    EXPECT_EQ(World().gameRunning, 1);
    EXPECT_TRUE(sent_.empty());
}

// ---------------------------------------------------------------------------
// A whole game: from the resolution question to the restart question
// ---------------------------------------------------------------------------

class WholeGameOnThePadTest : public GameWindowTest {
protected:
    void BeforeStart() override {
        // A record file whose best score any game beats.
        QFile data(QStringLiteral("Data.dat"));
        ASSERT_TRUE(data.open(QIODevice::ReadWrite));
        ASSERT_TRUE(data.seek(31140));
        const char zero[4] = {0, 0, 0, 0};
        ASSERT_EQ(data.write(zero, 4), 4);
        data.close();

        app_->Modal().SetHook(nullptr);
        ASSERT_TRUE(pad_.Plug()) << SDL_GetError();
        Script();
        player_.Start();
    }

    void TearDown() override {
        pad_.Unplug();
        GameWindowTest::TearDown();
    }

    // Holds right from the sponsor message on, taps A before the wall until
    // he is over it, and walks on into the pit.
    void WalkIntoThePit() {
        player_.WaitFor([this] {
            return ActiveModal() == nullptr && view_ != nullptr && view_->TickTimerActive();
        });
        player_.Hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        auto clock = std::make_shared<QElapsedTimer>();
        auto jumping = std::make_shared<bool>(false);
        player_.Then([this, clock, jumping] {
            if (ActiveModal() != nullptr) return true;  // the death message
            if (!clock->isValid() || clock->elapsed() > 2 * TapMs) {
                const int32_t x = World().player.x;
                *jumping = !*jumping && x >= 440 && x < 720;
                pad_.Button(SDL_CONTROLLER_BUTTON_A, *jumping);
                clock->start();
            }
            return false;
        });
        player_.Hold(SDL_CONTROLLER_BUTTON_A, false);
        player_.Hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    }

    void Script() {
        player_.WaitFor([this] { return app_->Gamepad().ConnectedPads() == 1; });
        player_.WaitForWindow("CDisplayModeDlg");
        player_.Tap(SDL_CONTROLLER_BUTTON_A);  // "Не менять разрешение экрана"
        player_.WaitForWindow("GameMessageBox");
        player_.Tap(SDL_CONTROLLER_BUTTON_A);  // the sponsor of level 1
        WalkIntoThePit();
        player_.Tap(SDL_CONTROLLER_BUTTON_A);  // the death message
        player_.WaitForWindow("CNameDlg");
        player_.Tap(SDL_CONTROLLER_BUTTON_A);  // no name typed
        player_.WaitForWindow("GameMessageBox");
        // The play-again question: over to "Нет", then A.
        player_.Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        player_.Do([] {
            auto* box = qobject_cast<QMessageBox*>(ActiveModal());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->focusWidget(), box->button(QMessageBox::No));
        });
        player_.Tap(SDL_CONTROLLER_BUTTON_A);
    }

    VirtualPad pad_;
    PadPlayer player_{pad_};
};

TEST_F(WholeGameOnThePadTest, FromTheResolutionQuestionToTheRestartQuestionWithThePadAlone) {
    ASSERT_TRUE(WaitUntil([this] { return player_.Finished() && ActiveModal() == nullptr; }, 90000))
        << "stuck after " << player_.windows.size() << " windows, the soldier at x "
        << World().player.x;
    const std::vector<QString> expected = {
        QStringLiteral("CDisplayModeDlg"), QStringLiteral("GameMessageBox"),
        QStringLiteral("GameMessageBox"), QStringLiteral("CNameDlg"),
        QStringLiteral("GameMessageBox")};
    EXPECT_EQ(player_.windows, expected);
    EXPECT_EQ(World().deathCode, DeathFell);
    EXPECT_EQ(World().gameRunning, 0) << "\"Нет\": the game stays stopped";
    EXPECT_EQ(World().playerName, "") << "the empty name was confirmed";
    EXPECT_EQ(ReadBestScore(*view_), std::optional<int32_t>(World().score));
}
