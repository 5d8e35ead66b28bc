// sdl_subsystems.h -- the one door to SDL's subsystem starts and stops, shared by the pad and the sound.
//
// SDL counts its subsystems' users without a lock, and the pad starts its
// subsystem on the window thread while the sound starts audio on a worker.
// Every start and stop goes through one lock here. The worker may hold it
// for seconds against a sound server that never answers, so the window
// thread only ever tries it and comes back later.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>

class SdlSubsystems {
public:
    // SDL_InitSubSystem and SDL_QuitSubSystem, or stand-ins in a test.
    struct Calls {
        int (*init)(uint32_t flags);  // 0 on success, as SDL
        void (*quit)(uint32_t flags);
    };
    enum class TryResult { Started, Failed, Busy };

    explicit SdlSubsystems(Calls calls) : calls_(calls) {}

    // Under the lock: `prepare` before the start (hints, which SDL reads
    // while starting), `andThen` after a successful one for work that
    // touches SDL's shared state too (opening the audio device). When
    // `andThen` returns false the subsystem is stopped again.
    using Prepare = std::function<void()>;
    bool Start(uint32_t flags, const Prepare& prepare, const std::function<bool()>& andThen);
    // Never waits longer than `wait`: Busy while another start holds the lock.
    TryResult TryStart(uint32_t flags, const Prepare& prepare, std::chrono::milliseconds wait = {});
    // `before` runs under the lock ahead of the stop (closing the device).
    void Stop(uint32_t flags, const std::function<void()>& before = {});
    // False, with nothing stopped, when the lock stayed busy for `wait`.
    bool TryStop(uint32_t flags, std::chrono::milliseconds wait);

private:
    Calls calls_;
    std::timed_mutex lock_;
};

// The owner of this process's SDL, the only one the game uses.
SdlSubsystems& ProcessSdl();
