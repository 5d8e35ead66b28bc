// sprite_id.h -- the numbers that name every bitmap the game draws.
#pragma once

#include <cstdint>

// Bitmap resource ids. The numbers are the game's own and name the files
// resources/sprites/<id>.bmp.
enum SpriteId : uint16_t {
    SpriteLegsTogether = 131,  // 9 x 21, walkFrame 1
    SpriteLegsStride = 132,    // 18 x 21, walkFrame 0
    SpriteTorso = 133,         // 9 x 16
    SpriteHead = 134,          // 9 x 7
    SpriteRifle = 135,         // 35 x 13, magazine in
    SpriteRifleFlash = 136,    // 38 x 13, muzzle flash
    SpriteLedge = 137,         // 120 x 30, platform type 1
    SpriteMagazine = 138,      // 7 x 7, falling magazine and HUD icon
    SpriteRifleHalfOut = 139,  // 35 x 13, never drawn
    SpriteRifleEmpty = 140,    // 35 x 13, magazine out
    SpriteMosquitoA = 145,     // 50 x 25, even ticks
    SpriteFlower = 148,        // 37 x 40, decoration 1
    SpriteShrub = 149,         // 48 x 39, decoration 2
    SpriteCircuitBoard = 150,  // 20 x 20, pickup 1
    SpriteRepellent = 151,     // 20 x 20, pickup 5
    SpriteCrystal = 152,       // 20 x 20, pickup 2
    SpriteTulip = 153,         // 20 x 20, pickup 3
    SpriteBlock = 156,         // 100 x 100, platform type 2
    SpriteGoal = 158,          // 50 x 50
    SpriteNest = 159,          // 50 x 50
    SpriteConifer = 160,       // 50 x 100, decoration 3
    SpriteBulrush = 161,       // 10 x 40, decoration 4
    SpriteBackground = 162,    // 800 x 523, only the top 500 rows are shown
    SpriteVine = 163,          // 30 x 82, decoration 5
    SpriteHangingVines = 164,  // 114 x 77, decoration 6
    SpriteTree = 165,          // 143 x 286, decoration 7
    SpriteMosquitoB = 166,     // 50 x 25, odd ticks
    SpriteStrawberry = 167,    // 20 x 20, pickup 6
    SpriteCoin = 168,          // 20 x 20, pickup 4
    SpriteRaptorOff = 169,     // 50 x 40, platform type 3
    SpriteRaptorOn = 170,      // 50 x 40, platform type 4
};
