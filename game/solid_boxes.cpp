// solid_boxes.cpp -- the boxes a flight test may meet, laid out for many point tests.
#include "game/solid_boxes.h"

#include "render/numeric.h"

void SolidBoxes::Add(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (count_ == MaxPlatforms) return;  // one box a platform slot at most
    left_[size_t(count_)] = left;
    top_[size_t(count_)] = top;
    right_[size_t(count_)] = right;
    bottom_[size_t(count_)] = bottom;
    ++count_;
}

bool SolidBoxes::Holds(int32_t x, int32_t y) const {
    for (int k = 0; k < count_; ++k)
        if (PointInRect(x, y, left_[size_t(k)], top_[size_t(k)], right_[size_t(k)],
                        bottom_[size_t(k)]))
            return true;
    return false;
}

// A box holding a point of the rectangle has left <= x <= right for that
// point's x, so its left is at most the rectangle's right and its right at
// least the rectangle's left; likewise down the page. Boxes that fail this
// hold no point of the rectangle.
SolidBoxes SolidBoxes::Meeting(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    SolidBoxes near;
    near.KeepMeeting(*this, left, top, right, bottom);
    return near;
}

void SolidBoxes::KeepMeeting(const SolidBoxes& from, int32_t left, int32_t top, int32_t right,
                             int32_t bottom) {
    count_ = 0;
    for (int k = 0; k < from.count_; ++k) {
        const size_t i = size_t(k);
        if (from.left_[i] <= right && from.right_[i] >= left && from.top_[i] <= bottom &&
            from.bottom_[i] >= top)
            Add(from.left_[i], from.top_[i], from.right_[i], from.bottom_[i]);
    }
}
