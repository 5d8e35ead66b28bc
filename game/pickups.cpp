// pickups.cpp -- things to collect for points, and the bottle of repellent.
#include "game/pickups.h"

#include "game/host.h"
#include "game/rules.h"
#include "game/score.h"
#include "game/sound.h"
#include "game/texts.h"
#include "game/world.h"
#include "game/keys.h"
#include "render/blit.h"

namespace {

constexpr uint8_t RepellentProtection = 255;  // ticks of invulnerability

// Pictures of kinds 1..6; any other nonzero type lies in the level unseen
// and untaken.
constexpr SpriteId PickupSprites[PickupKindCount] = {
    SpriteCircuitBoard, SpriteCrystal, SpriteTulip, SpriteCoin, SpriteRepellent, SpriteStrawberry,
};

// The soldier picks things up with his feet, his middle or his chest.
bool IsTouched(const GameWorld& world, const Pickup& pickup) {
    const PlayerState& p = world.player;
    int32_t right = AddWrap(pickup.x, PickupSize.width);
    int32_t bottom = AddWrap(pickup.y, PickupSize.height);
    for (int32_t above : {0, 20, 40}) {
        if (PointInRect(p.x, SubWrap(p.y, above), pickup.x, pickup.y, right, bottom)) return true;
    }
    return false;
}

// The repellent protects at once; the advertisement pauses the game, and
// keys held down while it was open are forgotten.
void ApplyRepellent(GameWorld& world, Host& host) {
    world.player.invulnerableTicks = RepellentProtection;
    host.ShowMessage(RepellentAdvertText, AdvertCaption, MessageButtons::Ok, MessageIcon::None);
    ResetInput(world);
}

void UpdatePickup(GameWorld& world, Host& host, Pickup& pickup, DrawList& draws) {
    bool touched = IsTouched(world, pickup);
    if (touched && pickup.type != 0 && world.soundOn) PlayPickupChime(world, host);

    if (pickup.type < 1 || pickup.type > PickupKindCount) return;
    uint8_t type = pickup.type;
    // Drawn once more in the tick it is taken.
    DrawPickup(WorldCanvas(world, draws), pickup);
    if (!touched) return;
    pickup.type = 0;
    AddScore(world, pickup.x, pickup.y, PickupPoints[type - 1]);
    if (type == PickupRepellent) ApplyRepellent(world, host);
}

}  // namespace

void DrawPickup(Canvas canvas, const Pickup& pickup) {
    if (pickup.type < 1 || pickup.type > PickupKindCount) return;
    BlitSprite(canvas, pickup.x, pickup.y, PickupSprites[pickup.type - 1]);
}

void UpdatePickups(GameWorld& world, Host& host, DrawList& draws) {
    for (Pickup& pickup : world.pickups) UpdatePickup(world, host, pickup, draws);
}
