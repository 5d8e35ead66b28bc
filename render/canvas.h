// canvas.h -- what the level is drawn on: a frame's draw list seen through the camera.
#pragma once

#include <cstdint>

#include "render/draw_list.h"
#include "render/frame_buffer.h"

// The draw list and where the camera stands over the level. A canvas is a
// view of a few words and is passed by value; the list it names takes the
// draws.
struct Canvas {
    DrawList& draws;
    int32_t cameraLeft = 0;  // level x at the frame's left edge
    int32_t cameraTop = 0;   // level y at the frame's top edge
};
