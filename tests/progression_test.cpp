// A game's course: new game, level advance, victory, the best-score check
// with the name dialog, the restart question, and a missing level file.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/progression.h"
#include "game/world.h"
#include "tests/support/expected_texts.h"
#include "tests/support/game_fixtures.h"
#include "tests/support/level_builder.h"
#include "tools/common/recording_surface.h"
#include "tools/common/scripted_host.h"

namespace {

const std::string SponsorCaption = ExpectedText("AdvertCaption");
const std::string QuestionText = ExpectedText("PlayAgainText");

// Level k starts the soldier at (1000 k, 100 k), facing alternately.
DataFileSketch SixLevels(int32_t bestScore = 1000, std::string bestName = "Best") {
    DataFileSketch sketch;
    for (int k = 1; k <= LevelCount; ++k) {
        LevelSketch& level = sketch.levels[size_t(k - 1)];
        level.startX = 1000 * k;
        level.startY = 100 * k;
        level.facing = k % 2 != 0 ? 1 : -1;
        level.platforms.push_back(Platform{1000 * k - 50, 100 * k, PlatformBlock});
        level.goal = Goal{5000 * k, -5000};
    }
    sketch.bestScore = bestScore;
    sketch.bestName = std::move(bestName);
    return sketch;
}

int CountMessages(const ScriptedHost& host, const std::string& caption) {
    int n = 0;
    for (const ShownMessage& m : host.messages) {
        n += m.caption == caption ? 1 : 0;
    }
    return n;
}

std::string Padded(std::string name) {
    name.resize(size_t(BestNameLength), ' ');
    return name;
}

// A soldier as every level starts him: full health, a full rifle, ten spare magazines.
void ExpectFullKit(const PlayerState& p) {
    EXPECT_EQ(p.health, 100);
    EXPECT_EQ(p.rounds, 30);
    EXPECT_EQ(p.spareMagazines, 10);
}

class ProgressionTest : public GameWithDataFile<> {
protected:
    void SetUp() override { UseFile(SixLevels()); }
};

// --- new game ----------------------------------------------------------------

TEST_F(ProgressionTest, NewGameSetsTheStartValuesAndKeepsWhatCarriesOver) {
    RequestNewGame(world);
    EXPECT_EQ(world.gameRunning, 0);
    EXPECT_EQ(world.newGameRequested, 1);

    PlayerState& p = world.player;
    world.levelNumber = 4;
    world.score = 777;
    world.raptorOnScreen = 1;
    p.health = 3;
    p.invulnerableTicks = 9;
    p.damageTint = 7;
    p.rounds = 0;
    p.spareMagazines = 0;
    p.moveDir = 1;
    p.aimDir = -1;
    p.fireState = 2;
    p.aimAngle = 0.7f;
    p.jumpTicksLeft = 5;
    world.fallingMagazine = FallingMagazine{1, 2, 1};
    world.scorePopups[3].ttl = 4;

    StartNewGame(world, host);

    EXPECT_EQ(world.newGameRequested, 0);
    ExpectNewGameRunning(world);
    EXPECT_EQ(world.raptorOnScreen, 0);
    ExpectFullKit(p);
    EXPECT_EQ(p.invulnerableTicks, 0);
    EXPECT_EQ(p.damageTint, 0);
    EXPECT_EQ(p.moveDir, 0);
    EXPECT_EQ(p.aimDir, 0);
    EXPECT_EQ(p.fireState, 0);
    EXPECT_EQ(p.x, 1000);
    EXPECT_EQ(p.y, 100);
    // Not part of a new game.
    EXPECT_EQ(p.aimAngle, 0.7f);
    EXPECT_EQ(p.jumpTicksLeft, 5);
    EXPECT_EQ(world.fallingMagazine.active, 1);
    EXPECT_EQ(world.scorePopups[3].ttl, 4);
    EXPECT_EQ(CountMessages(host, SponsorCaption), 1);
}

TEST_F(ProgressionTest, NewGameBlanksTheViewAndStripBelowIt) {
    auto& surface = static_cast<RecordingSurface&>(host.Surface());
    StartNewGame(world, host);
    bool blanked = false;
    for (const SurfaceCall& call : surface.calls) {
        blanked = blanked ||
                  (call.kind == SurfaceCall::Fill && call.x == 0 && call.y == 0 &&
                   call.right == 800 && call.bottom == 700 && call.colour == SystemWindowColour);
    }
    EXPECT_TRUE(blanked);
    EXPECT_EQ(host.drawingsBegun, 1);
    EXPECT_EQ(host.drawingsEnded, 1);
}

// --- level advance and victory ----------------------------------------------------

TEST_F(ProgressionTest, AdvanceRefillsTheRifleAndHealthAndKeepsTheRest) {
    world.levelNumber = 2;
    world.score = 1234;
    world.player.invulnerableTicks = 40;
    world.player.damageTint = 20;
    world.player.health = 10;
    world.player.rounds = 3;
    world.player.spareMagazines = 1;
    world.deathCode = DeathFell;

    AdvanceLevel(world, host);

    EXPECT_EQ(world.levelNumber, 3);
    EXPECT_EQ(world.player.x, 3000);
    EXPECT_EQ(world.player.facing, 1);
    ExpectFullKit(world.player);
    EXPECT_EQ(world.score, 1234);
    EXPECT_EQ(world.player.invulnerableTicks, 40);
    EXPECT_EQ(world.player.damageTint, 20);
    EXPECT_EQ(world.deathCode, DeathNone);
    EXPECT_EQ(CountMessages(host, SponsorCaption), 1);
    EXPECT_EQ(host.nameDialogs, 0);
}

TEST_F(ProgressionTest, FinishingTheSixthLevelIsAVictoryThenGameOver) {
    world.levelNumber = 6;
    world.score = 10;  // below the stored best
    host.Answer(ScriptedAnswer::Ok);
    host.Answer(ScriptedAnswer::No);
    AdvanceLevel(world, host);

    ASSERT_EQ(host.messages.size(), 2u);
    ExpectMessage(host.messages[0], ExpectedText("VictoryCaption"), ExpectedText("VictoryText"),
                  MessageButtons::Ok, MessageIcon::None, "victory");
    ExpectMessage(host.messages[1], ExpectedText("PlayAgainCaption"), QuestionText,
                  MessageButtons::YesNo, MessageIcon::None, "play again");
    EXPECT_EQ(world.levelNumber, 7);
    EXPECT_EQ(world.gameRunning, 0);
    EXPECT_EQ(world.player.x, 0);  // no level was loaded
}

TEST_F(ProgressionTest, AnsweringYesStartsLevelOneAtOnce) {
    world.levelNumber = 6;
    world.score = 10;
    world.gameRunning = 1;
    host.Answer(ScriptedAnswer::Ok);
    host.Answer(ScriptedAnswer::Yes);
    AdvanceLevel(world, host);

    ExpectNewGameRunning(world);
    EXPECT_EQ(world.player.x, 1000);
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[2].caption, SponsorCaption);
}

// --- the best score -----------------------------------------------------------------

TEST_F(ProgressionTest, BestScoreIsComparedUnsignedAndATieWins) {
    struct Case {
        int32_t stored, score;
        bool newBest;
    } cases[] = {
        {1000, 500, false},   {700, 700, true}, {0, 0, true},    {0, 1, true},
        {-5, 1000000, false}, {-5, -5, true},   {100, -1, true}, {-1, INT32_MAX, false},
    };
    for (const Case& c : cases) {
        GameWorld fresh;
        ScriptedHost h;
        TempDataFile file(SixLevels(c.stored, "Old"));
        h.dataFilePath = file.Path();
        fresh.score = c.score;
        h.Answer(ScriptedAnswer::Name, "Ann");
        h.Answer(ScriptedAnswer::No);
        GameOver(fresh, h);

        EXPECT_EQ(h.nameDialogs, c.newBest ? 1 : 0) << c.stored << " vs " << c.score;
        EXPECT_EQ(file.StoredBestScore(), c.newBest ? c.score : c.stored);
        EXPECT_EQ(file.StoredBestName(), Padded(c.newBest ? "Ann" : "Old"));
        EXPECT_EQ(fresh.gameRunning, 0);
        EXPECT_EQ(h.messages.back().text, QuestionText);
    }
}

TEST_F(ProgressionTest, ConfirmedNameIsStoredAsWindows1251CutTo20Bytes) {
    world.score = 5000;
    host.Answer(ScriptedAnswer::Name, "Вася");
    GameOver(world, host);
    EXPECT_EQ(world.playerName, "\xC2\xE0\xF1\xFF");
    EXPECT_EQ(data->StoredBestName(), Padded("\xC2\xE0\xF1\xFF"));
    EXPECT_EQ(data->StoredBestScore(), 5000);

    world.score = 6000;
    host.Answer(ScriptedAnswer::Name, "Абвгдежзийклмнопрстуфхцч");  // 24 letters
    GameOver(world, host);
    EXPECT_EQ(world.playerName.size(), 20u);
    EXPECT_EQ(world.playerName.substr(0, 3), "\xC0\xE1\xE2");
    EXPECT_EQ(data->StoredBestName(), world.playerName);
}

TEST_F(ProgressionTest, CancelledNameStillWritesTheRecordWithThePreviousName) {
    world.score = 2000;
    host.Answer(ScriptedAnswer::Cancel);
    GameOver(world, host);
    EXPECT_EQ(data->StoredBestScore(), 2000);
    EXPECT_EQ(data->StoredBestName(), Padded(""));  // nobody named since start

    world.playerName = "Kim";
    world.score = 3000;
    host.Answer(ScriptedAnswer::Cancel);
    GameOver(world, host);
    EXPECT_EQ(data->StoredBestScore(), 3000);
    EXPECT_EQ(data->StoredBestName(), Padded("Kim"));
    EXPECT_EQ(world.playerName, "Kim");
}

// Remembers what the name dialog was opened with.
class PeekingHost : public ScriptedHost {
public:
    bool AskPlayerName(std::string& utf8Name) override {
        openedWith.push_back(utf8Name);
        return ScriptedHost::AskPlayerName(utf8Name);
    }
    std::vector<std::string> openedWith;
};

TEST_F(ProgressionTest, NameDialogOpensEmptyEvenWithANameFromEarlier) {
    PeekingHost peeking;
    peeking.dataFilePath = data->Path();
    world.playerName = "Kim";
    world.score = 5000;
    peeking.Answer(ScriptedAnswer::Name, "Lee");
    peeking.Answer(ScriptedAnswer::No);
    GameOver(world, peeking);
    world.score = 6000;
    peeking.Answer(ScriptedAnswer::Name, "Max");
    peeking.Answer(ScriptedAnswer::No);
    GameOver(world, peeking);
    EXPECT_EQ(peeking.openedWith, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(world.playerName, "Max");
}

// --- a missing or damaged level file -----------------------------------------------

TEST_F(ProgressionTest, NewGameWithoutALevelFileStopsCleanly) {
    data->Remove();
    RequestNewGame(world);
    world.score = 55;
    StartNewGame(world, host);
    EXPECT_EQ(world.gameRunning, 0);
    EXPECT_EQ(world.newGameRequested, 0);
    EXPECT_EQ(world.score, 55);
    EXPECT_EQ(world.player.health, 0);
    EXPECT_EQ(CountMessages(host, ExpectedText("ErrorCaption")), 1);
    EXPECT_EQ(host.drawingsBegun, host.drawingsEnded);
}

TEST_F(ProgressionTest, AdvanceWithoutALevelFileStopsCleanly) {
    data->Remove();
    world.levelNumber = 2;
    world.player.rounds = 4;
    AdvanceLevel(world, host);
    EXPECT_EQ(world.gameRunning, 0);
    EXPECT_EQ(world.newGameRequested, 0);
    EXPECT_EQ(world.player.rounds, 4);
    EXPECT_EQ(world.player.spareMagazines, 0);
}

TEST_F(ProgressionTest, ShortFileLoadsNothingAndStops) {
    std::vector<uint8_t> bytes = BuildDataFile(SixLevels());
    bytes.resize(5000);  // inside level 1's record
    TempDataFile shortFile(bytes);
    host.dataFilePath = shortFile.Path();
    StartNewGame(world, host);
    EXPECT_EQ(world.gameRunning, 0);
    EXPECT_EQ(world.player.x, 0);
}

TEST_F(ProgressionTest, ShortFilePlaysItsWholeLevelsAndStopsAtTheFirstCutOne) {
    std::vector<uint8_t> bytes = BuildDataFile(SixLevels());
    bytes.resize(30000);  // levels 1 to 5 whole, level 6 cut
    TempDataFile shortFile(bytes);
    host.dataFilePath = shortFile.Path();
    StartNewGame(world, host);
    EXPECT_EQ(world.gameRunning, 1);
    EXPECT_EQ(world.player.x, 1000);

    world.levelNumber = 4;
    AdvanceLevel(world, host);
    EXPECT_EQ(world.gameRunning, 1);
    EXPECT_EQ(world.player.x, 5000);
    AdvanceLevel(world, host);
    EXPECT_EQ(world.gameRunning, 0);
    EXPECT_EQ(world.player.x, 5000);
    EXPECT_EQ(CountMessages(host, ExpectedText("ErrorCaption")), 1);
}

TEST_F(ProgressionTest, UnreadableBestScoreSkipsTheRecordButStillAsks) {
    data->Remove();
    world.score = 100000;
    host.Answer(ScriptedAnswer::No);
    GameOver(world, host);
    EXPECT_EQ(host.nameDialogs, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QuestionText);
    EXPECT_EQ(world.gameRunning, 0);
}

}  // namespace
