// paint_soldier.cpp -- the soldier's five pieces, his rifle in its four states
// and the magazine. All face right; the game mirrors them for a left facing.
//
// Pieces line up when drawn from the soles (x, y): legs from y - 21, torso
// from y - 38, head from y - 45, and the arm pivots at the torso's top-left
// pixel (x, y - 38), which is the rifle sprite's own top-left pixel.
#include "tools/spritegen/painters.h"

// The pieces are drawn as text, one pixel row a line; keep it that way.
// clang-format off

namespace {

using namespace swamp;

const std::initializer_list<Canvas::Ink> kUniform = {
    {'k', Ink},       {'1', KhakiDark}, {'2', Khaki},     {'3', KhakiLight}, {'s', Skin},
    {'S', SkinShade}, {'b', Boot},      {'B', BootLight}, {'m', MetalDark},  {'M', Metal},
    {'L', MetalLight}, {'w', WoodDark}, {'W', Wood},      {'o', FlashOrange}, {'y', FlashYellow},
    {'Y', FlashWhite},
};

// The arm and rifle without a magazine; the magazine is added per state.
// Row 3 is the bore line: the game fires its rounds from 3 pixels below
// the shoulder.
Canvas PaintArmAndRifle(int width) {
    Canvas c(width, 13);
    c.Draw(0, 0, {
        ".kkk...............................",
        "k2333k...kkkkkkkkkkkkkk........m...",
        "k12333kkkLLLLLLLLLLLLLLkkkkkmmmmm..",
        "k11233WWWMMMMMMMMMMMMMMWWWWWMMMMMMm",
        "k11223wwwmmmmmmmmmmmmmmwwwwwmmmmmm.",
        ".k1122kkkkksssskkkkkkkkkssSk.......",
        ".k112kkkkkkSssk.k..................",
        ".k112222222kSSk....................",
        "..k11111111kmm.....................",
        "...kkkkkkkk.mm.....................",
        "............kk.....................",
        "...................................",
        "...................................",
    }, kUniform);
    return c;
}

void AddMagazine(Canvas& c, int drop) {
    c.Draw(17, 6 + drop, {
        "kmMk..",
        "kmMk..",
        "kmMk..",
        ".kmMk.",
        ".kmMk.",
        "..kmMk",
        "..kkkk",
    }, kUniform);
}

}  // namespace

Canvas PaintLegsTogether() {
    return Canvas::FromArt({
        "k111222k.",
        "k111222k.",
        "k11k222k.",
        "k11k223k.",
        "k11k223k.",
        "k11k223k.",
        "k11k222k.",
        "k11k222k.",
        "k11k223k.",
        "k11k223k.",
        "k11k222k.",
        "k11k222k.",
        "k11k222k.",
        "k11k222k.",
        "kbbkbbbk.",
        "kbbkbBbk.",
        "kbbkbBbk.",
        "kbbkbbbbk",
        "kbbbbbbbk",
        "kbbbbbbbk",
        "kkkkkkkkk",
    }, kUniform);
}

Canvas PaintLegsStride() {
    return Canvas::FromArt({
        "..k1112222k.......",
        "..k1112222k.......",
        "..k11kk2222k......",
        ".k11k.k2222k......",
        ".k11k..k2223k.....",
        ".k11k..k2223k.....",
        "k11k....k2223k....",
        "k11k....k2222k....",
        "k11k.....k2222k...",
        "k11k.....k2223k...",
        "k11k......k2223k..",
        "k11k......k2222k..",
        "k11k.......k222k..",
        "k11k.......k222k..",
        "kbbk.......kbbbk..",
        "kbbk.......kbBbk..",
        "kbbk.......kbBbk..",
        "kbbbk......kbbbbk.",
        "kbbbbk.....kbbbbbk",
        "kbbbbk.....kbbbbbk",
        "kkkkkk.....kkkkkkk",
    }, kUniform);
}

Canvas PaintTorso() {
    return Canvas::FromArt({
        ".kk1kkkk.",
        "k1223333k",
        "k1222333k",
        "k1212333k",
        "k1221333k",
        "k1222133k",
        "k1222213k",
        "k1122221k",
        "k1122223k",
        "k1122223k",
        "k1112223k",
        "kbbbbMbbk",
        "k1112222k",
        "k1112222k",
        "k1111222k",
        "k1111222k",
    }, kUniform);
}

Canvas PaintHead() {
    return Canvas::FromArt({
        "..kkkkk..",
        ".k22333k.",
        "k1222233k",
        "k11111111",
        ".kSsssks.",
        ".kSsssss.",
        "..kSsskk.",
    }, kUniform);
}

Canvas PaintRifle() {
    Canvas c = PaintArmAndRifle(35);
    AddMagazine(c, 0);
    return c;
}

Canvas PaintRifleHalfOut() {
    Canvas c = PaintArmAndRifle(35);
    AddMagazine(c, 3);
    return c;
}

Canvas PaintRifleEmpty() { return PaintArmAndRifle(35); }

Canvas PaintRifleFlash() {
    Canvas c = PaintArmAndRifle(38);
    AddMagazine(c, 0);
    c.Draw(34, 0, {
        "..o.",
        ".yyo",
        "oYYy",
        "YYYY",
        "oYYy",
        ".yyo",
        "..o.",
    }, kUniform);
    return c;
}

Canvas PaintMagazine() {
    return Canvas::FromArt({
        ".kkkk..",
        ".kLMk..",
        ".kmMk..",
        "..kmMk.",
        "..kmMk.",
        "..kmMk.",
        "..kkkk.",
    }, kUniform);
}
