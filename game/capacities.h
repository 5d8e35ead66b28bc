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
// pieces (bullets are not drawn). The renderer's list must hold them all.
constexpr int MaxDrawsPerTick = MaxDecorations + MaxPlatforms + MaxPickups + MaxNests + MaxMosquitoes +
                                1 + 1 + 4;
