// modal.h -- the one door every modal window of the game goes through.
//
// Message boxes and dialogs all run here, so the view can pause the game
// around them and tests can answer them without a nested event loop.
#pragma once

#include <QPointer>

#include <functional>
#include <vector>

class QDialog;

class ModalRunner {
public:
    // Answers a dialog instead of running it: returns what exec() would have.
    // A QMessageBox is answered with a QMessageBox::StandardButton.
    using Hook = std::function<int(QDialog& dialog)>;

    // Runs the dialog modally (exec(), or the hook when one is set) and
    // returns its result. Calls nest: a dialog may open another.
    int Run(QDialog& dialog);

    void SetHook(Hook hook) { hook_ = std::move(hook); }

    // Number of modal windows open right now.
    int Depth() const { return depth_; }

    // The program is going: the open windows are cancelled and no new one
    // opens; Run() answers as if each was cancelled at once.
    void CloseAll();
    bool Closing() const { return closing_; }

private:
    Hook hook_;
    int depth_ = 0;
    bool closing_ = false;
    std::vector<QPointer<QDialog>> open_;  // innermost last
};
