// world_fields.h -- the world record's fields, listed once for whoever must see them all.
//
// VisitFields(record, visit) calls visit(name, field) for every field of a
// record in declaration order. A nested record or a whole table is handed
// over as one field; the visitor goes into it with VisitFields again. The
// world's fingerprint, the runner's summary and dump and the tests all
// walk this one list, so a field added to a record but not here is caught
// by FieldCount below, which counts the record's members on its own.
#pragma once

#include <concepts>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "game/world.h"

template <typename T, typename Record>
concept RecordOf = std::same_as<std::remove_const_t<T>, Record>;

template <RecordOf<KeyBindings> R, typename V>
constexpr void VisitFields(R& k, V&& visit) {
    visit("up", k.up);
    visit("down", k.down);
    visit("left", k.left);
    visit("right", k.right);
    visit("fire", k.fire);
    visit("jump", k.jump);
}

template <RecordOf<Platform> R, typename V>
constexpr void VisitFields(R& p, V&& visit) {
    visit("x", p.x);
    visit("y", p.y);
    visit("type", p.type);
}

template <RecordOf<Decoration> R, typename V>
constexpr void VisitFields(R& d, V&& visit) {
    visit("x", d.x);
    visit("y", d.y);
    visit("type", d.type);
}

template <RecordOf<Pickup> R, typename V>
constexpr void VisitFields(R& p, V&& visit) {
    visit("x", p.x);
    visit("y", p.y);
    visit("type", p.type);
}

template <RecordOf<Nest> R, typename V>
constexpr void VisitFields(R& n, V&& visit) {
    visit("x", n.x);
    visit("y", n.y);
    visit("spawnTimer", n.spawnTimer);
}

template <RecordOf<Goal> R, typename V>
constexpr void VisitFields(R& g, V&& visit) {
    visit("x", g.x);
    visit("y", g.y);
}

template <RecordOf<Mosquito> R, typename V>
constexpr void VisitFields(R& m, V&& visit) {
    visit("x", m.x);
    visit("y", m.y);
    visit("alive", m.alive);
    visit("dir", m.dir);
    visit("heading", m.heading);
    visit("chasing", m.chasing);
}

template <RecordOf<Bullet> R, typename V>
constexpr void VisitFields(R& b, V&& visit) {
    visit("x", b.x);
    visit("y", b.y);
    visit("angle", b.angle);
    visit("active", b.active);
    visit("facing", b.facing);
}

template <RecordOf<ScorePopup> R, typename V>
constexpr void VisitFields(R& s, V&& visit) {
    visit("x", s.x);
    visit("y", s.y);
    visit("ttl", s.ttl);
    visit("value", s.value);
}

template <RecordOf<FallingMagazine> R, typename V>
constexpr void VisitFields(R& m, V&& visit) {
    visit("x", m.x);
    visit("y", m.y);
    visit("active", m.active);
}

template <RecordOf<PlayerState> R, typename V>
constexpr void VisitFields(R& p, V&& visit) {
    visit("x", p.x);
    visit("y", p.y);
    visit("facing", p.facing);
    visit("moveDir", p.moveDir);
    visit("aimDir", p.aimDir);
    visit("aimAngle", p.aimAngle);
    visit("walkFrame", p.walkFrame);
    visit("jumpTicksLeft", p.jumpTicksLeft);
    visit("onGround", p.onGround);
    visit("blocked", p.blocked);
    visit("headBump", p.headBump);
    visit("fireState", p.fireState);
    visit("rounds", p.rounds);
    visit("spareMagazines", p.spareMagazines);
    visit("fireSoundCountdown", p.fireSoundCountdown);
    visit("health", p.health);
    visit("invulnerableTicks", p.invulnerableTicks);
    visit("damageTint", p.damageTint);
}

template <RecordOf<FrameBuffer> R, typename V>
constexpr void VisitFields(R& f, V&& visit) {
    visit("pixels", f.pixels);
}

template <RecordOf<GameWorld> R, typename V>
void VisitFields(R& w, V&& visit) {
    visit("soundOn", w.soundOn);
    visit("keyBindings", w.keyBindings);
    visit("levelNumber", w.levelNumber);
    visit("gameRunning", w.gameRunning);
    visit("newGameRequested", w.newGameRequested);
    visit("tickCounter", w.tickCounter);
    visit("cameraLeft", w.cameraLeft);
    visit("cameraTop", w.cameraTop);
    visit("raptorOnScreen", w.raptorOnScreen);
    visit("score", w.score);
    visit("deathCode", w.deathCode);
    visit("deathPlaneY", w.deathPlaneY);
    visit("playerName", w.playerName);
    visit("stopPending", w.stopPending);
    visit("keyPressCounter", w.keyPressCounter);
    visit("selectedAction", w.selectedAction);
    visit("platforms", w.platforms);
    visit("decorations", w.decorations);
    visit("pickups", w.pickups);
    visit("nests", w.nests);
    visit("mosquitoes", w.mosquitoes);
    visit("bullets", w.bullets);
    visit("scorePopups", w.scorePopups);
    visit("goal", w.goal);
    visit("fallingMagazine", w.fallingMagazine);
    visit("player", w.player);
    visit("frameBuffer", w.frameBuffer);
}

// A table slot is in use while its presence field is nonzero.
constexpr bool InUse(const Platform& p) { return p.type != 0; }
constexpr bool InUse(const Decoration& d) { return d.type != 0; }
constexpr bool InUse(const Pickup& p) { return p.type != 0; }
constexpr bool InUse(const Nest& n) { return n.spawnTimer != 0; }
constexpr bool InUse(const Mosquito& m) { return m.alive != 0; }
constexpr bool InUse(const Bullet& b) { return b.active != 0; }
constexpr bool InUse(const ScorePopup& s) { return s.ttl != 0; }

// ---------------------------------------------------------------------------
// Counting members without the list: a record is an aggregate, and it can be
// brace-initialised from at most as many values as it has members.
// ---------------------------------------------------------------------------
namespace field_count {

struct AnyValue {
    template <typename T>
    operator T() const;  // only ever named in unevaluated code
};

template <typename T, size_t... I>
constexpr bool InitialisableFrom(std::index_sequence<I...>) {
    return requires { T{(void(I), AnyValue{})...}; };
}

}  // namespace field_count

// How many members `T` declares, found from the type alone.
template <typename T, size_t N = 0>
constexpr size_t FieldCount() {
    if constexpr (field_count::InitialisableFrom<T>(std::make_index_sequence<N + 1>{})) {
        return FieldCount<T, N + 1>();
    } else {
        return N;
    }
}

// How many fields VisitFields hands over for `record`.
template <typename R>
constexpr size_t VisitedFieldCount(R& record) {
    size_t count = 0;
    VisitFields(record, [&count](const char*, const auto&) { ++count; });
    return count;
}

template <typename R>
constexpr size_t VisitedFieldCount() {
    R record{};
    return VisitedFieldCount(record);
}

// Every small record's list is complete; the world's own list is checked by
// the tests, since a whole world is too large to build at compile time.
static_assert(VisitedFieldCount<KeyBindings>() == FieldCount<KeyBindings>());
static_assert(VisitedFieldCount<Platform>() == FieldCount<Platform>());
static_assert(VisitedFieldCount<Decoration>() == FieldCount<Decoration>());
static_assert(VisitedFieldCount<Pickup>() == FieldCount<Pickup>());
static_assert(VisitedFieldCount<Nest>() == FieldCount<Nest>());
static_assert(VisitedFieldCount<Goal>() == FieldCount<Goal>());
static_assert(VisitedFieldCount<Mosquito>() == FieldCount<Mosquito>());
static_assert(VisitedFieldCount<Bullet>() == FieldCount<Bullet>());
static_assert(VisitedFieldCount<ScorePopup>() == FieldCount<ScorePopup>());
static_assert(VisitedFieldCount<FallingMagazine>() == FieldCount<FallingMagazine>());
static_assert(VisitedFieldCount<PlayerState>() == FieldCount<PlayerState>());
