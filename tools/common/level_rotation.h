// level_rotation.h -- a Data.dat with its six level records turned round so
// that a chosen level is played first; how a single level is tried on its own.
#pragma once

#include <string>

#include "game/level_file.h"
#include "game/world.h"

// `data` is a whole Data.dat; `first` is 1..LevelCount. The best record stays.
inline std::string RotateLevels(const std::string& data, int first) {
    const size_t record = size_t(LevelRecordSize);
    std::string out = data;
    for (size_t slot = 0; slot < size_t(LevelCount); ++slot) {
        const size_t from = (size_t(first - 1) + slot) % size_t(LevelCount) * record;
        out.replace(slot * record, record, data, from, record);
    }
    return out;
}
