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
#include <span>
#include <type_traits>
#include <utility>

#include "game/world.h"

template <typename T, typename Record>
concept RecordOf = std::same_as<std::remove_const_t<T>, Record>;

// ZARNOK_FOR_EACH(m, a, b, c) expands to m(a) m(b) m(c). Each rescan of
// ZARNOK_EXPAND takes one more argument; its 64 cover any of our records.
#define ZARNOK_EXPAND(...) \
    ZARNOK_EXPAND4(ZARNOK_EXPAND4(ZARNOK_EXPAND4(ZARNOK_EXPAND4(__VA_ARGS__))))
#define ZARNOK_EXPAND4(...) \
    ZARNOK_EXPAND3(ZARNOK_EXPAND3(ZARNOK_EXPAND3(ZARNOK_EXPAND3(__VA_ARGS__))))
#define ZARNOK_EXPAND3(...) \
    ZARNOK_EXPAND1(ZARNOK_EXPAND1(ZARNOK_EXPAND1(ZARNOK_EXPAND1(__VA_ARGS__))))
#define ZARNOK_EXPAND1(...) __VA_ARGS__
#define ZARNOK_FOR_EACH(macro, ...) \
    __VA_OPT__(ZARNOK_EXPAND(ZARNOK_FOR_EACH_STEP(macro, __VA_ARGS__)))
#define ZARNOK_FOR_EACH_STEP(macro, first, ...) \
    macro(first) __VA_OPT__(ZARNOK_FOR_EACH_AGAIN ZARNOK_PARENS(macro, __VA_ARGS__))
#define ZARNOK_FOR_EACH_AGAIN() ZARNOK_FOR_EACH_STEP
#define ZARNOK_PARENS ()

// Declares VisitFields for one record: visit("x", record.x), ... in the
// order given, so a listed name cannot drift from the member it names.
#define ZARNOK_VISIT_FIELD(field) visit(#field, record.field);
#define ZARNOK_RECORD_FIELDS(Record, ...)                \
    template <RecordOf<Record> R, typename V>            \
    constexpr void VisitFields(R& record, V&& visit) {   \
        ZARNOK_FOR_EACH(ZARNOK_VISIT_FIELD, __VA_ARGS__) \
    }

ZARNOK_RECORD_FIELDS(KeyBindings, up, down, left, right, fire, jump)
ZARNOK_RECORD_FIELDS(Platform, x, y, type)
ZARNOK_RECORD_FIELDS(Decoration, x, y, type)
ZARNOK_RECORD_FIELDS(Pickup, x, y, type)
ZARNOK_RECORD_FIELDS(Nest, x, y, spawnTimer)
ZARNOK_RECORD_FIELDS(Goal, x, y)
ZARNOK_RECORD_FIELDS(Mosquito, x, y, alive, dir, heading, chasing)
ZARNOK_RECORD_FIELDS(Bullet, x, y, angle, active, facing)
ZARNOK_RECORD_FIELDS(ScorePopup, x, y, ttl, value)
ZARNOK_RECORD_FIELDS(FallingMagazine, x, y, active)
ZARNOK_RECORD_FIELDS(PlayerState, x, y, facing, moveDir, aimDir, aimAngle, walkFrame, jumpTicksLeft,
                     onGround, blocked, headBump, fireState, rounds, spareMagazines,
                     fireSoundCountdown, health, invulnerableTicks, damageTint)
ZARNOK_RECORD_FIELDS(GameWorld, soundOn, keyBindings, levelNumber, gameRunning, newGameRequested,
                     tickCounter, cameraLeft, cameraTop, raptorOnScreen, score, deathCode,
                     deathPlaneY, playerName, stopPending, keyPressCounter, selectedAction,
                     platforms, decorations, pickups, nests, mosquitoes, bullets, scorePopups, goal,
                     fallingMagazine, player, frameBuffer)

// A frame is its picture: the pixels are its one field. Its write count only
// tells a renderer whether its memory of the frame still holds, and is not
// the game's. A visitor that may change the pixels is handed them through
// EditPixels, which counts the write.
template <typename V>
void VisitFields(const FrameBuffer& frame, V&& visit) {
    visit("pixels", frame.Pixels());
}
template <typename V>
void VisitFields(FrameBuffer& frame, V&& visit) {
    const std::span<uint32_t> pixels = frame.EditPixels();
    visit("pixels", pixels);
}

#undef ZARNOK_RECORD_FIELDS
#undef ZARNOK_VISIT_FIELD
#undef ZARNOK_PARENS
#undef ZARNOK_FOR_EACH_AGAIN
#undef ZARNOK_FOR_EACH_STEP
#undef ZARNOK_FOR_EACH
#undef ZARNOK_EXPAND1
#undef ZARNOK_EXPAND3
#undef ZARNOK_EXPAND4
#undef ZARNOK_EXPAND

// A table slot is in use while its presence field is nonzero: the kind
// byte of a placed element, or the record's own flag or countdown.
template <typename Element>
requires RecordOf<Element, Platform> || RecordOf<Element, Decoration> || RecordOf<Element, Pickup>
constexpr bool InUse(const Element& e) { return e.type != 0; }
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
