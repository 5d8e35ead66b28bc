// pickups.cpp -- things to collect, and the repellent device you switch on.
#include "game/pickups.h"

#include "game/host.h"
#include "game/player.h"
#include "game/score.h"
#include "game/sound.h"
#include "game/world.h"
#include "render/blit.h"

namespace {

constexpr int32_t PickupSize = 20;                        // px, square sprite
constexpr int32_t RaptorWidth = 50;                       // px, sprite
constexpr int32_t RaptorSwitchHeight = 30;                // px, the switch box is the top 30 rows
constexpr int32_t RaptorReach = 30;                       // px above the feet: the hand
constexpr uint8_t RepellentProtection = 255;              // ticks of invulnerability
constexpr uint8_t PickupRepellent = 5;

struct PickupKind {
    SpriteId sprite;
    int32_t points;
};

// Kinds 1..6; any other nonzero type lies in the level unseen and untaken.
constexpr PickupKind PickupKinds[6] = {
    {SpriteCircuitBoard, 100}, {SpriteCrystal, 250}, {SpriteTulip, 1000},
    {SpriteCoin, 301},         {SpriteRepellent, 57}, {SpriteStrawberry, 699},
};

constexpr const char* AdvertCaption = "Реклама";
constexpr const char* RepellentAdvert = "Москитол. Потому и не кусают.";
constexpr const char* RaptorAdvert = "Раптор. Проверено. Насекомых нет.";

// The soldier picks things up with his feet, his middle or his chest.
bool IsTouched(const GameWorld& world, const Pickup& pickup) {
    const PlayerState& p = world.player;
    int32_t right = AddWrap(pickup.x, PickupSize);
    int32_t bottom = AddWrap(pickup.y, PickupSize);
    for (int32_t above : {0, 20, 40}) {
        if (PointInRect(p.x, SubWrap(p.y, above), pickup.x, pickup.y, right, bottom)) return true;
    }
    return false;
}

// The repellent protects at once; the advertisement pauses the game, and
// keys held down while it was open are forgotten.
void ApplyRepellent(GameWorld& world, Host& host) {
    world.player.invulnerableTicks = RepellentProtection;
    host.ShowMessage(RepellentAdvert, AdvertCaption, MessageButtons::Ok, MessageIcon::None);
    ResetInput(world);
}

void UpdatePickup(GameWorld& world, Host& host, Pickup& pickup) {
    bool touched = IsTouched(world, pickup);
    if (touched && pickup.type != 0 && world.soundOn) PlayPickupChime(world, host);

    if (pickup.type < 1 || pickup.type > 6) return;
    uint8_t type = pickup.type;
    const PickupKind& kind = PickupKinds[type - 1];
    // Drawn once more in the tick it is taken.
    BlitSprite(WorldCanvas(world), pickup.x, pickup.y, kind.sprite);
    if (!touched) return;
    pickup.type = 0;
    AddScore(world, pickup.x, pickup.y, kind.points);
    if (type == PickupRepellent) ApplyRepellent(world, host);
}

bool OnScreenStrict(const GameWorld& world, int32_t x, int32_t y) {
    int32_t sx = SubWrap(x, world.cameraLeft);
    int32_t sy = SubWrap(y, world.cameraTop);
    return 0 < sx && sx < FrameWidth && 0 < sy && sy < FrameHeight;
}

}  // namespace

void UpdatePickups(GameWorld& world, Host& host) {
    for (Pickup& pickup : world.pickups) UpdatePickup(world, host, pickup);
}

// A switched-off device lights up when the soldier's hand reaches its top
// 30 rows; it still shows unlit in that tick. A lit one in view keeps the
// screen free of mosquitoes.
void UpdateRaptorItem(GameWorld& world, Host& host, int slot) {
    if (slot < 0 || slot >= MaxPlatforms) return;
    Platform& item = world.platforms[size_t(slot)];
    const PlayerState& p = world.player;

    if (item.type == PlatformRaptorOff) {
        if (PointInRect(p.x, SubWrap(p.y, RaptorReach), item.x, item.y, AddWrap(item.x, RaptorWidth),
                        AddWrap(item.y, RaptorSwitchHeight))) {
            item.type = PlatformRaptorOn;
            host.ShowMessage(RaptorAdvert, AdvertCaption, MessageButtons::Ok, MessageIcon::None);
            ResetInput(world);
        }
        BlitSprite(WorldCanvas(world), item.x, item.y, SpriteRaptorOff);
    } else if (item.type == PlatformRaptorOn) {
        BlitSprite(WorldCanvas(world), item.x, item.y, SpriteRaptorOn);
        if (OnScreenStrict(world, item.x, item.y)) world.raptorOnScreen = 1;
    }
}
