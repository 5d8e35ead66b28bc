// sim_run.cpp -- the runner's tick loop: what the view's timers and key events do,
// driven from a replay instead of a clock and a keyboard.
#include "tools/sim/sim_run.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "game/progression.h"
#include "game/sound.h"
#include "game/tick.h"
#include "game/world.h"
#include "input/keys.h"
#include "render/frame.h"
#include "shell/image_surface.h"
#include "tools/common/replay.h"
#include "tools/common/scripted_host.h"
#include "tools/common/world_hash.h"

namespace {

constexpr int32_t ClientWidth = 800;   // the view's client area in the runner
constexpr int32_t ClientHeight = 600;
constexpr int32_t ShotWidth = 800;     // picture plus the HUD rows below it
constexpr int32_t ShotHeight = 540;

std::string FloatText(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", double(v));
    return text;
}

// Message texts may hold line breaks; the summary keeps one box a line.
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

void Line(std::string& out, const char* name, long long value) {
    out += name;
    out += ": ";
    out += std::to_string(value);
    out += '\n';
}

void DumpTables(std::string& out, const GameWorld& w) {
    auto slot = [&out](const char* table, size_t i, const std::string& fields) {
        out += std::string(table) + "[" + std::to_string(i) + "]: " + fields + "\n";
    };
    auto n = [](long long v) { return std::to_string(v); };

    for (size_t i = 0; i < w.platforms.size(); ++i) {
        const Platform& p = w.platforms[i];
        if (p.type) slot("platform", i, "type=" + n(p.type) + " x=" + n(p.x) + " y=" + n(p.y));
    }
    for (size_t i = 0; i < w.decorations.size(); ++i) {
        const Decoration& d = w.decorations[i];
        if (d.type) slot("decoration", i, "type=" + n(d.type) + " x=" + n(d.x) + " y=" + n(d.y));
    }
    for (size_t i = 0; i < w.pickups.size(); ++i) {
        const Pickup& p = w.pickups[i];
        if (p.type) slot("pickup", i, "type=" + n(p.type) + " x=" + n(p.x) + " y=" + n(p.y));
    }
    for (size_t i = 0; i < w.nests.size(); ++i) {
        const Nest& s = w.nests[i];
        if (s.spawnTimer)
            slot("nest", i, "spawnTimer=" + n(s.spawnTimer) + " x=" + n(s.x) + " y=" + n(s.y));
    }
    for (size_t i = 0; i < w.mosquitoes.size(); ++i) {
        const Mosquito& m = w.mosquitoes[i];
        if (m.alive)
            slot("mosquito", i,
                 "x=" + n(m.x) + " y=" + n(m.y) + " dir=" + n(m.dir) + " heading=" + FloatText(m.heading) +
                     " chasing=" + n(m.chasing));
    }
    for (size_t i = 0; i < w.bullets.size(); ++i) {
        const Bullet& b = w.bullets[i];
        if (b.active)
            slot("bullet", i,
                 "x=" + n(b.x) + " y=" + n(b.y) + " angle=" + FloatText(b.angle) + " facing=" + n(b.facing));
    }
    for (size_t i = 0; i < w.scorePopups.size(); ++i) {
        const ScorePopup& s = w.scorePopups[i];
        if (s.ttl)
            slot("scorePopup", i,
                 "ttl=" + n(s.ttl) + " x=" + n(s.x) + " y=" + n(s.y) + " value=" + n(s.value));
    }
    out += "goal: x=" + n(w.goal.x) + " y=" + n(w.goal.y) + "\n";
    if (w.fallingMagazine.active)
        out += "fallingMagazine: x=" + n(w.fallingMagazine.x) + " y=" + n(w.fallingMagazine.y) + "\n";
}

// What the game asked of the machine: sounds, timer 2, dialogs.
void DumpHost(std::string& out, const ScriptedHost& host) {
    out += "host: firingLoopStarts=" + std::to_string(host.firingLoopStarts) +
           " soundStops=" + std::to_string(host.soundStops) + " chimes=" + std::to_string(host.chimes) +
           " stopTimerStarts=" + std::to_string(host.stopTimerStarts) +
           " stopTimerStops=" + std::to_string(host.stopTimerStops) +
           " stopTimerRunning=" + std::to_string(int(host.stopTimerRunning)) +
           " nameDialogs=" + std::to_string(host.nameDialogs) +
           " applicationClosed=" + std::to_string(int(host.applicationClosed)) + "\n";
}

// The picture's top-left in client pixels, where the tick's mapping puts it.
QRect ShotRect(const ImageSurface& surface) {
    const PictureOrigin origin = PictureOriginIn(surface.ClientWidth(), surface.ClientHeight());
    return QRect(origin.x, origin.y, ShotWidth, ShotHeight);
}

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
    const PlayerState& p = w.player;
    const auto liveMosquitoes =
        std::count_if(w.mosquitoes.begin(), w.mosquitoes.end(), [](const Mosquito& m) { return m.alive != 0; });
    const auto flyingBullets =
        std::count_if(w.bullets.begin(), w.bullets.end(), [](const Bullet& b) { return b.active != 0; });

    std::string out = "tick: " + std::to_string(ticksRun) + "\n";
    Line(out, "levelNumber", w.levelNumber);
    Line(out, "gameRunning", w.gameRunning);
    Line(out, "score", w.score);
    Line(out, "deathCode", w.deathCode);
    Line(out, "player.x", p.x);
    Line(out, "player.y", p.y);
    Line(out, "player.facing", p.facing);
    Line(out, "player.health", p.health);
    Line(out, "player.rounds", p.rounds);
    Line(out, "player.spareMagazines", p.spareMagazines);
    Line(out, "player.fireState", p.fireState);
    out += "player.aimAngle: " + FloatText(p.aimAngle) + "\n";
    Line(out, "player.jumpTicksLeft", p.jumpTicksLeft);
    Line(out, "player.invulnerableTicks", p.invulnerableTicks);
    Line(out, "player.damageTint", p.damageTint);
    Line(out, "cameraLeft", w.cameraLeft);
    Line(out, "cameraTop", w.cameraTop);
    Line(out, "mosquitoes", liveMosquitoes);
    Line(out, "bullets", flyingBullets);
    out += "worldHash: " + FormatWorldHash(WorldHash(w)) + "\n";
    for (const ShownMessage& m : host.messages)
        out += "message: " + OneLine(m.caption) + " | " + OneLine(m.text) + "\n";
    if (dumpWorld) {
        DumpTables(out, w);
        DumpHost(out, host);
    }
    return out;
}

int RunSimulation(const SimOptions& options, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_directory(options.dataDir, ec)) {
        err << "zarnok-sim: --data " << options.dataDir << " is not a folder\n";
        return 2;
    }

    ReplayJournal replay;
    std::string error;
    if (!options.replayPath.empty() && !LoadReplayFile(options.replayPath, replay, error)) {
        err << "zarnok-sim: " << error << "\n";
        return 2;
    }
    // Events come in tick order; those of one tick keep their order in the file.
    std::stable_sort(replay.keys.begin(), replay.keys.end(),
                     [](const ReplayKeyEvent& a, const ReplayKeyEvent& b) { return a.tick < b.tick; });

    ImageSurface surface(ClientWidth, ClientHeight);
    ScriptedHost host(surface);
    host.dataFilePath = (std::filesystem::path(options.dataDir) / "Data.dat").string();
    host.answers.assign(replay.answers.begin(), replay.answers.end());

    auto world = std::make_unique<GameWorld>();
    ReplayJournal given;  // what this run was handed, for --record
    bool shotsWritten = true;

    // A fresh start: the first document asks for a new game before any tick.
    RequestNewGame(*world);

    uint64_t tick = 0;
    size_t nextKey = 0;
    for (; tick < options.ticks && !host.applicationClosed; ++tick) {
        for (; nextKey < replay.keys.size() && replay.keys[nextKey].tick == tick; ++nextKey) {
            const ReplayKeyEvent& event = replay.keys[nextKey];
            if (event.down) DispatchKeyDown(*world, host, event.key);
            else DispatchKeyUp(*world, host, event.key);
            given.keys.push_back(event);
        }

        // Timer 2 runs 50 ms: started before this tick, it expires right after it.
        const bool stopTimerWasRunning = host.stopTimerRunning;
        RunTimerTick(*world, host);
        if (stopTimerWasRunning && host.stopTimerRunning && !host.applicationClosed)
            OnSoundStopTimer(*world, host);

        for (const ShotRequest& shot : options.shots)
            if (shot.tick == tick) shotsWritten = SaveShot(surface, shot.path, err) && shotsWritten;
    }

    out << FormatSummary(*world, host, tick, options.dumpWorld);

    int status = shotsWritten ? 0 : 1;
    for (const ShotRequest& shot : options.shots)
        if (shot.tick >= tick) {
            err << "zarnok-sim: no picture for tick " << shot.tick << ": the game closed after " << tick
                << " ticks\n";
            status = 1;
        }
    if (!options.recordPath.empty()) {
        given.answers = host.answersGiven;
        if (!SaveReplayFile(options.recordPath, given, error)) {
            err << "zarnok-sim: " << error << "\n";
            status = 1;
        }
    }
    return status;
}
