// file_faults.cpp -- stand-ins for the C library's file calls that fail when a test says so.
#include "tests/support/shim/file_faults.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

Faults faults;

namespace {

bool InFolder(const std::string& path) {
    return !faults.folder.empty() && path.rfind(faults.folder, 0) == 0;
}

bool FdInFolder(int fd) {
    char link[64], target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n > 0 && InFolder(std::string(target, size_t(n)));
}

template <typename Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// Bytes a read or write may move now; -1 with errno set when it must fail.
ssize_t Allowance(Call call, int fd, size_t wanted) {
    if (faults.failing != call || !FdInFolder(fd)) return ssize_t(wanted);
    if (faults.bytesLeft <= 0) {
        // One refusal, then calls go through again: a full disk refuses new
        // blocks, not the ones the file already has, so the old record can
        // still be written back over the half-written new one.
        if (call == Call::Write) faults.failing = Call::None;
        errno = faults.error;
        return faults.error != 0 ? -1 : 0;
    }
    const size_t allowed = std::min(wanted, size_t(faults.bytesLeft));
    faults.bytesLeft -= long(allowed);
    return ssize_t(allowed);
}

bool Fails(Call call, bool inFolder) {
    if (faults.failing != call || !inFolder) return false;
    errno = faults.error;
    return true;
}

}  // namespace

int OpenDescriptors() {
    int count = 0;
    if (DIR* fds = opendir("/proc/self/fd")) {
        while (readdir(fds) != nullptr) ++count;
        closedir(fds);
    }
    return count;
}

extern "C" {
ssize_t read(int fd, void* buffer, size_t size) {
    static const auto real = Real<ssize_t (*)(int, void*, size_t)>("read");
    const ssize_t allowed = Allowance(Call::Read, fd, size);
    return allowed <= 0 && size > 0 ? allowed : real(fd, buffer, size_t(allowed));
}
ssize_t write(int fd, const void* buffer, size_t size) {
    static const auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    const ssize_t allowed = Allowance(Call::Write, fd, size);
    return allowed <= 0 && size > 0 ? allowed : real(fd, buffer, size_t(allowed));
}
ssize_t pwrite(int fd, const void* buffer, size_t size, off_t at) {
    static const auto real = Real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    const ssize_t allowed = Allowance(Call::Write, fd, size);
    return allowed <= 0 && size > 0 ? allowed : real(fd, buffer, size_t(allowed), at);
}
int fsync(int fd) {
    static const auto real = Real<int (*)(int)>("fsync");
    return Fails(Call::Sync, FdInFolder(fd)) ? -1 : real(fd);
}
int fdatasync(int fd) {
    static const auto real = Real<int (*)(int)>("fdatasync");
    return Fails(Call::Sync, FdInFolder(fd)) ? -1 : real(fd);
}
// A failed close still lets go of the descriptor, as Linux does.
int close(int fd) {
    static const auto real = Real<int (*)(int)>("close");
    const bool fails = Fails(Call::Close, FdInFolder(fd));
    const int result = real(fd);
    if (!fails) return result;
    errno = faults.error;
    return -1;
}
int rename(const char* from, const char* to) {
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    return Fails(Call::Rename, InFolder(to)) ? -1 : real(from, to);
}
}
