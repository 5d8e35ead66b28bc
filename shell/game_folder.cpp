// game_folder.cpp -- seeding and refreshing a player's Data.dat without ever leaving it half written.
#include "shell/game_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <system_error>
#include <vector>

#include "game/journal.h"
#include "game/level_file.h"
#include "game/placeholders.h"
#include "game/posix_file.h"
#include "shell/shell_texts.h"

namespace fs = std::filesystem;

namespace {

constexpr char DataFileName[] = "Data.dat";
// Names the levels the game itself last brought into the folder; levels
// that differ from them were put there by a level maker.
constexpr char ShippedMemoName[] = "shipped-levels";
constexpr size_t MemoMaxBytes = 64;
// A memo that matches no level set: the folder's levels are a maker's.
constexpr char NoShippedLevels[] = "none\n";

FolderOutcome Done(FolderUpdate update) {
    FolderOutcome outcome;
    outcome.update = update;
    return outcome;
}

FolderOutcome Failure(const char* text, std::vector<std::string> values = {}) {
    FolderOutcome outcome = Done(FolderUpdate::Failed);
    outcome.problem = FillPlaceholders(text, values);
    outcome.problemText = text;
    outcome.problemValues = std::move(values);
    return outcome;
}

// The whole file when it is a readable regular file of at most DataFileSize
// bytes; `longer` tells whether more bytes followed.
std::optional<std::vector<uint8_t>> ReadDataFile(const fs::path& path, bool& longer) {
    std::optional<PosixFile> file = PosixFile::Open(path.string(), FileAccess::Read);
    std::vector<uint8_t> bytes;
    if (!file || !file->ReadUpTo(size_t(DataFileSize), bytes, &longer)) return std::nullopt;
    return bytes;
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;  // nothing taken and no reason given
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

}  // namespace

// Every step is checked, the sync too: a rename after a failed sync could
// leave a file whose blocks never reached the disk.
std::string ReplaceFileWhole(const fs::path& target, const std::vector<uint8_t>& bytes) {
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    // The first call that fails names the reason; the descriptor is closed
    // and the temporary file removed whatever happened.
    int error = 0;
    if (!WriteAll(fd, bytes) || fsync(fd) != 0) error = errno != 0 ? errno : EIO;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && rename(pattern.c_str(), target.c_str()) == 0) return {};
    if (error == 0) error = errno;
    unlink(pattern.c_str());
    return std::strerror(error != 0 ? error : EIO);
}

namespace {

// The shipped levels followed by the player's record when the player's file
// holds a whole one, else by the shipped record.
std::vector<uint8_t> MergeLevels(const std::vector<uint8_t>& shipped,
                                 const std::vector<uint8_t>& player) {
    std::vector<uint8_t> merged = shipped;
    if (player.size() >= size_t(DataFileSize))
        std::copy(player.begin() + BestScoreOffset, player.begin() + DataFileSize,
                  merged.begin() + BestScoreOffset);
    return merged;
}

// The six level records of a Data.dat as a line of 16 hex digits.
std::string LevelsStamp(const std::vector<uint8_t>& bytes) {
    return JournalHex(DataFileFactsOf(bytes).levelsHash) + "\n";
}

std::optional<std::string> ReadMemo(const fs::path& folder) {
    std::optional<PosixFile> file = PosixFile::Open((folder / ShippedMemoName).string(), FileAccess::Read);
    std::vector<uint8_t> bytes;
    if (!file || !file->ReadUpTo(MemoMaxBytes, bytes)) return std::nullopt;
    return std::string(bytes.begin(), bytes.end());
}

// The memo only spares a maker's levels the next refresh: when it cannot be
// written, the next start refreshes the levels as it always did.
void WriteMemo(const fs::path& folder, const std::string& stamp) {
    if (ReadMemo(folder) == stamp) return;
    ReplaceFileWhole(folder / ShippedMemoName, std::vector<uint8_t>(stamp.begin(), stamp.end()));
}

// The folder made if needed; nothing when it is there.
std::optional<FolderOutcome> PrepareFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error && !fs::is_directory(folder, error) && !error)
        return Failure(FolderNotFolderText, {folder.string()});
    if (error) return Failure(FolderCreateFailedText, {folder.string(), error.message()});
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> ReadLevelSet(const fs::path& path, FolderOutcome& failure) {
    bool longer = false;
    std::optional<std::vector<uint8_t>> bytes = ReadDataFile(path, longer);
    if (!bytes)
        failure = Failure(ShippedUnreadableText, {path.string()});
    else if (bytes->size() != size_t(DataFileSize) || longer)
        failure = Failure(ShippedDamagedText, {path.string(), std::to_string(DataFileSize)});
    else
        return bytes;
    return std::nullopt;
}

// Puts `levels` into the folder's Data.dat, keeping the player's record.
// `ownLevelsStay` leaves a whole file alone whose levels a maker put there.
FolderOutcome PutLevels(const fs::path& folder, const std::vector<uint8_t>& levels,
                        bool ownLevelsStay, const std::optional<std::string>& memo) {
    const fs::path target = folder / DataFileName;
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (status.type() == fs::file_type::not_found) {
        const std::string problem = ReplaceFileWhole(target, levels);
        if (!problem.empty()) return Failure(FolderSeedFailedText, {folder.string(), problem});
        return Done(FolderUpdate::Seeded);
    }

    bool playerLonger = false;
    const std::optional<std::vector<uint8_t>> player = ReadDataFile(target, playerLonger);
    if (!player) return Failure(PlayerDataUnreadableText, {target.string()});
    const bool whole = player->size() == size_t(DataFileSize);
    // A maker's levels: not the ones the game last brought, nor these.
    const std::string stamp = LevelsStamp(*player);
    if (ownLevelsStay && whole && memo && *memo != stamp && stamp != LevelsStamp(levels))
        return Done(FolderUpdate::OwnLevelsKept);
    const std::vector<uint8_t> merged = MergeLevels(levels, *player);
    if (merged == *player && !playerLonger) return Done(FolderUpdate::Unchanged);
    const std::string problem = ReplaceFileWhole(target, merged);
    if (!problem.empty()) return Failure(FolderRefreshFailedText, {folder.string(), problem});
    return Done(FolderUpdate::LevelsRefreshed);
}

}  // namespace

fs::path PlayerGameFolder(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is to be ignored, as if it were unset.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return fs::path(xdgDataHome) / "zarnok";
    if (home != nullptr && home[0] == '/') return fs::path(home) / ".local/share/zarnok";
    return {};
}

FolderOutcome UpdateGameFolder(const fs::path& folder, const fs::path& shippedData) {
    FolderOutcome failure;
    const std::optional<std::vector<uint8_t>> shipped = ReadLevelSet(shippedData, failure);
    if (!shipped) return failure;
    if (std::optional<FolderOutcome> problem = PrepareFolder(folder)) return *problem;
    const FolderOutcome outcome = PutLevels(folder, *shipped, true, ReadMemo(folder));
    if (outcome.update != FolderUpdate::Failed && outcome.update != FolderUpdate::OwnLevelsKept)
        WriteMemo(folder, LevelsStamp(*shipped));
    return outcome;
}

FolderOutcome InstallLevels(const fs::path& folder, const fs::path& levelsData) {
    FolderOutcome failure;
    const std::optional<std::vector<uint8_t>> levels = ReadLevelSet(levelsData, failure);
    if (!levels) return failure;
    if (std::optional<FolderOutcome> problem = PrepareFolder(folder)) return *problem;
    // The levels there now are the game's, if nothing says otherwise; once
    // these replace them, the game's next start sees a maker's levels.
    const std::optional<std::string> memo = ReadMemo(folder);
    bool longer = false;
    const std::optional<std::vector<uint8_t>> before = ReadDataFile(folder / DataFileName, longer);
    const FolderOutcome outcome = PutLevels(folder, *levels, false, memo);
    if (outcome.update != FolderUpdate::Failed && !memo)
        WriteMemo(folder, before && before->size() == size_t(DataFileSize) ? LevelsStamp(*before)
                                                                         : NoShippedLevels);
    return outcome;
}

GameFolder ChooseGameFolder(const fs::path& shippedData, const char* xdgDataHome,
                            const char* home) {
    std::error_code error;
    if (fs::symlink_status(DataFileName, error).type() != fs::file_type::not_found && !error)
        return {{}, Done(FolderUpdate::Unchanged)};
    const fs::path folder = PlayerGameFolder(xdgDataHome, home);
    if (folder.empty()) return {{}, Failure(NoGameFolderText)};
    return {folder, UpdateGameFolder(folder, shippedData)};
}

fs::path FileInFolderOrShipped(const fs::path& folder, const fs::path& shippedFolder,
                               const char* fileName) {
    std::error_code error;
    if (fs::is_regular_file(folder / fileName, error)) return folder / fileName;
    return shippedFolder / fileName;
}
