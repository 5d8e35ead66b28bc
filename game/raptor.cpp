// raptor.cpp -- the repellent device: switched on by hand, it clears the air in view.
#include "game/raptor.h"

#include "game/host.h"
#include "game/rules.h"
#include "game/texts.h"
#include "game/world.h"
#include "game/keys.h"
#include "render/blit.h"

namespace {

constexpr int32_t RaptorSwitchHeight = 30;  // px, the switch box is the top 30 rows
constexpr int32_t RaptorReach = 30;         // px above the feet: the hand

bool HandOnSwitch(const PlayerState& p, const Platform& item) {
    return PointInRect(p.x, SubWrap(p.y, RaptorReach), item.x, item.y,
                       AddWrap(item.x, RaptorSize.width), AddWrap(item.y, RaptorSwitchHeight));
}

}  // namespace

// A switched-off device lights up when the soldier's hand reaches its top
// 30 rows; it still shows unlit in that tick. A lit one in view keeps the
// screen free of mosquitoes.
void UpdateRaptorItem(GameWorld& world, Host& host, int slot, DrawList& draws) {
    if (slot < 0 || slot >= MaxPlatforms) return;
    Platform& item = world.platforms[size_t(slot)];

    if (item.type == PlatformRaptorOff) {
        if (HandOnSwitch(world.player, item)) {
            item.type = PlatformRaptorOn;
            host.ShowMessage(RaptorAdvertText, AdvertCaption, MessageButtons::Ok,
                             MessageIcon::None);
            ResetInput(world);
        }
        BlitSprite(WorldCanvas(world, draws), item.x, item.y, SpriteRaptorOff);
    } else if (item.type == PlatformRaptorOn) {
        BlitSprite(WorldCanvas(world, draws), item.x, item.y, SpriteRaptorOn);
        if (OnScreenStrict(world, item.x, item.y)) world.raptorOnScreen = 1;
    }
}
