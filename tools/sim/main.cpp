// main.cpp -- zarnok-sim: the game without a window, for tests and level checks.
#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

#include "shell/language.h"
#include "tools/sim/sim_options.h"
#include "tools/sim/sim_run.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    SimOptions options;
    std::string error;
    switch (ParseSimOptions(args, options, error)) {
    case ParseOutcome::Help: std::cout << SimUsage(); return 0;
    case ParseOutcome::Error: std::cerr << "zarnok-sim: " << error << "\n"; return 2;
    case ParseOutcome::Run: break;
    }

    // Text needs fonts, fonts need a GUI application; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    LanguageSwitch language;
    if (!language.Use(*LanguageFromCode(options.language))) {
        std::cerr << "zarnok-sim: the translation for --lang " << options.language
                  << " is not built in\n";
        return 2;
    }

    return RunSimulation(options, std::cout, std::cerr);
}
