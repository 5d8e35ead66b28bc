// input_file.h -- the tools' one way to read a whole input file, capped in size.
//
// Replays, routes, level sources and Data.dat are small text or binary
// files. Whatever the tools are pointed at, they read at most
// InputFileLimit bytes of it: a regular file larger than that, a pipe that
// goes on past it, or anything that is neither a regular file nor a pipe
// (/dev/zero, a terminal, a directory, a socket) is refused with a message
// that says so, before memory runs out or the tool waits for ever.
#pragma once

#include <cstddef>
#include <string>

constexpr size_t InputFileLimit = size_t(64) << 20;  // bytes: 64 MiB

// Reads all of `path` into `contents`. On failure returns false and sets
// `error` to "PATH: what is wrong".
bool ReadInputFile(const std::string& path, std::string& contents, std::string& error,
                   size_t limit = InputFileLimit);
