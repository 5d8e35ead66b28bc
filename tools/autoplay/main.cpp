// main.cpp -- zarnok-autoplay: plays levels along written routes and saves the replay.
//
// The replay it writes is an ordinary journal for zarnok-sim, headed by
// comment lines the level proofs read: the level the game starts in, the
// number of ticks to run and what the run reaches. When a rule of the game
// changes, playing the routes again gives replays that fit the new rules.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/number_text.h"
#include "game/world.h"
#include "tools/autoplay/autopilot.h"
#include "tools/autoplay/route.h"
#include "tools/common/headless_driver.h"
#include "tools/common/input_file.h"
#include "tools/common/level_rotation.h"
#include "tools/common/replay.h"
#include "tools/common/scripted_host.h"

namespace fs = std::filesystem;

namespace {

constexpr uint8_t VictoryLevel = LevelCount + 1;

const char UsageText[] =
    "usage: zarnok-autoplay --data DATA.dat --out REPLAY [--first-level N] [--ticks MAX]\n"
    "                       [--name NAME] [--verbose] ROUTE...\n"
    "  Plays one ROUTE per level, from level N of DATA.dat (the levels turned round\n"
    "  so that N comes first), and writes what it pressed as a replay. With six\n"
    "  routes from level 1 it plays through to the victory, enters NAME as the new\n"
    "  best player and declines a new game. Exits 1 when the soldier dies or the\n"
    "  routes end before the goal. Route steps are described in tools/autoplay/route.h.\n"
    "  DATA.dat and every ROUTE must be a regular file or a pipe of at most 64 MiB;\n"
    "  anything else stops the run with status 2.\n";

struct Options {
    std::string dataPath;
    std::string outPath;
    int firstLevel = 1;
    uint64_t maxTicks = 20000;
    std::string name = "Автопилот";
    bool verbose = false;
    std::vector<std::string> routePaths;
};

// A number option's value, in range; false with a message otherwise.
template <typename T>
bool ReadNumberOption(const std::string& name, const char* text, T min, T max, T& value,
                      std::string& error) {
    const std::optional<T> number = ParseDecimal<T>(text, min, max);
    if (!number) {
        error = NumberRefusal(name, min, max, text);
        return false;
    }
    value = *number;
    return true;
}

// False with `error` empty when only the usage can help.
bool ParseOptions(int argc, char** argv, Options& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        bool ok = true;
        if (arg == "--data" && hasValue)
            o.dataPath = argv[++i];
        else if (arg == "--out" && hasValue)
            o.outPath = argv[++i];
        else if (arg == "--first-level" && hasValue)
            ok = ReadNumberOption(arg, argv[++i], 1, int(LevelCount), o.firstLevel, error);
        else if (arg == "--ticks" && hasValue)
            ok = ReadNumberOption(arg, argv[++i], uint64_t(1), UINT64_MAX, o.maxTicks, error);
        else if (arg == "--name" && hasValue)
            o.name = argv[++i];
        else if (arg == "--verbose")
            o.verbose = true;
        else if (!arg.empty() && arg[0] != '-')
            o.routePaths.push_back(arg);
        else
            return false;
        if (!ok) return false;
    }
    return !o.dataPath.empty() && !o.outPath.empty() && !o.routePaths.empty();
}

// Answers every box with OK, the name dialog with the given name and the
// question about a new game with No.
class AutoHost : public ScriptedHost {
public:
    explicit AutoHost(std::string playerName) : playerName_(std::move(playerName)) {}

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                              MessageButtons buttons, MessageIcon icon) override {
        answers.clear();
        if (buttons == MessageButtons::YesNo) answers.push_back({ScriptedAnswer::No, {}});
        return ScriptedHost::ShowMessage(text, caption, buttons, icon);
    }
    bool AskPlayerName(std::string& utf8Name) override {
        answers.clear();
        answers.push_back({ScriptedAnswer::Name, playerName_});
        return ScriptedHost::AskPlayerName(utf8Name);
    }

private:
    std::string playerName_;
};

struct PlayResult {
    uint64_t ticks = 0;
    bool reached = false;  // every route's level was left through its goal
};

// Runs the game as zarnok-sim does, with the autopilot at the keys.
PlayResult Play(GameWorld& world, AutoHost& host, Autopilot& pilot, size_t routeCount,
                uint64_t maxTicks, ReplayJournal& journal) {
    HeadlessDriver driver(world, host);
    PlayResult result;
    while (driver.TicksRun() < maxTicks && !driver.Closed() && !result.reached) {
        const uint64_t tick = driver.TicksRun();
        const uint8_t levelBefore = world.levelNumber;
        if (tick > 0) {  // the first tick only starts the game
            for (const ReplayKeyEvent& event : pilot.Decide(world, tick))
                driver.Press(event.down, event.key);
        }
        driver.Tick();

        if (world.deathCode != DeathNone) {
            std::cerr << "zarnok-autoplay: the soldier died at tick " << tick << " (death code "
                      << int(world.deathCode) << ") at x " << world.player.x << ", y "
                      << world.player.y << " in level " << int(levelBefore) << "\n";
            break;
        }
        const bool advanced = tick > 0 && world.levelNumber != levelBefore;
        const size_t levelsDone = size_t(world.levelNumber) - 1;
        result.reached = world.levelNumber >= VictoryLevel ||
                         (advanced && levelsDone >= routeCount);
        result.ticks = driver.TicksRun();  // a replay of a death stops before the fatal tick
    }
    journal = driver.Journal();
    return result;
}

std::string ReplayText(const Options& o, const PlayResult& result, const ReplayJournal& journal) {
    std::ostringstream text;
    text << "# Played by zarnok-autoplay from";
    for (const std::string& path : o.routePaths) text << " " << fs::path(path).filename().string();
    text << ".\n# After a rule change play the routes again (tests/replays/proofs/record.sh);\n"
            "# do not edit this file by hand.\n";
    text << "# first-level: " << o.firstLevel << "\n";
    text << "# ticks: " << result.ticks << "\n";
    // The game counts from the first level of its (turned) file: six routes win it.
    const bool victory = o.routePaths.size() >= size_t(LevelCount);
    text << "# goal: " << (victory ? "victory" : "advance") << "\n";
    text << FormatReplay(journal);
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string optionError;
    if (!ParseOptions(argc, argv, options, optionError)) {
        if (!optionError.empty()) std::cerr << "zarnok-autoplay: " << optionError << "\n";
        std::cerr << UsageText;
        return 2;
    }
    std::vector<Route> routes;
    for (const std::string& path : options.routePaths) {
        Route route;
        std::string error;
        if (!LoadRoute(path, route, error)) {
            std::cerr << "zarnok-autoplay: " << error << "\n";
            return 2;
        }
        routes.push_back(std::move(route));
    }
    std::string data;
    std::string readError;
    if (!ReadInputFile(options.dataPath, data, readError)) {
        std::cerr << "zarnok-autoplay: " << readError << "\n";
        return 2;
    }
    if (data.size() != size_t(DataFileSize)) {
        std::cerr << "zarnok-autoplay: " << options.dataPath << " is not a complete Data.dat\n";
        return 2;
    }

    // The game may write the best record: it plays on a scratch copy.
    const fs::path scratch = fs::temp_directory_path() /
                             ("zarnok-autoplay-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    const fs::path scratchData = scratch / "Data.dat";
    std::ofstream(scratchData, std::ios::binary) << RotateLevels(data, options.firstLevel);

    AutoHost host(options.name);
    host.dataFilePath = scratchData.string();
    auto world = std::make_unique<GameWorld>();
    Autopilot pilot(std::move(routes), options.verbose);
    ReplayJournal journal;
    const PlayResult result = Play(*world, host, pilot, options.routePaths.size(), options.maxTicks,
                                   journal);
    std::error_code ignored;
    fs::remove_all(scratch, ignored);

    std::cout << "ticks: " << result.ticks << "\nlevelNumber: " << int(world->levelNumber)
              << "\nhealth: " << int(world->player.health) << "\nscore: " << world->score << "\n";
    // A run that falls short is kept beside the replay, for zarnok-sim to show.
    const std::string written = result.reached ? options.outPath : options.outPath + ".failed";
    std::ofstream out(written, std::ios::binary | std::ios::trunc);
    out << ReplayText(options, result, journal);
    if (!out.flush()) {
        std::cerr << "zarnok-autoplay: cannot write " << written << "\n";
        return 2;
    }
    if (!result.reached) {
        std::cerr << "zarnok-autoplay: the routes did not reach the goal; the run is in " << written
                  << "\n";
        return 1;
    }
    return 0;
}
