// bench_reference.cpp -- yardsticks the game's own numbers are read against.
//
// A plain memcpy of the sky is the floor of any frame; the rotated copy
// worked out per pixel is what the blitter's tables save; SDL2's RLE
// colour-key blit is what a well-kept library does with the same ledge.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "game/world.h"
#include "render/sprites.h"
#include "tools/common/literal_blit.h"

namespace {

// The sky's top 500 rows into the frame, the way a byte copy does it.
void BM_MemcpyBackground(benchmark::State& state) {
    auto world = std::make_unique<GameWorld>();
    const std::span<const uint32_t> sky = SpritePixels(SpriteBackground);
    const std::span<uint32_t> frame = world->frameBuffer.EditPixels();
    if (sky.size() < frame.size()) {
        state.SkipWithError("the background is missing from the build");
        return;
    }
    for (auto _ : state) {
        std::memcpy(frame.data(), sky.data(), frame.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyBackground);

// The same mosquito, angles and place as BM_BlitMosquitoRotated.
void BM_BlitMosquitoRotatedLiteral(benchmark::State& state) {
    auto world = std::make_unique<GameWorld>();
    const float heading = float(state.range(0)) / 1000.0f;
    const std::span<const uint32_t> pixels = SpritePixels(SpriteMosquitoA);
    for (auto _ : state) {
        LiteralRotatedBlit(world->frameBuffer, 400, 250, pixels, 50, 25, heading, 1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlitMosquitoRotatedLiteral)->Arg(0)->Arg(785)->Arg(1571)->Arg(2600);

// The ledge with white as an RLE colour key into an 800 x 500 XRGB surface,
// at the frame position BM_BlitLedge uses.
void BM_BlitSdlRleColourKey(benchmark::State& state) {
    const SpriteInfo& ledge = *FindSprite(SpriteLedge);
    const std::span<const uint32_t> pixels = SpritePixels(SpriteLedge);
    std::vector<uint32_t> source(pixels.begin(), pixels.end());
    source.resize(size_t(ledge.width) * size_t(ledge.height), TransparentKey);

    SDL_Surface* sprite = SDL_CreateRGBSurfaceWithFormatFrom(
        source.data(), ledge.width, ledge.height, 32, ledge.width * 4, SDL_PIXELFORMAT_RGB888);
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, FrameWidth, FrameHeight, 32,
                                                        SDL_PIXELFORMAT_RGB888);
    if (sprite == nullptr || frame == nullptr ||
        SDL_SetColorKey(sprite, SDL_TRUE, TransparentKey) != 0 ||
        SDL_SetSurfaceRLE(sprite, 1) != 0) {
        state.SkipWithError(SDL_GetError());
    } else {
        SDL_Rect place{340, 300, ledge.width, ledge.height};
        SDL_BlitSurface(sprite, nullptr, frame, &place);  // the first blit encodes the runs
        for (auto _ : state) {
            place = {340, 300, ledge.width, ledge.height};
            SDL_BlitSurface(sprite, nullptr, frame, &place);
            benchmark::ClobberMemory();
        }
    }
    SDL_FreeSurface(frame);
    SDL_FreeSurface(sprite);
}
BENCHMARK(BM_BlitSdlRleColourKey);

}  // namespace
