// The time display on surfaces from the default window up to a 4K screen:
// one Redraw as each tick runs it (kept as drawing calls by the canvas's
// surface), one Redraw rasterised whole into a picture, counting down and in
// the alert, and the whole road of a tick in the real window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "App.h"
#include "system/Application.h"
#include "ui/Canvas.h"
#include "FakeServices.h"
#include "graphics/DisplayListGraphics.h"
#include "graphics/PainterGraphics.h"
#include "system/Runtime.h"
#include "Startup.h"
#include "winMain.h"

namespace {

// The count changes every fourth repaint, as it does at four ticks a second.
std::int32_t CountAt(std::int32_t tick, bool alert) { return alert ? 0 : 3599 - (tick / 4) % 3600; }

// Redraw rasterised whole into a picture-sized image.
void RedrawIntoPicture(benchmark::State& state, bool alert) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    FakeServices fake;
    Startup();
    winMain& w = Implicit<winMain>();
    w.IsRunning = !alert;
    w.IsDone = alert;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    std::int32_t tick = 0;
    for (auto _ : state) {
        PaintScope scope;
        QPainter painter(&image);
        PainterGraphics g(painter, width, height);
        w.Redraw(&g, CountAt(tick++, alert), false);
        benchmark::DoNotOptimize(image.constBits());
    }
    Application::Shutdown();
}

// Redraw as a tick runs it: into the surface that keeps the drawing calls.
void RedrawKept(benchmark::State& state, bool alert) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    FakeServices fake;
    Startup();
    winMain& w = Implicit<winMain>();
    w.IsRunning = !alert;
    w.IsDone = alert;
    std::int32_t tick = 0;
    for (auto _ : state) {
        PaintScope scope;
        DisplayList list;
        DisplayListGraphics g(list, width, height, 1);
        w.Redraw(&g, CountAt(tick++, alert), false);
        benchmark::DoNotOptimize(list.Ops().data());
    }
    Application::Shutdown();
}

// The whole road of one tick's repaint in the real window: the canvas's
// Paint into a new list of drawing calls, the comparison with the list
// shown, and the paint of the region that changed (the toolkit's offscreen
// backing store stands in for the window system).
void BM_CanvasRepaint(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    FakeServices fake;
    Startup();
    winMain& w = Implicit<winMain>();
    w.SetWidth(width);
    w.SetHeight(height);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    auto& canvas = w.Find<Canvas>(QStringLiteral("cvTime"));
    w.IsRunning = true;
    std::int32_t tick = 0;
    for (auto _ : state) {
        w.CurrentSeconds = CountAt(tick++, false);
        canvas.Refresh(false);
        QCoreApplication::processEvents();
    }
    state.counters["changed"] = canvas.ChangedPaints();
    state.counters["paints"] = canvas.Paints();
    Application::Shutdown();
}

void BM_RedrawRunning(benchmark::State& state) { RedrawKept(state, false); }
void BM_RedrawAlert(benchmark::State& state) { RedrawKept(state, true); }
void BM_RedrawIntoPicture(benchmark::State& state) { RedrawIntoPicture(state, false); }

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({450, 150})->Args({1920, 1080})->Args({3840, 2160});
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_RedrawRunning)->Apply(Sizes);
BENCHMARK(BM_RedrawAlert)->Apply(Sizes);
BENCHMARK(BM_RedrawIntoPicture)->Apply(Sizes);
BENCHMARK(BM_CanvasRepaint)->Apply(Sizes);
