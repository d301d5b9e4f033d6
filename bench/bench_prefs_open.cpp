// Opening the "Preferences" sheet: building its font list, with a yield to
// the event loop per name, and showing it on the main window. Once with the
// fonts installed on this machine and once with a made-up list of 5,000.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include "FakeServices.h"
#include "Startup.h"
#include "system/Application.h"
#include "system/SystemServices.h"
#include "ui/PopupMenu.h"
#include "winMain.h"
#include "winPrefs.h"

namespace {

// Everything fake but the font list, which is the desktop's own.
class InstalledFonts : public FakeServices {
  public:
    int FontCount() override { return mReal.FontCount(); }
    QString Font(int index) override { return mReal.Font(index); }

  private:
    SystemServices mReal;
};

// Opens the sheet on the main window as File > Preferences... does and
// returns its number of rows, then cancels it.
int OpenOnce(winMain& w, benchmark::State& state) {
    winPrefs& s = Implicit<winPrefs>();
    s.ShowWithin(w, -1);
    QCoreApplication::processEvents();
    state.PauseTiming();
    const int rows = s.pFont->ListCount();
    s.bCancel_Action();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    return rows;
}

// The first opening also asks the desktop for its fonts; it is timed by
// itself and reported as `first_ms`.
void Open(benchmark::State& state, FakeServices& fake) {
    Startup();
    winMain& w = Implicit<winMain>();
    int rows = 0;
    double firstMs = -1;
    for (auto _ : state) {
        if (firstMs < 0) {
            QElapsedTimer clock;
            clock.start();
            rows = OpenOnce(w, state);
            firstMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        } else {
            rows = OpenOnce(w, state);
        }
    }
    state.counters["fonts"] = fake.FontCount();
    state.counters["rows"] = rows;
    state.counters["first_ms"] = firstMs;
    Application::Shutdown();
}

void BM_OpenWithInstalledFonts(benchmark::State& state) {
    InstalledFonts fake;
    Open(state, fake);
}

void BM_OpenWith5000Fonts(benchmark::State& state) {
    FakeServices fake;
    fake.fonts.clear();
    for (int i = 0; i < 5000; ++i)
        fake.fonts << QStringLiteral("Family %1 Sans").arg(4999 - i, 4, 10, QLatin1Char('0'));
    Open(state, fake);
}

} // namespace

BENCHMARK(BM_OpenWithInstalledFonts)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenWith5000Fonts)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
