// world_hash_test.cpp -- the world fingerprint sees every field and nothing else.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <set>

#include "game/world.h"
#include "tools/common/world_hash.h"

namespace {

using Change = std::function<void(GameWorld&)>;

// One change per field of the record, the last slot of each table included.
std::vector<std::pair<const char*, Change>> FieldChanges() {
    return {
        {"soundOn", [](GameWorld& w) { w.soundOn = 0; }},
        {"keyBindings.up", [](GameWorld& w) { w.keyBindings.up = 1; }},
        {"keyBindings.down", [](GameWorld& w) { w.keyBindings.down = 1; }},
        {"keyBindings.left", [](GameWorld& w) { w.keyBindings.left = 1; }},
        {"keyBindings.right", [](GameWorld& w) { w.keyBindings.right = 1; }},
        {"keyBindings.fire", [](GameWorld& w) { w.keyBindings.fire = 1; }},
        {"keyBindings.jump", [](GameWorld& w) { w.keyBindings.jump = 1; }},
        {"levelNumber", [](GameWorld& w) { w.levelNumber = 2; }},
        {"gameRunning", [](GameWorld& w) { w.gameRunning = 0; }},
        {"newGameRequested", [](GameWorld& w) { w.newGameRequested = 1; }},
        {"tickCounter", [](GameWorld& w) { w.tickCounter = 255; }},
        {"cameraLeft", [](GameWorld& w) { w.cameraLeft = -1; }},
        {"cameraTop", [](GameWorld& w) { w.cameraTop = 1; }},
        {"raptorOnScreen", [](GameWorld& w) { w.raptorOnScreen = 1; }},
        {"score", [](GameWorld& w) { w.score = 500; }},
        {"deathCode", [](GameWorld& w) { w.deathCode = DeathFell; }},
        {"deathPlaneY", [](GameWorld& w) { w.deathPlaneY = 900; }},
        {"playerName", [](GameWorld& w) { w.playerName = "a"; }},
        {"playerName zero byte", [](GameWorld& w) { w.playerName = std::string(1, '\0'); }},
        {"stopPending", [](GameWorld& w) { w.stopPending = 1; }},
        {"keyPressCounter", [](GameWorld& w) { w.keyPressCounter = 1; }},
        {"selectedAction", [](GameWorld& w) { w.selectedAction = 5; }},
        {"platform.x", [](GameWorld& w) { w.platforms.back().x = 1; }},
        {"platform.y", [](GameWorld& w) { w.platforms.back().y = 1; }},
        {"platform.type", [](GameWorld& w) { w.platforms.back().type = 1; }},
        {"decoration.x", [](GameWorld& w) { w.decorations.back().x = 1; }},
        {"decoration.y", [](GameWorld& w) { w.decorations.back().y = 1; }},
        {"decoration.type", [](GameWorld& w) { w.decorations.back().type = 1; }},
        {"pickup.x", [](GameWorld& w) { w.pickups.back().x = 1; }},
        {"pickup.y", [](GameWorld& w) { w.pickups.back().y = 1; }},
        {"pickup.type", [](GameWorld& w) { w.pickups.back().type = 1; }},
        {"nest.x", [](GameWorld& w) { w.nests.back().x = 1; }},
        {"nest.y", [](GameWorld& w) { w.nests.back().y = 1; }},
        {"nest.spawnTimer", [](GameWorld& w) { w.nests.back().spawnTimer = 1; }},
        {"mosquito.x", [](GameWorld& w) { w.mosquitoes.back().x = 1; }},
        {"mosquito.y", [](GameWorld& w) { w.mosquitoes.back().y = 1; }},
        {"mosquito.alive", [](GameWorld& w) { w.mosquitoes.back().alive = 1; }},
        {"mosquito.dir", [](GameWorld& w) { w.mosquitoes.back().dir = 1; }},
        {"mosquito.heading", [](GameWorld& w) { w.mosquitoes.back().heading = 1.5f; }},
        {"mosquito.heading -0", [](GameWorld& w) { w.mosquitoes.back().heading = -0.0f; }},
        {"mosquito.chasing", [](GameWorld& w) { w.mosquitoes.back().chasing = 1; }},
        {"bullet.x", [](GameWorld& w) { w.bullets.back().x = 1; }},
        {"bullet.y", [](GameWorld& w) { w.bullets.back().y = 1; }},
        {"bullet.angle", [](GameWorld& w) { w.bullets.back().angle = 0.25f; }},
        {"bullet.active", [](GameWorld& w) { w.bullets.back().active = 1; }},
        {"bullet.facing", [](GameWorld& w) { w.bullets.back().facing = -1; }},
        {"scorePopup.x", [](GameWorld& w) { w.scorePopups.back().x = 1; }},
        {"scorePopup.y", [](GameWorld& w) { w.scorePopups.back().y = 1; }},
        {"scorePopup.ttl", [](GameWorld& w) { w.scorePopups.back().ttl = 1; }},
        {"scorePopup.value", [](GameWorld& w) { w.scorePopups.back().value = 1; }},
        {"goal.x", [](GameWorld& w) { w.goal.x = 1; }},
        {"goal.y", [](GameWorld& w) { w.goal.y = 1; }},
        {"fallingMagazine.x", [](GameWorld& w) { w.fallingMagazine.x = 1; }},
        {"fallingMagazine.y", [](GameWorld& w) { w.fallingMagazine.y = 1; }},
        {"fallingMagazine.active", [](GameWorld& w) { w.fallingMagazine.active = 1; }},
        {"player.x", [](GameWorld& w) { w.player.x = 1; }},
        {"player.y", [](GameWorld& w) { w.player.y = 1; }},
        {"player.facing", [](GameWorld& w) { w.player.facing = 1; }},
        {"player.moveDir", [](GameWorld& w) { w.player.moveDir = 1; }},
        {"player.aimDir", [](GameWorld& w) { w.player.aimDir = 1; }},
        {"player.aimAngle", [](GameWorld& w) { w.player.aimAngle = 0.1f; }},
        {"player.walkFrame", [](GameWorld& w) { w.player.walkFrame = 1; }},
        {"player.jumpTicksLeft", [](GameWorld& w) { w.player.jumpTicksLeft = 1; }},
        {"player.onGround", [](GameWorld& w) { w.player.onGround = 1; }},
        {"player.blocked", [](GameWorld& w) { w.player.blocked = 1; }},
        {"player.headBump", [](GameWorld& w) { w.player.headBump = 1; }},
        {"player.fireState", [](GameWorld& w) { w.player.fireState = 1; }},
        {"player.rounds", [](GameWorld& w) { w.player.rounds = 1; }},
        {"player.spareMagazines", [](GameWorld& w) { w.player.spareMagazines = 1; }},
        {"player.fireSoundCountdown", [](GameWorld& w) { w.player.fireSoundCountdown = 1; }},
        {"player.health", [](GameWorld& w) { w.player.health = 1; }},
        {"player.invulnerableTicks", [](GameWorld& w) { w.player.invulnerableTicks = 1; }},
        {"player.damageTint", [](GameWorld& w) { w.player.damageTint = 1; }},
        {"frame first pixel", [](GameWorld& w) { w.frameBuffer.pixels.front() = 1; }},
        {"frame last pixel", [](GameWorld& w) { w.frameBuffer.at(FrameWidth - 1, FrameHeight - 1) = 1; }},
    };
}

TEST(WorldHash, EveryFieldChangesIt) {
    auto base = std::make_unique<GameWorld>();
    const uint64_t baseHash = WorldHash(*base);
    EXPECT_EQ(WorldHash(*std::make_unique<GameWorld>()), baseHash);

    std::set<uint64_t> seen{baseHash};
    for (const auto& [name, change] : FieldChanges()) {
        auto world = std::make_unique<GameWorld>();
        change(*world);
        const uint64_t hash = WorldHash(*world);
        EXPECT_NE(hash, baseHash) << name << " is not covered";
        EXPECT_TRUE(seen.insert(hash).second) << name << " collides with another field";
    }
}

// Padding bytes between fields hold whatever the memory held before.
TEST(WorldHash, IgnoresPaddingBytes) {
    alignas(GameWorld) static unsigned char zeroed[sizeof(GameWorld)];
    alignas(GameWorld) static unsigned char filled[sizeof(GameWorld)];
    std::memset(zeroed, 0x00, sizeof zeroed);
    std::memset(filled, 0xA5, sizeof filled);
    GameWorld* a = new (zeroed) GameWorld();
    GameWorld* b = new (filled) GameWorld();
    a->mosquitoes[3].alive = b->mosquitoes[3].alive = 1;
    a->player.health = b->player.health = 100;
    EXPECT_EQ(WorldHash(*a), WorldHash(*b));
    a->~GameWorld();
    b->~GameWorld();
}

TEST(WorldHash, PrintsSixteenHexDigits) {
    EXPECT_EQ(FormatWorldHash(0), "0000000000000000");
    EXPECT_EQ(FormatWorldHash(0x1234ABCDull), "000000001234abcd");
    EXPECT_EQ(FormatWorldHash(UINT64_MAX), "ffffffffffffffff");
}

// A tripwire: when a record gains a field its size changes, and the new
// field must be added to WorldHash (and to FieldChanges above) before this
// size is updated.
TEST(WorldHash, RecordLayoutIsTheOneHashed) {
    EXPECT_EQ(sizeof(KeyBindings), 24u);
    EXPECT_EQ(sizeof(Platform), 12u);
    EXPECT_EQ(sizeof(Decoration), 12u);
    EXPECT_EQ(sizeof(Pickup), 12u);
    EXPECT_EQ(sizeof(Nest), 12u);
    EXPECT_EQ(sizeof(Goal), 8u);
    EXPECT_EQ(sizeof(Mosquito), 24u);
    EXPECT_EQ(sizeof(Bullet), 20u);
    EXPECT_EQ(sizeof(ScorePopup), 16u);
    EXPECT_EQ(sizeof(FallingMagazine), 12u);
    EXPECT_EQ(sizeof(PlayerState), 36u);
}

}  // namespace
