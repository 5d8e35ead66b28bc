// message_box.cpp -- the game's message boxes on QMessageBox.
#include "shell/message_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "shell/dialog_chrome.h"
#include "shell/language.h"
#include "shell/shell_texts.h"

namespace {

// Plain push buttons with the game's words, no theme icons on them.
void Label(QAbstractButton* button, const QString& text) {
    button->setText(text);
    button->setIcon(QIcon());
}

}  // namespace

GameMessageBox::GameMessageBox(const QString& text, const QString& caption, MessageButtons buttons,
                               MessageIcon icon, QWidget* parent)
    : QMessageBox(parent), question_(buttons == MessageButtons::YesNo) {
    setWindowTitle(caption);
    setText(text);
    setTextFormat(Qt::PlainText);
    // A question has no close box: it must be answered.
    SetDialogChrome(*this, question_ ? DialogChrome::Caption : DialogChrome::CaptionAndClose);
    setIcon(icon == MessageIcon::Stop      ? QMessageBox::Critical
            : icon == MessageIcon::Warning ? QMessageBox::Warning
                                           : QMessageBox::NoIcon);
    if (question_) {
        setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        Label(button(QMessageBox::Yes), ShellText(YesText));
        Label(button(QMessageBox::No), ShellText(NoText));
        setDefaultButton(QMessageBox::Yes);
    } else {
        setStandardButtons(QMessageBox::Ok);
        Label(button(QMessageBox::Ok), ShellText(OkText));
        setDefaultButton(QMessageBox::Ok);
    }
}

MessageAnswer GameMessageBox::AnswerOf(int result, MessageButtons buttons) {
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void GameMessageBox::keyPressEvent(QKeyEvent* event) {
    if (question_ && event->key() == Qt::Key_Escape) return;
    QMessageBox::keyPressEvent(event);
}

void GameMessageBox::closeEvent(QCloseEvent* event) {
    const bool answered = result() == QMessageBox::Yes || result() == QMessageBox::No;
    if (question_ && !answered) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}
