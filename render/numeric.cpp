// numeric.cpp -- wrapping coordinate arithmetic and rounding, shared by the renderer and the rules.
#include "render/numeric.h"

#include <cmath>
#include <limits>

// A level file can put anything into a coordinate or an angle, so a double
// that does not fit an int32 (or is not a number at all) must not reach the
// plain conversion, which would be undefined behaviour.
int32_t TruncToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);  // truncates toward zero
}

// The half is added in double precision: 0.49999997f + 0.5 stays below 1 and
// rounds to 0, as it would not if the sum were taken in float.
int32_t RoundHalfAway(float v) {
    const double d = v;
    return TruncToInt(v > 0.0f ? d + 0.5 : d - 0.5);
}
