// command_line.cpp -- --help, --version and the few options of the game.
#include "shell/command_line.h"

#ifndef ZARNOK_VERSION
#error "ZARNOK_VERSION comes from the build (the project's version)"
#endif

namespace {

// The licence is named by its SPDX identifier here, in the metainfo and in
// the package's copyright file.
constexpr char LicenceText[] =
    "Copyright (c) 2005-2012, 2026 The Zarnok team\n"
    "Лицензия MIT (SPDX: MIT): <https://opensource.org/license/mit>\n"
    "Это свободная программа: её можно изменять и распространять.\n"
    "Никаких гарантий не предоставляется.\n";

std::string HelpText(const std::string& programName) {
    return "Использование: " + programName +
           " [ПАРАМЕТР]\n"
           "Zarnok: солдат с автоматом Зарнокова идёт через шесть болотных уровней.\n"
           "\n"
           "  --switch-display-mode  при выборе «800x600» действительно переключать\n"
           "                         разрешение экрана через XRandR (по умолчанию\n"
           "                         выключено)\n"
           "      --play ФАЙЛ        показать записанную игру (записи каждой игры\n"
           "                         лежат в папке replays/ рядом с Data.dat)\n"
           "  -h, --help             показать эту справку и выйти\n"
           "      --version          показать версию и лицензию и выйти\n"
           "\n"
           "Файл уровней и рекорда Data.dat берётся из текущего каталога, если он там\n"
           "есть; иначе из $XDG_DATA_HOME/zarnok/ (обычно ~/.local/share/zarnok/),\n"
           "куда при первом запуске копируется поставляемый файл.\n"
           "Платформу Qt можно выбрать переменной окружения QT_QPA_PLATFORM.\n";
}

CommandLineOutcome Answer(std::string text) {
    CommandLineOutcome outcome;
    outcome.standardOutput = std::move(text);
    return outcome;
}

CommandLineOutcome Refuse(const std::string& programName, const std::string& problem) {
    CommandLineOutcome outcome;
    outcome.exitStatus = CommandLineUsageError;
    outcome.standardError = programName + ": " + problem + "\n" + "Подробнее: " + programName +
                            " --help\n";
    return outcome;
}

}  // namespace

std::string VersionLine() { return std::string("Zarnok ") + ZARNOK_VERSION; }

CommandLineOutcome ParseCommandLine(const std::string& programName,
                                    const std::vector<std::string>& arguments) {
    const std::string name = programName.empty() ? std::string("zarnok") : programName;
    CommandLineOutcome outcome;
    outcome.runGame = true;
    // --help and --version answer whatever else is there; the first one wins.
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") return Answer(HelpText(name));
        if (argument == "--version") return Answer(VersionLine() + "\n" + LicenceText);
    }
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--switch-display-mode") {
            outcome.options.switchDisplayMode = true;
        } else if (argument == "--play" || argument.rfind("--play=", 0) == 0) {
            const bool inlineValue = argument.size() > 6;
            if (!inlineValue && i + 1 >= arguments.size())
                return Refuse(name, "параметру «--play» нужен файл записи");
            outcome.options.playPath = inlineValue ? argument.substr(7) : arguments[++i];
            if (outcome.options.playPath.empty())
                return Refuse(name, "параметру «--play» нужен файл записи");
        } else if (!argument.empty() && argument[0] == '-') {
            return Refuse(name, "неизвестный параметр «" + argument + "»");
        } else {
            return Refuse(name, "лишний аргумент «" + argument + "»");
        }
    }
    return outcome;
}
