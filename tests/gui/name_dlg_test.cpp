// The record holder's name entry, run for real as on screen.
#include "tests/gui/modal_player.h"

#include <QLineEdit>

TEST_F(ShellDialogTest, TheNameTakesTwentyCharactersTheRecordCanStoreAndEnterConfirmsIt) {
    QString typed;
    bool timerUnderDialog = true;
    player_.Then("CNameDlg", [&](QWidget& dialog) {
        timerUnderDialog = view_->TickTimerActive();
        auto& name = static_cast<CNameDlg&>(dialog);
        EXPECT_TRUE(name.Edit()->text().isEmpty());
        Type(name.Edit(), QStringLiteral("Ä中"));  // no byte for them in the file
        EXPECT_TRUE(name.Edit()->text().isEmpty()) << name.Edit()->text().toStdString();
        Type(name.Edit(), QStringLiteral("Иван «Комаробой» Сидоров-Задунайский"));
        typed = name.Edit()->text();
        QTest::keyClick(name.Edit(), Qt::Key_Return);
    });
    std::string utf8Name = "прежнее";
    EXPECT_TRUE(view_->AskPlayerName(utf8Name));
    EXPECT_TRUE(player_.Finished());
    EXPECT_FALSE(timerUnderDialog);
    EXPECT_EQ(typed, QStringLiteral("Иван «Комаробой» Сид"));
    EXPECT_EQ(QString::fromStdString(utf8Name), typed);
}

TEST_F(ShellDialogTest, EscapeAndTheCloseBoxLeaveTheNameAsItWas) {
    player_.Then("CNameDlg", [](QWidget& dialog) {
        Type(static_cast<CNameDlg&>(dialog).Edit(), QStringLiteral("Пётр"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    player_.Then("CNameDlg", [](QWidget& dialog) {
        Type(static_cast<CNameDlg&>(dialog).Edit(), QStringLiteral("Пётр"));
        dialog.close();
    });
    std::string utf8Name = "прежнее";
    EXPECT_FALSE(view_->AskPlayerName(utf8Name));
    EXPECT_FALSE(view_->AskPlayerName(utf8Name));
    EXPECT_TRUE(player_.Finished());
    EXPECT_EQ(utf8Name, "прежнее");
}
