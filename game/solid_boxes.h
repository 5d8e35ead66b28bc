// solid_boxes.h -- the platform boxes a flying thing may meet, laid out for many point tests.
//
// A chase ray asks "is this point inside a solid platform?" for up to 160
// samples, a detour search for thousands, and every bullet asks once a tick,
// each time against all 200 platform slots. Asking the slots means a type
// test and four wrapping additions per slot and question. Here each box's
// edges are worked out once and kept in four plain arrays, and a ray or path
// keeps only the boxes that meet the rectangle around all its samples before
// it walks them. Every answer is exactly what testing every slot would give.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "game/rules.h"
#include "game/world.h"

class SolidBoxes {
public:
    // A box by its edges, all included; one whose left lies past its right
    // (or top past bottom) holds no point.
    void Add(int32_t left, int32_t top, int32_t right, int32_t bottom);

    // True when some box holds (x, y).
    bool Holds(int32_t x, int32_t y) const;

    // The boxes that meet the rectangle left..right x top..bottom: for any
    // point inside it, Holds gives what this set's Holds gives.
    SolidBoxes Meeting(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
    // The same set made in place from another set, over whatever this one
    // held before.
    void KeepMeeting(const SolidBoxes& from, int32_t left, int32_t top, int32_t right,
                     int32_t bottom);

    int Count() const { return count_; }

private:
    int count_ = 0;
    std::array<int32_t, MaxPlatforms> left_{}, top_{}, right_{}, bottom_{};
};

// The corner-to-corner extent of a set of points, for SolidBoxes::Meeting.
struct PointExtent {
    int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    void Take(int32_t x, int32_t y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    // The extent of both sets of points.
    void Take(const PointExtent& other) {
        left = std::min(left, other.left);
        right = std::max(right, other.right);
        top = std::min(top, other.top);
        bottom = std::max(bottom, other.bottom);
    }
};
