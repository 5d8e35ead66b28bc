// paint_icon.h -- the application icon: the game's mosquito over its swamp sky, in every size a desktop asks for.
#pragma once

#include <cstdint>
#include <vector>

// The sizes the icon theme gets, in pixels, square.
constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};

// The application id: the icon's file name, the desktop entry's and the
// metainfo's.
constexpr char IconName[] = "io.github.zarnok.Zarnok";

// One square picture; pixels 0xAARRGGBB, not premultiplied, top row first.
struct IconImage {
    int size = 0;
    std::vector<uint32_t> argb;
};

// The icon at `size` pixels (a divisor of 768: every one in IconSizes is).
IconImage PaintIcon(int size);
