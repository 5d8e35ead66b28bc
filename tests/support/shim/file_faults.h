// file_faults.h -- the system refusing file calls, for tests: a full disk, a
// refused sync, close or rename, a read that stops early.
//
// A test program that links this has its own read, write, pwrite, fsync,
// fdatasync, close and rename in place of the C library's. They fail as
// `fileFaults` tells them for files under its folder, and pass every other
// call through.
#pragma once

#include <string>

enum class Call { None, Read, Write, Sync, Close, Rename };

// What the next calls on files under `folder` meet.
struct Faults {
    std::string folder;
    Call failing = Call::None;
    int error = 0;
    // Reads and writes: this many bytes go through before the call fails
    // (a write) or the file seems to end (a read, with error 0).
    long bytesLeft = 0;
};
extern Faults faults;

// Descriptors the process holds open now.
int OpenDescriptors();
