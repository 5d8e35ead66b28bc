// progression.h -- a game from its start through six levels to its end.
#pragma once

struct GameWorld;
class Host;

void StartNewGame(GameWorld& world, Host& host);
void AdvanceLevel(GameWorld& world, Host& host);
void GameOver(GameWorld& world, Host& host);

// What the document's new-document step does: the next tick starts a game.
void RequestNewGame(GameWorld& world);
