// paint_items.cpp -- the six pickups and the Raptor plug-in repellent device.
#include <cmath>

#include "tools/spritegen/painters.h"

namespace {

using namespace swamp;

constexpr int PickupSize = 20;  // every pickup is a square this many pixels wide

// Shared body of both Raptor states; only the lamp differs.
Canvas PaintRaptorBody() {
    Canvas c(50, 40);
    // The blue repellent plate pushed into the slot on top.
    c.FillRect(17, 0, 32, 6, BlueDark);
    c.FillRect(18, 1, 31, 6, Blue);
    c.FillRect(18, 1, 31, 1, BlueLight);
    c.FillRect(19, 2, 21, 3, BlueBright);

    // Housing with rounded corners, lit from the left.
    c.FillRect(10, 5, 39, 32, Ink);
    c.FillRect(9, 7, 40, 30, Ink);
    c.FillRect(11, 6, 38, 31, PlasticShade);
    c.FillRect(10, 8, 39, 29, PlasticShade);
    c.FillRect(11, 6, 33, 30, Plastic);
    c.FillRect(10, 8, 33, 28, Plastic);
    c.FillRect(12, 7, 14, 26, OffWhite);    // gloss along the left edge
    c.FillRect(16, 5, 33, 6, PlasticDark);  // slot lip

    // Green brand stripe with a crossed-out mosquito.
    c.FillRect(10, 10, 39, 15, LeafDark);
    c.FillRect(10, 11, 39, 14, Leaf);
    c.FillRect(13, 12, 25, 12, LeafBright);  // the brand's letters, seen from afar
    c.FillRect(13, 13, 22, 13, LeafLight);
    c.FillEllipse(32.0, 12.5, 2.6, 2.6, OffWhite);
    c.Line(30, 12, 34, 13, Ink);
    c.Line(30, 10, 34, 15, Red);

    // Lamp socket and vent slots.
    c.FillEllipse(24.5, 22.5, 3.6, 3.6, PlasticDark);
    for (int x = 14; x <= 35; x += 3) c.FillRect(x, 27, x + 1, 29, PlasticDark);

    // Plug prongs at the bottom.
    c.FillRect(17, 32, 19, 39, MetalDark);
    c.FillRect(17, 32, 18, 38, MetalLight);
    c.FillRect(30, 32, 32, 39, MetalDark);
    c.FillRect(30, 32, 31, 38, MetalLight);
    c.FillRect(15, 32, 34, 33, PlasticDark);
    return c;
}

}  // namespace

Canvas PaintRaptorOff() {
    Canvas c = PaintRaptorBody();
    c.FillEllipse(24.5, 22.5, 2.6, 2.6, LampOffEdge);
    c.FillEllipse(24.5, 22.3, 1.8, 1.6, LampOff);
    c.Set(23, 21, MakeRgb(150, 70, 66));
    return c;
}

Canvas PaintRaptorOn() {
    Canvas c = PaintRaptorBody();
    c.FillEllipse(24.5, 22.5, 3.6, 3.6, LampGlow);
    c.FillEllipse(24.5, 22.5, 2.6, 2.6, Red);
    c.FillEllipse(24.5, 22.3, 1.8, 1.6, LampOn);
    c.Dots({23, 21, 24, 21, 23, 22}, LampHot);
    return c;
}

// A green printed circuit board with a chip, gold traces and pads.
Canvas PaintCircuitBoard() {
    Canvas c(PickupSize, PickupSize, Board);
    c.FillRect(0, 0, 19, 0, BoardLight);
    c.FillRect(0, 0, 0, 19, BoardLight);
    c.FillRect(0, 19, 19, 19, BoardDark);
    c.FillRect(19, 0, 19, 19, BoardDark);
    // Traces.
    c.Line(2, 4, 6, 4, Gold);
    c.Line(2, 15, 6, 15, Gold);
    c.Line(13, 4, 17, 4, Gold);
    c.Line(13, 15, 17, 8, Gold);
    c.Line(3, 4, 3, 15, Gold);
    c.Line(16, 17, 9, 17, Gold);
    c.Line(9, 17, 9, 14, Gold);
    c.Dots({2, 4, 2, 15, 17, 4, 17, 8, 16, 17, 10, 2, 6, 17}, GoldLight);  // pads
    c.Line(10, 2, 10, 5, Gold);
    // The chip with its pins.
    for (int x = 7; x <= 12; x += 2) {
        c.Set(x, 5, MetalLight);
        c.Set(x, 13, MetalLight);
    }
    c.FillRect(6, 6, 13, 12, MetalDark);
    c.FillRect(7, 7, 12, 7, Metal);
    c.Set(7, 11, MetalLight);
    // A red component and a capacitor.
    c.FillRect(14, 10, 15, 12, Red);
    c.FillRect(4, 8, 5, 10, Blue);
    c.Set(4, 8, BlueLight);
    return c;
}

// An aerosol of mosquito repellent: red cap, green can, pale label.
Canvas PaintRepellent() {
    Canvas c(PickupSize, PickupSize);
    // clang-format off
    c.Draw(2, 0, {  // the can stands in the middle of the square
        "........kk..........",
        ".......kmMk.........",
        ".......kMMk.........",
        "......krrRrk........",
        ".....krrrRRrk.......",
        ".....kkkkkkkk.......",
        ".....kLMMMMmk.......",
        ".....kggGGgdk.......",
        ".....kgwwwwdk.......",
        ".....kgwrwrdk.......",
        ".....kgwwrwdk.......",
        ".....kgwrwrdk.......",
        ".....kgwwwwdk.......",
        ".....kggGGgdk.......",
        ".....kggGGgdk.......",
        ".....kggGGgdk.......",
        ".....kggGGgdk.......",
        ".....kLMMMMmk.......",
        ".....kkkkkkkk.......",
        "....................",
    }, {
        {'k', Ink}, {'m', MetalDark}, {'M', Metal}, {'L', MetalLight}, {'r', Red}, {'R', RedLight},
        {'g', Leaf}, {'G', LeafLight}, {'d', LeafDark}, {'w', OffWhite},
    });
    // clang-format on
    return c;
}

// A cut blue gem: flat table on top, pointed pavilion below.
Canvas PaintCrystal() {
    Canvas c(PickupSize, PickupSize);
    c.FillPolygon({5.5, 3.5, 14.5, 3.5, 18.5, 8.0, 10.0, 18.5, 1.5, 8.0}, BlueDark);
    c.FillPolygon({6.5, 4.5, 13.5, 4.5, 16.8, 7.8, 10.0, 16.5, 3.2, 7.8}, Blue);
    // Facets: lit crown on the left, shaded pavilion on the right.
    c.FillPolygon({6.5, 4.5, 10.0, 4.5, 8.0, 7.5, 3.2, 7.8}, BlueLight);
    c.FillPolygon({10.0, 4.5, 13.5, 4.5, 12.0, 7.5, 8.0, 7.5}, BlueBright);
    c.FillPolygon({3.2, 8.2, 8.0, 8.2, 10.0, 16.5}, BlueLight);
    c.FillPolygon({12.0, 8.2, 16.8, 8.2, 10.0, 16.5}, BlueDark);
    c.Line(3, 8, 17, 8, BlueBright);
    c.Dots({7, 5, 6, 6, 15, 2}, OffWhite);
    c.Dots({15, 1, 16, 2, 14, 2}, BlueBright);
    return c;
}

// A red tulip on a leafy stem.
Canvas PaintTulip() {
    Canvas c(PickupSize, PickupSize);
    c.Line(10, 10, 10, 19, Leaf);
    c.Line(11, 11, 11, 19, LeafDark);
    c.FillRotatedEllipse(6.5, 15.0, 4.5, 1.6, -0.9, Leaf);
    c.FillRotatedEllipse(14.5, 14.5, 4.5, 1.6, 0.9, LeafDark);
    c.Line(5, 17, 8, 13, LeafLight);
    c.FillEllipse(10.0, 7.0, 4.6, 4.4, RedDark);
    c.FillEllipse(10.0, 6.6, 3.8, 3.6, Red);
    // Three pointed petal tips across the top.
    c.FillPolygon({5.6, 6.0, 6.5, 1.0, 8.5, 4.0}, Red);
    c.FillPolygon({8.2, 4.0, 10.0, 0.5, 11.8, 4.0}, RedLight);
    c.FillPolygon({11.5, 4.0, 13.5, 1.0, 14.4, 6.0}, RedDark);
    c.Line(10, 4, 10, 9, RedDark);
    c.Dots({7, 5, 7, 6}, RedLight);
    return c;
}

// A ripe strawberry with seeds and a green calyx.
Canvas PaintStrawberry() {
    Canvas c(PickupSize, PickupSize);
    c.FillPolygon({2.5, 7.0, 17.5, 7.0, 15.0, 14.0, 10.0, 19.0, 5.0, 14.0}, RedDark);
    c.FillEllipse(10.0, 8.5, 7.5, 4.0, RedDark);
    c.FillPolygon({3.8, 7.5, 16.2, 7.5, 14.0, 13.5, 10.0, 17.5, 6.0, 13.5}, Red);
    c.FillEllipse(10.0, 8.8, 6.5, 3.2, Red);
    c.FillEllipse(6.8, 9.0, 1.6, 2.6, RedLight);
    c.Dots({9, 9, 13, 8, 12, 12, 8, 13, 10, 15, 14, 11, 6, 11, 11, 10}, GoldLight);  // seeds
    // clang-format off
    c.Draw(4, 1, {
        "....kk......",
        ".....gk.....",
        ".gGgggGgggg.",
        "ggdgGgGgdgg.",
        ".d..ddd..d..",
    }, {{'k', LeafDark}, {'g', Leaf}, {'G', LeafLight}, {'d', LeafDark}});
    // clang-format on
    return c;
}

// A gold coin stamped with a "1".
Canvas PaintCoin() {
    Canvas c(PickupSize, PickupSize);
    c.FillEllipse(9.5, 9.5, 8.6, 8.6, GoldDark);
    c.FillEllipse(9.0, 9.0, 7.6, 7.6, Gold);
    c.FillEllipse(9.5, 9.5, 6.0, 6.0, GoldDark);
    c.FillEllipse(9.3, 9.3, 5.4, 5.4, Gold);
    // clang-format off
    c.Draw(7, 5, {
        "..kl",
        ".kkl",
        "k.kl",
        "..kl",
        "..kl",
        "..kl",
        "..kl",
        ".kkk",
    }, {{'k', GoldDark}, {'l', GoldLight}});
    // clang-format on
    c.Dots({4, 4, 5, 3, 3, 5, 6, 3}, GoldLight);
    return c;
}
