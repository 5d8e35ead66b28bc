// sim_run.h -- one headless run of the game: ticks, replayed events, pictures, summary.
#pragma once

#include <iosfwd>
#include <string>

#include "tools/sim/sim_options.h"

struct GameWorld;
class ScriptedHost;

// Runs the game as the options say, printing the summary to `out` and
// problems to `err`. Returns the process exit status. Needs a
// QGuiApplication for the fonts of the HUD.
int RunSimulation(const SimOptions& options, std::ostream& out, std::ostream& err);

// The end-of-run report: one "name: value" line per field, then one
// "message: CAPTION | TEXT" line per modal box, and with `dumpWorld` every
// occupied table slot.
std::string FormatSummary(const GameWorld& world, const ScriptedHost& host, uint64_t ticksRun,
                          bool dumpWorld);
