// sdl_subsystems.cpp -- SDL's subsystem starts and stops, one at a time.
#include "shell/sdl_subsystems.h"

#include <SDL.h>

bool SdlSubsystems::Start(uint32_t flags, const Prepare& prepare,
                          const std::function<bool()>& andThen) {
    std::lock_guard<std::timed_mutex> hold(lock_);
    if (prepare) prepare();
    if (calls_.init(flags) != 0) return false;
    if (!andThen || andThen()) return true;
    calls_.quit(flags);
    return false;
}

SdlSubsystems::TryResult SdlSubsystems::TryStart(uint32_t flags, const Prepare& prepare,
                                                 std::chrono::milliseconds wait) {
    std::unique_lock<std::timed_mutex> hold(lock_, wait);
    if (!hold.owns_lock()) return TryResult::Busy;
    if (prepare) prepare();
    return calls_.init(flags) == 0 ? TryResult::Started : TryResult::Failed;
}

void SdlSubsystems::Stop(uint32_t flags, const std::function<void()>& before) {
    std::lock_guard<std::timed_mutex> hold(lock_);
    if (before) before();
    calls_.quit(flags);
}

bool SdlSubsystems::TryStop(uint32_t flags, std::chrono::milliseconds wait) {
    std::unique_lock<std::timed_mutex> hold(lock_, wait);
    if (!hold.owns_lock()) return false;
    calls_.quit(flags);
    return true;
}

namespace {
int InitSdl(uint32_t flags) { return SDL_InitSubSystem(flags); }
void QuitSdl(uint32_t flags) { SDL_QuitSubSystem(flags); }
}  // namespace

SdlSubsystems& ProcessSdl() {
    static SdlSubsystems sdl(SdlSubsystems::Calls{InitSdl, QuitSdl});
    return sdl;
}
