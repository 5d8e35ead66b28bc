// level_still.h -- a level drawn as it stands, with no tick: the level editor's picture.
#pragma once

#include <cstdint>
#include <span>

#include "render/frame_buffer.h"
#include "render/renderer.h"

struct GameWorld;

// Draws a level's elements over the swamp as a tick would draw them if
// nothing moved: the decorations and the exit, the mosquitoes, the
// platforms, the nests, the pickups, the falling magazine and the soldier,
// in that order, with the world's own camera left alone. The painter
// remembers its last frame, so looking at the same place again is cheap.
class LevelStill {
public:
    // The 800 x 500 frame seen from (cameraLeft, cameraTop), row after row,
    // pixels 0x00RRGGBB; valid until the next call.
    std::span<const uint32_t> Draw(const GameWorld& level, int32_t cameraLeft, int32_t cameraTop);

private:
    Renderer renderer_;
    FrameBuffer frame_;
};
