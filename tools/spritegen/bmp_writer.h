// bmp_writer.h -- writes a painted canvas as an uncompressed Windows BMP file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/spritegen/canvas.h"

// The bytes of a BMP file (file header, 40-byte info header, a full colour
// table of 16 or 256 entries for 4 and 8 bits per pixel, rows bottom-up padded
// to 4 bytes). Fails with a message in `error` when the canvas holds more
// colours than the depth can index, or the depth is not 4, 8 or 24.
bool EncodeBmp(const Canvas& canvas, int bitsPerPixel, std::vector<uint8_t>& out,
               std::string& error);

bool WriteBmpFile(const std::string& path, const Canvas& canvas, int bitsPerPixel,
                  std::string& error);
