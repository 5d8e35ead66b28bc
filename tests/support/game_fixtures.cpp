// game_fixtures.cpp -- worlds and checks several engine tests start from.
#include "tests/support/game_fixtures.h"

GameWorld WorldWithSoldierAt(int32_t x, int32_t y) {
    GameWorld world;
    world.player.x = x;
    world.player.y = y;
    world.player.health = 100;
    return world;
}

void ExpectNewGameRunning(const GameWorld& world) {
    EXPECT_EQ(world.gameRunning, 1);
    EXPECT_EQ(world.levelNumber, 1);
    EXPECT_EQ(world.score, 0);
}

void ExpectMessage(const ShownMessage& shown, const std::string& caption, const std::string& text,
                   MessageButtons buttons, MessageIcon icon, const char* where) {
    EXPECT_EQ(shown.caption, caption) << where;
    EXPECT_EQ(shown.text, text) << where;
    EXPECT_EQ(shown.buttons, buttons) << where;
    EXPECT_EQ(shown.icon, icon) << where;
}
