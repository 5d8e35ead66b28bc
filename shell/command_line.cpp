// command_line.cpp -- --help, --version and the few options of the game.
#include "shell/command_line.h"

#include "game/placeholders.h"
#include "shell/language.h"
#include "shell/shell_texts.h"

#ifndef ZARNOK_VERSION
#error "ZARNOK_VERSION comes from the build (the project's version)"
#endif

namespace {

// What the command line says, in the language asked for. The texts are the
// shell's own, and English comes from the same translation the window uses,
// read here before any application object exists.
std::string Say(Language speak, const char* text, std::vector<std::string> values = {}) {
    return FillPlaceholders(TextIn(speak, "ShellTexts", text).toStdString(), values);
}

CommandLineOutcome Answer(std::string text) {
    CommandLineOutcome outcome;
    outcome.standardOutput = std::move(text);
    return outcome;
}

CommandLineOutcome Refuse(const std::string& programName, Language speak, const char* problem,
                          const std::string& argument) {
    CommandLineOutcome outcome;
    outcome.exitStatus = CommandLineUsageError;
    outcome.standardError = programName + ": " + Say(speak, problem, {argument}) + "\n" +
                            Say(speak, CommandLineMoreText, {programName});
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
            return Refuse(name, speak, CommandLineBadLanguageText, lang.value);
        speak = *outcome.options.language;
    }
    // --help and --version answer whatever else is there; the first one wins.
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") return Answer(Say(speak, HelpText, {name}));
        if (argument == "--version")
            return Answer(VersionLine() + "\n" + Say(speak, LicenceText));
    }
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (const LanguageArgument lang = ReadLanguageArgument(arguments, i); lang.present) {
            i += lang.taken - 1;
        } else if (argument == "--switch-display-mode") {
            outcome.options.switchDisplayMode = true;
        } else if (argument == "--play" || argument.rfind("--play=", 0) == 0) {
            const bool inlineValue = argument.size() > 6;
            if (!inlineValue && i + 1 >= arguments.size())
                return Refuse(name, speak, CommandLinePlayNeedsFileText, "");
            outcome.options.playPath = inlineValue ? argument.substr(7) : arguments[++i];
            if (outcome.options.playPath.empty())
                return Refuse(name, speak, CommandLinePlayNeedsFileText, "");
        } else if (!argument.empty() && argument[0] == '-') {
            return Refuse(name, speak, CommandLineUnknownOptionText, argument);
        } else {
            return Refuse(name, speak, CommandLineStrayArgumentText, argument);
        }
    }
    return outcome;
}
