// level_record.cpp -- the level record's bytes, little-endian and packed, in file order.
#include "game/level_record.h"

#include <cstddef>

#include "game/byte_stream.h"

namespace {

// Kind byte first, then x and y: the order of every element entry.
template <size_t N>
void WriteElements(ByteWriter& w, const std::array<ElementEntry, N>& slots) {
    for (const ElementEntry& e : slots) {
        w.Byte(e.kind);
        w.Int32(e.x);
        w.Int32(e.y);
    }
}

template <size_t N>
void ReadElements(ByteReader& r, std::array<ElementEntry, N>& slots) {
    for (ElementEntry& e : slots) {
        e.kind = r.Byte();
        e.x = r.Int32();
        e.y = r.Int32();
    }
}

template <typename Element, size_t N, typename KindField>
void PlaceElements(const std::array<ElementEntry, N>& entries, std::array<Element, N>& slots,
                   KindField kind) {
    for (size_t i = 0; i < N; ++i) {
        slots[i].*kind = entries[i].kind;
        slots[i].x = entries[i].x;
        slots[i].y = entries[i].y;
    }
}

}  // namespace

void EncodeLevel(const LevelRecord& level, std::span<uint8_t, LevelRecordSize> out) {
    ByteWriter w(out);
    w.Int32(level.startX);
    w.Int32(level.startY);
    w.Int32(level.facing);
    WriteElements(w, level.platforms);
    WriteElements(w, level.decorations);
    WriteElements(w, level.pickups);
    WriteElements(w, level.nests);
    for (const MosquitoEntry& m : level.mosquitoes) {
        w.Byte(m.alive);
        w.Int32(m.dir);
        w.Int32(m.x);
        w.Int32(m.y);
    }
    w.Int32(level.goalX);
    w.Int32(level.goalY);
}

LevelRecord DecodeLevel(std::span<const uint8_t, LevelRecordSize> in) {
    LevelRecord level;
    ByteReader r(in);
    level.startX = r.Int32();
    level.startY = r.Int32();
    level.facing = r.Int32();
    ReadElements(r, level.platforms);
    ReadElements(r, level.decorations);
    ReadElements(r, level.pickups);
    ReadElements(r, level.nests);
    for (MosquitoEntry& m : level.mosquitoes) {
        m.alive = r.Byte();
        m.dir = r.Int32();
        m.x = r.Int32();
        m.y = r.Int32();
    }
    level.goalX = r.Int32();
    level.goalY = r.Int32();
    return level;
}

void PlaceLevel(const LevelRecord& level, GameWorld& world) {
    world.player.x = level.startX;
    world.player.y = level.startY;
    world.player.facing = level.facing;
    PlaceElements(level.platforms, world.platforms, &Platform::type);
    PlaceElements(level.decorations, world.decorations, &Decoration::type);
    PlaceElements(level.pickups, world.pickups, &Pickup::type);
    PlaceElements(level.nests, world.nests, &Nest::spawnTimer);
    for (size_t i = 0; i < level.mosquitoes.size(); ++i) {
        Mosquito& m = world.mosquitoes[i];
        m.alive = level.mosquitoes[i].alive;
        m.dir = level.mosquitoes[i].dir;
        m.x = level.mosquitoes[i].x;
        m.y = level.mosquitoes[i].y;
    }
    world.goal.x = level.goalX;
    world.goal.y = level.goalY;
}
