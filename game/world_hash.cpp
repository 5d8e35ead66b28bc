// world_hash.cpp -- FNV-1a over the world record, one field at a time.
//
// The record is never hashed as raw memory: the padding between fields is
// not part of the game and may hold anything.
#include "game/world_hash.h"

#include <bit>
#include <cstdio>
#include <type_traits>
#include <vector>

#include "game/world_fields.h"

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

// Integers little-endian at their own width, floats by their bit pattern,
// texts and pixel rows by their length and then their contents; records
// and tables field by field through the one list of the world's fields.
class HashVisitor {
public:
    explicit HashVisitor(Fnv1a& h) : h_(h) {}

    void operator()(const char*, const uint8_t& v) { h_.U8(v); }
    void operator()(const char*, const int32_t& v) { h_.I32(v); }
    void operator()(const char*, const float& v) { h_.F32(v); }
    void operator()(const char*, const std::string& s) { h_.Bytes(s); }
    void operator()(const char*, const std::vector<uint32_t>& pixels) {
        h_.U32(uint32_t(pixels.size()));
        for (uint32_t pixel : pixels) h_.U32(pixel);
    }
    template <typename Record, size_t N>
    void operator()(const char*, const std::array<Record, N>& table) {
        for (const Record& slot : table) VisitFields(slot, *this);
    }
    template <typename Record>
    requires std::is_class_v<Record>
    void operator()(const char*, const Record& record) { VisitFields(record, *this); }

private:
    Fnv1a& h_;
};

}  // namespace

uint64_t WorldHash(const GameWorld& w) {
    Fnv1a h;
    VisitFields(w, HashVisitor(h));
    return h.Value();
}

std::string FormatWorldHash(uint64_t hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}
