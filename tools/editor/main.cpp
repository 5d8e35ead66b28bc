// main.cpp -- zarnok-editor: the level editor's command line and window.
#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <optional>
#include <string>

#include "shell/about_dlg.h"
#include "shell/language.h"
#include "shell/modal.h"
#include "tools/editor/editor_texts.h"
#include "tools/editor/editor_window.h"

namespace {

int Usage(Language language, FILE* to, int status) {
    std::fputs(TextIn(language, "EditorTexts", HelpText).toUtf8().constData(), to);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<Language> chosen;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lang" && i + 1 < argc) {
            chosen = LanguageFromCode(argv[++i]);
            if (!chosen) return Usage(StartLanguage(std::nullopt), stderr, 2);
        } else if (arg == "--help" || arg == "-h") {
            return Usage(StartLanguage(chosen), stdout, 0);
        } else if (arg == "--version") {
            std::printf("zarnok-editor %s\n", ZARNOK_VERSION);
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage(StartLanguage(chosen), stderr, 2);
        } else if (file.empty()) {
            file = arg;
        } else {
            return Usage(StartLanguage(chosen), stderr, 2);
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zarnok-editor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarnok.Zarnok.Editor"));
    QApplication::setWindowIcon(ApplicationIcon());
    LanguageSwitch language;
    language.Use(StartLanguage(chosen));
    ModalRunner modal;
    editor::EditorWindow window(modal);
    window.show();
    if (!window.OfferRecovery() && !file.empty())
        window.OpenFile(QString::fromLocal8Bit(file.c_str()));
    return QApplication::exec();
}
