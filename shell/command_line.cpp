// command_line.cpp -- --help, --version and the few options of the game.
#include "shell/command_line.h"

#ifndef ZARNOK_VERSION
#error "ZARNOK_VERSION comes from the build (the project's version)"
#endif

namespace {

// The licence is named by its SPDX identifier here, in the metainfo and in
// the package's copyright file.
constexpr char RussianLicenceText[] =
    "Copyright (c) 2005-2012, 2026 The Zarnok team\n"
    "Лицензия MIT (SPDX: MIT): <https://opensource.org/license/mit>\n"
    "Это свободная программа: её можно изменять и распространять.\n"
    "Никаких гарантий не предоставляется.\n";
constexpr char EnglishLicenceText[] =
    "Copyright (c) 2005-2012, 2026 The Zarnok team\n"
    "MIT License (SPDX: MIT): <https://opensource.org/license/mit>\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY.\n";

// What the command line says, in each language. "%s" is the program's name.
struct CommandLineTexts {
    const char* usage;
    const char* options;
    const char* unknownOption;  // then the option and the closing quote
    const char* strayArgument;
    const char* badLanguage;
    const char* closeQuote;
    const char* more;
};

constexpr CommandLineTexts RussianTexts = {
    "Использование: ",
    " [ПАРАМЕТР]\n"
    "Zarnok: солдат с автоматом Зарнокова идёт через шесть болотных уровней.\n"
    "\n"
    "  --switch-display-mode  при выборе «800x600» действительно переключать\n"
    "                         разрешение экрана через XRandR (по умолчанию\n"
    "                         выключено)\n"
    "  --lang ru|en           язык игры: русский или английский (по умолчанию\n"
    "                         выбранный в меню, иначе язык рабочего стола)\n"
    "  -h, --help             показать эту справку и выйти\n"
    "      --version          показать версию и лицензию и выйти\n"
    "\n"
    "Файл уровней и рекорда Data.dat берётся из текущего каталога, если он там\n"
    "есть; иначе из $XDG_DATA_HOME/zarnok/ (обычно ~/.local/share/zarnok/),\n"
    "куда при первом запуске копируется поставляемый файл.\n"
    "Выбранный язык хранится в $XDG_CONFIG_HOME/zarnok/zarnok.ini.\n"
    "Платформу Qt можно выбрать переменной окружения QT_QPA_PLATFORM.\n",
    "неизвестный параметр «",
    "лишний аргумент «",
    "--lang ждёт ru или en, а не «",
    "»",
    "Подробнее: ",
};

constexpr CommandLineTexts EnglishTexts = {
    "Usage: ",
    " [OPTION]\n"
    "Zarnok: a soldier with a Zarnokov rifle crosses six swamp levels.\n"
    "\n"
    "  --switch-display-mode  make \"800x600\" really switch the screen's\n"
    "                         resolution through XRandR (off by default)\n"
    "  --lang ru|en           the game's language: Russian or English (by\n"
    "                         default the one chosen in the menu, else the\n"
    "                         desktop's)\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and the licence and exit\n"
    "\n"
    "The level and record file Data.dat is taken from the current directory if\n"
    "it is there; otherwise from $XDG_DATA_HOME/zarnok/ (usually\n"
    "~/.local/share/zarnok/), where the first start copies the shipped file.\n"
    "The chosen language is kept in $XDG_CONFIG_HOME/zarnok/zarnok.ini.\n"
    "The environment variable QT_QPA_PLATFORM chooses Qt's platform.\n",
    "unknown option \"",
    "stray argument \"",
    "--lang wants ru or en, not \"",
    "\"",
    "More: ",
};

const CommandLineTexts& TextsFor(Language language) {
    return language == Language::English ? EnglishTexts : RussianTexts;
}

CommandLineOutcome Answer(std::string text) {
    CommandLineOutcome outcome;
    outcome.standardOutput = std::move(text);
    return outcome;
}

CommandLineOutcome Refuse(const std::string& programName, const CommandLineTexts& texts,
                          const char* problem, const std::string& argument) {
    CommandLineOutcome outcome;
    outcome.exitStatus = CommandLineUsageError;
    outcome.standardError = programName + ": " + problem + argument + texts.closeQuote + "\n" +
                            texts.more + programName + " --help\n";
    return outcome;
}

// "--lang en", "--lang=en": the value, and how many arguments it took.
struct LanguageArgument {
    bool present = false;
    std::string value;
    size_t taken = 1;
};

LanguageArgument ReadLanguageArgument(const std::vector<std::string>& arguments, size_t i) {
    LanguageArgument found;
    const std::string& argument = arguments[i];
    if (argument.rfind("--lang=", 0) == 0) {
        found.present = true;
        found.value = argument.substr(7);
    } else if (argument == "--lang") {
        found.present = true;
        if (i + 1 < arguments.size()) {
            found.value = arguments[i + 1];
            found.taken = 2;
        }
    }
    return found;
}

}  // namespace

std::string VersionLine() { return std::string("Zarnok ") + ZARNOK_VERSION; }

CommandLineOutcome ParseCommandLine(const std::string& programName,
                                    const std::vector<std::string>& arguments, Language speak) {
    const std::string name = programName.empty() ? std::string("zarnok") : programName;
    CommandLineOutcome outcome;
    outcome.runGame = true;
    // --lang first: every answer below speaks it.
    for (size_t i = 0; i < arguments.size(); ++i) {
        const LanguageArgument lang = ReadLanguageArgument(arguments, i);
        if (!lang.present) continue;
        outcome.options.language = LanguageFromCode(lang.value);
        if (!outcome.options.language)
            return Refuse(name, TextsFor(speak), TextsFor(speak).badLanguage, lang.value);
        speak = *outcome.options.language;
    }
    const CommandLineTexts& texts = TextsFor(speak);
    // --help and --version answer whatever else is there; the first one wins.
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help")
            return Answer(texts.usage + name + texts.options);
        if (argument == "--version")
            return Answer(VersionLine() + "\n" +
                          (speak == Language::English ? EnglishLicenceText : RussianLicenceText));
    }
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (const LanguageArgument lang = ReadLanguageArgument(arguments, i); lang.present) {
            i += lang.taken - 1;
        } else if (argument == "--switch-display-mode") {
            outcome.options.switchDisplayMode = true;
        } else if (!argument.empty() && argument[0] == '-') {
            return Refuse(name, texts, texts.unknownOption, argument);
        } else {
            return Refuse(name, texts, texts.strayArgument, argument);
        }
    }
    return outcome;
}
