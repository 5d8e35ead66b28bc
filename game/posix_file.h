// posix_file.h -- the engine's only direct file access: open a file without blocking, read it bounded, write in place.
//
// Every other part of the engine reaches files through these few calls, so
// the rules about what may be opened live here and nowhere else: an open
// never blocks (except on a pipe a tool asked for, which waits for its
// writer as any reader of a pipe does), never creates and never truncates, and anything that is not
// of an accepted kind (a FIFO, a socket, a device, a directory, or a link to
// one) is closed again before a single byte has been read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

enum class FileAccess { Read, ReadWrite };

// What an open accepts. The game's own data file must be a regular file;
// the tools also take a pipe (a shell's process substitution or stdin).
enum class FileKinds { RegularOnly, RegularOrPipe };

// Why an open gave nothing, for callers that explain it in words.
struct OpenProblem {
    bool wrongKind = false;  // opened, but not a kind that was accepted
    int systemError = 0;     // errno of the failed call otherwise
};

class PosixFile {
public:
    // Nothing when the path cannot be opened or names a file of another kind.
    static std::optional<PosixFile> Open(const std::string& path, FileAccess access,
                                         FileKinds kinds = FileKinds::RegularOnly,
                                         OpenProblem* problem = nullptr);

    PosixFile(PosixFile&& other) noexcept;
    PosixFile& operator=(PosixFile&& other) noexcept;
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;
    ~PosixFile();

    // Size in bytes as the file stood when it was opened; 0 for a pipe.
    int64_t SizeAtOpen() const { return sizeAtOpen_; }
    bool IsPipe() const { return isPipe_; }

    // Reads from the current position until the end of the file or until
    // maxBytes have arrived, whichever comes first. Returns false on a read
    // error; `bytes` then holds what had arrived. `cut` tells whether more
    // bytes followed the last one kept.
    bool ReadUpTo(size_t maxBytes, std::vector<uint8_t>& bytes, bool* cut = nullptr);

    // Fills all of `bytes` from byte `offset`; false on an error or when the
    // file ends first.
    bool ReadAt(int64_t offset, std::span<uint8_t> bytes);

    // Writes all of `data` at byte `offset`, never past what is given.
    bool WriteAt(int64_t offset, std::span<const uint8_t> data);

    // Asks the system to put what was written on the disk; false when it
    // could not (the bytes may then be lost at the next crash).
    bool Sync();

    // Closes now and reports whether the system accepted the close (a write
    // may fail only here on some file systems).
    bool Close();

private:
    PosixFile(int fd, int64_t size, bool isPipe) : fd_(fd), sizeAtOpen_(size), isPipe_(isPipe) {}

    int fd_ = -1;
    int64_t sizeAtOpen_ = 0;
    bool isPipe_ = false;
};
