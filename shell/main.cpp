// main.cpp -- zarnok: the swamp, the soldier and the mosquitoes, in a window.
#include <QApplication>

#include "shell/display_mode.h"
#include "shell/zarnok_app.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    int status = 1;
    {
        CZarnokApp app;
        QuitEventLoopOnSignals([&app] { app.Modal().CloseAll(); });
        // A signal during the start-up questions ends the program here.
        if (app.InitInstance()) status = QuitSignalReceived() ? 0 : QApplication::exec();
        QuitEventLoopOnSignals();
    }  // the frame hands the screen back here, before Qt goes
    return status;
}
