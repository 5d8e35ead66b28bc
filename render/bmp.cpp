// bmp.cpp -- the bitmap file reader: every length is checked before it is used.
#include "render/bmp.h"

#include <array>
#include <utility>

#include "render/little_endian.h"

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr uint32_t MinInfoHeaderSize = 40;
constexpr uint32_t CompressionNone = 0;  // BI_RGB

uint32_t Rgb(uint8_t blue, uint8_t green, uint8_t red) {
    return uint32_t(red) << 16 | uint32_t(green) << 8 | blue;
}

// The fields of the headers that decide how the rows are read.
struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;    // always positive here
    bool topDown = false;  // the file's height was negative
    uint16_t bitsPerPixel = 0;
    uint64_t rowBytes = 0;  // stored row length, padding included
    uint64_t pixelOffset = 0;
    std::array<uint32_t, 256> palette{};
    uint32_t paletteSize = 0;  // entries actually present in the file
};

bool ReadHeaders(std::span<const uint8_t> file, BmpLayout& layout) {
    if (file.size() < FileHeaderSize + MinInfoHeaderSize) return false;
    if (file[0] != 'B' || file[1] != 'M') return false;
    layout.pixelOffset = ReadU32(file, 10);

    const uint32_t infoSize = ReadU32(file, 14);
    if (infoSize < MinInfoHeaderSize || uint64_t(infoSize) + FileHeaderSize > file.size())
        return false;
    const int32_t width = ReadI32(file, 18);
    const int32_t height = ReadI32(file, 22);
    const uint16_t planes = ReadU16(file, 26);
    layout.bitsPerPixel = ReadU16(file, 28);
    const uint32_t compression = ReadU32(file, 30);
    const uint32_t coloursUsed = ReadU32(file, 46);

    if (planes != 1 || compression != CompressionNone) return false;
    const uint16_t bpp = layout.bitsPerPixel;
    if (bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return false;
    // The height's sign says the row order; INT32_MIN has no positive twin.
    const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
    if (width <= 0 || width > MaxBitmapSide || rows == 0 || rows > MaxBitmapSide) return false;
    layout.width = width;
    layout.height = static_cast<int32_t>(rows);
    layout.topDown = height < 0;
    layout.rowBytes = (uint64_t(width) * bpp + 31) / 32 * 4;

    if (bpp <= 8) {
        const uint32_t fullTable = 1u << bpp;
        const uint32_t entries = coloursUsed == 0 ? fullTable : coloursUsed;
        if (entries > fullTable) return false;
        const uint64_t tableAt = FileHeaderSize + uint64_t(infoSize);
        if (tableAt + uint64_t(entries) * 4 > file.size()) return false;
        for (uint32_t k = 0; k < entries; ++k) {
            const size_t at = size_t(tableAt) + size_t(k) * 4;
            layout.palette[k] = Rgb(file[at], file[at + 1], file[at + 2]);
        }
        layout.paletteSize = entries;
    }

    if (layout.pixelOffset < FileHeaderSize + uint64_t(infoSize)) return false;
    if (layout.pixelOffset + layout.rowBytes * uint64_t(layout.height) > file.size()) return false;
    return true;
}

// One stored row into one picture row. False when a palette index points past
// the colour table the file carries.
bool DecodeRow(const BmpLayout& layout, std::span<const uint8_t> row, uint32_t* out) {
    const int32_t width = layout.width;
    switch (layout.bitsPerPixel) {
    case 4:
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t pair = row[size_t(x) / 2];
            const uint32_t index = (x & 1) ? (pair & 0x0Fu) : (pair >> 4);
            if (index >= layout.paletteSize) return false;
            out[x] = layout.palette[index];
        }
        return true;
    case 8:
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t index = row[size_t(x)];
            if (index >= layout.paletteSize) return false;
            out[x] = layout.palette[index];
        }
        return true;
    case 24:
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = size_t(x) * 3;
            out[x] = Rgb(row[at], row[at + 1], row[at + 2]);
        }
        return true;
    case 32:  // the fourth byte is unused
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = size_t(x) * 4;
            out[x] = Rgb(row[at], row[at + 1], row[at + 2]);
        }
        return true;
    default: return false;
    }
}

}  // namespace

bool DecodeBmp(std::span<const uint8_t> file, DecodedBitmap& out) {
    out = DecodedBitmap{};
    BmpLayout layout;
    if (!ReadHeaders(file, layout)) return false;

    DecodedBitmap picture;
    picture.width = layout.width;
    picture.height = layout.height;
    picture.pixels.resize(size_t(layout.width) * size_t(layout.height));
    for (int32_t stored = 0; stored < layout.height; ++stored) {
        const int32_t y = layout.topDown ? stored : layout.height - 1 - stored;
        const auto row = file.subspan(
            size_t(layout.pixelOffset + layout.rowBytes * uint64_t(stored)),
            size_t(layout.rowBytes));
        if (!DecodeRow(layout, row, picture.pixels.data() + size_t(y) * size_t(layout.width)))
            return false;
    }
    out = std::move(picture);
    return true;
}
