// text.h -- Windows-1251, the single-byte Cyrillic of names in Data.dat.
#pragma once

#include <string>
#include <string_view>

// Converts Windows-1251 bytes to UTF-8 (every byte has a meaning).
std::string Cp1251ToUtf8(std::string_view bytes);

// Converts UTF-8 to Windows-1251; false when a character has no byte there.
bool Utf8ToCp1251(std::string_view utf8, std::string& bytes);
