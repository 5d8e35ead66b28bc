// about_dlg_lines.h -- the About box's lines must show whole at whatever
// font and pixel ratio the screen gives them.
#pragma once

#include <QFontMetricsF>
#include <QLabel>

#include "shell/about_dlg.h"
#include "tests/gui/gui_support.h"

// Shows the dialog and checks that every line of text fits its label, and
// every label lies inside the dialog clear of the OK button.
inline void ExpectEveryAboutLineWhole(qreal devicePixelRatio) {
    CAboutDlg about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.devicePixelRatioF(), devicePixelRatio);
    const QPushButton* ok = about.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    int lines = 0;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;  // the icon
        ++lines;
        SCOPED_TRACE(label->text().toStdString());
        const qreal textWidth = QFontMetricsF(label->font()).horizontalAdvance(label->text());
        EXPECT_LE(textWidth, label->contentsRect().width()) << "the line is cut";
        EXPECT_TRUE(about.rect().contains(label->geometry()));
        EXPECT_FALSE(label->geometry().intersects(ok->geometry()));
    }
    EXPECT_EQ(lines, 2);
}
