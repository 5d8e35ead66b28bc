// element_kinds.cpp -- names, sizes and palette pictures of the elements.
#include "tools/editor/element_kinds.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>

#include "game/level_still.h"
#include "game/rules.h"
#include "game/world.h"
#include "tools/editor/editor_texts.h"

namespace editor {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("EditorTexts", text); }

const char* const PlatformKindNames[] = {PlatformName, LedgeName, BlockName, RaptorName,
                                         RaptorOnName};
const char* const DecorationKindNames[] = {DecorationName, FlowerName,       ShrubName,
                                           ConiferName,    BulrushName,      VineName,
                                           HangingVinesName, TreeName};
const char* const PickupKindNames[] = {PickupName,  CircuitName,   CrystalName,   TulipName,
                                       CoinName,    RepellentName, StrawberryName};
// Decoration sprites, w x h, by kind.
constexpr SpriteSize DecorationSizes[] = {{0, 0},   {37, 40}, {48, 39},  {50, 100},
                                          {10, 40}, {30, 82}, {114, 77}, {143, 286}};

template <size_t N>
const char* Named(const char* const (&names)[N], int32_t kind) {
    return kind > 0 && size_t(kind) < N ? names[kind] : names[0];
}

}  // namespace

const std::vector<PaletteItem>& Palette() {
    static const std::vector<PaletteItem> items = [] {
        std::vector<PaletteItem> list;
        for (int k = 1; k <= 4; ++k)
            list.push_back({PlatformKindNames[k], {Group::Platform, k, 0, 0, 0}});
        for (int k = 1; k <= 7; ++k)
            list.push_back({DecorationKindNames[k], {Group::Decoration, k, 0, 0, 0}});
        for (int k = 1; k <= 6; ++k)
            list.push_back({PickupKindNames[k], {Group::Pickup, k, 0, 0, 0}, PickupPoints[k - 1]});
        list.push_back({NestName, {Group::Nest, 1, 0, 0, 0}});
        list.push_back({MosquitoLeftName, {Group::Mosquito, 100, -1, 0, 0}});
        list.push_back({MosquitoRightName, {Group::Mosquito, 100, 1, 0, 0}});
        list.push_back({StartName, {Group::Start, 1, 0, 0, 0}});
        list.push_back({GoalName, {Group::Goal, 0, 0, 0, 0}});
        return list;
    }();
    return items;
}

QString ElementName(const ElementValues& v) {
    switch (v.group) {
    case Group::Start: return Tr(StartName);
    case Group::Goal: return Tr(GoalName);
    case Group::Platform: return Tr(Named(PlatformKindNames, v.kind));
    case Group::Decoration: return Tr(Named(DecorationKindNames, v.kind));
    case Group::Pickup: return Tr(Named(PickupKindNames, v.kind));
    case Group::Nest: return Tr(NestName);
    case Group::Mosquito:
        return Tr(v.dir == -1 ? MosquitoLeftName : v.dir == 1 ? MosquitoRightName : MosquitoName);
    }
    return {};
}

QRect ElementBox(const ElementValues& values) {
    // A box far out is drawn at the edge of what a QRect holds.
    constexpr int32_t Edge = 1 << 30;
    ElementValues v = values;
    v.x = std::clamp(v.x, -Edge, Edge);
    v.y = std::clamp(v.y, -Edge, Edge);
    auto box = [&](SpriteSize s) { return QRect(v.x, v.y, s.width, s.height); };
    switch (v.group) {
    case Group::Start: return QRect(v.x - 20, v.y - 50, 40, 50);
    case Group::Goal: return box(GoalSize);
    case Group::Platform:
        if (v.kind == PlatformLedge) return box(LedgeSize);
        if (v.kind == PlatformBlock) return box(BlockSize);
        return box(RaptorSize);
    case Group::Decoration:
        if (v.kind > 0 && v.kind <= 7) return box(DecorationSizes[v.kind]);
        return box({20, 20});
    case Group::Pickup: return box(PickupSize);
    case Group::Nest: return box(NestSize);
    case Group::Mosquito: return QRect(v.x - 25, v.y - 25, 50, 50);
    }
    return {};
}

QImage ElementPicture(const ElementValues& values) {
    // A world holding only this element, and the soldier far away unless
    // he is the element.
    auto world = std::make_unique<GameWorld>();
    world->player.x = -100000;
    world->player.y = -100000;
    world->player.facing = 1;
    ElementValues v = values;
    const QRect box = ElementBox(v);
    const int32_t left = box.left() - 4, top = box.top() - 4;
    switch (v.group) {
    case Group::Start:
        world->player.x = v.x;
        world->player.y = v.y;
        world->player.facing = v.kind == -1 ? -1 : 1;
        world->player.health = FullHealth;
        break;
    case Group::Goal: world->goal = {v.x, v.y}; break;
    case Group::Platform: world->platforms[0] = {v.x, v.y, uint8_t(v.kind)}; break;
    case Group::Decoration: world->decorations[0] = {v.x, v.y, uint8_t(v.kind)}; break;
    case Group::Pickup: world->pickups[0] = {v.x, v.y, uint8_t(v.kind)}; break;
    case Group::Nest: world->nests[0] = {v.x, v.y, uint8_t(v.kind)}; break;
    case Group::Mosquito:
        world->mosquitoes[0].x = v.x;
        world->mosquitoes[0].y = v.y;
        world->mosquitoes[0].alive = uint8_t(v.kind);
        world->mosquitoes[0].dir = v.dir;
        break;
    }
    if (v.group != Group::Goal) world->goal = {-100000, -100000};
    LevelStill still;
    const std::span<const uint32_t> pixels = still.Draw(*world, left, top);
    const QImage frame(reinterpret_cast<const uchar*>(pixels.data()), FrameWidth, FrameHeight,
                       FrameWidth * 4, QImage::Format_RGB32);
    return frame.copy(0, 0, box.width() + 8, box.height() + 8);
}

}  // namespace editor
