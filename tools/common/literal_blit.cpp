// literal_blit.cpp -- the rotated copy worked out per pixel, nothing ahead.
#include "tools/common/literal_blit.h"

#include <cmath>

#include "render/numeric.h"
#include "render/canvas.h"

void LiteralRotatedBlit(FrameBuffer& frame, int32_t sx, int32_t sy,
                        std::span<const uint32_t> pixels, int32_t w, int32_t h, float angle,
                        int32_t facing) {
    const PixelTarget target = frame.EditTarget();
    for (int32_t i = 0; i < h; ++i) {
        for (int32_t j = 0; j < w; ++j) {
            const size_t index = size_t(i) * size_t(w) + size_t(j);
            if (index >= pixels.size() || pixels[index] == TransparentKey || (i == 0 && j == 0))
                continue;
            const double r = std::sqrt(double(i * i + j * j));
            const float rf = float(r);
            const double alpha = std::acos(i / r);
            const double theta = alpha + angle;
            const float s = float(std::sin(theta));
            const float c = float(std::cos(theta));
            const int32_t dx = RoundHalfAway(rf * s);
            const int32_t dy = RoundHalfAway(rf * c);
            const int32_t px = AddWrap(MulWrap(dx, facing), sx);
            const int32_t py = AddWrap(dy, sy);
            if (0 < px && px < FrameWidth && 0 < py && py < FrameHeight)
                target.at(px, py) = pixels[index];
        }
    }
}
