// rules.h -- the shapes and numbers of the rules: sizes, contact boxes, points.
//
// Every box the soldier, the swarm and the bullets test against, and every
// size a rule shares with a picture, is written here once. The sprite
// catalogue takes its sizes from this file, so a picture and the box that
// stands for it cannot drift apart.
#pragma once

#include <cstdint>

// Width and height of an object's sprite, px.
struct SpriteSize {
    int32_t width, height;
};

constexpr SpriteSize LedgeSize = {120, 30};   // platform type 1
constexpr SpriteSize BlockSize = {100, 100};  // platform type 2
constexpr SpriteSize RaptorSize = {50, 40};   // platform types 3 and 4
constexpr SpriteSize PickupSize = {20, 20};   // every pickup kind
constexpr SpriteSize NestSize = {50, 50};
constexpr SpriteSize GoalSize = {50, 50};
constexpr SpriteSize MosquitoSize = {50, 25};  // unrotated, facing right
constexpr SpriteSize MagazineSize = {7, 7};    // the falling magazine

// An inclusive box relative to an object's reference point, px.
struct Box {
    int32_t left, top, right, bottom;
};

// ---------------------------------------------------------------------------
// The soldier against the platforms. Probe points are taken from his soles.
// ---------------------------------------------------------------------------
constexpr int32_t HeadHeight = 50;  // px, head probe above the soles
constexpr int32_t WallReach = 20;   // px ahead in the facing direction
constexpr int32_t LowWallRise = 1;  // px, lower wall probe above the soles

// How one kind of platform touches the soldier; boxes from its top-left.
struct ContactShape {
    Box feet;              // soles inside -> standing
    Box head;              // head inside -> the jump ends
    Box wall;              // a wall probe inside -> pushed back
    int32_t highWallRise;  // px, height of the upper wall probe above the soles
};

// Ledges offer the same band to every probe; blocks are solid from the top.
constexpr ContactShape LedgeContact = {{0, 10, 120, 30}, {0, 10, 120, 30}, {0, 10, 120, 30}, 21};
constexpr ContactShape BlockContact = {{0, 0, 100, 100}, {0, -1, 100, 101}, {0, 10, 100, 100}, 30};

constexpr int32_t WalkStep = 10;  // px per tick
constexpr int32_t PushBack = 10;  // px, away from a wall
constexpr int32_t JumpRise = 20;  // px per rising tick
constexpr int32_t Gravity = 10;   // px per tick

// The pit: a falling soldier dies below the lowest platform slot plus this.
constexpr int32_t DeathPlaneMargin = 100;  // px

// The exit is reached when this point above the soles is in its square.
constexpr int32_t GoalProbeRise = 30;  // px
constexpr Box GoalBox = {0, 0, GoalSize.width, GoalSize.height};

// ---------------------------------------------------------------------------
// The swarm and the bullets against the platforms.
// ---------------------------------------------------------------------------
// Ledges and blocks are solid to mosquitoes over their whole sprite; the
// repellent devices are not solid at all.
constexpr Box MosquitoLedgeBox = {0, 0, LedgeSize.width, LedgeSize.height};
constexpr Box MosquitoBlockBox = {0, 0, BlockSize.width, BlockSize.height};

// Every platform kind stops bullets in a ledge's box at its top-left corner:
// a block's lower part lets them through, the devices do not.
constexpr Box BulletStopBox = {0, 0, LedgeSize.width, LedgeSize.height};

// A bullet hits a mosquito in its unrotated sprite, mirrored by its sense.
constexpr SpriteSize MosquitoHitSize = MosquitoSize;

// ---------------------------------------------------------------------------
// The rifle, health and points.
// ---------------------------------------------------------------------------
constexpr uint8_t MagazineRounds = 30;         // rounds in a full magazine
constexpr uint8_t SpareMagazinesAtStart = 10;  // full magazines carried at a start
constexpr uint8_t FullHealth = 100;

constexpr int32_t MosquitoKillPoints = 500;  // shot, or cleared by a lit device

constexpr int PickupKindCount = 6;
// Points of pickup kinds 1..6 (circuit, crystal, tulip, coin, repellent,
// strawberry), at index kind - 1.
constexpr int32_t PickupPoints[PickupKindCount] = {100, 250, 1000, 301, 57, 699};
constexpr uint8_t PickupRepellent = 5;  // the kind that also protects
