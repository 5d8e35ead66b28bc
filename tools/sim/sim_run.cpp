// sim_run.cpp -- the runner's tick loop: what the view's timers and key events do,
// driven from a replay instead of a clock and a keyboard.
#include "tools/sim/sim_run.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <stdlib.h>

#include "game/level_file.h"
#include "game/world_fields.h"
#include "render/frame.h"
#include "shell/image_surface.h"
#include "shell/language.h"
#include "tools/common/headless_driver.h"
#include "tools/common/replay.h"
#include "tools/common/scripted_host.h"
#include "game/world_hash.h"

namespace {

constexpr int32_t SimClientWidth = 800;  // the view's client area in the runner
constexpr int32_t SimClientHeight = 600;
constexpr int32_t ShotWidth = 800;  // picture plus the HUD rows below it
constexpr int32_t ShotHeight = 540;

// The fields the summary shows, by their path in the world's field list.
// clang-format off
constexpr const char* SummaryFields[] = {
    "levelNumber", "gameRunning", "score", "deathCode", "player.x", "player.y", "player.facing",
    "player.health", "player.rounds", "player.spareMagazines", "player.fireState",
    "player.aimAngle", "player.jumpTicksLeft", "player.invulnerableTicks", "player.damageTint",
    "cameraLeft", "cameraTop",
};
// clang-format on

std::string FloatText(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", double(v));
    return text;
}

// Message texts may hold line breaks; the summary keeps one box a line.
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

// The name's bytes as they are, but nothing that would break the line.
std::string NameText(const std::string& bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || c == '"' || c == '\\') {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", unsigned(b));
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// Every field of the world the one list names, as (path, value text):
// "score", "player.x", "platforms[3].type". A table gives only its slots in
// use; the frame's pixels are left out, the hash stands for them.
class FieldTexts {
public:
    void operator()(const char* name, const uint8_t& v) { Add(name, std::to_string(v)); }
    void operator()(const char* name, const int32_t& v) { Add(name, std::to_string(v)); }
    void operator()(const char* name, const float& v) { Add(name, FloatText(v)); }
    void operator()(const char* name, const std::string& v) { Add(name, NameText(v)); }
    void operator()(const char*, const std::vector<uint32_t>&) {}
    template <typename Record, size_t N>
    void operator()(const char* name, const std::array<Record, N>& table) {
        for (size_t i = 0; i < N; ++i)
            if (InUse(table[i]))
                Nested(std::string(name) + "[" + std::to_string(i) + "]", table[i]);
    }
    template <typename Record>
    requires std::is_class_v<Record>
    void operator()(const char* name, const Record& record) { Nested(name, record); }

    std::vector<std::pair<std::string, std::string>> fields;

private:
    template <typename Record>
    void Nested(const std::string& name, const Record& record) {
        const std::string outer = prefix_;
        prefix_ += name + ".";
        VisitFields(record, *this);
        prefix_ = outer;
    }
    void Add(const char* name, std::string value) {
        fields.emplace_back(prefix_ + name, std::move(value));
    }

    std::string prefix_;
};

std::vector<std::pair<std::string, std::string>> ListFields(const GameWorld& w) {
    FieldTexts texts;
    VisitFields(w, texts);
    return std::move(texts.fields);
}

std::string FindField(const std::vector<std::pair<std::string, std::string>>& fields,
                      const std::string& path) {
    for (const auto& [name, value] : fields)
        if (name == path) return value;
    return "?";
}

// One line a record, "player: x=120 y=400 ...", the world's own fields on
// the first; records in the order the list first names them.
void DumpFields(std::string& out, const std::vector<std::pair<std::string, std::string>>& fields) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& [path, value] : fields) {
        const size_t dot = path.rfind('.');
        const std::string owner = dot == std::string::npos ? "world" : path.substr(0, dot);
        const std::string item = path.substr(dot + 1) + "=" + value;
        auto line = std::find_if(lines.begin(), lines.end(),
                                 [&](const auto& l) { return l.first == owner; });
        if (line == lines.end())
            lines.emplace_back(owner, item);
        else
            line->second += " " + item;
    }
    for (const auto& [owner, items] : lines) out += owner + ": " + items + "\n";
}

// What the game asked of the machine: sounds, timer 2, dialogs.
void DumpHost(std::string& out, const ScriptedHost& host) {
    out += "host: firingLoopStarts=" + std::to_string(host.firingLoopStarts) +
           " soundStops=" + std::to_string(host.soundStops) +
           " chimes=" + std::to_string(host.chimes) +
           " stopTimerStarts=" + std::to_string(host.stopTimerStarts) +
           " stopTimerStops=" + std::to_string(host.stopTimerStops) +
           " stopTimerRunning=" + std::to_string(int(host.stopTimerRunning)) +
           " nameDialogs=" + std::to_string(host.nameDialogs) +
           " applicationClosed=" + std::to_string(int(host.applicationClosed)) + "\n";
}

// The picture's top-left in client pixels, where the tick's mapping puts it.
QRect ShotRect(const ImageSurface& surface) {
    const PictureOrigin origin = PictureOriginFor(surface.ClientWidth(), surface.ClientHeight());
    return QRect(origin.x, origin.y, ShotWidth, ShotHeight);
}

// With no picture asked for, nobody sees the client area: the run keeps its
// size and lets every drawing fall away, which spares a copy of the frame
// and the HUD's text layout each tick. Nothing the engine does reads the
// client area back, so the world and the summary are the same.
class UnseenSurface : public ClientSurface {
public:
    int32_t ClientWidth() const override { return SimClientWidth; }
    int32_t ClientHeight() const override { return SimClientHeight; }
    void SetOrigin(int32_t, int32_t) override {}
    void DrawPixels(int32_t, int32_t, const uint32_t*, int32_t, int32_t) override {}
    void FillRect(int32_t, int32_t, int32_t, int32_t, uint32_t) override {}
    void DrawOutlinedBox(int32_t, int32_t, int32_t, int32_t) override {}
    void DrawText(int32_t, int32_t, std::string_view, const TextStyle&) override {}
};

// The scripted host with the game's translation: the messages read as the
// player would read them in the language in use (Russian by default, the
// source texts themselves).
class TranslatingHost : public ScriptedHost {
public:
    using ScriptedHost::ScriptedHost;
    MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                              MessageButtons buttons, MessageIcon icon) override {
        return ScriptedHost::ShowMessage(GameText(text).toStdString(),
                                         GameText(caption).toStdString(), buttons, icon);
    }
    std::string Translate(std::string_view source) override {
        return GameText(source).toStdString();
    }
};

bool SaveShot(const ImageSurface& surface, const std::string& path, std::ostream& err) {
    QImage shot = surface.Image().copy(ShotRect(surface));
    if (!shot.save(QString::fromStdString(path), "PNG")) {
        err << "zarnok-sim: cannot write the picture " << path << "\n";
        return false;
    }
    return true;
}

}  // namespace

std::string FormatSummary(const GameWorld& w, const ScriptedHost& host, uint64_t ticksRun,
                          bool dumpWorld) {
    const auto fields = ListFields(w);
    const auto liveMosquitoes = std::count_if(w.mosquitoes.begin(), w.mosquitoes.end(),
                                              [](const Mosquito& m) { return InUse(m); });
    const auto flyingBullets = std::count_if(w.bullets.begin(), w.bullets.end(),
                                             [](const Bullet& b) { return InUse(b); });

    std::string out = "tick: " + std::to_string(ticksRun) + "\n";
    for (const char* path : SummaryFields)
        out += std::string(path) + ": " + FindField(fields, path) + "\n";
    out += "mosquitoes: " + std::to_string(liveMosquitoes) + "\n";
    out += "bullets: " + std::to_string(flyingBullets) + "\n";
    out += "worldHash: " + FormatWorldHash(WorldHash(w)) + "\n";
    for (const ShownMessage& m : host.messages)
        out += "message: " + OneLine(m.caption) + " | " + OneLine(m.text) + "\n";
    if (dumpWorld) {
        DumpFields(out, fields);
        DumpHost(out, host);
    }
    return out;
}

// The game writes a new best record into the Data.dat it plays on. Unless
// asked to, the runner leaves its input alone: it plays on a copy in a
// folder of its own, removed when the run ends. Anything but a regular file
// is played where it is: the game refuses to write into those anyway.
class ScratchData {
public:
    explicit ScratchData(const std::filesystem::path& data) : path_(data) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(data, ec)) return;
        path_.clear();
        std::string folder = (std::filesystem::temp_directory_path(ec) / "zarnok-sim-XXXXXX").string();
        if (ec || mkdtemp(folder.data()) == nullptr) return;
        folder_ = folder;
        if (std::filesystem::copy_file(data, folder_ / "Data.dat", ec)) path_ = folder_ / "Data.dat";
    }
    ~ScratchData() {
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }
    ScratchData(const ScratchData&) = delete;
    ScratchData& operator=(const ScratchData&) = delete;

    // Empty when a regular file could not be copied.
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
    std::filesystem::path folder_;
};

namespace {

// A versioned journal is played on the best record it was recorded with.
// When the file holds another, the run plays on a copy of it that goes
// with the run, and the file the runner was pointed at is left alone.
class PrivateDataCopy {
public:
    ~PrivateDataCopy() {
        std::error_code ec;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
    }

    bool Make(const std::string& from, const std::array<uint8_t, JournalRecordBytes>& record) {
        std::string pattern = (std::filesystem::temp_directory_path() / "zarnok-sim-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return false;
        folder_ = pattern;
        std::error_code ec;
        const std::filesystem::path copy = folder_ / "Data.dat";
        if (!std::filesystem::copy_file(from, copy, ec)) return false;
        std::fstream file(copy, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(BestScoreOffset);
        file.write(reinterpret_cast<const char*>(record.data()), std::streamsize(record.size()));
        return bool(file);
    }
    std::string Path() const { return (folder_ / "Data.dat").string(); }

private:
    std::filesystem::path folder_;
};

// Refuses a versioned journal made on other levels than the file's.
bool SameLevels(const ReplayJournal& replay, const std::optional<DataFileFacts>& facts,
                const std::string& dataPath, const SimOptions& options, std::ostream& err) {
    if (replay.header.version == 0) return true;
    if (!facts) return true;  // the game itself says that the file cannot be read
    if (facts->levelsHash == replay.header.levelsHash) return true;
    err << "zarnok-sim: " << options.replayPath << " was played on other levels (levels "
        << JournalHex(replay.header.levelsHash) << ") than " << dataPath << " holds (levels "
        << JournalHex(facts->levelsHash) << "); refusing to play it\n";
    return false;
}

// A check of the journal against the world; the first difference is reported
// with both hashes and ends the run.
bool CheckMatches(const JournalCheck& check, const GameWorld& world, const ReplayJournal& replay,
                  const SimOptions& options, std::ostream& err) {
    const uint64_t hash = WorldHash(world);
    if (hash == check.hash) return true;
    err << "zarnok-sim: " << options.replayPath << ": the world differs at tick " << check.tick
        << ": the journal has " << JournalHex(check.hash) << ", this run has " << JournalHex(hash);
    const std::string& recordedBy = replay.header.gameVersion;
    if (recordedBy != ZARNOK_VERSION)
        err << " (recorded by Zarnok " << recordedBy << ", this is " << ZARNOK_VERSION << ")";
    err << "\n";
    return false;
}

}  // namespace

int RunSimulation(const SimOptions& options, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_directory(options.dataDir, ec)) {
        err << "zarnok-sim: --data " << options.dataDir << " is not a folder\n";
        return 2;
    }
    const std::string dataPath = (std::filesystem::path(options.dataDir) / "Data.dat").string();

    ReplayJournal replay;
    std::string error;
    if (!options.replayPath.empty() && !LoadReplayFile(options.replayPath, replay, error)) {
        err << "zarnok-sim: " << error << "\n";
        return 2;
    }
    const std::optional<DataFileFacts> found = ReadDataFileFacts(dataPath);
    if (!SameLevels(replay, found, dataPath, options, err)) return 2;
    // Old journals may list events out of tick order; those of one tick keep
    // their order in the file.
    std::stable_sort(
        replay.keys.begin(), replay.keys.end(),
        [](const ReplayKeyEvent& a, const ReplayKeyEvent& b) { return a.tick < b.tick; });
    uint64_t ticks = options.ticks;
    if (!options.ticksGiven && !replay.checks.empty()) ticks = replay.checks.back().tick;

    PrivateDataCopy privateData;
    std::string playedPath = dataPath;
    if (replay.header.record && found && found->record != replay.header.record) {
        if (!privateData.Make(dataPath, *replay.header.record)) {
            err << "zarnok-sim: cannot copy " << dataPath << " to play the journal on its record\n";
            return 1;
        }
        playedPath = privateData.Path();
    }
    // What --record writes: the file as this run found it.
    JournalHeader recordHeader;
    recordHeader.gameVersion = ZARNOK_VERSION;
    if (found) {
        recordHeader.levelsHash = found->levelsHash;
        recordHeader.record = replay.header.record ? replay.header.record : found->record;
    }

    std::unique_ptr<ImageSurface> image;
    UnseenSurface unseen;
    if (!options.shots.empty())
        image = std::make_unique<ImageSurface>(SimClientWidth, SimClientHeight);
    TranslatingHost host(image ? static_cast<ClientSurface&>(*image) : unseen);
    std::optional<ScratchData> scratch;
    if (!options.saveRecord && playedPath == dataPath) {
        scratch.emplace(dataPath);
        if (scratch->Path().empty()) {
            err << "zarnok-sim: cannot copy " << dataPath << " to play on (--save-record plays on it)\n";
            return 1;
        }
        playedPath = scratch->Path();
    }
    host.dataFilePath = playedPath;
    host.answers.assign(replay.answers.begin(), replay.answers.end());

    auto world = std::make_unique<GameWorld>();
    HeadlessDriver driver(*world, host);
    if (!options.recordPath.empty()) driver.KeepChecks();
    JournalCursor cursor(replay);
    const auto apply = [&driver](const JournalEvent& event) { driver.Apply(event); };
    const auto check = [&](const JournalCheck& c) {
        return CheckMatches(c, *world, replay, options, err);
    };
    bool shotsWritten = true;
    bool inStep = true;
    for (;;) {
        const uint64_t tick = driver.TicksRun();
        const bool last = tick >= ticks || driver.Closed();
        inStep = cursor.Boundary(tick, last, apply, check);
        if (!inStep || last) break;
        driver.Tick();
        for (const ShotRequest& shot : options.shots)
            if (shot.tick == tick) shotsWritten = SaveShot(*image, shot.path, err) && shotsWritten;
    }
    const uint64_t tick = driver.TicksRun();

    out << FormatSummary(*world, host, tick, options.dumpWorld);

    int status = shotsWritten ? 0 : 1;
    for (const ShotRequest& shot : options.shots)
        if (shot.tick >= tick) {
            err << "zarnok-sim: no picture for tick " << shot.tick << ": the game closed after "
                << tick << " ticks\n";
            status = 1;
        }
    if (!options.recordPath.empty()) {
        if (!SaveReplayFile(options.recordPath, driver.Journal(recordHeader), error)) {
            err << "zarnok-sim: " << error << "\n";
            status = 1;
        }
    }
    return inStep ? status : 3;
}
