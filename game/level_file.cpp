// level_file.cpp -- loading levels from Data.dat and keeping the best record in it.
//
// Data.dat is read into memory in one go and its fields are taken from
// there, little-endian, in the order the file stores them. The file is
// opened and closed inside every operation, and only if it is a regular
// file: a FIFO or a device in its place must not hang the game.
//
// A short file plays what it holds. Level k needs records 1..k whole; when
// the file ends before the end of record k the load is refused and nothing
// of it is taken, so a cut file never becomes a half-loaded level. A file
// that ends before the best score reads as a score of 0 and no name; a cut
// name is what is left of it. Only a complete file (31164 bytes or more) is
// ever written, so the record never grows a file or lands in a wrong place.
// Of a longer file only the first 31164 bytes count.
#include "game/level_file.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "game/byte_stream.h"
#include "game/host.h"
#include "game/placeholders.h"
#include "game/posix_file.h"
#include "game/rules.h"
#include "game/text.h"
#include "game/texts.h"
#include "game/keys.h"

namespace {

// The first DataFileSize bytes of the file, or fewer when it ends sooner.
// Anything after them is not part of the game's data and is left unread.
std::optional<std::vector<uint8_t>> ReadDataFile(const std::string& path) {
    std::optional<PosixFile> file = PosixFile::Open(path, FileAccess::Read);
    if (!file) {
        return std::nullopt;  // missing, unreadable, or not a regular file
    }
    std::vector<uint8_t> bytes;
    if (!file->ReadUpTo(size_t(DataFileSize), bytes)) {
        return std::nullopt;
    }
    return bytes;
}

// Level k reads records 1..k, so all of them must be there whole.
bool HoldsLevel(const std::vector<uint8_t>& file, uint8_t level) {
    return file.size() >= size_t(level) * size_t(LevelRecordSize);
}

// The best record as far as the file holds it: no score without all four
// of its bytes, and as many name bytes as there are.
struct BestRecord {
    bool present = false;
    int32_t score = 0;
    std::string name;  // Windows-1251 bytes
};

BestRecord TakeBestRecord(const std::vector<uint8_t>& file) {
    BestRecord best;
    if (file.size() < size_t(BestNameOffset)) {
        return best;
    }
    best.present = true;
    best.score =
        ByteReader(std::span<const uint8_t>(file).subspan(size_t(BestScoreOffset))).Int32();
    const size_t nameEnd = std::min(file.size(), size_t(DataFileSize));
    best.name.assign(file.begin() + BestNameOffset, file.begin() + std::ptrdiff_t(nameEnd));
    return best;
}

void ShowError(Host& host, const char* text, MessageIcon icon) {
    host.ShowMessage(text, ErrorCaption, MessageButtons::Ok, icon);
}

// What a load does whether or not the file could be read.
void DisarmBeforeLoad(GameWorld& world) {
    world.player.spareMagazines = 0;
    for (Mosquito& m : world.mosquitoes) {
        m.chasing = 0;
    }
}

}  // namespace

bool LoadLevel(GameWorld& world, Host& host, uint8_t level) {
    host.ShowMessage(SponsorText, AdvertCaption, MessageButtons::Ok, MessageIcon::None);

    const std::optional<std::vector<uint8_t>> file = ReadDataFile(host.DataFilePath());
    const bool known = level >= 1 && level <= LevelCount;
    if (!file) {
        ShowError(host, OpenFailedText, MessageIcon::Stop);
    } else if (known && !HoldsLevel(*file, level)) {
        const std::string text = FillPlaceholders(host.Translate(LevelCutText),
                                                  {std::to_string(level)});
        ShowError(host, text.c_str(), MessageIcon::Stop);
    }
    DisarmBeforeLoad(world);
    if (!file || !known || !HoldsLevel(*file, level)) {
        return false;
    }

    const size_t recordStart = size_t(level - 1) * size_t(LevelRecordSize);
    const std::span<const uint8_t> record = std::span<const uint8_t>(*file).subspan(recordStart);
    const LevelRecord placed = DecodeLevel(record.first<LevelRecordSize>());
    PlaceLevel(placed, world);

    world.deathCode = DeathNone;
    world.deathPlaneY = DeathPlaneOf(placed);
    ResetInput(world);
    return true;
}

// Below the lowest platform slot, empty ones included, lies the pit.
int32_t DeathPlaneOf(const LevelRecord& level) {
    int32_t lowest = level.platforms[0].y;
    for (const ElementEntry& p : level.platforms) {
        if (p.y > lowest) {
            lowest = p.y;
        }
    }
    return AddWrap(lowest, DeathPlaneMargin);
}

bool ShowBestPlayer(GameWorld&, Host& host) {
    const std::optional<std::vector<uint8_t>> file = ReadDataFile(host.DataFilePath());
    if (!file) {
        ShowError(host, BestUnreadableText, MessageIcon::Stop);
        return false;
    }
    const BestRecord best = TakeBestRecord(*file);
    if (!best.present) {
        host.ShowMessage(NoBestRecordText, BestPlayerCaption, MessageButtons::Ok,
                         MessageIcon::None);
        return true;
    }
    // All the name bytes, padding included, as the record holds them.
    const std::string text = FillPlaceholders(
        host.Translate(BestPlayerText), {Cp1251ToUtf8(best.name), std::to_string(best.score)});
    host.ShowMessage(text, BestPlayerCaption, MessageButtons::Ok, MessageIcon::None);
    return true;
}

std::optional<int32_t> ReadBestScore(Host& host) {
    const std::optional<std::vector<uint8_t>> file = ReadDataFile(host.DataFilePath());
    if (!file) {
        return std::nullopt;
    }
    return TakeBestRecord(*file).score;
}

bool WriteBestRecord(GameWorld& world, Host& host) {
    // Read and write, never create, never truncate.
    std::optional<PosixFile> file = PosixFile::Open(host.DataFilePath(), FileAccess::ReadWrite);
    if (!file) {
        ShowError(host, WriteOpenFailedText, MessageIcon::Warning);
        return false;
    }
    if (file->SizeAtOpen() < DataFileSize) {
        ShowError(host, WriteShortFileText, MessageIcon::Warning);
        return false;
    }

    uint8_t record[4 + BestNameLength];
    ByteWriter out(record);
    out.Int32(world.score);
    for (size_t i = 0; i < size_t(BestNameLength); ++i) {
        out.Byte(i < world.playerName.size() ? uint8_t(world.playerName[i]) : uint8_t(' '));
    }
    // A write cut short (a full disk) or one the disk did not take puts the
    // old record back, so the file never holds half of each.
    uint8_t old[sizeof record];
    const bool kept = file->ReadAt(BestScoreOffset, old);
    const bool written = kept && file->WriteAt(BestScoreOffset, record) && file->Sync();
    if (kept && !written && file->WriteAt(BestScoreOffset, old)) file->Sync();
    const bool closed = file->Close();
    if (!written || !closed) {
        ShowError(host, WriteFailedText, MessageIcon::Warning);
        return false;
    }
    return true;
}
