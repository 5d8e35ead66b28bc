// message_box.h -- a message box as the game shows them: the caption, the
// text, OK or the question's "Да" and "Нет", and an icon or none.
#pragma once

#include <QMessageBox>

#include "game/host.h"

class GameMessageBox : public QMessageBox {
    Q_OBJECT
public:
    GameMessageBox(const QString& text, const QString& caption, MessageButtons buttons,
                   MessageIcon icon, QWidget* parent = nullptr);

    // The answer the box was closed with, from the result of running it.
    static MessageAnswer AnswerOf(int result, MessageButtons buttons);

protected:
    // A question must be answered: neither Escape nor the close box end it.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool question_;
};
