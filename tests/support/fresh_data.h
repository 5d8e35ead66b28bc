// fresh_data.h -- the shipped Data.dat as its sources make it, for tests that need an untouched one.
//
// The build's own bin/Data.dat is no fresh copy: any run pointed at it may
// have written a record into it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// Compiled from resources/levels in the source tree; fails the test when a
// source does not compile.
std::vector<uint8_t> FreshDataFile();

// Writes FreshDataFile() to `path`.
void WriteFreshDataFile(const std::filesystem::path& path);
