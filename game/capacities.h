// capacities.h -- how many of each thing the world's fixed tables hold.
#pragma once

constexpr int MaxPlatforms = 200;
constexpr int MaxDecorations = 100;
constexpr int MaxPickups = 100;
constexpr int MaxNests = 30;
constexpr int MaxMosquitoes = 100;
constexpr int MaxBullets = 100;
constexpr int MaxScorePopups = 10;

// Sprite draws a tick can make: every decoration, platform, pickup, nest
// and mosquito once, the exit, the falling magazine and the soldier's four
// pieces (bullets are not drawn).
constexpr int MaxHeldDraws = MaxDecorations + MaxPlatforms + MaxPickups + MaxNests + MaxMosquitoes +
                             1 + 1 + 4;

// Boxes of changed tiles a presentation passes to the view; a frame whose
// changes make more is presented whole.
constexpr int MaxPresentBoxes = 256;

// Rows of tiles a frame remembers as partly hidden under later draws; a draw
// past them is made whole.
constexpr int MaxHiddenTileRows = 2048;

// Pairs of (tile, draw) an untinted frame lists to find the tiles that stay
// the same; a frame with more is laid as if it were tinted.
constexpr int MaxTileDraws = 32768;
