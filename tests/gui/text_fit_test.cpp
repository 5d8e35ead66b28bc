// Every text in both languages fits where it is shown: the HUD's labels in
// the game's font at their pixel places, the engine's messages on an
// 800 x 600 screen, the dialogs' buttons and lines inside the dialogs. The
// build runs this once more at two device pixels per logical pixel.
#include "tests/gui/gui_support.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>

#include "game/texts.h"
#include "render/client_surface.h"
#include "render/hud.h"
#include "shell/about_dlg.h"
#include "shell/image_surface.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "tests/gui/about_dlg_lines.h"

namespace {

// The rightmost column of ink (not window colour) in the HUD's text rows,
// searched from `from` up to the column before `to`; from - 1 for none.
int LastInkColumn(const QImage& image, int from, int to) {
    int last = from - 1;
    for (int y = HudTop - 12; y < image.height() && y <= HudBottom + 3; ++y)
        for (int x = from; x < to; ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != SystemWindowColour) last = std::max(last, x);
    return last;
}

// One HUD label drawn alone as the HUD draws it: where its ink and its
// opaque box end.
struct DrawnLabel {
    int inkRight, boxRight;
};

DrawnLabel DrawLabel(const std::string& source, int x) {
    ImageSurface surface(800, 600);
    TextStyle style;
    style.colour = SystemWindowTextColour;
    style.opaqueBackground = true;
    style.background = 0xC0C0C0;  // the box shows against the white
    style.clip = false;
    surface.DrawText(x, HudBottom, source, style);
    const QImage& image = surface.Image();
    int inkRight = x - 1, boxRight = x - 1;
    for (int y = 0; y < image.height(); ++y)
        for (int col = x; col < image.width(); ++col) {
            const uint32_t rgb = image.pixel(col, y) & 0xFFFFFFu;
            if (rgb == SystemWindowTextColour) inkRight = std::max(inkRight, col);
            if (rgb != SystemWindowColour) boxRight = std::max(boxRight, col);
        }
    return {inkRight, boxRight};
}

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

// Buttons and one-line labels hold their text; wrapped labels their lines.
void ExpectTextsInside(QDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_LE(button->fontMetrics().horizontalAdvance(Plain(button->text())) + 6,
                  button->width());
        EXPECT_TRUE(dialog.rect().contains(button->geometry()));
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        SCOPED_TRACE(label->text().toStdString());
        if (label->wordWrap())
            EXPECT_LE(label->heightForWidth(label->contentsRect().width()),
                      label->contentsRect().height());
        else
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width());
    }
    dialog.hide();
}

class TextFitTest : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override { ASSERT_TRUE(language_.Use(GetParam())); }
    LanguageSwitch language_;
};

}  // namespace

// "Жизнь:" / "Health:" at x 250 before the bar at 300, "Очки:" / "Score:"
// at 650 before the score at 700, the largest score before the right edge.
TEST_P(TextFitTest, HudLabelsEndBeforeWhatFollowsThem) {
    const DrawnLabel health = DrawLabel(ExpectedText("HudHealthLabel"), 250);
    EXPECT_LT(health.inkRight, 300 - 1);
    EXPECT_LT(health.boxRight, 300);
    const DrawnLabel score = DrawLabel(ExpectedText("HudScoreLabel"), 650);
    EXPECT_LT(score.inkRight, 700 - 1);
    EXPECT_LT(score.boxRight, 700);
    EXPECT_LT(DrawLabel("2147483647", 700).boxRight, 800);

    // And the whole HUD: nothing of the labels reaches into the bar.
    ImageSurface surface(800, 600);
    DrawHud(surface, {.spareMagazines = 10,
                      .health = 0,
                      .score = 0,
                      .healthLabel = HudHealthLabel,
                      .scoreLabel = HudScoreLabel});
    EXPECT_LT(LastInkColumn(surface.Image(), 250, 300), 300 - 1);
}

// Every text the engine shows in a message box, and every reason a screen
// switch can fail, leaves the box inside an 800 x 600 screen.
TEST_P(TextFitTest, EveryEngineMessageFitsAnEightHundredBySixHundredScreen) {
    for (const char* name :
         {"ColourDepthText", "DeathAtNestText", "DeathBittenText", "DeathFellText",
          "RepellentAdvertText", "RaptorAdvertText", "VictoryText", "PlayAgainText",
          "OpenFailedText", "BestUnreadableText", "NoBestRecordText", "WriteOpenFailedText",
          "WriteShortFileText", "WriteFailedText", "SponsorText"}) {
        SCOPED_TRACE(name);
        GameMessageBox box(GameText(ExpectedText(name)), GameText("Zarnok"), MessageButtons::YesNo,
                           MessageIcon::Warning);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        EXPECT_LE(box.width(), 800);
        EXPECT_LE(box.height(), 600);
    }
}

TEST_P(TextFitTest, DialogButtonsAndLinesShowWhole) {
    GameWorld world;
    CControlsDlg controls(world);
    ExpectTextsInside(controls);
    // The hint line is painted, not laid out: it must fit the dialog.
    const QFontMetrics appFont(QApplication::font());
    EXPECT_LE(10 + appFont.horizontalAdvance(ShellText(ExpectedText("ControlsHintText"))),
              controls.width());

    CPressKeyDlg capture(world);
    for (const char* line : {"PressKeyFirstLine", "PressKeySecondLine"})
        EXPECT_LE(appFont.horizontalAdvance(ShellText(ExpectedText(line))), capture.width())
            << line;

    CDisplayModeDlg display;
    ExpectTextsInside(display);
    CNameDlg name;
    ExpectTextsInside(name);
    ExpectEveryAboutLineWhole(qApp->devicePixelRatio());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextFitTest,
                         ::testing::Values(Language::Russian, Language::English),
                         [](const auto& param) {
                             return std::string(param.param == Language::English ? "English"
                                                                                 : "Russian");
                         });
