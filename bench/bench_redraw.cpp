// The time display on surfaces from the default window up to a 4K screen:
// one Redraw as each tick runs it (held against the last one's calls by the
// canvas's surface), one Redraw rasterised whole into a picture, counting down and in
// the alert, and the whole road of a tick in the real window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "App.h"
#include "FakeServices.h"
#include "PaintSpy.h"
#include "Startup.h"
#include "graphics/CallLog.h"
#include "graphics/PainterGraphics.h"
#include "system/Application.h"
#include "system/Runtime.h"
#include "ui/Canvas.h"
#include "winMain.h"

namespace {

// The count changes every fourth repaint, as it does at four ticks a second.
std::int32_t CountAt(std::int32_t tick, bool alert) {
    return alert ? 0 : 3599 - (tick / 4) % 3600;
}

// The main window of a started application, counting or in the alert.
class Display {
  public:
    explicit Display(bool alert) {
        Startup();
        window = &Implicit<winMain>();
        window->IsRunning = !alert;
        window->IsDone = alert;
    }
    ~Display() { Application::Shutdown(); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    winMain* window = nullptr;

  private:
    FakeServices mFake;
};

// Redraw rasterised whole into a picture-sized image.
void RedrawIntoPicture(benchmark::State& state, bool alert) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    Display display(alert);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    std::int32_t tick = 0;
    for (auto _ : state) {
        PaintScope scope;
        QPainter painter(&image);
        PainterGraphics g(painter, width, height);
        display.window->Redraw(&g, CountAt(tick++, alert), false);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Redraw as a tick runs it: held against the last Redraw's calls, and kept
// as drawing calls from the first call that differs.
void RedrawKept(benchmark::State& state, bool alert) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    Display display(alert);
    CallLog last;
    CallLog log;
    std::int32_t tick = 0;
    for (auto _ : state) {
        PaintScope scope;
        DisplayList list;
        CallLogGraphics g(last, log, list, width, height, 1);
        display.window->Redraw(&g, CountAt(tick++, alert), false);
        benchmark::DoNotOptimize(g.Finish());
        std::swap(last, log);
    }
}

// The whole road of one tick's repaint in the real window: the canvas's
// Paint into a new list of drawing calls, the comparison with the list
// shown, and the paint of the region that changed (the toolkit's offscreen
// backing store stands in for the window system).
void BM_CanvasRepaint(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    Display display(false);
    winMain& w = *display.window;
    w.SetWidth(width);
    w.SetHeight(height);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    auto& canvas = w.Find<Canvas>(QStringLiteral("cvTime"));
    const auto paints = CountPaints(canvas);
    PaintSpy shown;
    canvas.Widget()->installEventFilter(&shown);
    std::int32_t tick = 0;
    for (auto _ : state) {
        w.CurrentSeconds = CountAt(tick++, false);
        canvas.Refresh(false);
        QCoreApplication::processEvents();
    }
    state.counters["changed"] = shown.regions.size();
    state.counters["paints"] = *paints;
}

void BM_RedrawRunning(benchmark::State& state) {
    RedrawKept(state, false);
}
void BM_RedrawAlert(benchmark::State& state) {
    RedrawKept(state, true);
}
void BM_RedrawIntoPicture(benchmark::State& state) {
    RedrawIntoPicture(state, false);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({450, 150})->Args({1920, 1080})->Args({3840, 2160});
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_RedrawRunning)->Apply(Sizes);
BENCHMARK(BM_RedrawAlert)->Apply(Sizes);
BENCHMARK(BM_RedrawIntoPicture)->Apply(Sizes);
BENCHMARK(BM_CanvasRepaint)->Apply(Sizes);
