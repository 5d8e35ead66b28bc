// autopilot.cpp -- walks the route, presses again what a message box let go,
// and aims and fires at the mosquitoes ahead.
#include "tools/autoplay/autopilot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/weapon.h"
#include "game/world.h"
#include "input/key_bindings.h"

namespace {

// Where the rifle rests with nothing to shoot: slightly down, so a
// mosquito coming in at head height flies into the line of fire.
constexpr float RestAngle = -0.1f;
constexpr float AimSlack = 0.06f;    // rad: close enough, stop turning
constexpr float FireSlack = 0.25f;   // rad: close enough to shoot
constexpr float LowestAim = -1.15f;  // inside the rifle's own limits
constexpr float HighestAim = 1.45f;

// Mosquitoes worth shooting at: in front, within reach of a burst.
constexpr double NearestAhead = 30.0;  // px; closer ones fly past the muzzle
constexpr double FarthestAhead = 480.0;
constexpr double HighestRise = 300.0;
constexpr double MuzzleHeight = 35.0;   // px above the soles, where bullets start
constexpr double BodyHalfWidth = 25.0;  // a mosquito's body lies beside its pivot
constexpr double BodyHalfHeight = 12.0;

}  // namespace

Autopilot::Autopilot(std::vector<Route> routes, bool verbose)
    : routes_(std::move(routes)), verbose_(verbose) {}

std::vector<ReplayKeyEvent> Autopilot::Decide(const GameWorld& world, uint64_t tick) {
    events_.clear();
    tick_ = tick;
    if (world.levelNumber != level_) {
        if (level_ != 0) ++routeIndex_;
        level_ = world.levelNumber;
        stepIndex_ = 0;
        stepStarted_ = false;
    }
    FollowRoute(world);
    ReleaseJump();
    DriveMove(world);
    DriveAim(world);
    DriveFire(world);
    previousY_ = world.player.y;
    return events_;
}

void Autopilot::Key(bool down, int32_t key) { events_.push_back({tick_, down, key}); }

// Runs the steps that finish at once, up to the first that needs more ticks.
void Autopilot::FollowRoute(const GameWorld& world) {
    if (routeIndex_ >= routes_.size()) return;
    const Route& route = routes_[routeIndex_];
    while (stepIndex_ < route.size()) {
        const RouteStep& step = route[stepIndex_];
        const bool first = !stepStarted_;
        stepStarted_ = true;
        if (!RunStep(step, world, first)) return;
        if (verbose_) {
            std::fprintf(stderr, "tick %llu: route %zu line %d done at x %d y %d\n",
                         static_cast<unsigned long long>(tick_), routeIndex_ + 1, step.line,
                         world.player.x, world.player.y);
        }
        ++stepIndex_;
        stepStarted_ = false;
    }
}

// One tick of a step; true when the step is complete.
bool Autopilot::RunStep(const RouteStep& step, const GameWorld& world, bool first) {
    const PlayerState& p = world.player;
    switch (step.op) {
    case RouteStep::Right: wantMove_ = 1; return p.x >= step.value;
    case RouteStep::Left: wantMove_ = -1; return p.x <= step.value;
    case RouteStep::Stop: wantMove_ = 0; return true;
    case RouteStep::Jump:
        // Pressed now, complete on the next tick, when the jump has begun.
        if (first) {
            Key(true, VK_Shift);
            jumpHeld_ = true;
            jumpPressedAt_ = tick_;
        }
        return !first;
    case RouteStep::Land: return !first && p.jumpTicksLeft == 0 && p.y == previousY_;
    case RouteStep::Wait:
        if (first) waited_ = 0;
        return ++waited_ > step.value;
    case RouteStep::Aim:
        autoAim_ = false;
        heldAngle_ = step.angle;
        return true;
    case RouteStep::AimAuto: autoAim_ = true; return true;
    case RouteStep::Fire: fireMode_ = step.fire; return true;
    case RouteStep::Goal: wantMove_ = 1; return false;
    }
    return true;
}

void Autopilot::ReleaseJump() {
    if (jumpHeld_ && tick_ > jumpPressedAt_) {
        Key(false, VK_Shift);
        jumpHeld_ = false;
    }
}

// Message boxes clear the move request; the key is pressed again.
void Autopilot::DriveMove(const GameWorld& world) {
    Steer(world.player.moveDir, wantMove_, VK_Right, VK_Left);
}

// From the way the game goes (-1, 0 or 1) to the one wanted: the key of the
// old way is let go, or the key of the new way pressed.
void Autopilot::Steer(int32_t going, int32_t wanted, int32_t forwardKey, int32_t backKey) {
    if (going == wanted) return;
    if (wanted == 0) {
        Key(false, going > 0 ? forwardKey : backKey);
    } else {
        Key(true, wanted > 0 ? forwardKey : backKey);
    }
}

// The nearest mosquito in front, as the rifle angle that points at its body.
bool Autopilot::FindTarget(const GameWorld& world, float& angle) const {
    const PlayerState& p = world.player;
    const double muzzleY = p.y - MuzzleHeight;
    double nearest = FarthestAhead + 1.0;
    for (const Mosquito& m : world.mosquitoes) {
        if (m.alive == 0) continue;
        const double bodyX = m.x + (m.dir == 1 ? BodyHalfWidth : -BodyHalfWidth);
        const double bodyY = m.y + BodyHalfHeight;
        const double ahead = (bodyX - p.x) * p.facing;
        const double rise = muzzleY - bodyY;
        if (ahead < NearestAhead || ahead > FarthestAhead || std::fabs(rise) > HighestRise)
            continue;
        if (ahead < nearest) {
            nearest = ahead;
            angle = std::clamp(static_cast<float>(std::atan2(rise, ahead)), LowestAim, HighestAim);
        }
    }
    return nearest <= FarthestAhead;
}

void Autopilot::DriveAim(const GameWorld& world) {
    float wanted = heldAngle_;
    hasTarget_ = false;
    if (autoAim_) {
        float found = 0.0f;
        hasTarget_ = FindTarget(world, found);
        wanted = hasTarget_ ? found : RestAngle;
    }
    aimError_ = world.player.aimAngle - wanted;
    const int32_t turn = aimError_ < -AimSlack ? 1 : aimError_ > AimSlack ? -1 : 0;
    Steer(world.player.aimDir, turn, VK_Up, VK_Down);
}

// Holds the fire key while there is something to hit; a reload or a message
// box ends a burst, so the key is pressed again.
void Autopilot::DriveFire(const GameWorld& world) {
    const PlayerState& p = world.player;
    const bool shoot = fireMode_ == RouteStep::FireOn ||
                       (fireMode_ == RouteStep::FireAuto && hasTarget_ &&
                        std::fabs(aimError_) < FireSlack);
    const bool firing = p.fireState == RifleShotDue || p.fireState == RifleBetweenShots;
    if (shoot && !firing && p.rounds > 0) {
        Key(true, VK_Control);
    } else if (!shoot && firing) {
        Key(false, VK_Control);
    }
}
