// bmp_writer.cpp -- BMP encoding: palette building, bit packing, headers.
#include "tools/spritegen/bmp_writer.h"

#include <algorithm>
#include <cstdio>

#include "render/little_endian.h"

namespace {

uint32_t Key(Rgb c) {
    return (static_cast<uint32_t>(c.r) << 16) | (static_cast<uint32_t>(c.g) << 8) | c.b;
}

// The colours of the canvas, sorted by value so the table does not depend
// on the order the painter happened to use them.
std::vector<Rgb> CollectPalette(const Canvas& canvas) {
    std::vector<uint32_t> keys;
    for (const Rgb& c : canvas.Pixels()) keys.push_back(Key(c));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::vector<Rgb> palette;
    for (uint32_t k : keys)
        palette.push_back(MakeRgb(static_cast<int>(k >> 16), static_cast<int>((k >> 8) & 0xFF),
                                  static_cast<int>(k & 0xFF)));
    return palette;
}

uint8_t IndexOf(const std::vector<Rgb>& palette, Rgb c) {
    const auto it = std::lower_bound(palette.begin(), palette.end(), c,
                                     [](const Rgb& a, const Rgb& b) { return Key(a) < Key(b); });
    return static_cast<uint8_t>(it - palette.begin());
}

}  // namespace

bool EncodeBmp(const Canvas& canvas, int bitsPerPixel, std::vector<uint8_t>& out,
               std::string& error) {
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24) {
        error = "unsupported depth " + std::to_string(bitsPerPixel);
        return false;
    }
    const int width = canvas.Width(), height = canvas.Height();
    const uint32_t tableEntries = bitsPerPixel == 24 ? 0u : (1u << bitsPerPixel);
    std::vector<Rgb> palette;
    if (tableEntries != 0) {
        palette = CollectPalette(canvas);
        if (palette.size() > tableEntries) {
            error = std::to_string(palette.size()) + " colours do not fit in " +
                    std::to_string(bitsPerPixel) + " bits";
            return false;
        }
    }

    const uint32_t rowBytes =
        ((static_cast<uint32_t>(width) * static_cast<uint32_t>(bitsPerPixel) + 31u) / 32u) * 4u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    const uint32_t pixelOffset = 14u + 40u + tableEntries * 4u;

    out.clear();
    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    AppendU32(out, pixelOffset + imageBytes);
    AppendU32(out, 0);
    AppendU32(out, pixelOffset);
    // BITMAPINFOHEADER
    AppendU32(out, 40);
    AppendU32(out, static_cast<uint32_t>(width));
    AppendU32(out, static_cast<uint32_t>(height));  // positive: rows bottom-up
    AppendU16(out, 1);
    AppendU16(out, static_cast<uint32_t>(bitsPerPixel));
    AppendU32(out, 0);  // BI_RGB
    AppendU32(out, imageBytes);
    AppendU32(out, 2835);  // 72 dpi
    AppendU32(out, 2835);
    AppendU32(out, 0);  // the whole table is in use
    AppendU32(out, 0);
    for (uint32_t i = 0; i < tableEntries; ++i) {
        const Rgb c = i < palette.size() ? palette[i] : MakeRgb(0, 0, 0);
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }

    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const Rgb c = canvas.Get(x, y);
            const size_t ux = static_cast<size_t>(x);
            if (bitsPerPixel == 24) {
                row[ux * 3] = c.b;
                row[ux * 3 + 1] = c.g;
                row[ux * 3 + 2] = c.r;
            } else if (bitsPerPixel == 8) {
                row[ux] = IndexOf(palette, c);
            } else {
                const uint8_t index = IndexOf(palette, c);
                row[ux / 2] = static_cast<uint8_t>(row[ux / 2] |
                                                   (ux % 2 == 0 ? index << 4 : index));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return true;
}

bool WriteBmpFile(const std::string& path, const Canvas& canvas, int bitsPerPixel,
                  std::string& error) {
    std::vector<uint8_t> bytes;
    if (!EncodeBmp(canvas, bitsPerPixel, bytes, error)) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot create " + path;
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !ok) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
