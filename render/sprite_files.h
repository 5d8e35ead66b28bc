// sprite_files.h -- the bitmap files built into the program at compile time.
#pragma once

#include <cstdint>
#include <span>

// The bytes of resources/sprites/<id>.bmp as it was when the program was
// built, or an empty span when there was no such file.
std::span<const uint8_t> SpriteFileBytes(uint16_t id);
