// modal.cpp -- running a dialog modally, or letting a script answer it.
#include "shell/modal.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>

#include "shell/dialog_chrome.h"

namespace {

// Keeps a modal window from being minimised while it runs.
class MinimiseRefusal : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType())
            RefuseMinimise(*static_cast<QWidget*>(watched));
        return false;
    }
};

}  // namespace

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
        dialog.winId();  // the window must exist to carry its hints
        WriteWindowManagerHints(dialog);
        MinimiseRefusal refusal;
        dialog.installEventFilter(&refusal);
        result = dialog.exec();
        dialog.removeEventFilter(&refusal);
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
