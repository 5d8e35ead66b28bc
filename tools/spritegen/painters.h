// painters.h -- one function per game bitmap, and the colours they share.
#pragma once

#include "tools/spritegen/canvas.h"

// The swamp palette: every indexed sprite draws from these families so the
// pieces look like one world.
namespace swamp {
constexpr Rgb Ink = MakeRgb(28, 30, 22);          // outlines
constexpr Rgb OffWhite = MakeRgb(244, 244, 236);  // white-looking details (never the key)

constexpr Rgb KhakiDark = MakeRgb(70, 78, 40);
constexpr Rgb Khaki = MakeRgb(104, 114, 60);
constexpr Rgb KhakiLight = MakeRgb(142, 150, 86);
constexpr Rgb Skin = MakeRgb(228, 178, 132);
constexpr Rgb SkinShade = MakeRgb(182, 126, 90);
constexpr Rgb Boot = MakeRgb(58, 40, 28);
constexpr Rgb BootLight = MakeRgb(96, 70, 46);

constexpr Rgb MetalDark = MakeRgb(44, 46, 52);
constexpr Rgb Metal = MakeRgb(88, 92, 100);
constexpr Rgb MetalLight = MakeRgb(154, 158, 166);
constexpr Rgb WoodDark = MakeRgb(98, 58, 30);
constexpr Rgb Wood = MakeRgb(148, 96, 50);
constexpr Rgb WoodLight = MakeRgb(192, 142, 84);

constexpr Rgb FlashWhite = MakeRgb(255, 252, 214);
constexpr Rgb FlashYellow = MakeRgb(255, 222, 90);
constexpr Rgb FlashOrange = MakeRgb(246, 140, 30);

constexpr Rgb LeafDark = MakeRgb(26, 74, 30);
constexpr Rgb Leaf = MakeRgb(48, 118, 40);
constexpr Rgb LeafLight = MakeRgb(96, 166, 58);
constexpr Rgb LeafBright = MakeRgb(152, 204, 84);
constexpr Rgb EarthDark = MakeRgb(66, 42, 24);
constexpr Rgb Earth = MakeRgb(108, 72, 40);
constexpr Rgb EarthLight = MakeRgb(146, 104, 62);
constexpr Rgb BarkDark = MakeRgb(60, 40, 26);
constexpr Rgb Bark = MakeRgb(96, 66, 40);
constexpr Rgb BarkLight = MakeRgb(136, 98, 62);

constexpr Rgb StoneDark = MakeRgb(62, 64, 70);
constexpr Rgb Stone = MakeRgb(110, 112, 118);
constexpr Rgb StoneLight = MakeRgb(154, 156, 160);
constexpr Rgb StoneBright = MakeRgb(192, 194, 196);

constexpr Rgb RedDark = MakeRgb(128, 14, 20);
constexpr Rgb Red = MakeRgb(204, 32, 32);
constexpr Rgb RedLight = MakeRgb(246, 96, 84);
constexpr Rgb GoldDark = MakeRgb(150, 96, 16);
constexpr Rgb Gold = MakeRgb(226, 170, 36);
constexpr Rgb GoldLight = MakeRgb(255, 226, 110);
constexpr Rgb BlueDark = MakeRgb(24, 48, 140);
constexpr Rgb Blue = MakeRgb(46, 100, 214);
constexpr Rgb BlueLight = MakeRgb(110, 170, 250);
constexpr Rgb BlueBright = MakeRgb(196, 228, 255);

constexpr Rgb WaterDeep = MakeRgb(24, 46, 36);
constexpr Rgb Water = MakeRgb(40, 70, 50);
constexpr Rgb WaterLight = MakeRgb(66, 100, 66);
constexpr Rgb WaterGlint = MakeRgb(126, 156, 112);

// The devices: a printed circuit board and the Raptor's plastic and lamp.
constexpr Rgb BoardDark = MakeRgb(16, 70, 34);
constexpr Rgb Board = MakeRgb(28, 112, 54);
constexpr Rgb BoardLight = MakeRgb(70, 150, 84);
constexpr Rgb PlasticDark = MakeRgb(140, 140, 128);
constexpr Rgb PlasticShade = MakeRgb(196, 196, 184);
constexpr Rgb Plastic = MakeRgb(232, 232, 222);
constexpr Rgb LampOffEdge = MakeRgb(60, 22, 20);
constexpr Rgb LampOff = MakeRgb(98, 32, 30);
constexpr Rgb LampOn = MakeRgb(255, 52, 40);
constexpr Rgb LampHot = MakeRgb(255, 196, 170);
constexpr Rgb LampGlow = MakeRgb(250, 168, 150);
}  // namespace swamp

// The soldier and his rifle.
Canvas PaintLegsTogether();  // 131
Canvas PaintLegsStride();    // 132
Canvas PaintTorso();         // 133
Canvas PaintHead();          // 134
Canvas PaintRifle();         // 135
Canvas PaintRifleFlash();    // 136
Canvas PaintMagazine();      // 138
Canvas PaintRifleHalfOut();  // 139
Canvas PaintRifleEmpty();    // 140

// Creatures and their nest.
Canvas PaintMosquitoWingsUp();    // 145
Canvas PaintMosquitoWingsDown();  // 166
Canvas PaintNest();               // 159

// Pickups and the Raptor device.
Canvas PaintCircuitBoard();  // 150
Canvas PaintRepellent();     // 151
Canvas PaintCrystal();       // 152
Canvas PaintTulip();         // 153
Canvas PaintStrawberry();    // 167
Canvas PaintCoin();          // 168
Canvas PaintRaptorOff();     // 169
Canvas PaintRaptorOn();      // 170

// Landscape: platforms, goal, decorations and the sky.
Canvas PaintLedge();         // 137
Canvas PaintBlock();         // 156
Canvas PaintGoal();          // 158
Canvas PaintFlower();        // 148
Canvas PaintShrub();         // 149
Canvas PaintConifer();       // 160
Canvas PaintBulrush();       // 161
Canvas PaintBackground();    // 162
Canvas PaintVine();          // 163
Canvas PaintHangingVines();  // 164
Canvas PaintTree();          // 165
