// tick.h -- one 50 ms step of the game: the table of contents of the rules.
#pragma once

class DrawList;
struct GameWorld;
class Host;
class Renderer;

// Runs one tick: new-game request, colour-depth check, background, the world
// step, presentation, HUD, score texts and the end of the game. The renderer
// makes the world's frame from the step's draws; it is the view's, not the
// game's.
void GameTick(GameWorld& world, Host& host, Renderer& renderer);

// What the view does on every expiry of timer 1: a tick, then the counter.
void RunTimerTick(GameWorld& world, Host& host, Renderer& renderer);

// The first thing the world step draws: the decorations in slot order, each
// over the ones before, then the exit over them all.
void DrawScenery(const GameWorld& world, DrawList& draws);
