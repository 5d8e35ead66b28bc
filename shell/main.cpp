// main.cpp -- zarnok: the swamp, the soldier and the mosquitoes, in a window.
#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/display_check.h"
#include "shell/display_mode.h"
#include "shell/language.h"
#include "shell/shell_texts.h"
#include "shell/shipped_data.h"
#include "shell/zarnok_app.h"

int main(int argc, char* argv[]) {
    // The command line is answered before Qt looks for a display.
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLineOutcome command = ParseCommandLine(argc > 0 ? argv[0] : "zarnok", arguments,
                                                        StartLanguage(std::nullopt));
    if (!command.runGame) {
        std::fputs(command.standardOutput.c_str(), stdout);
        std::fputs(command.standardError.c_str(), stderr);
        return command.exitStatus;
    }

    // Without a display Qt would abort with a core dump; say why in words.
    const std::string name = argc > 0 && argv[0][0] != '\0' ? argv[0] : "zarnok";
    const Language language = StartLanguage(command.options.language);
    const auto say = [&](const char* text) {
        return name + ": " + TextIn(language, "ShellTexts", text).toStdString();
    };
    if (!DisplayAvailable(ProcessDisplayEnvironment())) {
        std::fprintf(stderr, "%s\n", say(NoDisplayText).c_str());
        return NoDisplayExitStatus;
    }

    // Qt sees only the program's name: every option has been read above.
    int qtArgc = 1;
    // A dialog is given its native window early so that it can carry the
    // window manager's hints; without this Qt would then give the game
    // window's view, menu bar and status bar native windows of their own.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    std::optional<PlatformFailureExit> platformFailure(std::in_place, say(DisplayUnreachableText));
    QApplication qt(qtArgc, argv);
    platformFailure.reset();
    int status = 1;
    {
        CZarnokApp app;
        app.AllowDisplayModeSwitch(command.options.switchDisplayMode);
        app.UseLanguage(language);
        app.PlayOnStart(QString::fromStdString(command.options.playPath));
        QuitEventLoopOnSignals([&app] { app.Modal().CloseAll(); });
        EnterGameFolder(app.Modal());
        // A signal during the start-up questions ends the program here.
        if (app.InitInstance()) status = QuitSignalReceived() ? 0 : QApplication::exec();
        QuitEventLoopOnSignals();
    }  // the frame hands the screen back here, before Qt goes
    return status;
}
