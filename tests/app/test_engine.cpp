// The count-down engine driven through the real main window, with a fake
// clock and timers fired by hand.
#include <QtTest>

#include "App.h"
#include "ProgramUnderTest.h"
#include "system/Timer.h"
#include "ui/Canvas.h"
#include "winMain.h"

class EngineTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramUnderTest> program;
    FakeServices* fake = nullptr;
    winMain* w = nullptr;

    Timer& timer1() { return w->Find<Timer>("Timer1"); }
    Timer& timerDone() { return w->Find<Timer>("TimerDone"); }
    // One 250 ms tick after `seconds` more have passed on the clock.
    void tickAfter(double seconds) {
        fake->advanceSeconds(seconds);
        timer1().Fire();
    }
    void setTime(int seconds) { w->CurrentSeconds = seconds; }
    // Counts the display's paints from here on, in a window on the screen.
    int paints = 0;
    void countPaints() {
        auto& cv = w->Find<Canvas>("cvTime");
        cv.Paint = [this, paint = cv.Paint](Graphics& g) {
            ++paints;
            paint(g);
        };
        QVERIFY(QTest::qWaitForWindowExposed(w->Host()));
        QCoreApplication::processEvents();
        paints = 0;
    }
    // The paints that one tick, `seconds` after the last, makes.
    int paintsOfATick(double seconds) {
        QCoreApplication::processEvents();
        paints = 0;
        tickAfter(seconds);
        QCoreApplication::processEvents();
        return paints;
    }

  private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        fake = &program->fake;
        w = &program->Main();
    }
    void cleanup() { program.reset(); }

    void startsPausedAtZeroWithTheDefaults() {
        QVERIFY(!w->IsRunning);
        QVERIFY(!w->IsDone);
        QCOMPARE(w->CurrentSeconds, 0);
        const App& app = TheApp();
        QCOMPARE(app.Pref_Font, QString("System"));
        QVERIFY(app.Pref_Bold && !app.Pref_Italic && !app.Pref_SuspendScreensaver);
        QVERIFY(app.Pref_UseShadow);
        QCOMPARE(app.Color_Background, RGB(0x9F, 0x9F, 0x9F));
        QCOMPARE(app.Color_Font, RGB(0, 0, 0));
        QCOMPARE(app.Color_Shadow, RGB(0xFF, 0xFF, 0xFF));
        QCOMPARE(app.Color_LastMin, RGB(0xCF, 0, 0));
        QCOMPARE(app.Color_Last10Sec, RGB(0xFF, 0, 0));
    }

    void mainWindowDesign() {
        QCOMPARE(w->Title(), QString("Quendle"));
        QCOMPARE(w->Width(), 450);
        QCOMPARE(w->Height(), 150);
        QCOMPARE(w->Controls().size(), size_t(3));
        QCOMPARE(w->Controls()[0]->Name(), QString("Timer1"));
        QCOMPARE(w->Controls()[1]->Name(), QString("cvTime"));
        QCOMPARE(w->Controls()[2]->Name(), QString("TimerDone"));
        QCOMPARE(timer1().Mode(), int(Timer::Multiple));
        QCOMPARE(timer1().Period(), 250);
        QCOMPARE(timerDone().Mode(), int(Timer::Off));
        QCOMPARE(timerDone().Period(), 1000);
        QVERIFY_THROWS_EXCEPTION(NilObjectException, w->Find<Canvas>("cvNothing"));
    }

    void canvasFollowsEveryResize() {
        auto& cv = w->Find<Canvas>("cvTime");
        QCOMPARE(QRect(cv.Left(), cv.Top(), cv.Width(), cv.Height()), QRect(0, 0, 450, 150));
        w->SetWidth(800);
        w->SetHeight(300);
        QCOMPARE(QRect(cv.Left(), cv.Top(), cv.Width(), cv.Height()), QRect(0, 0, 800, 300));
        // Never narrower than 450; as low as 100.
        w->SetWidth(200);
        w->SetHeight(50);
        QCOMPARE(w->Width(), 450);
        QCOMPARE(w->Height(), 100);
        QCOMPARE(cv.Width(), 450);
        QCOMPARE(cv.Height(), 100);
    }

    void oneSecondCountEntersTheAlertAtOneSecond() {
        setTime(1);
        w->ToggleTimer();
        QVERIFY(w->IsRunning);
        tickAfter(0.25);
        tickAfter(0.25);
        tickAfter(0.499);
        QCOMPARE(w->CurrentSeconds, 1);
        QVERIFY(w->IsRunning);
        tickAfter(0.001); // exactly one second
        QCOMPARE(w->CurrentSeconds, 0);
        QVERIFY(!w->IsRunning);
        QVERIFY(w->IsDone);
        QCOMPARE(timerDone().Mode(), int(Timer::Multiple));
        QCOMPARE(fake->beeps, 0); // Done itself does not beep
    }

    void beepsOncePerAlertTickUntilDismissed() {
        setTime(1);
        w->ToggleTimer();
        tickAfter(1.0);
        QVERIFY(w->IsDone);
        for (int i = 1; i <= 3; ++i) {
            timerDone().Fire();
            QCOMPARE(fake->beeps, i);
        }
        w->ToggleTimer(); // dismiss
        QVERIFY(!w->IsDone && !w->IsRunning);
        QCOMPARE(timerDone().Mode(), int(Timer::Off));
        timerDone().Fire();
        QCOMPARE(fake->beeps, 3);
        QCOMPARE(w->CurrentSeconds, 0);
        QCOMPARE(w->StartSeconds, 1);
    }

    void pauseLosesTheFractionOfTheCurrentSecond() {
        setTime(10);
        w->ToggleTimer();
        tickAfter(2.9);
        QCOMPARE(w->CurrentSeconds, 8);
        w->ToggleTimer(); // pause
        QVERIFY(!w->IsRunning);
        fake->advanceSeconds(100); // time paused does not count
        timer1().Fire();
        QCOMPARE(w->CurrentSeconds, 8);
        w->ToggleTimer(); // resume: eight full seconds more
        QCOMPARE(w->StartSeconds, 8);
        tickAfter(7.999);
        QCOMPARE(w->CurrentSeconds, 1);
        QVERIFY(w->IsRunning);
        tickAfter(0.001);
        QCOMPARE(w->CurrentSeconds, 0);
        QVERIFY(w->IsDone);
    }

    void aLateTickGoesStraightToZero() {
        setTime(5);
        w->ToggleTimer();
        tickAfter(3600); // the event loop was held up for an hour
        QCOMPARE(w->CurrentSeconds, 0);
        QVERIFY(w->IsDone && !w->IsRunning);
    }

    void theCountIsMeasuredNotCounted() {
        // Ticks that come irregularly, or not at all, never make it drift.
        setTime(3600);
        w->ToggleTimer();
        tickAfter(0.1);
        tickAfter(1799.3);
        QCOMPARE(w->CurrentSeconds, 3600 - 1799);
        tickAfter(0.7);
        QCOMPARE(w->CurrentSeconds, 1800);
    }

    void theTickRepaintsInEveryState() {
        // The only road by which the Preferences sheet's edits and its
        // Cancel reach the display while the count stands still.
        countPaints();
        QCOMPARE(paintsOfATick(0.25), 1); // paused
        setTime(1);
        w->ToggleTimer();
        QCOMPARE(paintsOfATick(0.25), 1); // running
        QCOMPARE(paintsOfATick(1), 1);    // into the alert
        QVERIFY(w->IsDone);
        QCOMPARE(paintsOfATick(0.25), 1); // alert
    }

    void toggleWithNothingToCountChangesNothing() {
        countPaints();
        TheApp().Pref_SuspendScreensaver = true;
        w->ToggleTimer();
        QCoreApplication::processEvents();
        QVERIFY(!w->IsRunning && !w->IsDone);
        QCOMPARE(w->StartSeconds, 0);
        QCOMPARE(w->StartMicroSeconds, qint64(fake->now));
        QCOMPARE(paints, 0);
        timer1().Fire();
        QCOMPARE(fake->activityCalls, 0);
    }

    void userActivityOncePerRunningTickOnly() {
        TheApp().Pref_SuspendScreensaver = true;
        setTime(2);
        timer1().Fire(); // paused
        QCOMPARE(fake->activityCalls, 0);
        w->ToggleTimer();
        QCOMPARE(fake->activityCalls, 0);
        for (int i = 1; i <= 7; ++i) {
            tickAfter(0.25);
            QCOMPARE(fake->activityCalls, i);
        }
        tickAfter(0.25); // reaches zero: still called
        QVERIFY(w->IsDone);
        QCOMPARE(fake->activityCalls, 8);
        timer1().Fire(); // alert
        timerDone().Fire();
        QCOMPARE(fake->activityCalls, 8);
    }

    void userActivityNeverWithTheOptionOff() {
        setTime(2);
        w->ToggleTimer();
        tickAfter(0.25);
        tickAfter(2);
        QCOMPARE(fake->activityCalls, 0);
    }

    void closingQuitsWithZeroInEveryState_data() {
        QTest::addColumn<int>("state");
        QTest::newRow("paused") << 0;
        QTest::newRow("running") << 1;
        QTest::newRow("alert") << 2;
    }
    void closingQuitsWithZeroInEveryState() {
        QFETCH(int, state);
        if (state >= 1) {
            setTime(5);
            w->ToggleTimer();
        }
        if (state == 2)
            tickAfter(5);
        QCOMPARE(w->IsRunning, state == 1);
        QCOMPARE(w->IsDone, state == 2);
        w->Close();
        QCOMPARE(fake->quitCodes, QList<int>{0});
        QVERIFY(w->IsClosed());
        // A closed window is never reused: the next look-up makes a new one.
        QVERIFY(&Implicit<winMain>() != w);
    }

    void helpCommandsOpenTheirAddresses() {
        App& app = TheApp();
        QVERIFY(app.HandleMenu("HelpDonate"));
        QVERIFY(app.HandleMenu("HelpVisitWebsite"));
        QCOMPARE(fake->urls.size(), 2);
        const QUrl donate(fake->urls[0]);
        QCOMPARE(donate.scheme(), QString("https"));
        QCOMPARE(donate.path(), QString("/cgi-bin/webscr"));
        QCOMPARE(donate.query(QUrl::FullyEncoded),
                 QString("cmd=_donations&business=QUENDLEMAKER01&lc=US"
                         "&item_name=Quendle%20Development&currency_code=USD"));
        const QUrl site(fake->urls[1]);
        QCOMPARE(site.scheme(), QString("http"));
        QVERIFY(site.path().isEmpty() && site.query().isEmpty());
        QVERIFY(!site.host().isEmpty());
    }
};

QTEST_MAIN(EngineTest)
#include "test_engine.moc"
