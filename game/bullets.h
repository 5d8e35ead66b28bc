// bullets.h -- rifle bullets: invisible hit points flying 30 px a tick.
#pragma once

struct GameWorld;

void SpawnBullet(GameWorld& world);
void UpdateBullets(GameWorld& world);
