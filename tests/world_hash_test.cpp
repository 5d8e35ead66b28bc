// world_hash_test.cpp -- the world fingerprint sees every field and nothing else.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <set>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "game/world_fields.h"
#include "game/world_hash.h"

namespace {

// The records' sizes. A field that changes its width changes its record's
// size and has to be hashed at its new width.
static_assert(sizeof(KeyBindings) == 24u);
static_assert(sizeof(Platform) == 12u);
static_assert(sizeof(Decoration) == 12u);
static_assert(sizeof(Pickup) == 12u);
static_assert(sizeof(Nest) == 12u);
static_assert(sizeof(Goal) == 8u);
static_assert(sizeof(Mosquito) == 24u);
static_assert(sizeof(Bullet) == 20u);
static_assert(sizeof(ScorePopup) == 16u);
static_assert(sizeof(FallingMagazine) == 12u);
static_assert(sizeof(PlayerState) == 36u);

// Changes the field numbered `target` in the world's field list, counting
// every field of the first and the last slot of each table and the first
// and the last pixel of the frame.
class ChangeOneField {
public:
    explicit ChangeOneField(size_t target) : target_(target) {}

    void operator()(const char* name, uint8_t& v) {
        if (Hit(name)) v = uint8_t(v + 1);
    }
    void operator()(const char* name, int32_t& v) {
        if (Hit(name)) v = AddWrap(v, 1);
    }
    void operator()(const char* name, float& v) {
        if (Hit(name)) v += 0.5f;
    }
    void operator()(const char* name, std::string& v) {
        if (Hit(name)) v += 'a';
    }
    void operator()(const char* name, std::span<uint32_t> pixels) {
        if (Hit(std::string(name) + "[first]")) pixels.front() ^= 1u;
        if (Hit(std::string(name) + "[last]")) pixels.back() ^= 1u;
    }
    template <typename Record, size_t N>
    void operator()(const char* name, std::array<Record, N>& table) {
        Into(std::string(name) + "[0]", table.front());
        Into(std::string(name) + "[" + std::to_string(N - 1) + "]", table.back());
    }
    template <typename Record>
    requires std::is_class_v<Record>
    void operator()(const char* name, Record& record) { Into(name, record); }

    size_t fieldsSeen = 0;
    std::string changed;  // path of the field changed, empty when past the end

private:
    bool Hit(const std::string& name) {
        const bool hit = fieldsSeen++ == target_;
        if (hit) changed = prefix_ + name;
        return hit;
    }
    template <typename Record>
    void Into(const std::string& name, Record& record) {
        const std::string outer = prefix_;
        prefix_ += name + ".";
        VisitFields(record, *this);
        prefix_ = outer;
    }

    size_t target_;
    std::string prefix_;
};

// Changes the list's own change cannot make: the same value in another bit
// pattern, a byte that a C string would end at.
std::vector<std::pair<const char*, std::function<void(GameWorld&)>>> EdgeChanges() {
    return {
        {"playerName zero byte", [](GameWorld& w) { w.playerName = std::string(1, '\0'); }},
        {"mosquito.heading -0", [](GameWorld& w) { w.mosquitoes.back().heading = -0.0f; }},
        {"bullet.angle -0", [](GameWorld& w) { w.bullets.front().angle = -0.0f; }},
        {"frame middle pixel", [](GameWorld& w) { w.frameBuffer.EditPixels()[250 * 800 + 400] = 1; }},
    };
}

TEST(WorldHash, EveryFieldChangesIt) {
    auto base = std::make_unique<GameWorld>();
    const uint64_t baseHash = WorldHash(*base);
    EXPECT_EQ(WorldHash(*std::make_unique<GameWorld>()), baseHash);

    std::set<uint64_t> seen{baseHash};
    size_t fields = 0;
    for (size_t target = 0;; ++target) {
        auto world = std::make_unique<GameWorld>();
        ChangeOneField change(target);
        VisitFields(*world, change);
        if (change.changed.empty()) break;
        ++fields;
        const uint64_t hash = WorldHash(*world);
        EXPECT_NE(hash, baseHash) << change.changed << " is not covered";
        EXPECT_TRUE(seen.insert(hash).second) << change.changed << " collides with another field";
    }
    // 15 world fields, 6 keys, two slots of each of the 7 tables, the goal, the
    // magazine, the soldier and two pixels.
    EXPECT_EQ(fields, 15u + 6u + 2u * (3 + 3 + 3 + 3 + 6 + 5 + 4) + 2u + 3u + 18u + 2u);

    for (const auto& [name, change] : EdgeChanges()) {
        auto world = std::make_unique<GameWorld>();
        change(*world);
        const uint64_t hash = WorldHash(*world);
        EXPECT_NE(hash, baseHash) << name << " is not covered";
        EXPECT_TRUE(seen.insert(hash).second) << name << " collides with another field";
    }
}

// The field list is checked against the members the compiler counts, so a
// field added to the world but not to the list fails here; one squeezed into
// the padding between two others is counted like any other.
TEST(WorldHash, TheFieldListNamesEveryMember) {
    auto world = std::make_unique<GameWorld>();
    EXPECT_EQ(VisitedFieldCount(*world), FieldCount<GameWorld>());

    struct PaddedPair {
        int32_t wide;
        uint8_t first;
        uint8_t inPadding;  // sizeof stays 8 with or without it
    };
    static_assert(sizeof(PaddedPair) == 8u);
    EXPECT_EQ(FieldCount<PaddedPair>(), 3u);
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

}  // namespace
