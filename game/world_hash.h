// world_hash.h -- one 64-bit fingerprint of a whole game state.
//
// Two runs that should be the same (a replay against its recording, a debug
// build against an optimised one) are compared by this number: it covers
// every field of the world, field by field, and every pixel of the frame.
#pragma once

#include <cstdint>
#include <string>

struct GameWorld;

// 64-bit FNV-1a over every field of the world in the order VisitFields
// lists them (integers little-endian at their own width, floats by their bit
// pattern, the name by its length and bytes), the frame buffer's pixels last.
uint64_t WorldHash(const GameWorld& world);

// The hash as 16 lowercase hex digits.
std::string FormatWorldHash(uint64_t hash);
