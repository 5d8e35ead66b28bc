// The game in English: the language chosen at start, the menu that changes
// it at once everywhere, and the translation file kept whole.
#include "tests/gui/gui_support.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cstdlib>

#include "shell/about_dlg.h"
#include "shell/language.h"

namespace {

// Before the first QSettings: the player's settings go to a folder of the test's own.
const QString kConfigHome = [] {
    static QTemporaryDir folder;
    setenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit().constData(), 1);
    return folder.path();
}();

QStringList TopMenuTexts(const CMainFrame& frame) {
    QStringList texts;
    for (const QAction* action : frame.menuBar()->actions()) texts << action->text();
    return texts;
}

// The %1, %2 ... of a text, in order of their numbers.
QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

struct TsEntry {
    QString context, source, translation, type;
};

std::vector<TsEntry> ReadTranslations(const QString& path) {
    std::vector<TsEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("message")) entries.push_back({context, {}, {}, {}});
        if (xml.name() == QLatin1String("source") && !entries.empty())
            entries.back().source = xml.readElementText();
        if (xml.name() == QLatin1String("translation") && !entries.empty()) {
            entries.back().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.back().translation = xml.readElementText();
        }
    }
    return entries;
}

}  // namespace

TEST(Language, TheDesktopsFirstRussianOrEnglishLanguageWinsAndRussianIsTheFallback) {
    EXPECT_EQ(DesktopLanguage("en_US", {"en-US", "en"}), Language::English);
    EXPECT_EQ(DesktopLanguage("de_DE", {"de-DE", "en-GB", "ru"}), Language::English);
    EXPECT_EQ(DesktopLanguage("en_US", {"ru-RU", "en-US"}), Language::Russian);
    EXPECT_EQ(DesktopLanguage("de_DE", {"de-DE", "fr"}), Language::Russian) << "no match";
    // Under the C locale the list (which follows LANGUAGE) means nothing.
    EXPECT_EQ(DesktopLanguage("C", {"en"}), Language::Russian);
    EXPECT_EQ(DesktopLanguage("POSIX", {"en-US"}), Language::Russian);
    EXPECT_EQ(DesktopLanguage("en_US", {}), Language::Russian);
}

TEST(Language, TheCommandLineOverridesTheRememberedChoiceWhichOverridesTheDesktop) {
    ASSERT_FALSE(kConfigHome.isEmpty());
    RememberLanguage(Language::English);
    EXPECT_EQ(RememberedLanguage(), std::optional<Language>(Language::English));
    EXPECT_TRUE(QFile::exists(kConfigHome + QStringLiteral("/zarnok/zarnok.ini")));
    EXPECT_EQ(StartLanguage(std::nullopt), Language::English);
    EXPECT_EQ(StartLanguage(Language::Russian), Language::Russian);
    RememberLanguage(Language::Russian);
    EXPECT_EQ(StartLanguage(std::nullopt), Language::Russian);
    EXPECT_EQ(StartLanguage(Language::English), Language::English);
}

// Numbers and names pass through; only the marked texts change.
TEST(Language, TheSwitchTranslatesMarkedTextsAndLeavesTheRestAlone) {
    LanguageSwitch language;
    EXPECT_EQ(GameText(ExpectedText("HudScoreLabel")), Expected("HudScoreLabel"));
    ASSERT_TRUE(language.Use(Language::English));
    EXPECT_EQ(GameText(ExpectedText("HudScoreLabel")), QStringLiteral("Score:"));
    EXPECT_EQ(ShellText(ExpectedText("NewItemText")), QStringLiteral("&New"));
    EXPECT_EQ(GameText("1500"), QStringLiteral("1500"));
    EXPECT_EQ(GameText("Ваня"), QStringLiteral("Ваня"));
    ASSERT_TRUE(language.Use(Language::Russian));
    EXPECT_EQ(ShellText(ExpectedText("NewItemText")), Expected("NewItemText"));
}

// What lupdate cannot see: a translation must keep every placeholder of its
// source, and a menu text its one accelerator.
TEST(Language, EveryTranslationKeepsItsPlaceholdersAndAccelerators) {
    const std::vector<TsEntry> entries = ReadTranslations(
        QStringLiteral(ZARNOK_SOURCE_DIR "/resources/translations/zarnok_en.ts"));
    ASSERT_GT(entries.size(), 50u);
    for (const TsEntry& entry : entries) {
        SCOPED_TRACE(entry.source.toStdString());
        EXPECT_TRUE(entry.type.isEmpty()) << entry.type.toStdString();
        EXPECT_FALSE(entry.translation.isEmpty());
        EXPECT_EQ(Placeholders(entry.translation), Placeholders(entry.source));
        EXPECT_EQ(entry.translation.count(QLatin1Char('&')), entry.source.count(QLatin1Char('&')));
    }
}

// ---------------------------------------------------------------------------
// The game window started in English.
// ---------------------------------------------------------------------------
class EnglishGameTest : public GameWindowTest {
protected:
    void BeforeStart() override { ASSERT_TRUE(app_->UseLanguage(Language::English)); }
};

TEST_F(EnglishGameTest, MenusDialogsAndMessagesSpeakEnglish) {
    EXPECT_EQ(TopMenuTexts(*frame_), QStringList({"&Game", "&Settings", "&Help"}));
    EXPECT_EQ(frame_->Command(ID_FILE_NEW)->statusTip(), QStringLiteral("Start a new game"));
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Game - Zarnok"));
    EXPECT_TRUE(frame_->Command(ID_LANGUAGE_EN)->isChecked());
    ASSERT_TRUE(WaitUntil([this] { return !script_.MessageTexts().empty(); }));  // the sponsor
    EXPECT_TRUE(script_.MessageTexts()[0].startsWith(QStringLiteral("The game is sponsored")));

    script_.Then([](QDialog& dialog) {
        auto& controls = static_cast<CControlsDlg&>(dialog);
        EXPECT_EQ(controls.windowTitle(), QStringLiteral("Controls Setup"));
        EXPECT_EQ(controls.Button(CControlsDlg::IdJump)->text(), QStringLiteral("Jump"));
        return int(CControlsDlg::IdOk);
    });
    frame_->Command(ID_CONTROLS)->trigger();
    frame_->Command(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(script_.seen.back().title, QStringLiteral("About Zarnok"));

    // A death: its message, then the play-again question, both in English.
    ASSERT_TRUE(WaitTicks(2));
    World().deathCode = DeathBitten;
    ASSERT_TRUE(WaitUntil([this] { return World().gameRunning == 0; }));
    const std::vector<QString> texts = script_.MessageTexts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2], QStringLiteral("The mosquitoes bit you to death."));
    EXPECT_EQ(texts.back(), QStringLiteral("Would you like to start the game again?"));
    EXPECT_EQ(script_.seen.back().title, QStringLiteral("Question"));
}

TEST_F(EnglishGameTest, TheMenuSwitchesEveryWindowAtOnceAndTheChoiceIsKept) {
    frame_->Command(ID_LANGUAGE_RU)->trigger();
    QCoreApplication::sendPostedEvents();  // the LanguageChange of each window
    EXPECT_EQ(TopMenuTexts(*frame_),
              QStringList({Expected("GameMenuText"), Expected("SettingsMenuText"),
                           Expected("HelpMenuText")}));
    EXPECT_EQ(frame_->windowTitle(), Expected("DocumentTitle") + QStringLiteral(" - Zarnok"));
    EXPECT_EQ(app_->ControlsDialog().windowTitle(), Expected("ControlsTitle"));
    EXPECT_EQ(app_->ControlsDialog().Button(CControlsDlg::IdFire)->text(),
              Expected("FireButtonText"));
    EXPECT_EQ(RememberedLanguage(), std::optional<Language>(Language::Russian));

    frame_->Command(ID_LANGUAGE_EN)->trigger();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(frame_->Menu(1)->actions()[0]->text(), QStringLiteral("&Controls"));
    EXPECT_EQ(app_->ControlsDialog().Button(CControlsDlg::IdFire)->text(), QStringLiteral("Fire"));
    EXPECT_EQ(RememberedLanguage(), std::optional<Language>(Language::English));
    EXPECT_EQ(StartLanguage(std::nullopt), Language::English) << "the next start";
    RememberLanguage(Language::Russian);
}

// A test that starts in Russian after one that ran in English: the
// language goes with the application that used it.
TEST_F(GameWindowTest, AGameStartedWithoutALanguageSpeaksRussian) {
    EXPECT_EQ(TopMenuTexts(*frame_).front(), Expected("GameMenuText"));
    EXPECT_TRUE(frame_->Command(ID_LANGUAGE_RU)->isChecked());
}
