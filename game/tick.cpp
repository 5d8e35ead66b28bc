// tick.cpp -- one 50 ms step of the game, in the order every rule relies on.
//
// Every tick draws the whole picture: every entity advanced and its draw
// recorded in a fixed order, then the renderer makes the frame from those
// draws, over the sky and under the tints, once the step is done, presents
// it, and the HUD is drawn over the view. The renderer redoes only the tiles
// whose draws changed since the tick before. Each step sees the results of
// the steps before it; the contact flags, the camera and the death code pass
// between steps through the world record.
#include "game/tick.h"

#include "game/bullets.h"
#include "game/capacities.h"
#include "game/host.h"
#include "game/mosquitoes.h"
#include "game/pickups.h"
#include "game/player.h"
#include "game/progression.h"
#include "game/rules.h"
#include "game/score.h"
#include "game/texts.h"
#include "game/weapon.h"
#include "game/world.h"
#include "render/frame.h"
#include "render/hud.h"
#include "render/renderer.h"
#include "render/scene.h"

static_assert(MaxDrawsPerTick <= MaxFrameDraws, "every frame of a tick is worked out tile by tile");

namespace {

constexpr int32_t RequiredBitsPerPixel = 32;

// The frame buffer goes to the screen byte for byte, so anything but 32-bit
// colour would show garbage. Returns false when the player chose to quit.
bool ColourDepthAccepted(Host& host) {
    if (host.DisplayBitsPerPixel() == RequiredBitsPerPixel) {
        return true;
    }
    const MessageAnswer answer = host.ShowMessage(ColourDepthText, ColourDepthCaption,
                                                  MessageButtons::YesNo, MessageIcon::Stop);
    return answer != MessageAnswer::No;
}

// Only the point 30 px above the soles counts, edges included.
bool GoalReached(const GameWorld& world) {
    const PlayerState& p = world.player;
    const Goal& g = world.goal;
    return PointInRect(p.x, SubWrap(p.y, GoalProbeRise), AddWrap(g.x, GoalBox.left),
                       AddWrap(g.y, GoalBox.top), AddWrap(g.x, GoalBox.right),
                       AddWrap(g.y, GoalBox.bottom));
}

// Everything drawn before the soldier uses the previous tick's camera; the
// player step moves it. Nothing here reads the frame's pixels, which are made
// at the end.
void RunWorldStep(GameWorld& world, Host& host, Renderer& renderer) {
    renderer.BeginFrame();
    DrawList& draws = renderer.Draws();
    DrawScenery(world, draws);
    UpdateMosquitoes(world, draws);
    UpdatePlatforms(world, host, draws);
    UpdateNests(world, draws);
    UpdatePickups(world, host, draws);
    UpdateFallingMagazine(world, draws);
    UpdateBullets(world);
    UpdatePlayer(world, host, draws);
    // A level load clears the death code: reaching the exit while dying wins.
    if (GoalReached(world)) {
        AdvanceLevel(world, host);
    }
    // The red tint of a nonzero damageTint and the green one of the
    // protection, together, with the sky under the draws.
    renderer.FinishFrame(world.frameBuffer, world.player.damageTint, world.player.invulnerableTicks);
}

const char* DeathMessage(uint8_t deathCode) {
    switch (deathCode) {
    case DeathAtNest: return DeathAtNestText;
    case DeathBitten: return DeathBittenText;
    case DeathFell: return DeathFellText;
    default: return nullptr;
    }
}

void EndGameOnDeath(GameWorld& world, Host& host) {
    if (world.deathCode == DeathNone || world.gameRunning == 0) {
        return;
    }
    if (const char* text = DeathMessage(world.deathCode)) {
        host.ShowMessage(text, GameTitle, MessageButtons::Ok, MessageIcon::None);
    }
    GameOver(world, host);  // may start the next game within this tick
}

// Steps 2 to 10 of a tick. Returns false when the player chose to quit; the
// drawing context is back with the view by then.
bool RunDrawnTick(GameWorld& world, Host& host, Renderer& renderer) {
    // 2. The view's drawing context for the rest of the tick; 10. it goes
    // back to the view when the scope ends.
    const DrawingScope drawing(host);
    ClientSurface& surface = drawing.Surface();
    // 3. Without 32-bit colour the game asks every tick; No quits.
    if (!ColourDepthAccepted(host)) {
        return false;
    }
    // 4, 5. The picture centred in the view, the frame filled with the
    // swamp; 6. the world moves only while a game runs. A moving world's
    // tints are known only after its step, so its swamp is made then, with
    // them, under the draws the step recorded.
    MapPicture(surface);
    if (world.gameRunning != 0) {
        RunWorldStep(world, host, renderer);
    } else {
        renderer.FillBackground(world.frameBuffer);
    }
    // 7, 8. Presentation, then the HUD and the score texts over the view;
    // the texts climb once they are drawn.
    const PlayerState& p = world.player;
    renderer.PresentFrame(world.frameBuffer, surface);
    DrawHud(surface, {.spareMagazines = p.spareMagazines,
                      .health = p.health,
                      .score = world.score,
                      .healthLabel = HudHealthLabel,
                      .scoreLabel = HudScoreLabel});
    DrawScorePopups(world, surface);
    AgeScorePopups(world);
    // 9. A death ends the game with its message and the game-over sequence.
    EndGameOnDeath(world, host);
    return true;
}

}  // namespace

void DrawScenery(const GameWorld& world, DrawList& draws) {
    const Canvas canvas = WorldCanvas(world, draws);
    for (const Decoration& d : world.decorations) DrawDecoration(canvas, d.x, d.y, d.type);
    DrawGoal(canvas, world.goal.x, world.goal.y);
}

void GameTick(GameWorld& world, Host& host, Renderer& renderer) {
    // 1. A requested game starts, and that is all this tick does.
    if (world.newGameRequested != 0) {
        StartNewGame(world, host);
        return;
    }
    if (!RunDrawnTick(world, host, renderer)) {
        host.CloseApplication();
    }
}

void RunTimerTick(GameWorld& world, Host& host, Renderer& renderer) {
    GameTick(world, host, renderer);
    world.tickCounter = static_cast<uint8_t>(world.tickCounter + 1);
}
