// world.h -- the one record that holds every piece of a game's state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/capacities.h"
#include "render/numeric.h"
#include "input/key_bindings.h"
#include "render/canvas.h"
#include "render/frame_buffer.h"

// ---------------------------------------------------------------------------
// Fixed numbers of the game. Every capacity lives in game/capacities.h.
// ---------------------------------------------------------------------------
constexpr uint8_t JumpLength = 12;       // rising ticks of one jump
constexpr int32_t MosquitoSpawnDir = 1;  // every spawned mosquito faces right

constexpr int LevelCount = 6;
constexpr int BestNameLength = 20;  // bytes of the stored best player's name

// Why a game ends.
enum DeathCode : uint8_t {
    DeathNone = 0,
    DeathAtNest = 1,  // health ran out standing in a nest
    DeathBitten = 2,  // health ran out from mosquito bites
    DeathFell = 3,    // fell below the death plane
};

// Platform kinds (Platform::type). Any other value is an empty slot.
enum PlatformType : uint8_t {
    PlatformNone = 0,
    PlatformLedge = 1,      // 120 x 30 grass-topped ledge
    PlatformBlock = 2,      // 100 x 100 stone block
    PlatformRaptorOff = 3,  // repellent device, not yet switched on
    PlatformRaptorOn = 4,   // repellent device, red lamp lit
};

// ---------------------------------------------------------------------------
// Records. Every table slot carries its own presence field; 0 means empty.
// All positions are level pixels, x to the right, y downwards.
// ---------------------------------------------------------------------------
struct Platform {
    int32_t x = 0, y = 0;  // top-left corner of the sprite
    uint8_t type = 0;      // PlatformType; presence
};

struct Decoration {
    int32_t x = 0, y = 0;  // top-left corner of the sprite
    uint8_t type = 0;      // 1..7 select the sprite; presence
};

struct Pickup {
    int32_t x = 0, y = 0;  // top-left corner of the 20 x 20 sprite
    uint8_t type = 0;      // 1..6 kind; 0 empty or collected; presence
};

struct Nest {
    int32_t x = 0, y = 0;    // top-left corner of the 50 x 50 sprite
    uint8_t spawnTimer = 0;  // ticks towards the next release; 0 empty slot
};

struct Goal {
    int32_t x = 0, y = 0;  // top-left corner of the 50 x 50 exit sprite
};

struct Mosquito {
    int32_t x = 0, y = 0;  // pivot of the rotated sprite
    uint8_t alive = 0;     // nonzero alive; presence
    int32_t dir = 0;       // -1 left, +1 right, 0 undecided until drawn
    float heading = 0.0f;  // rad from straight down: 0 down, pi/2 level, pi up
    uint8_t chasing = 0;   // 1 while it has a clear path to the soldier
};

struct Bullet {
    int32_t x = 0, y = 0;
    float angle = 0.0f;  // rad, copied from the aim angle at the shot
    uint8_t active = 0;  // presence
    int32_t facing = 0;  // soldier's facing at the shot, -1 or 1
};

struct ScorePopup {
    int32_t x = 0, y = 0;  // where the text is drawn, level space
    uint8_t ttl = 0;       // ticks of display left; 0 free slot
    int32_t value = 0;     // points shown
};

struct FallingMagazine {
    int32_t x = 0, y = 0;  // top-left of the 7 x 7 sprite
    uint8_t active = 0;
};

struct PlayerState {
    int32_t x = 0;              // px, point between the feet
    int32_t y = 0;              // px, the soles
    int32_t facing = 0;         // -1 left, 1 right
    int32_t moveDir = 0;        // -1, 0, 1 requested by the move keys
    int32_t aimDir = 0;         // -1 down, 0, 1 up requested by the aim keys
    float aimAngle = 0.0f;      // rad; 0 level, positive raises the muzzle
    uint8_t walkFrame = 0;      // leg phase, 0 or 1
    uint8_t jumpTicksLeft = 0;  // rising ticks left in the current jump
    uint8_t onGround = 0;       // contact flags, set by the platform pass,
    uint8_t blocked = 0;        //   cleared at the end of the player step
    uint8_t headBump = 0;
    uint8_t fireState = 0;           // 0 idle, 1-2 firing, 3-15 reloading, 6 empty
    uint8_t rounds = 0;              // rounds in the magazine, at most 30
    uint8_t spareMagazines = 0;      // full magazines carried, at most 10
    uint8_t fireSoundCountdown = 0;  // ticks to the idle stop of the firing sound
    uint8_t health = 0;              // 0..100
    uint8_t invulnerableTicks = 0;   // ticks of protection left
    uint8_t damageTint = 0;          // strength of the red tint, 0..255
};

// ---------------------------------------------------------------------------
// The world. Created with these initial values; a test owns a fresh one.
// ---------------------------------------------------------------------------
struct GameWorld {
    uint8_t soundOn = 1;
    KeyBindings keyBindings;
    uint8_t levelNumber = 1;  // 1..6; 7 after the victory
    uint8_t gameRunning = 1;
    uint8_t newGameRequested = 0;
    uint8_t tickCounter = 0;     // wraps 255 -> 0 after every tick
    int32_t cameraLeft = 0;      // level x at the frame's left edge
    int32_t cameraTop = 0;       // level y at the frame's top edge
    uint8_t raptorOnScreen = 0;  // a lit repellent device is in view
    int32_t score = 0;
    uint8_t deathCode = DeathNone;  // DeathCode
    int32_t deathPlaneY = 0;        // below this y a falling soldier dies
    std::string playerName;         // Windows-1251 bytes, at most 20
    uint8_t stopPending = 0;        // a firing-sound stop is scheduled
    uint8_t keyPressCounter = 0;    // key-downs seen with every key bound
    uint8_t selectedAction = 0;     // slot the key-capture dialog will set

    std::array<Platform, MaxPlatforms> platforms{};
    std::array<Decoration, MaxDecorations> decorations{};
    std::array<Pickup, MaxPickups> pickups{};
    std::array<Nest, MaxNests> nests{};
    std::array<Mosquito, MaxMosquitoes> mosquitoes{};
    std::array<Bullet, MaxBullets> bullets{};
    std::array<ScorePopup, MaxScorePopups> scorePopups{};
    Goal goal{};
    FallingMagazine fallingMagazine{};
    PlayerState player{};

    FrameBuffer frameBuffer;  // the picture; the view's renderer makes it from the step's draws
};

// The frame's draws, seen through the world's camera as it stands now.
inline Canvas WorldCanvas(const GameWorld& world, DrawList& draws) {
    return {draws, world.cameraLeft, world.cameraTop};
}

// True when (x, y) lies strictly inside the view of the current camera: the
// frame's edge rows and columns do not count. Wraps like the blitters do.
inline bool OnScreenStrict(const GameWorld& world, int32_t x, int32_t y) {
    const int32_t sx = SubWrap(x, world.cameraLeft);
    const int32_t sy = SubWrap(y, world.cameraTop);
    return 0 < sx && sx < FrameWidth && 0 < sy && sy < FrameHeight;
}
