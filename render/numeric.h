// numeric.h -- wrapping coordinate arithmetic and rounding, shared by the renderer and the rules.
#pragma once

#include <cstdint>

// True when left <= px <= right and top <= py <= bottom: every edge is inside.
inline bool PointInRect(int32_t px, int32_t py, int32_t left, int32_t top, int32_t right,
                        int32_t bottom) {
    return left <= px && px <= right && top <= py && py <= bottom;
}

// Real to integer, halves away from zero; out-of-range values saturate.
int32_t RoundHalfAway(float v);

// Truncation toward zero of a double, saturating instead of overflowing
// (and 0 for NaN), so hostile values never reach undefined behaviour.
int32_t TruncToInt(double v);

// Coordinate arithmetic wraps at 32 bits like the machine does, never UB.
inline int32_t Wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }
inline int32_t AddWrap(int32_t a, int32_t b) { return Wrap(int64_t(a) + b); }
inline int32_t SubWrap(int32_t a, int32_t b) { return Wrap(int64_t(a) - b); }
inline int32_t MulWrap(int32_t a, int32_t b) { return Wrap(int64_t(a) * b); }
