// level_file.cpp -- loading levels from Data.dat and keeping the best record in it.
//
// Data.dat is read into memory in one go and its fields are taken from
// there, little-endian, in the order the file stores them. The file is
// opened and closed inside every operation. Only a complete file
// (31164 bytes or more) is ever used: a cut-short file loads nothing and
// is never written, so a damaged file cannot become a half-loaded level
// or grow a record in the wrong place. Of a longer file only the first
// 31164 bytes count; the best record is still bytes 31140..31163.
#include "game/level_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <span>
#include <string>
#include <vector>

#include "game/host.h"
#include "game/rules.h"
#include "game/text.h"
#include "input/keys.h"

namespace {

constexpr char ErrorCaption[] = "Ошибка";
constexpr char OpenFailedText[] = "Не удалось открыть файл \"Data.dat\"";
constexpr char ShortFileText[] = "Файл \"Data.dat\" повреждён или неполон.";
constexpr char BestUnreadableText[] = "Не удалось прочитать рекорд из файла \"Data.dat\".";
constexpr char WriteOpenFailedText[] = "Не удалось открыть файл \"Data.dat\" для записи.";
constexpr char WriteShortFileText[] =
    "Файл \"Data.dat\" повреждён или неполон, рекорд не записан.";
constexpr char WriteFailedText[] = "Не удалось записать рекорд в файл \"Data.dat\".";

constexpr char SponsorText[] =
    "Спонсор игры - автомат Зарнокова. Автомат Зарнокова - лучшее средство от "
    "современных комаров.";
constexpr char SponsorCaption[] = "Реклама";
constexpr char BestPlayerCaption[] = "Лучший игрок";
constexpr char ScoredText[] = " набрал(а) ";

enum class ReadResult { Ok, CannotOpen, TooShort };

// Reads the first DataFileSize bytes of the file. Anything after them is
// not part of the game's data and is left unread.
ReadResult ReadDataFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.assign(size_t(DataFileSize), 0);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return ReadResult::CannotOpen;
    }
    size_t got = 0;
    bool failed = false;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            failed = true;  // a directory, a device gone away...
            break;
        }
        if (n == 0) {
            break;
        }
        got += size_t(n);
    }
    close(fd);
    if (failed) {
        return ReadResult::CannotOpen;
    }
    return got == bytes.size() ? ReadResult::Ok : ReadResult::TooShort;
}

// Sequential little-endian reader over one level record.
class FieldReader {
public:
    explicit FieldReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint8_t Byte() { return bytes_[pos_++]; }

    int32_t Int32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            v |= uint32_t(bytes_[pos_++]) << (8 * i);
        }
        return static_cast<int32_t>(v);
    }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

// Kind byte first, then x and y: the order of every element entry.
template <typename Element, typename KindField>
void ReadElements(FieldReader& in, Element* slots, int count, KindField kind) {
    for (int i = 0; i < count; ++i) {
        slots[i].*kind = in.Byte();
        slots[i].x = in.Int32();
        slots[i].y = in.Int32();
    }
}

// Takes every field of one level record, in file order, into the world.
void ReadLevelRecord(GameWorld& world, std::span<const uint8_t> record) {
    FieldReader in(record);
    world.player.x = in.Int32();
    world.player.y = in.Int32();
    world.player.facing = in.Int32();
    ReadElements(in, world.platforms.data(), MaxPlatforms, &Platform::type);
    ReadElements(in, world.decorations.data(), MaxDecorations, &Decoration::type);
    ReadElements(in, world.pickups.data(), MaxPickups, &Pickup::type);
    ReadElements(in, world.nests.data(), MaxNests, &Nest::spawnTimer);
    for (Mosquito& m : world.mosquitoes) {
        m.alive = in.Byte();
        m.dir = in.Int32();
        m.x = in.Int32();
        m.y = in.Int32();
        // The heading is not stored: each mosquito keeps its old one
        // until its first course change.
    }
    world.goal.x = in.Int32();
    world.goal.y = in.Int32();
}

// Below the lowest platform slot, empty ones included, lies the pit.
int32_t ComputeDeathPlane(const GameWorld& world) {
    int32_t lowest = world.platforms[0].y;
    for (const Platform& p : world.platforms) {
        if (p.y > lowest) {
            lowest = p.y;
        }
    }
    return AddWrap(lowest, DeathPlaneMargin);
}

int32_t ReadInt32At(const std::vector<uint8_t>& bytes, int32_t offset) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        v |= uint32_t(bytes[size_t(offset + i)]) << (8 * i);
    }
    return static_cast<int32_t>(v);
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

bool WriteAll(int fd, const uint8_t* data, size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = pwrite(fd, data, size, offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= size_t(n);
        offset += n;
    }
    return true;
}

}  // namespace

bool LoadLevel(GameWorld& world, Host& host, uint8_t level) {
    host.ShowMessage(SponsorText, SponsorCaption, MessageButtons::Ok, MessageIcon::None);

    std::vector<uint8_t> file;
    const ReadResult result = ReadDataFile(host.DataFilePath(), file);
    if (result == ReadResult::CannotOpen) {
        ShowError(host, OpenFailedText, MessageIcon::Stop);
    } else if (result == ReadResult::TooShort) {
        ShowError(host, ShortFileText, MessageIcon::Stop);
    }
    DisarmBeforeLoad(world);
    if (result != ReadResult::Ok || level < 1 || level > LevelCount) {
        return false;
    }

    const size_t recordStart = size_t(level - 1) * size_t(LevelRecordSize);
    ReadLevelRecord(world, std::span<const uint8_t>(file).subspan(recordStart, LevelRecordSize));

    world.deathCode = DeathNone;
    world.deathPlaneY = ComputeDeathPlane(world);
    ResetInput(world);
    return true;
}

bool ShowBestPlayer(GameWorld&, Host& host) {
    std::vector<uint8_t> file;
    if (ReadDataFile(host.DataFilePath(), file) != ReadResult::Ok) {
        ShowError(host, BestUnreadableText, MessageIcon::Stop);
        return false;
    }
    // All 20 name bytes, padding included, as the record holds them.
    const std::string_view name(reinterpret_cast<const char*>(file.data()) + BestNameOffset,
                                size_t(BestNameLength));
    const std::string text =
        Cp1251ToUtf8(name) + ScoredText + std::to_string(ReadInt32At(file, BestScoreOffset));
    host.ShowMessage(text, BestPlayerCaption, MessageButtons::Ok, MessageIcon::None);
    return true;
}

std::optional<int32_t> ReadBestScore(Host& host) {
    std::vector<uint8_t> file;
    if (ReadDataFile(host.DataFilePath(), file) != ReadResult::Ok) {
        return std::nullopt;
    }
    return ReadInt32At(file, BestScoreOffset);
}

bool WriteBestRecord(GameWorld& world, Host& host) {
    // Read and write, never create, never truncate.
    const int fd = open(host.DataFilePath().c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        ShowError(host, WriteOpenFailedText, MessageIcon::Warning);
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < DataFileSize) {
        close(fd);
        ShowError(host, WriteShortFileText, MessageIcon::Warning);
        return false;
    }

    uint8_t record[4 + BestNameLength];
    const uint32_t score = static_cast<uint32_t>(world.score);
    for (int i = 0; i < 4; ++i) {
        record[i] = uint8_t(score >> (8 * i));
    }
    for (size_t i = 0; i < size_t(BestNameLength); ++i) {
        record[4 + i] = i < world.playerName.size() ? uint8_t(world.playerName[i]) : uint8_t(' ');
    }
    const bool written = WriteAll(fd, record, sizeof(record), off_t(BestScoreOffset));
    const bool closed = close(fd) == 0;
    if (!written || !closed) {
        ShowError(host, WriteFailedText, MessageIcon::Warning);
        return false;
    }
    return true;
}
