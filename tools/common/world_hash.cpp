// world_hash.cpp -- FNV-1a over the world record, one field at a time.
//
// The record is never hashed as raw memory: the padding between fields is
// not part of the game and may hold anything.
#include "tools/common/world_hash.h"

#include <bit>
#include <cstdio>

#include "game/world.h"

namespace {

class Fnv1a {
public:
    void Byte(uint8_t b) {
        hash_ ^= b;
        hash_ *= 0x100000001B3ull;
    }
    void U8(uint8_t v) { Byte(v); }
    void U32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) Byte(uint8_t(v >> shift));
    }
    void I32(int32_t v) { U32(uint32_t(v)); }
    void F32(float v) { U32(std::bit_cast<uint32_t>(v)); }
    void Bytes(const std::string& s) {
        U32(uint32_t(s.size()));
        for (char c : s) Byte(uint8_t(c));
    }
    uint64_t Value() const { return hash_; }

private:
    uint64_t hash_ = 0xCBF29CE484222325ull;
};

void HashBindings(Fnv1a& h, const KeyBindings& k) {
    h.I32(k.up);
    h.I32(k.down);
    h.I32(k.left);
    h.I32(k.right);
    h.I32(k.fire);
    h.I32(k.jump);
}

void HashPlayer(Fnv1a& h, const PlayerState& p) {
    h.I32(p.x);
    h.I32(p.y);
    h.I32(p.facing);
    h.I32(p.moveDir);
    h.I32(p.aimDir);
    h.F32(p.aimAngle);
    h.U8(p.walkFrame);
    h.U8(p.jumpTicksLeft);
    h.U8(p.onGround);
    h.U8(p.blocked);
    h.U8(p.headBump);
    h.U8(p.fireState);
    h.U8(p.rounds);
    h.U8(p.spareMagazines);
    h.U8(p.fireSoundCountdown);
    h.U8(p.health);
    h.U8(p.invulnerableTicks);
    h.U8(p.damageTint);
}

// Platforms, decorations and pickups share one shape: position and kind.
template <typename Table>
void HashPlacedKinds(Fnv1a& h, const Table& table) {
    for (const auto& e : table) {
        h.I32(e.x);
        h.I32(e.y);
        h.U8(e.type);
    }
}

void HashTables(Fnv1a& h, const GameWorld& w) {
    HashPlacedKinds(h, w.platforms);
    HashPlacedKinds(h, w.decorations);
    HashPlacedKinds(h, w.pickups);
    for (const Nest& n : w.nests) {
        h.I32(n.x);
        h.I32(n.y);
        h.U8(n.spawnTimer);
    }
    for (const Mosquito& m : w.mosquitoes) {
        h.I32(m.x);
        h.I32(m.y);
        h.U8(m.alive);
        h.I32(m.dir);
        h.F32(m.heading);
        h.U8(m.chasing);
    }
    for (const Bullet& b : w.bullets) {
        h.I32(b.x);
        h.I32(b.y);
        h.F32(b.angle);
        h.U8(b.active);
        h.I32(b.facing);
    }
    for (const ScorePopup& s : w.scorePopups) {
        h.I32(s.x);
        h.I32(s.y);
        h.U8(s.ttl);
        h.I32(s.value);
    }
}

}  // namespace

uint64_t WorldHash(const GameWorld& w) {
    Fnv1a h;
    h.U8(w.soundOn);
    HashBindings(h, w.keyBindings);
    h.U8(w.levelNumber);
    h.U8(w.gameRunning);
    h.U8(w.newGameRequested);
    h.U8(w.tickCounter);
    h.I32(w.cameraLeft);
    h.I32(w.cameraTop);
    h.U8(w.raptorOnScreen);
    h.I32(w.score);
    h.U8(w.deathCode);
    h.I32(w.deathPlaneY);
    h.Bytes(w.playerName);
    h.U8(w.stopPending);
    h.U8(w.keyPressCounter);
    h.U8(w.selectedAction);

    HashTables(h, w);
    h.I32(w.goal.x);
    h.I32(w.goal.y);
    h.I32(w.fallingMagazine.x);
    h.I32(w.fallingMagazine.y);
    h.U8(w.fallingMagazine.active);
    HashPlayer(h, w.player);

    h.U32(uint32_t(w.frameBuffer.pixels.size()));
    for (uint32_t pixel : w.frameBuffer.pixels) h.U32(pixel);
    return h.Value();
}

std::string FormatWorldHash(uint64_t hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}
