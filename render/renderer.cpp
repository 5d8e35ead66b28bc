// renderer.cpp -- a frame made from its draw list, redoing only the tiles that changed.
#include "render/renderer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <span>

#include "render/client_surface.h"
#include "render/frame.h"
#include "render/pixel_rows.h"
#include "render/sprite_draw.h"
#include "render/sprites.h"

// The renderer's own writes: they keep what it remembers of the frame,
// which it brings up to date itself.
class FrameWriter {
public:
    static PixelTarget Target(FrameBuffer& frame, uint32_t tint) {
        return {frame.pixels_.data(), tint};
    }
    static std::span<uint32_t> Pixels(FrameBuffer& frame) { return frame.pixels_; }
};

namespace {

constexpr int32_t TileSize = TileMask::Size;
constexpr int32_t Tiles = TileDraws::Tiles;

int32_t TileTop(int32_t row) { return row * TileSize; }
int32_t TileBottom(int32_t row) { return std::min((row + 1) * TileSize, FrameHeight); }

// Tiles rows firstRow..lastRow x columns firstCol..lastCol; none when a
// first is past its last.
struct TileSpan {
    int32_t firstRow, lastRow, firstCol, lastCol;
};

// The tiles that hold any pixel of a box inside the frame.
TileSpan TilesTouched(const PixelBox& box) {
    return {box.top / TileSize, (box.bottom - 1) / TileSize, box.left / TileSize,
            (box.right - 1) / TileSize};
}

// The tiles all of whose pixels lie in a box inside the frame; the last
// row of tiles is cut short by the frame's bottom.
TileSpan TilesWithin(const PixelBox& box) {
    const int32_t lastRow = box.bottom == FrameHeight ? TileMask::Rows - 1 : box.bottom / TileSize - 1;
    return {(box.top + TileSize - 1) / TileSize, lastRow, (box.left + TileSize - 1) / TileSize,
            box.right / TileSize - 1};
}

// Eight tiles' draw numbers side by side: a row of the per-tile index is
// compared eight columns at a time.
using CoverLanes = int16_t __attribute__((vector_size(16)));
constexpr int32_t CoverLaneCount = int32_t(sizeof(CoverLanes) / sizeof(int16_t));
static_assert(64 % CoverLaneCount == 0, "a group of lanes never straddles two words of a row");

// Where the draws of a frame land. A draw is hidden on a tile that a later
// draw paints wholly, so it is enough to know, tile by tile, the last draw
// that paints it wholly.
struct Coverage {
    std::array<PixelBox, MaxFrameDraws> boxes;  // pixels each draw may write; empty for none
    // -1 where no draw paints the tile wholly; one group of lanes more, so
    // that the last row can be read a whole group at a time.
    std::array<int16_t, Tiles + CoverLaneCount> lastCover;
    std::array<int16_t, TileMask::Rows> rowLastCover;  // the latest of a row's lastCover
    TileMask covered;                           // tiles some draw paints wholly
    TileMask touched;                           // tiles some draw may write

    bool HiddenOn(uint32_t draw, int32_t row, int32_t col) const {
        return lastCover[size_t(row * TileMask::Columns + col)] > int32_t(draw);
    }
    // The columns of `reach` on one row of tiles that a later draw paints wholly.
    TileMask::Row HiddenRow(uint32_t draw, int32_t row, const TileSpan& reach) const {
        TileMask::Row hidden{};
        if (rowLastCover[size_t(row)] <= int32_t(draw)) return hidden;
        constexpr CoverLanes LaneBits = {1, 2, 4, 8, 16, 32, 64, 128};
        const CoverLanes threshold = CoverLanes{} + int16_t(draw);
        const int16_t* cover = lastCover.data() + size_t(row * TileMask::Columns);
        for (int32_t col = reach.firstCol & ~(CoverLaneCount - 1); col <= reach.lastCol;
             col += CoverLaneCount) {
            CoverLanes lanes;
            std::memcpy(&lanes, cover + col, sizeof lanes);
            const CoverLanes later = (lanes > threshold) & LaneBits;
            uint64_t bits = 0;
            for (int32_t lane = 0; lane < CoverLaneCount; ++lane) bits |= uint64_t(uint16_t(later[lane]));
            hidden[size_t(col / 64)] |= bits << (col % 64);
        }
        const TileMask::Row span = TileMask::Span(reach.firstCol, reach.lastCol);
        for (size_t w = 0; w < hidden.size(); ++w) hidden[w] &= span[w];
        return hidden;
    }
    // True when every tile the draw may write is painted over later.
    bool WhollyHidden(uint32_t draw) const {
        const PixelBox& box = boxes[draw];
        if (box.left >= box.right) return true;
        const TileSpan reach = TilesTouched(box);
        for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row) {
            if (rowLastCover[size_t(row)] <= int32_t(draw)) return false;
            for (int32_t col = reach.firstCol; col <= reach.lastCol; ++col)
                if (!HiddenOn(draw, row, col)) return false;
        }
        return true;
    }
};

void FindCoverage(const std::vector<SpriteDraw>& draws, Coverage& out) {
    out.lastCover.fill(-1);
    out.rowLastCover.fill(-1);
    for (uint32_t k = 0; k < draws.size(); ++k) {
        PixelBox& box = out.boxes[k];
        box = {};
        if (!SpriteDrawBounds(draws[k], box)) continue;
        const TileSpan reach = TilesTouched(box);
        for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row)
            out.touched.SetSpan(row, reach.firstCol, reach.lastCol);
        PixelBox cover;
        if (!SpriteDrawCover(draws[k], cover)) continue;
        const TileSpan whole = TilesWithin(cover);
        if (whole.firstCol > whole.lastCol) continue;
        for (int32_t row = whole.firstRow; row <= whole.lastRow; ++row) {
            out.covered.SetSpan(row, whole.firstCol, whole.lastCol);
            out.rowLastCover[size_t(row)] = int16_t(k);
            for (int32_t col = whole.firstCol; col <= whole.lastCol; ++col)
                out.lastCover[size_t(row * TileMask::Columns + col)] = int16_t(k);
        }
    }
}

// Sky pixels x..end-1 of frame row y with `bits` OR-ed in. A background
// missing from the build leaves black. Without a tint the library's copy is
// the fastest, and much faster in builds that check every access.
void PaintSkySpan(PixelTarget target, std::span<const uint32_t> sky, int32_t y, int32_t x,
                  int32_t end, uint32_t bits) {
    const size_t first = size_t(y) * FrameWidth + size_t(x);
    const size_t count = size_t(end - x);
    const size_t copied = std::min(count, sky.size() > first ? sky.size() - first : 0);
    uint32_t* out = target.pixels + first;
    if (bits == 0)
        std::memcpy(out, sky.data() + first, copied * sizeof(uint32_t));
    else
        OrPixels(out, sky.data() + first, copied, bits);
    std::fill(out + copied, out + count, bits);
}

// The sky, tints OR-ed in, on the tiles of `tiles` no draw will paint over.
void PaintSkyTiles(PixelTarget target, const TileMask& tiles, const TileMask& covered, uint32_t bits) {
    const std::span<const uint32_t> sky = SpritePixels(SpriteBackground);
    for (int32_t row = 0; row < TileMask::Rows; ++row) {
        TileMask::Row open = tiles.bits[size_t(row)];
        for (size_t w = 0; w < open.size(); ++w) open[w] &= ~covered.bits[size_t(row)][w];
        TileMask::ForEachRun(open, [&](int32_t first, int32_t end) {
            for (int32_t y = TileTop(row); y < TileBottom(row); ++y)
                PaintSkySpan(target, sky, y, first * TileSize, end * TileSize, bits);
        });
    }
}

// Makes draw k but for the tiles later draws paint wholly, and only on the
// tiles of `redraw`. A plain sprite is cut to what shows, a row of tiles at a
// time; any other draw that shows at all is made whole, which is why
// `redraw` holds all of such a draw's tiles or none.
void DrawUnhidden(PixelTarget target, const SpriteDraw& draw, uint32_t k, const Coverage& coverage,
                  const TileMask& redraw) {
    const PixelBox& box = coverage.boxes[k];
    if (box.left >= box.right) return;
    const TileSpan reach = TilesTouched(box);
    const TileMask::Row span = TileMask::Span(reach.firstCol, reach.lastCol);
    const bool cuttable = draw.kind == SpriteDraw::Kind::Plain;
    std::array<TileMask::Row, TileMask::Rows> shown;
    bool any = false, all = true;
    for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row) {
        TileMask::Row& out = shown[size_t(row)];
        const TileMask::Row hidden = coverage.HiddenRow(k, row, reach);
        for (size_t w = 0; w < out.size(); ++w) {
            out[w] = span[w] & redraw.bits[size_t(row)][w] & ~hidden[w];
            any |= out[w] != 0;
            all &= out[w] == span[w];
        }
        // A draw that cannot be cut is made whole once any of it shows.
        if (any && !cuttable) break;
    }
    if (!any) return;
    if (all || !cuttable) {
        DrawSprite(target, draw);
        return;
    }
    for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row) {
        const int32_t top = std::max(box.top, TileTop(row));
        const int32_t bottom = std::min(box.bottom, TileBottom(row));
        TileMask::ForEachRun(shown[size_t(row)], [&](int32_t first, int32_t end) {
            DrawSpriteWithin(target, draw,
                             {std::max(box.left, first * TileSize), top,
                              std::min(box.right, end * TileSize), bottom});
        });
    }
}

// Two draws that put the same pixels in the same places.
bool SameDraw(const SpriteDraw& a, const SpriteDraw& b) {
    return a.kind == b.kind && a.sprite == b.sprite && a.sx == b.sx && a.sy == b.sy &&
           a.facing == b.facing && std::bit_cast<uint32_t>(a.angle) == std::bit_cast<uint32_t>(b.angle);
}

// Calls visit(draw number, tile number) for every tile each draw may write.
template <class Visit>
void ForEachDrawTile(uint32_t count, const Coverage& coverage, Visit visit) {
    for (uint32_t k = 0; k < count; ++k) {
        const PixelBox& box = coverage.boxes[k];
        if (box.left >= box.right) continue;
        const TileSpan reach = TilesTouched(box);
        for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row)
            for (int32_t col = reach.firstCol; col <= reach.lastCol; ++col)
                visit(k, size_t(row * TileMask::Columns + col));
    }
}

// Lists, tile by tile, the draws that may write it; false when they do not fit.
bool ListTileDraws(const std::vector<SpriteDraw>& draws, const Coverage& coverage, TileDraws& out) {
    const uint32_t count = uint32_t(draws.size());
    out.valid = false;
    out.start.fill(0);
    ForEachDrawTile(count, coverage, [&](uint32_t, size_t tile) { ++out.start[tile + 1]; });
    for (size_t t = 1; t < out.start.size(); ++t) out.start[t] += out.start[t - 1];
    if (out.start.back() > out.entries.size()) return false;
    std::array<uint32_t, Tiles> next;
    std::copy_n(out.start.begin(), next.size(), next.begin());
    ForEachDrawTile(count, coverage,
                    [&](uint32_t k, size_t tile) { out.entries[next[tile]++] = uint16_t(k); });
    std::copy(draws.begin(), draws.end(), out.draws.begin());
    out.drawCount = count;
    out.valid = true;
    return true;
}

// The tiles whose draws are not the same, in the same order, as before.
TileMask ChangedTiles(const TileDraws& before, const TileDraws& now) {
    TileMask changed;
    for (int32_t t = 0; t < Tiles; ++t) {
        const uint32_t first = now.start[size_t(t)], count = now.start[size_t(t) + 1] - first;
        const uint32_t firstBefore = before.start[size_t(t)];
        bool same = before.start[size_t(t) + 1] - firstBefore == count;
        for (uint32_t i = 0; same && i < count; ++i)
            same = SameDraw(now.draws[now.entries[first + i]],
                            before.draws[before.entries[firstBefore + i]]);
        if (!same) changed.SetSpan(t / TileMask::Columns, t % TileMask::Columns, t % TileMask::Columns);
    }
    return changed;
}

// A draw that cannot be cut to tiles is made whole: once any of its tiles
// is drawn again, all of them are, and so on for the draws that meet those.
void WidenToWholeDraws(const std::vector<SpriteDraw>& draws, const Coverage& coverage,
                       TileMask& redraw) {
    for (bool grew = true; grew;) {
        grew = false;
        for (uint32_t k = 0; k < draws.size(); ++k) {
            if (draws[k].kind == SpriteDraw::Kind::Plain || coverage.WhollyHidden(k)) continue;
            const TileSpan reach = TilesTouched(coverage.boxes[k]);
            const TileMask::Row span = TileMask::Span(reach.firstCol, reach.lastCol);
            bool meets = false, whole = true;
            for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row)
                for (size_t w = 0; w < span.size(); ++w) {
                    meets |= (redraw.bits[size_t(row)][w] & span[w]) != 0;
                    whole &= (redraw.bits[size_t(row)][w] & span[w]) == span[w];
                }
            if (!meets || whole) continue;
            for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row)
                redraw.SetSpan(row, reach.firstCol, reach.lastCol);
            grew = true;
        }
    }
}

// Changed tiles as boxes: the runs of each row of tiles, a run joined to
// the box above when it spans the same columns. False when they do not fit.
bool ChangedBoxes(const TileMask& changed, std::array<PixelBox, MaxPresentBoxes>& boxes,
                  size_t& count) {
    count = 0;
    size_t rowAbove = 0;  // the boxes the row above ended
    bool fits = true;
    for (int32_t row = 0; row < TileMask::Rows && fits; ++row) {
        const size_t rowStart = count;
        TileMask::ForEachRun(changed.bits[size_t(row)], [&](int32_t first, int32_t end) {
            const int32_t left = first * TileSize, right = end * TileSize;
            for (size_t k = rowAbove; k < rowStart; ++k) {
                if (boxes[k].left == left && boxes[k].right == right &&
                    boxes[k].bottom == TileTop(row)) {
                    boxes[k].bottom = TileBottom(row);
                    return;
                }
            }
            if (count == boxes.size()) {
                fits = false;
                return;
            }
            boxes[count++] = {left, TileTop(row), right, TileBottom(row)};
        });
        rowAbove = rowStart;
    }
    return fits;
}

// Every draw of the list in order, none cut.
void DrawWhole(PixelTarget target, const DrawList& draws) {
    for (const SpriteDraw& draw : draws.Draws()) DrawSprite(target, draw);
}

}  // namespace

Renderer::Renderer() = default;
Renderer::~Renderer() = default;

// Made on the first frame that is seen: an unseen renderer never needs it.
FrameMemory& Renderer::Memory() {
    if (!memory_) memory_ = std::make_unique<FrameMemory>();
    return *memory_;
}

void Renderer::BeginFrame() { draws_.Clear(); }

bool Renderer::Knows(const FrameBuffer& frame) const {
    return memory_ && memory_->frame == &frame && memory_->writes == frame.Writes();
}

void Renderer::Remember(const FrameBuffer& frame) {
    Memory().frame = &frame;
    Memory().writes = frame.Writes();
}

void Renderer::FillBackground(FrameBuffer& frame) {
    draws_.Clear();
    if (unseen) return;
    PaintSky(FrameWriter::Pixels(frame));
    FrameMemory& memory = Memory();
    memory.tint = 0;
    memory.drawn.Clear();
    memory.lists[memory.lastList].valid = false;  // it lists draws this frame no longer shows
    memory.allChangedSincePresent = true;
    Remember(frame);
}

// More draws than a frame works out tile by tile: the sky everywhere, then
// every draw whole.
void Renderer::FinishFromScratch(FrameBuffer& frame, uint32_t tint) {
    const PixelTarget target = FrameWriter::Target(frame, tint);
    TileMask all;
    all.Fill();
    PaintSkyTiles(target, all, TileMask{}, tint);
    DrawWhole(target, draws_);
    FrameMemory& memory = Memory();
    memory.tint = tint;
    memory.drawn = all;
    memory.lists[0].valid = memory.lists[1].valid = false;
    memory.allChangedSincePresent = true;
}

// The sky goes back only where the last frame's draws were, and only where no
// draw of this one paints over it; each draw is cut to what later draws
// leave showing. An untinted frame after an untinted one has its sky and draws
// again only on the tiles whose draws changed. The sprites' pixels take the
// tints as they are written.
void Renderer::FinishFrame(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft) {
    if (unseen) {
        PixelTarget target = frame.EditTarget();
        target.rowEndsOnly = true;
        DrawWhole(target, draws_);
        return;
    }
    FrameMemory& memory = Memory();
    const uint32_t bits = TintBits(strength, ticksLeft);
    const bool sameTint = Knows(frame) && memory.tint == bits;
    if (draws_.Count() > uint32_t(MaxFrameDraws)) {
        FinishFromScratch(frame, bits);
    } else {
        const std::vector<SpriteDraw>& draws = draws_.Draws();
        Coverage coverage;
        FindCoverage(draws, coverage);
        // A tint changes from one tick to the next (it fades), so only
        // untinted frames are worth listing.
        const TileDraws& before = memory.lists[memory.lastList];
        TileDraws& now = memory.lists[1 - memory.lastList];
        now.valid = false;
        const bool listed = bits == 0 && ListTileDraws(draws, coverage, now);
        TileMask skyTiles, redraw;
        const bool onlyChanged = sameTint && listed && before.valid;
        if (onlyChanged) {
            redraw = ChangedTiles(before, now);
            WidenToWholeDraws(draws, coverage, redraw);
            skyTiles = redraw;
        } else {
            redraw.Fill();
            if (sameTint)
                skyTiles = memory.drawn;
            else
                skyTiles.Fill();
        }
        const PixelTarget target = FrameWriter::Target(frame, bits);
        PaintSkyTiles(target, skyTiles, coverage.covered, bits);
        for (uint32_t k = 0; k < draws.size(); ++k) DrawUnhidden(target, draws[k], k, coverage, redraw);

        memory.tint = bits;
        memory.drawn = coverage.touched;
        memory.lastList = uint8_t(1 - memory.lastList);
        // A frame the renderer did not know may differ anywhere from what
        // was presented.
        if (!Knows(frame)) memory.allChangedSincePresent = true;
        memory.changedSincePresent |= skyTiles;
        if (!onlyChanged) memory.changedSincePresent |= coverage.touched;
    }
    Remember(frame);
}

void Renderer::PresentFrame(const FrameBuffer& frame, ClientSurface& surface) {
    std::array<PixelBox, MaxPresentBoxes> boxes;
    size_t count = 0;
    if (unseen) {
        boxes[0] = {0, 0, FrameWidth, FrameHeight};
        surface.DrawFrameChanges(0, 0, frame.Pixels().data(), FrameWidth, FrameHeight,
                                 std::span<const PixelBox>(boxes.data(), 1));
        return;
    }
    FrameMemory& memory = Memory();
    if (!Knows(frame) || memory.allChangedSincePresent || memory.presentedTo != &surface ||
        !ChangedBoxes(memory.changedSincePresent, boxes, count)) {
        boxes[0] = {0, 0, FrameWidth, FrameHeight};
        count = 1;
    }
    surface.DrawFrameChanges(0, 0, frame.Pixels().data(), FrameWidth, FrameHeight,
                             std::span<const PixelBox>(boxes.data(), count));
    memory.changedSincePresent.Clear();
    memory.allChangedSincePresent = !Knows(frame);
    memory.presentedTo = &surface;
}

void DrawOver(const DrawList& draws, FrameBuffer& frame) { DrawWhole(frame.EditTarget(), draws); }
