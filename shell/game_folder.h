// game_folder.h -- where a player's Data.dat lives and how a new level set reaches it.
//
// The game plays in the current directory when that holds a Data.dat (a
// level maker trying a file, or run.sh's game-folder/). Otherwise it plays in
// the player's own folder, $XDG_DATA_HOME/zarnok/, which the shipped Data.dat
// seeds on the first start. When a later install brings other levels, the
// six level records are taken from the shipped file and the player's best
// record (the last 24 bytes) is kept. Levels a level maker installed there
// stay: a small memo beside Data.dat names the levels the game itself last
// brought, and only those are refreshed. The files are always replaced
// through a temporary file in the same folder, so a failure leaves the old
// one whole.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What UpdateGameFolder did to the folder's Data.dat.
enum class FolderUpdate {
    Unchanged,        // the levels were already the shipped ones
    Seeded,           // there was no Data.dat: the shipped file was copied
    LevelsRefreshed,  // new levels, the player's best record kept
    OwnLevelsKept,    // a level maker's levels are there, and they stay
    Failed,           // nothing written; `problem` says why
};

struct FolderOutcome {
    FolderUpdate update = FolderUpdate::Failed;
    std::string problem;  // Russian, for the player; empty unless Failed
    // The same as a text of shell/shell_texts.h and the values of its %1,
    // %2, for a host that shows it in another language; null unless Failed.
    const char* problemText = nullptr;
    std::vector<std::string> problemValues;
};

// $XDG_DATA_HOME/zarnok, or $HOME/.local/share/zarnok when XDG_DATA_HOME is
// unset, empty or not absolute. Empty when neither gives an absolute path.
std::filesystem::path PlayerGameFolder(const char* xdgDataHome, const char* home);

// What the game does on starting: creates `folder` if needed and brings its
// Data.dat to the levels of `shippedData`, keeping the player's best record,
// unless the levels there are a maker's. Writes nothing outside `folder`.
FolderOutcome UpdateGameFolder(const std::filesystem::path& folder,
                               const std::filesystem::path& shippedData);

// What a level maker does: puts the levels of `levelsData` into the folder's
// Data.dat, keeping the player's best record; the game's later starts leave
// them there.
FolderOutcome InstallLevels(const std::filesystem::path& folder,
                            const std::filesystem::path& levelsData);

// Where the game reads Data.dat and writes its record.
struct GameFolder {
    std::filesystem::path folder;  // empty: the current directory, as it is
    FolderOutcome outcome;
};

// The current directory when it holds a Data.dat, else the player's folder
// brought up to date from `shippedData`. A player's folder that cannot be
// prepared is still named, with the problem, so it can be reported; the
// game then plays without a Data.dat.
GameFolder ChooseGameFolder(const std::filesystem::path& shippedData, const char* xdgDataHome,
                            const char* home);

// Writes a temporary file next to `target` and renames it over `target`:
// whatever fails, `target` is either the old file or the new one, and no
// temporary file stays. Empty when done, else the system's reason.
std::string ReplaceFileWhole(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);

// `fileName` in `folder` when it is a regular file there, else in `shippedFolder`.
std::filesystem::path FileInFolderOrShipped(const std::filesystem::path& folder,
                                            const std::filesystem::path& shippedFolder,
                                            const char* fileName);
