// tick.h -- one 50 ms step of the game: the table of contents of the rules.
#pragma once

struct GameWorld;
class Host;

// Runs one tick: new-game request, colour-depth check, background, the world
// step, presentation, HUD, score texts and the end of the game.
void GameTick(GameWorld& world, Host& host);

// What the view does on every expiry of timer 1: a tick, then the counter.
void RunTimerTick(GameWorld& world, Host& host);

// The first thing the world step draws: the decorations in slot order, each
// over the ones before, then the exit over them all.
void DrawScenery(GameWorld& world);
