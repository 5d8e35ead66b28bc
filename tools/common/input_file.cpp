// input_file.cpp -- whole-file reading for the tools, over the engine's checked file access.
#include "tools/common/input_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "game/posix_file.h"

namespace {

std::string LimitInWords(size_t limit) {
    constexpr size_t MiB = size_t(1) << 20;
    if (limit % MiB == 0) {
        return std::to_string(limit / MiB) + " MiB";
    }
    return std::to_string(limit) + " bytes";
}

}  // namespace

bool ReadInputFile(const std::string& path, std::string& contents, std::string& error,
                   size_t limit) {
    contents.clear();
    OpenProblem problem;
    std::optional<PosixFile> file = PosixFile::Open(path, FileAccess::Read,
                                                    FileKinds::RegularOrPipe, &problem);
    if (!file) {
        error = problem.wrongKind
                    ? path + ": not a regular file or a pipe; refusing to read it"
                    : path + ": cannot open (" + std::strerror(problem.systemError) + ")";
        return false;
    }
    const std::string tooLarge = path + ": larger than " + LimitInWords(limit) +
                                 ", the most an input file may hold; refusing to read it";
    if (uint64_t(file->SizeAtOpen()) > uint64_t(limit)) {
        error = tooLarge;  // known before a byte is read
        return false;
    }
    std::vector<uint8_t> bytes;
    bool cut = false;
    if (!file->ReadUpTo(limit, bytes, &cut)) {
        error = path + ": read error (" + std::strerror(errno) + ")";
        return false;
    }
    if (cut) {
        error = tooLarge;  // a pipe, or a file that grew while it was read
        return false;
    }
    contents.assign(bytes.begin(), bytes.end());
    return true;
}
