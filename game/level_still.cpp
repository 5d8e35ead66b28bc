// level_still.cpp -- a level drawn as it stands, in the tick's order of draws.
#include "game/level_still.h"

#include "game/mosquitoes.h"
#include "game/pickups.h"
#include "game/player.h"
#include "game/world.h"
#include "render/blit.h"
#include "render/scene.h"

std::span<const uint32_t> LevelStill::Draw(const GameWorld& level, int32_t cameraLeft,
                                           int32_t cameraTop) {
    renderer_.BeginFrame();
    const Canvas canvas = renderer_.CanvasAt(cameraLeft, cameraTop);
    for (const Decoration& d : level.decorations) DrawDecoration(canvas, d.x, d.y, d.type);
    DrawGoal(canvas, level.goal.x, level.goal.y);
    for (Mosquito m : level.mosquitoes) {
        if (m.alive == 0) continue;
        // An undecided mosquito turns to the soldier when it is first drawn.
        if (m.dir == 0) m.dir = TurnedToSoldier(m, level.player.x);
        DrawMosquito(canvas, m, level.tickCounter);
    }
    for (const Platform& platform : level.platforms) DrawPlatform(canvas, platform);
    for (const Nest& nest : level.nests)
        if (nest.spawnTimer != 0) DrawNest(canvas, nest);
    for (const Pickup& pickup : level.pickups) DrawPickup(canvas, pickup);
    if (level.fallingMagazine.active != 0)
        BlitSprite(canvas, level.fallingMagazine.x, level.fallingMagazine.y, SpriteMagazine);
    DrawSoldier(canvas, level.player);
    renderer_.FinishFrame(frame_, 0, 0);
    return frame_.Pixels();
}
