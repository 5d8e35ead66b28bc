// renderer.h -- turns a frame's draw list into its pixels and shows them, redoing only what changed.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "render/canvas.h"
#include "render/tile_mask.h"

class ClientSurface;

// Boxes of changed tiles a presentation passes to the view; a frame whose
// changes make more is presented whole.
constexpr int MaxPresentBoxes = 256;

// Pairs of (tile, draw) an untinted frame lists to find the tiles that stay
// the same; a frame with more is made as if it were tinted.
constexpr int MaxTileDraws = 32768;

// The draws of an untinted frame listed tile by tile: a tile whose list is
// the same in the next frame keeps its pixels.
struct TileDraws {
    static constexpr int32_t Tiles = TileMask::Columns * TileMask::Rows;
    bool valid = false;  // false: never made, tinted, or more than the table holds
    uint32_t drawCount = 0;
    std::array<SpriteDraw, MaxFrameDraws> draws{};
    std::array<uint32_t, Tiles + 1> start{};  // tile t: entries start[t] .. start[t + 1] - 1
    std::array<uint16_t, MaxTileDraws> entries{};  // draw numbers, in drawing order
};

// What the renderer made of the frame last time. From one tick to the next
// most of the frame is the same sky: the next frame puts back only the sky
// the last draws hid, and the presentation looks only at the tiles that may
// have changed.
struct FrameMemory {
    // The frame it is about, and its write count when the renderer left it.
    const FrameBuffer* frame = nullptr;
    uint64_t writes = 0;
    // Outside `drawn` the pixels are the sky with `tint` OR-ed in.
    uint32_t tint = 0;
    TileMask drawn;  // tiles the last frame's draws may have written
    // Tiles that may differ from what the frame was when last presented, to
    // `presentedTo`; all of them when `allChangedSincePresent`.
    TileMask changedSincePresent;
    bool allChangedSincePresent = true;
    const void* presentedTo = nullptr;
    // The last two frames' tile lists; `lastList` names the last one.
    std::array<TileDraws, 2> lists;
    uint8_t lastList = 0;
};

// One renderer draws one view's frames. The rules record their draws into
// its list through a canvas; FinishFrame makes them, over the sky and under
// the tints, and PresentFrame shows the result. Between frames it remembers
// only what lets the next frame skip work: nothing of it is game state.
class Renderer {
public:
    Renderer();
    ~Renderer();

    // A new frame: the draws recorded for the last one are dropped. Until
    // then they stay in the list, for whoever wants to see what was drawn.
    void BeginFrame();
    Canvas CanvasAt(int32_t cameraLeft, int32_t cameraTop) { return {draws_, cameraLeft, cameraTop}; }
    DrawList& Draws() { return draws_; }

    // The frame from the draws recorded since BeginFrame: the sky with the
    // tints OR-ed in, then the draws in order with the tints OR-ed into
    // every pixel they write. `strength` 0..255 of the red tint, `ticksLeft`
    // of protection tints green. The picture is the same as FillBackground,
    // the draws, then ApplyTints; it costs one pass over what changed.
    void FinishFrame(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft);
    // The sky alone, as a stopped game shows it; the draws are dropped.
    void FillBackground(FrameBuffer& frame);

    // Copies the frame to picture position (0, 0), telling the surface which
    // boxes may have changed since it was last shown: all of it when the
    // renderer does not know.
    void PresentFrame(const FrameBuffer& frame, ClientSurface& surface);

    // A frame nobody looks at (the level fuzzer's): FinishFrame makes the
    // draws over the frame as it stands, through the same blitters and
    // clipping, with no sky under them, no tint and nothing remembered, and
    // a row of sprite runs writes only its two ends.
    bool unseen = false;

private:
    FrameMemory& Memory();
    bool Knows(const FrameBuffer& frame) const;
    void Remember(const FrameBuffer& frame);
    void FinishFromScratch(FrameBuffer& frame, uint32_t tint);

    DrawList draws_;
    std::unique_ptr<FrameMemory> memory_;
};

// The draws of a list made over the frame as it stands, with no sky and no
// tint: for tools and tests that draw without a renderer.
void DrawOver(const DrawList& draws, FrameBuffer& frame);
