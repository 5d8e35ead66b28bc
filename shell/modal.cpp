// modal.cpp -- running a dialog modally, or letting a script answer it.
#include "shell/modal.h"

#include <QDialog>
#include <QTimer>

int ModalRunner::Run(QDialog& dialog) {
    if (closing_) return QDialog::Rejected;
    ++depth_;
    open_.emplace_back(&dialog);
    int result = 0;
    if (hook_) {
        result = hook_(dialog);
    } else {
        // Without a window manager nothing hands the new window the keyboard;
        // ask for it once the dialog is on screen.
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.activateWindow(); });
        result = dialog.exec();
    }
    open_.pop_back();
    --depth_;
    return result;
}

void ModalRunner::CloseAll() {
    closing_ = true;
    // Innermost first, each with its own way of being cancelled.
    for (auto dialog = open_.rbegin(); dialog != open_.rend(); ++dialog)
        if (!dialog->isNull()) (*dialog)->reject();
}
