// bench_presentation.cpp -- what showing one frame with its HUD on a big screen
// costs: the virtual 800 x 600 display's block scaled into a 3840 x 2160
// client, and the one-to-one copy of today's window for comparison.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <memory>

#include "game/texts.h"
#include "game/world.h"
#include "render/frame.h"
#include "render/hud.h"
#include "render/renderer.h"
#include "shell/block_scaler.h"
#include "shell/image_surface.h"

namespace {

// The HUD's text needs fonts, and fonts need an application; a widgets one,
// since the editor's view is measured in the same run.
void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zarnok-bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// The virtual display's surface after one tick's drawing: swamp, HUD, score.
std::unique_ptr<ImageSurface> DrawnSurface() {
    EnsureGuiApplication();
    auto frame = std::make_unique<FrameBuffer>();
    Renderer renderer;
    renderer.FillBackground(*frame);
    auto surface = std::make_unique<ImageSurface>(800, 600);
    MapPicture(*surface);
    renderer.PresentFrame(*frame, *surface);
    DrawHud(*surface, {.spareMagazines = 4,
                       .health = 64,
                       .score = 12345,
                       .healthLabel = HudHealthLabel,
                       .scoreLabel = HudScoreLabel});
    return surface;
}

void ScaleInto(benchmark::State& state, QSize client) {
    const std::unique_ptr<ImageSurface> surface = DrawnSurface();
    QImage screen(client, QImage::Format_RGB32);
    screen.fill(Qt::white);
    const QRect block(0, 0, PictureBlockWidth, PictureBlockHeight);
    const BlockFit fit = FitBlock(client, block.size());
    BlockScaler scaler;
    for (auto _ : state) {
        QPainter painter(&screen);
        scaler.Paint(painter, 1.0, surface->Image(), block, fit);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
        benchmark::ClobberMemory();
    }
    state.counters["factor"] = fit.factor;
}

// 3840 x 2160 less the menu and the status bar: a whole factor of 3.
void BM_PresentScaled3840x2160(benchmark::State& state) { ScaleInto(state, {3840, 2110}); }
BENCHMARK(BM_PresentScaled3840x2160)->Unit(benchmark::kMicrosecond);

// 1920 x 1080 less the bars: 1.91, sharp bilinear.
void BM_PresentScaled1920x1080(benchmark::State& state) { ScaleInto(state, {1920, 1030}); }
BENCHMARK(BM_PresentScaled1920x1080)->Unit(benchmark::kMicrosecond);

// One game pixel per client pixel, the block only.
void BM_PresentOneToOne(benchmark::State& state) {
    const std::unique_ptr<ImageSurface> surface = DrawnSurface();
    QImage screen(QSize(1280, 970), QImage::Format_RGB32);
    const QRect block(240, 135, PictureBlockWidth, PictureBlockHeight);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(block.topLeft(), surface->Image(), QRect(QPoint(0, 0), block.size()));
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PresentOneToOne)->Unit(benchmark::kMicrosecond);

}  // namespace
