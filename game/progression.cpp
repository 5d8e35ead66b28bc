// progression.cpp -- a game from the new-game request through six levels to
// the victory or the death, the best-score record, and the restart question.
#include "game/progression.h"

#include <algorithm>
#include <optional>
#include <string>

#include "game/host.h"
#include "game/level_file.h"
#include "game/rules.h"
#include "game/text.h"
#include "game/texts.h"
#include "game/world.h"
#include "game/keys.h"
#include "render/frame.h"

namespace {

constexpr uint8_t FirstLevel = 1;
constexpr uint8_t VictoryLevel = LevelCount + 1;  // stepping past the last level

// Without a level to play the game simply stops; "Новая" can try again.
void StopGame(GameWorld& world) {
    world.gameRunning = 0;
    world.newGameRequested = 0;
}

// Clears the whole view, the strip below the picture included, so that no
// longer score of the previous game stays on screen.
void BlankView(ClientSurface& surface) {
    MapPicture(surface);
    surface.FillRect(0, 0, FrameWidth, FrameHeight + 200, SystemWindowColour);
}

// Asks the new record holder for a name. Only a confirmed dialog changes
// the name; it is kept as the Windows-1251 bytes the level file stores.
void AskRecordHolderName(GameWorld& world, Host& host) {
    std::string utf8Name;  // the dialog always opens empty
    if (!host.AskPlayerName(utf8Name)) {
        return;
    }
    std::string bytes;
    Utf8ToCp1251(utf8Name, bytes);  // what could be converted is kept
    bytes.resize(std::min(bytes.size(), size_t(BestNameLength)));
    world.playerName = bytes;
}

// Compared as unsigned values: a tie is a new record, and a stored negative
// best is beaten by no non-negative score.
bool IsNewBest(int32_t score, int32_t best) {
    return static_cast<uint32_t>(score) >= static_cast<uint32_t>(best);
}

}  // namespace

void RequestNewGame(GameWorld& world) {
    world.gameRunning = 0;
    world.newGameRequested = 1;
}

// Aim, jump, walk phase, bullets, score texts, the falling magazine and the
// camera carry over from the previous game on purpose. The view stays in
// drawing until the new game is set up or has failed.
void StartNewGame(GameWorld& world, Host& host) {
    const DrawingScope drawing(host);
    BlankView(drawing.Surface());
    world.newGameRequested = 0;
    world.levelNumber = FirstLevel;
    if (!LoadLevel(world, host, FirstLevel)) {
        StopGame(world);
        return;
    }
    PlayerState& p = world.player;
    world.gameRunning = 1;
    p.health = FullHealth;
    p.invulnerableTicks = 0;
    p.spareMagazines = SpareMagazinesAtStart;
    p.rounds = MagazineRounds;
    p.damageTint = 0;
    world.score = 0;
    ResetInput(world);
    world.raptorOnScreen = 0;
}

// Score, protection and the damage tint carry over into the next level.
void AdvanceLevel(GameWorld& world, Host& host) {
    ++world.levelNumber;
    if (world.levelNumber >= VictoryLevel) {
        host.ShowMessage(VictoryText, VictoryCaption, MessageButtons::Ok, MessageIcon::None);
        GameOver(world, host);
        return;
    }
    if (!LoadLevel(world, host, world.levelNumber)) {
        StopGame(world);
        return;
    }
    PlayerState& p = world.player;
    p.rounds = MagazineRounds;
    p.spareMagazines = SpareMagazinesAtStart;
    p.health = FullHealth;
}

void GameOver(GameWorld& world, Host& host) {
    // An unreadable record skips the check: no name, nothing written.
    const std::optional<int32_t> best = ReadBestScore(host);
    if (best && IsNewBest(world.score, *best)) {
        AskRecordHolderName(world, host);
        WriteBestRecord(world, host);  // also when the dialog was cancelled
    }
    const MessageAnswer again = host.ShowMessage(PlayAgainText, PlayAgainCaption,
                                                 MessageButtons::YesNo, MessageIcon::None);
    if (again == MessageAnswer::Yes) {
        StartNewGame(world, host);
    } else {
        world.gameRunning = 0;  // frozen until "Новая"
    }
}
