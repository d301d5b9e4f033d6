// One whole repaint of the time display with the real painter, on surfaces
// from the default window up to a 4K screen, counting down and in the alert.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "App.h"
#include "system/Application.h"
#include "ui/Canvas.h"
#include "FakeServices.h"
#include "graphics/PainterGraphics.h"
#include "system/Runtime.h"
#include "Startup.h"
#include "winMain.h"

namespace {

// The count changes every fourth repaint, as it does at four ticks a second.
void Repaint(benchmark::State& state, bool alert) {
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
        w.Redraw(&g, alert ? 0 : 3599 - (tick++ / 4) % 3600, false);
        benchmark::DoNotOptimize(image.constBits());
    }
    Application::Shutdown();
}

// The whole road of one tick's repaint in the real window: the canvas's
// Paint into its buffer, the comparison with what is shown, and the paint
// of the rows that changed (the toolkit's offscreen backing store stands in
// for the window system).
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
        w.CurrentSeconds = 3599 - (tick++ / 4) % 3600;
        canvas.Refresh(false);
        QCoreApplication::processEvents();
    }
    state.counters["changed"] = canvas.ChangedPaints();
    state.counters["paints"] = canvas.Paints();
    Application::Shutdown();
}

void BM_RedrawRunning(benchmark::State& state) { Repaint(state, false); }
void BM_RedrawAlert(benchmark::State& state) { Repaint(state, true); }

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({450, 150})->Args({1920, 1080})->Args({3840, 2160});
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_RedrawRunning)->Apply(Sizes);
BENCHMARK(BM_RedrawAlert)->Apply(Sizes);
BENCHMARK(BM_CanvasRepaint)->Apply(Sizes);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
