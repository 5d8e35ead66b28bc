// level_check.h -- the level checker: mistakes a level maker is likely to make.
#pragma once

#include <string>
#include <vector>

#include "tools/level/level_source.h"

namespace levelsource {

struct Finding {
    std::string where;  // "start", "goal", "platform slot 12", ...
    int line = 0;       // source line of that element, 0 when unknown
    std::string message;
};

// Looks over one level record. `lines` (may be null) maps slots back to
// the source lines that wrote them.
std::vector<Finding> CheckLevel(const LevelRecord& level, const SourceLines* lines);

}  // namespace levelsource
