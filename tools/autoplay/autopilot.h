// autopilot.h -- turns routes into key events, one tick at a time, and shoots.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/autoplay/route.h"
#include "tools/common/replay.h"

struct GameWorld;

class Autopilot {
public:
    // One route per level, in the order the levels come.
    Autopilot(std::vector<Route> routes, bool verbose);

    // The key events to deliver before tick `tick`, decided from the world
    // as the previous tick left it.
    std::vector<ReplayKeyEvent> Decide(const GameWorld& world, uint64_t tick);

private:
    void FollowRoute(const GameWorld& world);
    bool RunStep(const RouteStep& step, const GameWorld& world, bool first);
    void ReleaseJump();
    void DriveMove(const GameWorld& world);
    bool FindTarget(const GameWorld& world, float& angle) const;
    void DriveAim(const GameWorld& world);
    void DriveFire(const GameWorld& world);
    void Steer(int32_t going, int32_t wanted, int32_t forwardKey, int32_t backKey);
    void Key(bool down, int32_t key);

    std::vector<Route> routes_;
    bool verbose_ = false;
    size_t routeIndex_ = 0;
    size_t stepIndex_ = 0;
    bool stepStarted_ = false;
    uint8_t level_ = 0;  // level the current route belongs to
    uint64_t tick_ = 0;
    int waited_ = 0;         // ticks of the current wait step
    int32_t previousY_ = 0;  // soles before the last tick
    int32_t wantMove_ = 0;   // -1, 0, 1
    bool jumpHeld_ = false;
    uint64_t jumpPressedAt_ = 0;
    bool autoAim_ = true;
    float heldAngle_ = 0.0f;  // rad, when not aiming by itself
    bool hasTarget_ = false;
    float aimError_ = 0.0f;  // rad, rifle minus wanted angle
    RouteStep::FireMode fireMode_ = RouteStep::FireAuto;
    std::vector<ReplayKeyEvent> events_;
};
