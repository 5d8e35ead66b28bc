// placeholders.h -- filling in the %1, %2 of a text, in whatever order a translation puts them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// `pattern` with each %1 .. %9 replaced by that value (the first is %1); a
// number with no value, and every other character, stays as it is. The
// values are not searched again, so a name holding "%2" comes out whole.
std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& values);
