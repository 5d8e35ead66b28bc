// main.cpp -- zarnok-level: builds Data.dat from level sources, takes it apart, checks it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "shell/game_folder.h"
#include "tools/common/input_file.h"
#include "tools/level/level_check.h"
#include "tools/level/level_source.h"

namespace fs = std::filesystem;
using namespace levelsource;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFindings = 1;  // check found something, or a source had errors
constexpr int ExitUsage = 2;     // bad command line, unreadable or unwritable file

const char UsageText[] =
    "usage:\n"
    "  zarnok-level compile -o DATA L1.txt L2.txt L3.txt L4.txt L5.txt L6.txt BEST.txt\n"
    "      builds Data.dat from six level sources (in play order) and a best-record source\n"
    "  zarnok-level decompile DATA [OUTDIR]\n"
    "      writes level1.txt .. level6.txt and best.txt into OUTDIR (created if missing),\n"
    "      or everything to standard output; compiling them gives DATA back byte for byte\n"
    "  zarnok-level check FILE...\n"
    "      looks for likely mistakes in level sources (*.txt) or in a Data.dat (*.dat)\n"
    "  zarnok-level install DATA FOLDER\n"
    "      puts the levels of DATA into FOLDER/Data.dat, keeping the best record there;\n"
    "      creates FOLDER and copies DATA when there is no Data.dat yet\n"
    "  zarnok-level [--lang ru|en] --help\n"
    "      this help, in Russian or English (by default in the desktop's language)\n"
    "\n"
    "Every input must be a regular file or a pipe of at most 64 MiB; anything else is\n"
    "refused with status 2. The source format is described in resources/levels/README.md.\n";

const char RussianUsageText[] =
    "использование:\n"
    "  zarnok-level compile -o DATA L1.txt L2.txt L3.txt L4.txt L5.txt L6.txt BEST.txt\n"
    "      собирает Data.dat из шести исходников уровней (по порядку игры) и исходника\n"
    "      рекорда\n"
    "  zarnok-level decompile DATA [OUTDIR]\n"
    "      пишет level1.txt .. level6.txt и best.txt в OUTDIR (создаёт, если его нет)\n"
    "      или всё на стандартный вывод; их компиляция даёт DATA байт в байт\n"
    "  zarnok-level check FILE...\n"
    "      ищет вероятные ошибки в исходниках уровней (*.txt) или в Data.dat (*.dat)\n"
    "  zarnok-level install DATA FOLDER\n"
    "      кладёт уровни из DATA в FOLDER/Data.dat, сохраняя там рекорд; создаёт\n"
    "      FOLDER и копирует DATA, если Data.dat там ещё нет\n"
    "  zarnok-level [--lang ru|en] --help\n"
    "      эта справка, по-русски или по-английски (по умолчанию на языке рабочего\n"
    "      стола)\n"
    "\n"
    "Каждый входной файл должен быть обычным файлом или каналом не больше 64 МиБ;\n"
    "всё прочее отвергается с кодом 2. Формат исходников описан в\n"
    "resources/levels/README.md.\n";

// The language of the help: the first of LANGUAGE's list, else the messages'
// locale, as gettext reads them; English, as ever, for C and for others.
bool DesktopSpeaksRussian() {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    const std::string base = locale.substr(0, locale.find('.'));
    if (base.empty() || base == "C" || base == "POSIX") return false;
    std::string list = std::getenv("LANGUAGE") != nullptr ? std::getenv("LANGUAGE") : "";
    list += ":" + base;
    for (size_t start = 0; start <= list.size();) {
        const size_t end = std::min(list.find(':', start), list.size());
        const std::string code = list.substr(start, std::min(end - start, size_t(2)));
        if (code == "ru") return true;
        if (code == "en") return false;
        start = end + 1;
    }
    return false;
}

int Usage(const std::string& problem) {
    std::cerr << "zarnok-level: " << problem << "\n\n" << UsageText;
    return ExitUsage;
}

bool ReadFile(const std::string& path, std::string& contents) {
    std::string error;
    if (!ReadInputFile(path, contents, error)) {
        std::cerr << error << "\n";
        return false;
    }
    return true;
}

// Writes next to the target and renames, so a failed run leaves no half file.
bool WriteFile(const std::string& path, const void* data, size_t size) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(data), std::streamsize(size));
        out.close();
        if (!out) {
            std::cerr << path << ": cannot write\n";
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::cerr << path << ": cannot write: " << error.message() << "\n";
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool WriteText(const std::string& path, const std::string& text) {
    return WriteFile(path, text.data(), text.size());
}

void PrintErrors(const std::vector<Diagnostic>& errors) {
    for (const Diagnostic& d : errors) {
        std::cerr << d.ToString() << "\n";
    }
}

int Compile(const std::vector<std::string>& args) {
    std::string output;
    std::vector<std::string> inputs;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size()) {
                return Usage("-o needs a file name");
            }
            output = args[++i];
        } else {
            inputs.push_back(args[i]);
        }
    }
    if (output.empty()) {
        return Usage("compile needs -o DATA");
    }
    if (inputs.size() != size_t(LevelCount) + 1) {
        return Usage("compile needs six level sources and a best-record source, got " +
                     std::to_string(inputs.size()) + " files");
    }

    DataFile data;
    std::vector<Diagnostic> errors;
    bool readable = true;
    for (size_t k = 0; k < inputs.size(); ++k) {
        std::string text;
        if (!ReadFile(inputs[k], text)) {
            readable = false;
            continue;
        }
        if (k < size_t(LevelCount)) {
            ParseLevel(text, inputs[k], data.levels[k], errors);
        } else {
            ParseBest(text, inputs[k], data.best, errors);
        }
    }
    PrintErrors(errors);
    if (!readable) {
        return ExitUsage;
    }
    if (!errors.empty()) {
        std::cerr << "zarnok-level: " << errors.size() << " error(s); " << output
                  << " not written\n";
        return ExitFindings;
    }
    const std::vector<uint8_t> bytes = EncodeDataFile(data);
    return WriteFile(output, bytes.data(), bytes.size()) ? ExitOk : ExitUsage;
}

bool LoadDataFile(const std::string& path, DataFile& data) {
    std::string bytes;
    if (!ReadFile(path, bytes)) {
        return false;
    }
    const std::span<const uint8_t> span(reinterpret_cast<const uint8_t*>(bytes.data()),
                                        bytes.size());
    if (!DecodeDataFile(span, data)) {
        std::cerr << path << ": " << bytes.size() << " bytes; a complete Data.dat has "
                  << DataFileSize << "\n";
        return false;
    }
    if (bytes.size() > size_t(DataFileSize)) {
        std::cerr << path << ": note: the " << bytes.size() - size_t(DataFileSize)
                  << " bytes after the best record are no part of the game and are left out\n";
    }
    return true;
}

std::string LevelFileName(size_t k) { return "level" + std::to_string(k + 1) + ".txt"; }

int Decompile(const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2) {
        return Usage("decompile takes DATA and an optional OUTDIR");
    }
    DataFile data;
    if (!LoadDataFile(args[0], data)) {
        return ExitUsage;
    }
    if (args.size() == 1) {
        for (size_t k = 0; k < data.levels.size(); ++k) {
            std::cout << "# ==== " << LevelFileName(k) << " ====\n"
                      << FormatLevel(data.levels[k], int(k + 1)) << "\n";
        }
        std::cout << "# ==== best.txt ====\n" << FormatBest(data.best);
        return ExitOk;
    }
    const fs::path dir = args[1];
    std::error_code error;
    fs::create_directories(dir, error);
    if (error) {
        std::cerr << dir.string() << ": cannot create: " << error.message() << "\n";
        return ExitUsage;
    }
    for (size_t k = 0; k < data.levels.size(); ++k) {
        if (!WriteText((dir / LevelFileName(k)).string(),
                       FormatLevel(data.levels[k], int(k + 1)))) {
            return ExitUsage;
        }
    }
    return WriteText((dir / "best.txt").string(), FormatBest(data.best)) ? ExitOk : ExitUsage;
}

void PrintFindings(const std::string& file, const std::string& level,
                   const std::vector<Finding>& findings) {
    for (const Finding& f : findings) {
        std::cout << file;
        if (f.line > 0) {
            std::cout << ":" << f.line;
        }
        std::cout << ": " << level << f.where << ": " << f.message << "\n";
    }
}

int Check(const std::vector<std::string>& args) {
    if (args.empty()) {
        return Usage("check needs at least one file");
    }
    size_t found = 0;
    bool failed = false;
    for (const std::string& path : args) {
        if (fs::path(path).extension() == ".dat") {
            DataFile data;
            if (!LoadDataFile(path, data)) {
                failed = true;
                continue;
            }
            for (size_t k = 0; k < data.levels.size(); ++k) {
                const std::vector<Finding> findings = CheckLevel(data.levels[k], nullptr);
                PrintFindings(path, "level " + std::to_string(k + 1) + ", ", findings);
                found += findings.size();
            }
            continue;
        }
        std::string text;
        if (!ReadFile(path, text)) {
            failed = true;
            continue;
        }
        LevelRecord level;
        SourceLines lines;
        std::vector<Diagnostic> errors;
        if (!ParseLevel(text, path, level, errors, &lines)) {
            PrintErrors(errors);
            failed = true;
            continue;
        }
        const std::vector<Finding> findings = CheckLevel(level, &lines);
        PrintFindings(path, "", findings);
        found += findings.size();
    }
    if (failed) {
        return ExitUsage;
    }
    return found == 0 ? ExitOk : ExitFindings;
}

// The levels into the player's folder, the record kept; the game's later
// starts leave them there.
int Install(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return Usage("install takes DATA and FOLDER");
    }
    const FolderOutcome outcome = InstallLevels(args[1], args[0]);
    if (outcome.update == FolderUpdate::Failed) {
        std::cerr << "zarnok-level: " << outcome.problem << "\n";
        return ExitUsage;
    }
    return ExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty()) {
        return Usage("no command");
    }
    // --lang ru|en before the command picks the help's language.
    size_t first = 0;
    bool russian = DesktopSpeaksRussian();
    if (all[0] == "--lang") {
        if (all.size() < 2 || (all[1] != "ru" && all[1] != "en"))
            return Usage("--lang wants ru or en");
        russian = all[1] == "ru";
        first = 2;
        if (all.size() == first) return Usage("no command");
    }
    const std::string& command = all[first];
    const std::vector<std::string> args(all.begin() + std::ptrdiff_t(first) + 1, all.end());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << (russian ? RussianUsageText : UsageText);
        return ExitOk;
    }
    if (command == "compile") return Compile(args);
    if (command == "decompile") return Decompile(args);
    if (command == "check") return Check(args);
    if (command == "install") return Install(args);
    return Usage("unknown command '" + command + "'");
}
