// sim_options.cpp -- reading the runner's command line.
#include "tools/sim/sim_options.h"

#include <optional>
#include <string_view>

#include "game/number_text.h"

namespace {

// "T:FILE.png"
bool ParseShot(const std::string& text, ShotRequest& shot) {
    size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 >= text.size()) return false;
    const std::optional<uint64_t> tick = ParseDecimal<uint64_t>(
        std::string_view(text).substr(0, colon));
    if (!tick) return false;
    shot.tick = *tick;
    shot.path = text.substr(colon + 1);
    return true;
}

}  // namespace

const char* SimUsage() {
    return "Usage: zarnok-sim [options]\n"
           "Runs the game without a window: a fresh start (the first tick starts a new\n"
           "game), then one game tick per step, and prints the state at the end.\n"
           "\n"
           "  --data DIR         folder holding Data.dat (default: the current folder)\n"
           "  --ticks N          number of ticks to run (default 0; a versioned replay:\n"
           "                     to its last check)\n"
           "  --replay FILE      a journal to play back (the README has its lines):\n"
           "                       T down KEY | T up KEY   (before tick T, from 0; KEY a\n"
           "                         number, 0x-hex, or left right up down control shift)\n"
           "                       answer ok|yes|no|cancel | answer name TEXT\n"
           "                       check T HASH            (the world's hash after T ticks)\n"
           "                       # comment\n"
           "                     a regular file or a pipe of at most 64 MiB; a versioned\n"
           "                     journal plays on its own best record, every check compared\n"
           "  --record FILE      write the events this run was given as a versioned\n"
           "                     journal, with a check every 100 ticks and at the end\n"
           "  --shot T:FILE.png  after tick T save the picture and the HUD, 800 x 540\n"
           "                     (repeatable)\n"
           "  --dump-world       also list every occupied table slot\n"
           "  --save-record      write a new best record into the Data.dat of --data, as\n"
           "                     the game does; without it the run plays on a copy and\n"
           "                     leaves the folder as it was\n"
           "  --lang ru|en       the language of the messages and the HUD (default ru,\n"
           "                     whatever the machine's locale)\n"
           "  --help             this text\n"
           "\n"
           "Exit status: 0 done, 1 an output could not be written, 2 bad arguments, an\n"
           "unreadable replay or one of other levels, 3 a check of the replay differs.\n";
}

ParseOutcome ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                             std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasInlineValue = false;
        if (size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            hasInlineValue = true;
        }

        if (name == "--help" || name == "-h") return ParseOutcome::Help;
        if (name == "--dump-world" || name == "--save-record") {
            if (hasInlineValue) {
                error = name + " takes no value";
                return ParseOutcome::Error;
            }
            (name == "--dump-world" ? options.dumpWorld : options.saveRecord) = true;
            continue;
        }
        if (name != "--data" && name != "--ticks" && name != "--replay" && name != "--record" &&
            name != "--shot" && name != "--lang") {
            error = "unknown argument '" + args[i] + "' (see --help)";
            return ParseOutcome::Error;
        }
        if (!hasInlineValue) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value (see --help)";
                return ParseOutcome::Error;
            }
            value = args[++i];
        }
        if (value.empty()) {
            error = name + " needs a non-empty value";
            return ParseOutcome::Error;
        }

        if (name == "--data") {
            options.dataDir = value;
        } else if (name == "--ticks") {
            const std::optional<uint64_t> ticks = ParseDecimal<uint64_t>(value);
            if (!ticks) {
                error = "--ticks wants a whole number of ticks, got '" + value + "'";
                return ParseOutcome::Error;
            }
            options.ticks = *ticks;
            options.ticksGiven = true;
        } else if (name == "--replay") {
            options.replayPath = value;
        } else if (name == "--record") {
            options.recordPath = value;
        } else if (name == "--lang") {
            if (value != "ru" && value != "en") {
                error = "--lang wants ru or en, got '" + value + "'";
                return ParseOutcome::Error;
            }
            options.language = value;
        } else {
            ShotRequest shot;
            if (!ParseShot(value, shot)) {
                error = "--shot wants TICK:FILE.png, got '" + value + "'";
                return ParseOutcome::Error;
            }
            options.shots.push_back(shot);
        }
    }
    for (const ShotRequest& shot : options.shots)
        if (shot.tick >= options.ticks) {
            error = "--shot at tick " + std::to_string(shot.tick) +
                    " is never reached with --ticks " + std::to_string(options.ticks) +
                    " (ticks count from 0)";
            return ParseOutcome::Error;
        }
    return ParseOutcome::Run;
}
