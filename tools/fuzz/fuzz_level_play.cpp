// fuzz_level_play.cpp -- plays a hostile Data.dat: the input's first 31164
// bytes are the level file, the rest is the player at the keyboard and at
// the message boxes. Any crash or sanitizer report is a fault of the game.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <span>
#include <string>

#include "game/byte_stream.h"
#include "game/level_file.h"
#include "game/progression.h"
#include "game/world.h"
#include "input/key_bindings.h"
#include "game/keys.h"
#include "tools/common/headless_driver.h"
#include "tools/common/scripted_host.h"

namespace {

constexpr int MaxTicks = 300;  // one input plays at most this many ticks

// The six default bindings, the order the control bytes name them in.
constexpr int32_t BoundKeys[6] = {VK_Up, VK_Down, VK_Left, VK_Right, VK_Control, VK_Shift};

uint64_t surfaceChecksum = 0;  // outlives every input, so the reads stay

// A client area that keeps nothing: the picture is not what is tested here,
// and copying 400,000 pixels every tick would cost more than the tick. It
// still touches both ends of every pixel block, so a block shorter than
// its stated size shows up under AddressSanitizer.
class NullSurface : public ClientSurface {
public:
    int32_t ClientWidth() const override { return 800; }
    int32_t ClientHeight() const override { return 600; }
    void SetOrigin(int32_t, int32_t) override {}
    void DrawPixels(int32_t, int32_t, const uint32_t* pixels, int32_t w, int32_t h) override {
        if (w > 0 && h > 0) surfaceChecksum += pixels[0] + pixels[size_t(w) * size_t(h) - 1];
    }
    void FillRect(int32_t, int32_t, int32_t, int32_t, uint32_t) override {}
    void DrawOutlinedBox(int32_t, int32_t, int32_t, int32_t) override {}
    void DrawText(int32_t, int32_t, std::string_view utf8, const TextStyle&) override {
        surfaceChecksum += utf8.size();
    }
};

// Data.dat lives in a private folder for the whole run and is rewritten by
// every input (the game may have written a best record into it). The folder
// is in memory where the system has such a place: a record written is synced
// to the disk, which would cost milliseconds an input.
char dataFolder[] = "/dev/shm/zarnok-fuzz-XXXXXX";
char diskFolder[] = "/tmp/zarnok-fuzz-XXXXXX";

void RemoveDataFolder() {
    for (const char* folder : {dataFolder, diskFolder}) {
        unlink((std::string(folder) + "/Data.dat").c_str());
        rmdir(folder);
    }
}

const std::string& DataFilePath() {
    static const std::string path = [] {
        const char* folder = mkdtemp(dataFolder);
        if (folder == nullptr) folder = mkdtemp(diskFolder);
        if (folder == nullptr) std::abort();
        std::atexit(RemoveDataFolder);
        return std::string(folder) + "/Data.dat";
    }();
    return path;
}

void WriteDataFile(std::span<const uint8_t> bytes) {
    uint8_t file[DataFileSize] = {};
    std::copy_n(bytes.begin(), std::min(bytes.size(), sizeof file), file);
    FILE* out = std::fopen(DataFilePath().c_str(), "wb");
    if (out == nullptr || std::fwrite(file, 1, sizeof file, out) != sizeof file) std::abort();
    std::fclose(out);
}

// One world for the whole run, made equal to a new one before every input.
// A new world costs more than a short input's play: its frame alone is
// 1.6 MB of fresh pages to fault in and clear, where copying over pages
// already in use is one pass. Nothing of an earlier input survives the copy.
GameWorld& FreshWorld() {
    static const auto pristine = std::make_unique<const GameWorld>();
    static const auto world = std::make_unique<GameWorld>();
    *world = *pristine;
    return *world;
}

// Control bytes, read front to back; zeros once they run out.
class Controls {
public:
    explicit Controls(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool Empty() const { return pos_ >= bytes_.size(); }
    uint8_t Next() { return Empty() ? 0 : bytes_[pos_++]; }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

void ScriptAnswer(ScriptedHost& host, Controls& in, uint8_t choice) {
    switch (choice % 5) {
    case 0: host.Answer(ScriptedAnswer::Ok); break;
    case 1: host.Answer(ScriptedAnswer::Yes); break;
    case 2: host.Answer(ScriptedAnswer::No); break;
    case 3: host.Answer(ScriptedAnswer::Cancel); break;
    default: {
        // Any bytes, broken UTF-8 included, as the typed name.
        std::string name(in.Next() % 48, '\0');
        for (char& c : name) c = char(in.Next());
        host.Answer(ScriptedAnswer::Name, name);
        break;
    }
    }
}

// --- Mutation ----------------------------------------------------------------
// Random byte flips rarely turn a 32-bit field into a value near the wrap,
// or put two elements next to each other. Half of the mutations therefore
// set one whole field of a level record: a kind byte to a telling value, a
// coordinate to the edge of the 32-bit range or next to another field.

struct Field {
    int32_t offset;  // inside the level record
    bool isByte;
};

// The field at position `index` of a record, in file order.
constexpr int32_t HeaderFields = 3;  // start x, y, facing
constexpr int32_t ElementSlots = MaxPlatforms + MaxDecorations + MaxPickups + MaxNests;
constexpr int32_t FieldCount = HeaderFields + ElementSlots * 3 + MaxMosquitoes * 4 + 2;

constexpr Field FieldAt(int32_t index) {
    if (index < HeaderFields) return {index * 4, false};
    index -= HeaderFields;
    if (index < ElementSlots * 3) {
        const int32_t entry = PlatformsOffset + index / 3 * ElementEntrySize;
        const int32_t part = index % 3;
        return part == 0 ? Field{entry, true} : Field{entry + 1 + (part - 1) * 4, false};
    }
    index -= ElementSlots * 3;
    if (index < MaxMosquitoes * 4) {
        const int32_t entry = MosquitoesOffset + index / 4 * MosquitoEntrySize;
        const int32_t part = index % 4;
        return part == 0 ? Field{entry, true} : Field{entry + 1 + (part - 1) * 4, false};
    }
    index -= MaxMosquitoes * 4;
    return {GoalOffset + index * 4, false};
}
static_assert(FieldAt(FieldCount - 1).offset + 4 == LevelRecordSize);
static_assert(FieldAt(HeaderFields).offset == PlatformsOffset);

int32_t GetInt32(const uint8_t* at) { return ByteReader(std::span<const uint8_t>(at, 4)).Int32(); }

void PutInt32(uint8_t* at, int32_t value) { ByteWriter(std::span<uint8_t>(at, 4)).Int32(value); }

// The soldier's start and the exit are single fields that matter most.
Field PickField(std::minstd_rand& random) {
    constexpr int32_t soldierAndExit[] = {0, 1, 2, FieldCount - 2, FieldCount - 1};
    if (random() % 4 == 0) return FieldAt(soldierAndExit[random() % 5]);
    return FieldAt(int32_t(random() % uint32_t(FieldCount)));
}

// Up to 4096 either way, small distances far more often than large ones.
int32_t SmallOffset(std::minstd_rand& random) {
    const int32_t magnitude = int32_t(random() % (1u << (random() % 13)));
    return random() % 2 ? magnitude : -magnitude;
}

int32_t HostileValue(std::minstd_rand& random, const uint8_t* record) {
    const int32_t small = SmallOffset(random);
    switch (random() % 5) {
    case 0: return AddWrap(INT32_MAX, small);  // either side of the wrap
    case 1: return AddWrap(INT32_MIN, small);
    case 2: return small;
    case 3: {  // next to another field: elements that meet each other
        const Field other = FieldAt(int32_t(random() % uint32_t(FieldCount)));
        return other.isByte ? small : AddWrap(GetInt32(record + other.offset), small);
    }
    default: return static_cast<int32_t>(random());
    }
}

uint8_t HostileByte(std::minstd_rand& random) {
    constexpr uint8_t telling[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 99, 100, 101, 127, 128, 254, 255};
    return random() % 4 == 0 ? uint8_t(random()) : telling[random() % sizeof telling];
}

}  // namespace

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
    std::minstd_rand random(seed);
    if (size < size_t(DataFileSize) || random() % 2 == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    // Mostly the level the control bytes pick, sometimes any other one.
    const size_t picked = size > size_t(DataFileSize) ? data[DataFileSize] % LevelCount : 0;
    const size_t level = random() % 4 == 0 ? random() % LevelCount : picked;
    uint8_t* record = data + level * size_t(LevelRecordSize);
    for (uint32_t n = 1 + random() % 3; n > 0; --n) {
        const Field field = PickField(random);
        if (field.isByte)
            record[field.offset] = HostileByte(random);
        else
            PutInt32(record + field.offset, HostileValue(random, record));
    }
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    WriteDataFile(input.first(std::min(size, size_t(DataFileSize))));
    Controls in(size > size_t(DataFileSize) ? input.subspan(size_t(DataFileSize))
                                            : std::span<const uint8_t>());

    NullSurface surface;
    ScriptedHost host(surface);
    host.dataFilePath = DataFilePath();
    GameWorld* world = &FreshWorld();
    HeadlessDriver driver(*world, host);
    // The picture is not what is tested: only the draws' own pixels are made.
    driver.FrameRenderer().unseen = true;

    // The first tick starts a game on level 1; a chosen later level is
    // reached the way the exit reaches it.
    driver.Tick();
    const uint8_t level = uint8_t(in.Next() % LevelCount + 1);
    if (level > 1 && world->gameRunning != 0) {
        world->levelNumber = uint8_t(level - 1);
        AdvanceLevel(*world, host);
    }

    // Each control byte: low nibble the action, high nibble its argument.
    int ticks = 1;
    while (!in.Empty() && ticks < MaxTicks && !driver.Closed()) {
        const uint8_t op = in.Next();
        const uint8_t arg = op >> 4;
        switch (op & 15) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5: driver.Press(true, BoundKeys[op & 15]); break;
        case 6:
        case 7:
        case 8:
        case 9:
        case 10:
        case 11: driver.Press(false, BoundKeys[(op & 15) - 6]); break;
        case 12: ScriptAnswer(host, in, arg); break;
        case 13:  // a key the bindings do not know, or a rebinding
            if (arg < 8) {
                world->selectedAction = in.Next();
                StoreCapturedKey(*world, int32_t(in.Next()) - 8);
            } else {
                driver.Press(true, int32_t(in.Next()) - 8);
            }
            break;
        case 14:  // the display switches colour depth
            host.bitsPerPixel = arg == 0 ? 16 : 32;
            break;
        default:  // 1..16 ticks of play
            for (int k = 0; k <= arg && ticks < MaxTicks && !driver.Closed(); ++k, ++ticks)
                driver.Tick();
            break;
        }
    }
    return 0;
}
