// canvas.h -- an RGB painting surface for the sprite painter, with the few
// drawing primitives the game's pixel art is built from.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r = 255, g = 255, b = 255;

    constexpr bool operator==(const Rgb&) const = default;
};

constexpr Rgb MakeRgb(int r, int g, int b) {
    return Rgb{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

// Pure white is the game's transparent key: it is never drawn.
constexpr Rgb Clear = MakeRgb(255, 255, 255);

// One sprite being painted. Coordinates are pixels, x right, y down; writes
// outside the surface are dropped so shapes may hang over the edges.
class Canvas {
public:
    Canvas(int width, int height, Rgb fill = Clear);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb Get(int x, int y) const;
    void Set(int x, int y, Rgb c);
    void Dots(std::initializer_list<int> xy, Rgb c);  // single pixels x0,y0,x1,y1,...
    bool IsClear(int x, int y) const { return !Inside(x, y) || Get(x, y) == Clear; }

    void FillRect(int x0, int y0, int x1, int y1, Rgb c);  // inclusive corners
    void FillEllipse(double cx, double cy, double rx, double ry, Rgb c);
    void FillRotatedEllipse(double cx, double cy, double rx, double ry, double angle, Rgb c);
    void FillPolygon(std::initializer_list<double> xy, Rgb c);  // x0,y0,x1,y1,...
    void FillPolygon(const std::vector<double>& xy, Rgb c);
    void Line(int x0, int y0, int x1, int y1, Rgb c);
    void ThickLine(double x0, double y0, double x1, double y1, double radius, Rgb c);

    // Pixel art written as text: one string per row, one character per pixel,
    // the legend maps characters to colours ('.' is always clear).
    struct Ink {
        char key;
        Rgb colour;
    };
    void Draw(int x, int y, std::initializer_list<const char*> rows,
              std::initializer_list<Ink> legend);

    // A canvas just big enough for the rows, with them drawn at (0, 0).
    static Canvas FromArt(std::initializer_list<const char*> rows,
                          std::initializer_list<Ink> legend);

    const std::vector<Rgb>& Pixels() const { return pixels_; }

private:
    int width_, height_;
    std::vector<Rgb> pixels_;
};

// A fixed-seed linear congruential generator for texture noise: the same
// sprites come out on every run and every machine.
class Lcg {
public:
    explicit Lcg(uint32_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    double Unit() { return static_cast<double>(Next() & 0xFFFFu) / 65536.0; }

private:
    uint32_t state_;
};

// Linear blend of two colours, t in 0..1.
Rgb Mix(Rgb a, Rgb b, double t);
