// posix_file.cpp -- open-and-check, bounded reading and in-place writing over POSIX descriptors.
#include "game/posix_file.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

namespace {

bool KindAccepted(const struct stat& info, FileKinds kinds) {
    if (S_ISREG(info.st_mode)) {
        return true;
    }
    return kinds == FileKinds::RegularOrPipe && S_ISFIFO(info.st_mode);
}

// O_NONBLOCK lets the open of a FIFO return at once instead of waiting for
// a writer. A blocking read on a FIFO nobody has opened for writing yet
// would see its end at once, so a pipe that was asked for first waits until
// a writer has sent something or gone (the kernel holds back the hang-up of
// a non-blocking reader until a writer has been seen), and is then read the
// ordinary, blocking way.
bool WaitForWriter(int fd) {
    pollfd waiting{fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = poll(&waiting, 1, -1);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

bool MakeBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

}  // namespace

std::optional<PosixFile> PosixFile::Open(const std::string& path, FileAccess access,
                                         FileKinds kinds, OpenProblem* problem) {
    OpenProblem ignored;
    OpenProblem& why = problem ? *problem : ignored;
    why = OpenProblem{};
    const int mode = access == FileAccess::Read ? O_RDONLY : O_RDWR;
    const int fd = open(path.c_str(), mode | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why.systemError = errno;
        return std::nullopt;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        why.systemError = errno;
        close(fd);
        return std::nullopt;
    }
    if (!KindAccepted(info, kinds)) {
        why.wrongKind = true;
        close(fd);
        return std::nullopt;
    }
    const bool isPipe = S_ISFIFO(info.st_mode);
    if (isPipe && (!WaitForWriter(fd) || !MakeBlocking(fd))) {
        why.systemError = errno;
        close(fd);
        return std::nullopt;
    }
    return PosixFile(fd, isPipe ? 0 : int64_t(info.st_size), isPipe);
}

PosixFile::PosixFile(PosixFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), sizeAtOpen_(other.sizeAtOpen_), isPipe_(other.isPipe_) {}

PosixFile& PosixFile::operator=(PosixFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        sizeAtOpen_ = other.sizeAtOpen_;
        isPipe_ = other.isPipe_;
    }
    return *this;
}

PosixFile::~PosixFile() { Close(); }

bool PosixFile::ReadUpTo(size_t maxBytes, std::vector<uint8_t>& bytes, bool* cut) {
    bytes.clear();
    if (cut) {
        *cut = false;
    }
    // One byte past the limit tells a file that is exactly maxBytes long
    // from one that goes on.
    constexpr size_t Chunk = 64 * 1024;
    const size_t limit = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    while (bytes.size() < limit) {
        const size_t got = bytes.size();
        const size_t want = limit - got < Chunk ? limit - got : Chunk;
        bytes.resize(got + want);
        const ssize_t n = read(fd_, bytes.data() + got, want);
        if (n < 0 && errno == EINTR) {
            bytes.resize(got);
            continue;
        }
        if (n <= 0) {
            bytes.resize(got);
            if (n < 0) {
                return false;
            }
            break;
        }
        bytes.resize(got + size_t(n));
    }
    if (bytes.size() > maxBytes) {
        bytes.resize(maxBytes);
        if (cut) {
            *cut = true;
        }
    }
    return true;
}

bool PosixFile::ReadAt(int64_t offset, std::span<uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = pread(fd_, bytes.data() + done, bytes.size() - done, off_t(offset) + off_t(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += size_t(n);
    }
    return true;
}

bool PosixFile::Sync() {
    int result = 0;
    do {
        result = fdatasync(fd_);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool PosixFile::WriteAt(int64_t offset, std::span<const uint8_t> data) {
    const uint8_t* next = data.data();
    size_t left = data.size();
    off_t at = off_t(offset);
    while (left > 0) {
        const ssize_t n = pwrite(fd_, next, left, at);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        next += n;
        left -= size_t(n);
        at += n;
    }
    return true;
}

bool PosixFile::Close() {
    if (fd_ < 0) {
        return true;
    }
    const bool closed = close(std::exchange(fd_, -1)) == 0;
    return closed;
}
