// bench_editor.cpp -- what the level editor's view costs to paint: the widest
// shipped level at 100 % and 25 %, from kept tiles (scrolling, dragging) and
// with every tile drawn anew (the first look after an edit).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QScrollBar>

#include <memory>
#include <string>

#include "tools/editor/element_kinds.h"
#include "tools/editor/level_canvas.h"
#include "tools/editor/level_document.h"

namespace {

constexpr int ViewWidth = 1280, ViewHeight = 800;  // logical px of the viewport

bool EnsureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zarnok-bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return true;
}

// The shipped level that spans the most level pixels across.
editor::LevelDocument WidestLevel() {
    editor::LevelDocument widest;
    int widestSpan = -1;
    for (int level = 1; level <= 6; ++level) {
        QFile file(QStringLiteral(ZARNOK_BENCH_LEVELS "/level%1.txt").arg(level));
        if (!file.open(QIODevice::ReadOnly)) continue;
        editor::LevelDocument document;
        std::vector<levelsource::Diagnostic> errors;
        if (!document.Load(file.readAll().toStdString(), errors)) continue;
        QRect all;
        for (const editor::Placed& p : document.Elements()) all |= editor::ElementBox(p.values);
        if (all.width() > widestSpan) {
            widestSpan = all.width();
            widest = document;
        }
    }
    return widest;
}

void Repaint(benchmark::State& state, int zoomPercent, bool freshTiles) {
    if (!EnsureApplication()) {
        state.SkipWithError("needs a QApplication: run with --benchmark_filter=Editor");
        return;
    }
    const editor::LevelDocument document = WidestLevel();
    editor::LevelCanvas canvas;
    canvas.setAttribute(Qt::WA_DontShowOnScreen);
    canvas.show();
    canvas.SetLevel(document);
    canvas.SetZoomPercent(zoomPercent);
    canvas.resize(ViewWidth + canvas.verticalScrollBar()->sizeHint().width(),
                  ViewHeight + canvas.horizontalScrollBar()->sizeHint().height());
    // The middle of the level.
    canvas.horizontalScrollBar()->setValue(canvas.horizontalScrollBar()->maximum() / 2);
    QImage target(canvas.viewport()->size(), QImage::Format_RGB32);
    canvas.viewport()->render(&target);  // the tiles in view, drawn once
    for (auto _ : state) {
        if (freshTiles) canvas.SetLevel(document);
        canvas.viewport()->render(&target);
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    state.counters["tiles"] = canvas.TilesDrawn();
    state.counters["viewport_px"] = canvas.viewport()->width() * canvas.viewport()->height();
}

void BM_EditorRepaint100(benchmark::State& state) { Repaint(state, 100, false); }
void BM_EditorRepaint25(benchmark::State& state) { Repaint(state, 25, false); }
void BM_EditorRepaintFreshTiles100(benchmark::State& state) { Repaint(state, 100, true); }
void BM_EditorRepaintFreshTiles25(benchmark::State& state) { Repaint(state, 25, true); }

}  // namespace

BENCHMARK(BM_EditorRepaint100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorRepaint25)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorRepaintFreshTiles100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorRepaintFreshTiles25)->Unit(benchmark::kMillisecond);
