// frame.cpp -- the frame buffer's life in a tick: background, tints, presentation.
#include "render/frame.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <span>

#include "render/sprite_draw.h"
#include "render/client_surface.h"
#include "render/pixel_rows.h"
#include "render/sprites.h"

// The renderer's own writes: they keep what it remembers of the frame,
// which it brings up to date itself.
class FrameWriter {
public:
    static PixelTarget Target(FrameBuffer& frame, uint32_t tint) {
        return {frame.pixels_.data(), tint};
    }
    static std::vector<uint32_t>& Pixels(FrameBuffer& frame) { return frame.pixels_; }
};

namespace {

constexpr int32_t TileSize = TileMask::Size;

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

// What later draws leave showing of a held draw: none of it, all of it, or
// some, whose tiles hidden row by row are kept in a pool. The pool is
// bounded; a draw that no longer fits is made whole, which is never wrong.
struct Showing {
    enum class Part : uint8_t { None, All, Some };
    Part part = Part::None;
    PixelBox box;            // the frame pixels it may write
    uint32_t firstRow = 0;   // Some: its first row of tiles in the pool
};

struct HiddenTiles {
    std::array<Showing, MaxHeldDraws> draws;
    std::array<TileMask::Row, MaxHiddenTileRows> pool;
    uint32_t poolUsed = 0;
    TileMask coveredLater;  // by the end: tiles some draw paints wholly
    TileMask touched;       // tiles some draw may write
};

// Walks the draws from the last back to the first, so that each sees the
// tiles the draws after it paint wholly.
void FindHiddenTiles(const HeldDraws& held, HiddenTiles& out) {
    for (uint32_t k = held.count; k-- > 0;) {
        const HeldDraw& draw = held.draws[k];
        Showing& showing = out.draws[k];
        showing = {};
        if (!HeldDrawBounds(draw, showing.box)) continue;
        const TileSpan reach = TilesTouched(showing.box);
        const TileMask::Row span = TileMask::Span(reach.firstCol, reach.lastCol);
        const uint32_t start = out.poolUsed;
        bool anyHidden = false, allHidden = true, kept = true;
        for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row) {
            out.touched.SetSpan(row, reach.firstCol, reach.lastCol);
            TileMask::Row hidden;
            for (size_t w = 0; w < hidden.size(); ++w) {
                hidden[w] = out.coveredLater.bits[size_t(row)][w] & span[w];
                anyHidden |= hidden[w] != 0;
                allHidden &= hidden[w] == span[w];
            }
            if (out.poolUsed < out.pool.size())
                out.pool[out.poolUsed++] = hidden;
            else
                kept = false;
        }
        if (!allHidden && anyHidden && kept) {
            showing.part = Showing::Part::Some;
            showing.firstRow = start;
        } else {
            showing.part = allHidden ? Showing::Part::None : Showing::Part::All;
            out.poolUsed = start;
        }
        PixelBox cover;
        if (!HeldDrawCover(draw, cover)) continue;
        const TileSpan whole = TilesWithin(cover);
        if (whole.firstCol > whole.lastCol) continue;
        for (int32_t row = whole.firstRow; row <= whole.lastRow; ++row)
            out.coveredLater.SetSpan(row, whole.firstCol, whole.lastCol);
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
void PaintSky(PixelTarget target, const TileMask& tiles, const TileMask& covered, uint32_t bits) {
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

// Makes a held draw but for the tiles later draws paint wholly, and only on
// the tiles of `redraw`. A plain sprite is cut to what shows, a row of tiles
// at a time; any other draw that shows at all is made whole, which is why
// `redraw` holds all of such a draw's tiles or none.
void DrawUnhidden(PixelTarget target, const HeldDraw& draw, const Showing& showing,
                  const HiddenTiles& hidden, const TileMask& redraw) {
    if (showing.part == Showing::Part::None) return;
    const PixelBox& box = showing.box;
    const TileSpan reach = TilesTouched(box);
    const TileMask::Row span = TileMask::Span(reach.firstCol, reach.lastCol);
    std::array<TileMask::Row, TileMask::Rows> shown;
    bool any = false, all = true;
    for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row) {
        TileMask::Row& out = shown[size_t(row)];
        const TileMask::Row* hiddenRow =
            showing.part == Showing::Part::Some
                ? &hidden.pool[showing.firstRow + uint32_t(row - reach.firstRow)]
                : nullptr;
        for (size_t w = 0; w < out.size(); ++w) {
            out[w] = span[w] & redraw.bits[size_t(row)][w] & (hiddenRow ? ~(*hiddenRow)[w] : ~uint64_t(0));
            any |= out[w] != 0;
            all &= out[w] == span[w];
        }
    }
    if (!any) return;
    if (all || draw.kind != HeldDraw::Kind::Plain) {
        DrawHeld(target, draw);
        return;
    }
    for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row) {
        const int32_t top = std::max(box.top, TileTop(row));
        const int32_t bottom = std::min(box.bottom, TileBottom(row));
        TileMask::ForEachRun(shown[size_t(row)], [&](int32_t first, int32_t end) {
            DrawHeldWithin(target, draw,
                           {std::max(box.left, first * TileSize), top,
                            std::min(box.right, end * TileSize), bottom});
        });
    }
}

// Two draws that put the same pixels in the same places.
bool SameDraw(const HeldDraw& a, const HeldDraw& b) {
    return a.kind == b.kind && a.sprite == b.sprite && a.sx == b.sx && a.sy == b.sy &&
           a.facing == b.facing && std::bit_cast<uint32_t>(a.angle) == std::bit_cast<uint32_t>(b.angle);
}

// Calls visit(draw number, tile number) for every tile each held draw may write.
template <class Visit>
void ForEachDrawTile(const HeldDraws& held, const HiddenTiles& hidden, Visit visit) {
    for (uint32_t k = 0; k < held.count; ++k) {
        const PixelBox& box = hidden.draws[k].box;
        if (box.left >= box.right) continue;
        const TileSpan reach = TilesTouched(box);
        for (int32_t row = reach.firstRow; row <= reach.lastRow; ++row)
            for (int32_t col = reach.firstCol; col <= reach.lastCol; ++col)
                visit(k, size_t(row * TileMask::Columns + col));
    }
}

// Lists, tile by tile, the draws that may write it; false when they do not fit.
bool ListTileDraws(const HeldDraws& held, const HiddenTiles& hidden, TileDraws& out) {
    out.valid = false;
    out.start.fill(0);
    ForEachDrawTile(held, hidden, [&](uint32_t, size_t tile) { ++out.start[tile + 1]; });
    for (size_t t = 1; t < out.start.size(); ++t) out.start[t] += out.start[t - 1];
    if (out.start.back() > out.entries.size()) return false;
    std::array<uint32_t, TileDraws::Tiles> next;
    std::copy_n(out.start.begin(), next.size(), next.begin());
    ForEachDrawTile(held, hidden,
                    [&](uint32_t k, size_t tile) { out.entries[next[tile]++] = uint16_t(k); });
    std::copy_n(held.draws.begin(), held.count, out.draws.begin());
    out.drawCount = held.count;
    out.valid = true;
    return true;
}

// The tiles whose draws are not the same, in the same order, as before.
TileMask ChangedTiles(const TileDraws& before, const TileDraws& now) {
    TileMask changed;
    for (int32_t t = 0; t < TileDraws::Tiles; ++t) {
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
void WidenToWholeDraws(const HeldDraws& held, const HiddenTiles& hidden, TileMask& redraw) {
    for (bool grew = true; grew;) {
        grew = false;
        for (uint32_t k = 0; k < held.count; ++k) {
            if (held.draws[k].kind == HeldDraw::Kind::Plain ||
                hidden.draws[k].part == Showing::Part::None)
                continue;
            const TileSpan reach = TilesTouched(hidden.draws[k].box);
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

uint32_t TintBits(uint8_t strength, uint8_t ticksLeft) {
    return uint32_t(strength) << 16 | uint32_t(ticksLeft) << 8;
}

// The tints are OR-ed, not added: a strength of 1 only sets the channel's
// lowest bit, 255 turns the channel fully on.
void OrIntoFrame(FrameBuffer& frame, uint32_t bits) {
    const std::span<uint32_t> pixels = frame.EditPixels();
    OrPixels(pixels.data(), pixels.data(), pixels.size(), bits);
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

}  // namespace

// The sky does not scroll: every tick starts from the top 500 rows of the
// 800 x 523 picture. Its rows are as wide as the frame, so those rows are the
// first 400,000 pixels. A background missing from the build leaves black.
void FillBackground(FrameBuffer& frame) {
    if (frame.unseen) return;
    std::vector<uint32_t>& pixels = FrameWriter::Pixels(frame);
    const std::span<const uint32_t> sky = SpritePixels(SpriteBackground);
    const size_t copied = std::min(sky.size(), pixels.size());
    std::copy_n(sky.begin(), copied, pixels.begin());
    std::fill(pixels.begin() + std::ptrdiff_t(copied), pixels.end(), 0x000000u);
    FrameMemory& memory = frame.memory;
    memory.known = true;
    memory.tint = 0;
    memory.drawn.Clear();
    memory.lists[memory.lastList].valid = false;  // it lists draws this frame no longer shows
    memory.allChangedSincePresent = true;
}

void ApplyDamageTint(FrameBuffer& frame, uint8_t strength) {
    OrIntoFrame(frame, uint32_t(strength) << 16);
}

void ApplyProtectionTint(FrameBuffer& frame, uint8_t ticksLeft) {
    OrIntoFrame(frame, uint32_t(ticksLeft) << 8);
}

// The two tints touch different channels and nothing is drawn between them,
// so one pass with both masks gives the same frame as the two passes.
void ApplyTints(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft) {
    const uint32_t bits = TintBits(strength, ticksLeft);
    if (bits != 0) OrIntoFrame(frame, bits);
}

void BeginFrame(FrameBuffer& frame) {
    if (frame.unseen) return;
    frame.held.waiting = true;
    frame.held.count = 0;
}

// A frame that holds more draws than its table lays the plain background
// now and makes what it held; the rest are drawn at once and FinishFrame
// tints the whole frame, as without holding.
static void FillBackgroundEarly(FrameBuffer& frame) {
    HeldDraws& held = frame.held;
    held.waiting = false;
    FillBackground(frame);
    for (uint32_t k = 0; k < held.count; ++k) DrawHeld(frame.EditTarget(), held.draws[k]);
    held.count = 0;
}

bool HoldDraw(FrameBuffer& frame, const HeldDraw& draw) {
    HeldDraws& held = frame.held;
    if (!held.waiting) return false;
    if (held.count == held.draws.size()) {
        FillBackgroundEarly(frame);
        return false;
    }
    held.draws[held.count++] = draw;
    return true;
}

// The sky goes back only where the last frame's draws were, and only where no
// draw of this one paints over it; each draw is cut to what later draws
// leave showing. An untinted frame after an untinted one has its sky and draws
// again only on the tiles whose draws changed. The sprites' pixels take the
// tints as they are written.
void FinishFrame(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft) {
    if (frame.unseen) return;
    HeldDraws& held = frame.held;
    if (!held.waiting) {
        ApplyTints(frame, strength, ticksLeft);
        return;
    }
    FrameMemory& memory = frame.memory;
    const uint32_t bits = TintBits(strength, ticksLeft);
    const bool sameTint = memory.known && memory.tint == bits;

    HiddenTiles hidden;
    FindHiddenTiles(held, hidden);
    // A tint changes from one tick to the next (it fades), so only untinted
    // frames are worth listing.
    const TileDraws& before = memory.lists[memory.lastList];
    TileDraws& now = memory.lists[1 - memory.lastList];
    now.valid = false;
    const bool listed = bits == 0 && ListTileDraws(held, hidden, now);
    TileMask skyTiles, redraw;
    const bool onlyChanged = sameTint && listed && before.valid;
    if (onlyChanged) {
        redraw = ChangedTiles(before, now);
        WidenToWholeDraws(held, hidden, redraw);
        skyTiles = redraw;
    } else {
        redraw.Fill();
        if (sameTint)
            skyTiles = memory.drawn;
        else
            skyTiles.Fill();
    }
    const PixelTarget target = FrameWriter::Target(frame, bits);
    PaintSky(target, skyTiles, hidden.coveredLater, bits);
    for (uint32_t k = 0; k < held.count; ++k)
        DrawUnhidden(target, held.draws[k], hidden.draws[k], hidden, redraw);
    held.waiting = false;
    held.count = 0;

    // This frame is known in full.
    memory.known = true;
    memory.tint = bits;
    memory.drawn = hidden.touched;
    memory.lastList = uint8_t(1 - memory.lastList);
    memory.changedSincePresent |= skyTiles;
    if (!onlyChanged) memory.changedSincePresent |= hidden.touched;
}

// Centred horizontally; vertically centred and then raised 50 px, which
// leaves the HUD room below the picture. The divisions truncate toward zero.
PictureOrigin PictureOriginFor(int32_t clientWidth, int32_t clientHeight) {
    constexpr int32_t HudRoom = 50;  // px the picture is raised by
    return {clientWidth / 2 - FrameWidth / 2, clientHeight / 2 - FrameHeight / 2 - HudRoom};
}

void MapPicture(ClientSurface& surface) {
    const PictureOrigin origin = PictureOriginFor(surface.ClientWidth(), surface.ClientHeight());
    surface.SetOrigin(origin.x, origin.y);
}

void PresentFrame(FrameBuffer& frame, ClientSurface& surface) {
    FrameMemory& memory = frame.memory;
    std::array<PixelBox, MaxPresentBoxes> boxes;
    size_t count = 0;
    if (memory.allChangedSincePresent || memory.presentedTo != &surface ||
        !ChangedBoxes(memory.changedSincePresent, boxes, count)) {
        boxes[0] = {0, 0, FrameWidth, FrameHeight};
        count = 1;
    }
    surface.DrawFrameChanges(0, 0, frame.Pixels().data(), FrameWidth, FrameHeight,
                             std::span<const PixelBox>(boxes.data(), count));
    memory.changedSincePresent.Clear();
    memory.allChangedSincePresent = false;
    memory.presentedTo = &surface;
}
