// The tick as a whole: the new-game tick, the colour-depth question, the
// world step only while a game runs, the goal before the death, and the
// death messages that lead into the game-over sequence.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/progression.h"
#include "game/tick.h"
#include "game/world.h"
#include "tests/support/expected_texts.h"
#include "tests/support/game_fixtures.h"
#include "tests/support/level_builder.h"
#include "tools/common/recording_surface.h"
#include "tools/common/scripted_host.h"

namespace {

const std::string DepthCaption = ExpectedText("ColourDepthCaption");
const std::string DepthText = ExpectedText("ColourDepthText");

// Every level: a floor of blocks at y = 500 from x = 0 to 800, the soldier
// standing on it at x = 100 k, the exit far away.
DataFileSketch FloorLevels() {
    DataFileSketch sketch;
    for (int k = 1; k <= LevelCount; ++k) {
        LevelSketch& level = sketch.levels[size_t(k - 1)];
        level.startX = 100 * k;
        level.startY = 500;
        for (int32_t x = 0; x < 800; x += 100) {
            level.platforms.push_back(Platform{x, 500, PlatformBlock});
        }
        level.goal = Goal{50000, 50000};
    }
    sketch.bestScore = 1000000;
    return sketch;
}

// Remembers whether the drawing context was already given back when the
// application was asked to close.
class ClosingHost : public ScriptedHost {
public:
    void CloseApplication() override {
        drawingReleasedAtClose = drawingsBegun == drawingsEnded;
        ScriptedHost::CloseApplication();
    }
    bool drawingReleasedAtClose = false;
};

class TickTest : public GameWithDataFile<ClosingHost> {
protected:
    void SetUp() override { UseFile(FloorLevels()); }

    // Starts a game the way the application does: request, then one tick.
    void StartGame() {
        RequestNewGame(world);
        RunTimerTick(world, host, renderer);
        ASSERT_EQ(world.gameRunning, 1);
    }

    RecordingSurface& Surface() { return static_cast<RecordingSurface&>(host.Surface()); }

    int Count(SurfaceCall::Kind kind) {
        int n = 0;
        for (const SurfaceCall& call : Surface().calls) {
            n += call.kind == kind ? 1 : 0;
        }
        return n;
    }

    // Copies of the whole 800 x 500 frame to the view.
    int Presents() {
        int n = 0;
        for (const SurfaceCall& call : Surface().calls) {
            n += call.kind == SurfaceCall::Pixels && call.x == 0 && call.y == 0 &&
                         call.right == FrameWidth && call.bottom == FrameHeight
                     ? 1
                     : 0;
        }
        return n;
    }

    bool Shown(const std::string& caption) const {
        for (const ShownMessage& m : host.messages) {
            if (m.caption == caption) return true;
        }
        return false;
    }
};

TEST_F(TickTest, FirstTickStartsTheGameAndPresentsNothing) {
    RequestNewGame(world);
    RunTimerTick(world, host, renderer);
    EXPECT_EQ(world.gameRunning, 1);
    EXPECT_EQ(world.newGameRequested, 0);
    EXPECT_EQ(world.tickCounter, 1);  // the starting tick counts too
    EXPECT_EQ(world.player.x, 100);
    EXPECT_TRUE(Shown(ExpectedText("AdvertCaption")));
    EXPECT_EQ(Presents(), 0);
    EXPECT_EQ(Count(SurfaceCall::Text), 0);

    Surface().ClearCalls();
    RunTimerTick(world, host, renderer);
    EXPECT_EQ(Presents(), 1);
    EXPECT_GT(Count(SurfaceCall::Text), 0);  // the HUD
    EXPECT_EQ(host.drawingsBegun, host.drawingsEnded);
}

TEST_F(TickTest, WrongColourDepthAsksEveryTickAndYesDraws) {
    StartGame();
    host.bitsPerPixel = 24;
    host.messages.clear();
    for (int i = 0; i < 3; ++i) {
        host.Answer(ScriptedAnswer::Yes);
        Surface().ClearCalls();
        RunTimerTick(world, host, renderer);
        EXPECT_EQ(Presents(), 1) << "tick " << i;
    }
    ASSERT_EQ(host.messages.size(), 3u);
    for (const ShownMessage& m : host.messages) {
        EXPECT_EQ(m.caption, DepthCaption);
        EXPECT_EQ(m.text, DepthText);
        EXPECT_EQ(m.buttons, MessageButtons::YesNo);
        EXPECT_EQ(m.icon, MessageIcon::Stop);
    }
    EXPECT_FALSE(host.applicationClosed);
}

TEST_F(TickTest, WrongColourDepthAnsweredNoClosesWithoutDrawing) {
    StartGame();
    host.bitsPerPixel = 16;
    world.player.moveDir = 1;
    const int32_t x = world.player.x;
    Surface().ClearCalls();
    host.Answer(ScriptedAnswer::No);
    RunTimerTick(world, host, renderer);
    EXPECT_TRUE(host.applicationClosed);
    EXPECT_TRUE(host.drawingReleasedAtClose);
    EXPECT_EQ(Presents(), 0);
    EXPECT_EQ(Count(SurfaceCall::Text), 0);
    EXPECT_EQ(world.player.x, x);
}

TEST_F(TickTest, TheNewGameTickDoesNotAskForTheColourDepth) {
    host.bitsPerPixel = 24;
    RequestNewGame(world);
    RunTimerTick(world, host, renderer);
    EXPECT_FALSE(Shown(DepthCaption));
    EXPECT_EQ(world.gameRunning, 1);
}

TEST_F(TickTest, ReachingTheGoalInTheTickOfDeathAdvancesWithoutADeathMessage) {
    DataFileSketch sketch = FloorLevels();
    // Level 1: no floor under the soldier, the pit at y = 100, the exit
    // around the point 30 px above his feet.
    sketch.levels[0].platforms.clear();
    sketch.levels[0].startY = 100;
    sketch.levels[0].goal = Goal{80, 60};
    UseFile(sketch);
    StartGame();
    host.messages.clear();
    RunTimerTick(world, host, renderer);
    EXPECT_FALSE(Shown(ExpectedText("GameTitle")));
    EXPECT_EQ(world.levelNumber, 2);
    EXPECT_EQ(world.deathCode, DeathNone);
    EXPECT_EQ(world.gameRunning, 1);
    EXPECT_EQ(world.player.x, 200);
}

TEST_F(TickTest, FallingIntoThePitEndsTheGameWithItsMessage) {
    DataFileSketch sketch = FloorLevels();
    sketch.levels[0].platforms.clear();
    sketch.levels[0].startY = 100;
    UseFile(sketch);
    StartGame();
    host.messages.clear();
    host.Answer(ScriptedAnswer::Ok);
    host.Answer(ScriptedAnswer::No);
    RunTimerTick(world, host, renderer);
    ASSERT_EQ(host.messages.size(), 2u);
    ExpectMessage(host.messages[0], ExpectedText("GameTitle"), ExpectedText("DeathFellText"),
                  MessageButtons::Ok, MessageIcon::None);
    EXPECT_EQ(host.messages[1].caption, ExpectedText("PlayAgainCaption"));
    EXPECT_EQ(world.gameRunning, 0);
    EXPECT_EQ(host.drawingsBegun, host.drawingsEnded);
}

TEST_F(TickTest, EachDeathCodeShowsItsOwnMessage) {
    const std::string texts[] = {ExpectedText("DeathAtNestText"), ExpectedText("DeathBittenText"),
                                 ExpectedText("DeathFellText")};
    for (uint8_t code = 1; code <= 3; ++code) {
        StartGame();
        world.deathCode = code;
        host.messages.clear();
        RunTimerTick(world, host, renderer);
        ASSERT_GE(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].caption, ExpectedText("GameTitle"));
        EXPECT_EQ(host.messages[0].text, texts[code - 1]);
        EXPECT_EQ(world.gameRunning, 0);
    }
}

TEST_F(TickTest, UnknownDeathCodeSkipsTheMessageButEndsTheGame) {
    StartGame();
    world.deathCode = 9;
    host.messages.clear();
    RunTimerTick(world, host, renderer);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, ExpectedText("PlayAgainCaption"));
    EXPECT_EQ(world.gameRunning, 0);
}

TEST_F(TickTest, AnsweringYesAfterADeathStartsTheNextGameInsideTheTick) {
    StartGame();
    world.score = 40;
    world.levelNumber = 3;
    world.deathCode = DeathBitten;
    host.Answer(ScriptedAnswer::Ok);
    host.Answer(ScriptedAnswer::Yes);
    RunTimerTick(world, host, renderer);
    ExpectNewGameRunning(world);
    EXPECT_EQ(world.deathCode, DeathNone);
    EXPECT_EQ(host.drawingsBegun, host.drawingsEnded);
}

TEST_F(TickTest, AStoppedGameShowsOnlyTheBackgroundAndTheHud) {
    StartGame();
    world.player.y = 100;  // in mid-air: a running game would drop him
    world.player.moveDir = 1;
    world.deathCode = DeathFell;
    world.gameRunning = 0;
    const int32_t x = world.player.x;
    for (int i = 0; i < 3; ++i) {
        Surface().ClearCalls();
        RunTimerTick(world, host, renderer);
        EXPECT_EQ(Presents(), 1);
        EXPECT_GT(Count(SurfaceCall::Text), 0);
    }
    EXPECT_EQ(world.player.y, 100);
    EXPECT_EQ(world.player.x, x);
    EXPECT_FALSE(Shown(ExpectedText("GameTitle")));  // no death message while stopped
}

TEST_F(TickTest, WalkingIntoTheGoalAdvancesInThatSameTick) {
    DataFileSketch sketch = FloorLevels();
    sketch.levels[0].goal = Goal{110, 420};  // x 110..160, y 420..470
    UseFile(sketch);
    StartGame();
    RunTimerTick(world, host, renderer);  // standing at x = 100: point (100, 470) outside
    EXPECT_EQ(world.levelNumber, 1);
    world.player.moveDir = 1;
    RunTimerTick(world, host, renderer);  // moves to 110 before the test
    EXPECT_EQ(world.levelNumber, 2);
}

TEST_F(TickTest, TickCounterWrapsAfter255) {
    world.gameRunning = 0;
    world.tickCounter = 254;
    RunTimerTick(world, host, renderer);
    EXPECT_EQ(world.tickCounter, 255);
    RunTimerTick(world, host, renderer);
    EXPECT_EQ(world.tickCounter, 0);
}

}  // namespace
