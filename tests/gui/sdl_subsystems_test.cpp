// SDL's subsystems started and stopped from the window thread and the sound's
// worker at once: never two at a time, the window never kept waiting, and
// every count back to nothing after the pad and the sound come and go.
#include "tests/gui/gui_support.h"

#include <SDL.h>

#include <atomic>
#include <thread>

#include "shell/gamepad_input.h"
#include "shell/sdl_subsystems.h"
#include "shell/sound_player.h"

namespace {

// Stands in for SDL's unlocked user counts: notes any call that overlaps another.
std::atomic<int> callsInside{0};
std::atomic<int> overlaps{0};
std::atomic<int> started{0};

void Enter() {
    if (callsInside.fetch_add(1) != 0) overlaps.fetch_add(1);
    std::this_thread::yield();
}
void Leave() { callsInside.fetch_sub(1); }
int CountingInit(uint32_t) {
    Enter();
    started.fetch_add(1);
    Leave();
    return 0;
}
void CountingQuit(uint32_t) {
    Enter();
    started.fetch_sub(1);
    Leave();
}

}  // namespace

TEST(SdlSubsystemsTest, StartsAndStopsFromTwoThreadsNeverOverlap) {
    SdlSubsystems sdl(SdlSubsystems::Calls{CountingInit, CountingQuit});
    const auto churn = [&sdl](bool trying) {
        for (int i = 0; i < 3000; ++i) {
            if (!trying) {
                ASSERT_TRUE(sdl.Start(SDL_INIT_AUDIO, {}, [] { return true; }));
                sdl.Stop(SDL_INIT_AUDIO);
            } else if (sdl.TryStart(SDL_INIT_GAMECONTROLLER, {}) ==
                       SdlSubsystems::TryResult::Started) {
                sdl.Stop(SDL_INIT_GAMECONTROLLER);
            }
        }
    };
    std::thread worker(churn, false);
    churn(true);
    worker.join();
    EXPECT_EQ(overlaps.load(), 0);
    EXPECT_EQ(started.load(), 0);
}

TEST(SdlSubsystemsTest, ATryWhileAStartHangsComesBackBusyAndAFailedFollowUpStopsAgain) {
    SdlSubsystems sdl(SdlSubsystems::Calls{CountingInit, CountingQuit});
    std::atomic<bool> inside{false}, release{false};
    std::thread worker([&] {
        sdl.Start(SDL_INIT_AUDIO, {}, [&] {
            inside = true;
            while (!release) std::this_thread::yield();
            return false;  // the device would not open
        });
    });
    while (!inside) std::this_thread::yield();
    EXPECT_EQ(sdl.TryStart(SDL_INIT_GAMECONTROLLER, {}), SdlSubsystems::TryResult::Busy);
    EXPECT_FALSE(sdl.TryStop(SDL_INIT_GAMECONTROLLER, std::chrono::milliseconds(5)));
    release = true;
    worker.join();
    EXPECT_EQ(started.load(), 0) << "the failed open left audio counted";
    EXPECT_EQ(sdl.TryStart(SDL_INIT_GAMECONTROLLER, {}), SdlSubsystems::TryResult::Started);
    sdl.Stop(SDL_INIT_GAMECONTROLLER);
}

// The real thing: the pad on the window thread and the sound's worker,
// again and again, on SDL's dummy audio driver.
TEST(SdlSubsystemsTest, ThePadAndTheSoundComeAndGoTogetherAndLeaveSdlAsTheyFoundIt) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    GameWorld world;
    for (int round = 0; round < 40; ++round) {
        SoundPlayer sound(QStringLiteral(ZARNOK_SOURCE_DIR "/resources/sounds"));
        sound.RestartChime();  // the worker starts audio now
        GamepadInput pad(PadTarget{world, [] { return false; }, [] { return nullptr; }, [] {}});
        ASSERT_TRUE(WaitUntil([&] {
            pad.Poll();
            return pad.Available() && sound.DeviceState() != SoundPlayer::Device::Opening;
        })) << "round " << round;
        EXPECT_EQ(sound.DeviceState(), SoundPlayer::Device::Open);
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO | SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK), 0u);
}
