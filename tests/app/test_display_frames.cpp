// The main window's canvas paints only what changed from one tick to the
// next; every frame the window holds must still be exactly the frame that a
// whole repaint of the display gives.
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include "App.h"
#include "ProgramUnderTest.h"
#include "graphics/PainterGraphics.h"
#include "system/Runtime.h"
#include "system/Timer.h"
#include "ui/Canvas.h"

namespace {
// Records the regions the toolkit was asked to paint.
class PaintSpy : public QObject {
  public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};
} // namespace

class DisplayFramesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramUnderTest> program;
    winMain* w = nullptr;
    PaintSpy spy;

    QWidget* canvas() { return w->Find<Canvas>("cvTime").Widget(); }

    void tickAfter(double seconds) {
        program->fake.advanceSeconds(seconds);
        w->Find<Timer>("Timer1").Fire();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    // The canvas as the window holds it (grab() would paint it afresh)
    // against the whole display painted into a picture.
    void compareWithWholeRepaint(const char* step) {
        QWidget* top = canvas()->window();
        const QRect where(canvas()->mapTo(top, QPoint(0, 0)), canvas()->size());
        const QImage shown = top->screen()->grabWindow(top->winId()).toImage().copy(where);
        QImage whole(canvas()->size(), QImage::Format_RGB32);
        {
            PaintScope scope;
            QPainter painter(&whole);
            PainterGraphics g(painter, whole.width(), whole.height());
            w->Redraw(&g, -1, false);
        }
        if (shown.convertToFormat(QImage::Format_RGB32) != whole)
            QFAIL(qPrintable(QString("frame differs after %1").arg(step)));
    }

  private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        w = &program->Main();
        QVERIFY(QTest::qWaitForWindowExposed(w->Host()));
        canvas()->installEventFilter(&spy);
    }
    void cleanup() { program.reset(); }

    void everyFrameIsAWholeRepaint() {
        w->CurrentSeconds = 61;
        w->ToggleTimer();
        tickAfter(0);
        compareWithWholeRepaint("the start");
        for (int tick = 0; tick < 12; ++tick) { // 61 down to 59: the colour turns at 60
            spy.painted = QRegion();
            tickAfter(0.25);
            compareWithWholeRepaint("a tick");
            if (tick % 4 != 3)
                QVERIFY(spy.painted.isEmpty()); // the same second: nothing to paint
        }
        // A second that changes only the last digit paints about that digit.
        QVERIFY(spy.painted.boundingRect().width() < canvas()->width() / 4);
        tickAfter(49);
        compareWithWholeRepaint("ten seconds left");
        tickAfter(1);
        compareWithWholeRepaint("nine seconds left");
        tickAfter(9);
        QVERIFY(w->IsDone);
        compareWithWholeRepaint("the alert box appearing");
        w->ToggleTimer();
        tickAfter(0.25);
        compareWithWholeRepaint("the alert box going");
        w->SetWidth(800);
        w->SetHeight(300);
        tickAfter(0.25);
        compareWithWholeRepaint("a resize");
        w->ToggleFullscreen(true);
        tickAfter(0.25);
        compareWithWholeRepaint("full screen on");
        w->ToggleFullscreen(false);
        tickAfter(0.25);
        compareWithWholeRepaint("full screen off");
    }
};

QTEST_MAIN(DisplayFramesTest)
#include "test_display_frames.moc"
