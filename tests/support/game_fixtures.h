// game_fixtures.h -- worlds, fixtures and checks that several engine tests
// start from.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "game/world.h"
#include "render/renderer.h"
#include "tests/support/level_builder.h"
#include "tools/common/scripted_host.h"

// An otherwise empty world with a healthy soldier standing at (x, y).
GameWorld WorldWithSoldierAt(int32_t x, int32_t y);

// Checks that a new game runs from its start: level 1, no score yet.
void ExpectNewGameRunning(const GameWorld& world);

// Checks one modal box as the game showed it; `where` names the box in a failure.
void ExpectMessage(const ShownMessage& shown, const std::string& caption, const std::string& text,
                   MessageButtons buttons, MessageIcon icon, const char* where = "");

// A world and a host whose Data.dat the test writes first.
template <class HostType = ScriptedHost>
class GameWithDataFile : public ::testing::Test {
protected:
    void UseFile(const DataFileSketch& sketch) {
        data = std::make_unique<TempDataFile>(sketch);
        host.dataFilePath = data->Path();
    }

    std::unique_ptr<TempDataFile> data;
    GameWorld world;
    HostType host;
    Renderer renderer;
};
