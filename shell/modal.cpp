// modal.cpp -- running a dialog modally, or letting a script answer it.
#include "shell/modal.h"

#include <QDialog>
#include <QTimer>

int ModalRunner::Run(QDialog& dialog) {
    ++depth_;
    int result = 0;
    if (hook_) {
        result = hook_(dialog);
    } else {
        // Without a window manager nothing hands the new window the keyboard;
        // ask for it once the dialog is on screen.
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.activateWindow(); });
        result = dialog.exec();
    }
    --depth_;
    return result;
}
