// main.cpp -- zarnok: the swamp, the soldier and the mosquitoes, in a window.
#include <QApplication>

#include "shell/display_mode.h"
#include "shell/zarnok_app.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QuitEventLoopOnSignals();
    int status = 1;
    {
        CZarnokApp app;
        if (app.InitInstance()) status = QApplication::exec();
    }  // the frame hands the screen back here, before Qt goes
    return status;
}
