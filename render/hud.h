// hud.h -- the row below the picture: spare magazines, health and score.
#pragma once

struct GameWorld;
class ClientSurface;

void DrawHud(const GameWorld& world, ClientSurface& surface);
