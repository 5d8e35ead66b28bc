// canvas.cpp -- drawing primitives of the sprite painter.
#include "tools/spritegen/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

Rgb Canvas::Get(int x, int y) const {
    if (!Inside(x, y)) return Clear;
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void Canvas::Set(int x, int y, Rgb c) {
    if (!Inside(x, y)) return;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = c;
}

void Canvas::Dots(std::initializer_list<int> xy, Rgb c) {
    const int* p = xy.begin();
    for (size_t i = 0; i + 1 < xy.size(); i += 2) Set(p[i], p[i + 1], c);
}

void Canvas::FillRect(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) Set(x, y, c);
}

void Canvas::FillEllipse(double cx, double cy, double rx, double ry, Rgb c) {
    FillRotatedEllipse(cx, cy, rx, ry, 0.0, c);
}

void Canvas::FillRotatedEllipse(double cx, double cy, double rx, double ry, double angle, Rgb c) {
    if (rx <= 0.0 || ry <= 0.0) return;
    const double reach = std::max(rx, ry) + 1.0;
    const double ca = std::cos(angle), sa = std::sin(angle);
    for (int y = static_cast<int>(std::floor(cy - reach));
         y <= static_cast<int>(std::ceil(cy + reach)); ++y) {
        for (int x = static_cast<int>(std::floor(cx - reach));
             x <= static_cast<int>(std::ceil(cx + reach)); ++x) {
            const double dx = x - cx, dy = y - cy;
            const double u = (dx * ca + dy * sa) / rx;
            const double v = (-dx * sa + dy * ca) / ry;
            if (u * u + v * v <= 1.0) Set(x, y, c);
        }
    }
}

void Canvas::FillPolygon(std::initializer_list<double> xy, Rgb c) {
    FillPolygon(std::vector<double>(xy), c);
}

// Even-odd rule, sampled at the pixel's own integer position.
void Canvas::FillPolygon(const std::vector<double>& xy, Rgb c) {
    const size_t n = xy.size() / 2;
    if (n < 3) return;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            bool inside = false;
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
                const double xi = xy[2 * i], yi = xy[2 * i + 1];
                const double xj = xy[2 * j], yj = xy[2 * j + 1];
                if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                    inside = !inside;
            }
            if (inside) Set(x, y, c);
        }
    }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb c) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Set(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::ThickLine(double x0, double y0, double x1, double y1, double radius, Rgb c) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int steps = std::max(1, static_cast<int>(std::ceil(length * 2.0)));
    for (int s = 0; s <= steps; ++s) {
        const double t = static_cast<double>(s) / steps;
        FillEllipse(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, radius, radius, c);
    }
}

Canvas Canvas::FromArt(std::initializer_list<const char*> rows, std::initializer_list<Ink> legend) {
    const size_t width = rows.size() ? std::strlen(*rows.begin()) : 0;
    Canvas c(static_cast<int>(width), static_cast<int>(rows.size()));
    c.Draw(0, 0, rows, legend);
    return c;
}

void Canvas::Draw(int x, int y, std::initializer_list<const char*> rows,
                  std::initializer_list<Ink> legend) {
    const size_t width = rows.size() ? std::strlen(*rows.begin()) : 0;
    int row = 0;
    for (const char* text : rows) {
        if (std::strlen(text) != width) {
            std::fprintf(stderr, "spritegen: row %d is %zu wide, not %zu: %s\n", row,
                         std::strlen(text), width, text);
            std::exit(2);
        }
        for (int col = 0; text[col] != '\0'; ++col) {
            const char key = text[col];
            if (key == '.') continue;
            const Ink* ink = std::find_if(legend.begin(), legend.end(),
                                          [key](const Ink& i) { return i.key == key; });
            if (ink == legend.end()) {
                std::fprintf(stderr, "spritegen: no ink for '%c' in row %d\n", key, row);
                std::exit(2);
            }
            Set(x + col, y + row, ink->colour);
        }
        ++row;
    }
}

Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](uint8_t u, uint8_t v) {
        return static_cast<uint8_t>(std::lround(u + (v - u) * t));
    };
    return Rgb{lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}
