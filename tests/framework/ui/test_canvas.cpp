// The canvas's display list: Paint runs on request, and only the parts that
// came out different reach the screen.
#include <QPaintEvent>
#include <QtTest>

#include "ui/Canvas.h"
#include "FakeServices.h"
#include "graphics/Graphics.h"
#include "ui/Window.h"

namespace {
class Board : public Window {
public:
    Canvas* canvas = nullptr;
    int barTop = 40;

protected:
    void Layout() override {
        SetWidth(200);
        SetHeight(120);
    }
    void CreateControls() override {
        canvas = &AddControl<Canvas>("cv");
        canvas->SetBounds(0, 0, 200, 120);
        canvas->LockLeft = canvas->LockTop = canvas->LockRight = canvas->LockBottom = true;
        canvas->Paint = [this](Graphics& g) {
            g.SetForeColor(RGB(10, 20, 30));
            g.FillRect(0, 0, g.Width(), g.Height());
            g.SetForeColor(RGB(250, 0, 0));
            g.FillRect(20, barTop, 50, 10);
        };
    }
};

// Records the regions the toolkit was asked to paint.
class PaintSpy : public QObject {
public:
    QList<QRegion> regions;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};
} // namespace

class CanvasTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> fake;
    Board* board = nullptr;
    PaintSpy spy;

    // What the window holds now, as the window system was given it (grab()
    // would paint the canvas afresh).
    QImage shown() {
        QWidget* top = board->canvas->Widget()->window();
        return top->screen()->grabWindow(top->winId()).toImage();
    }

    void settle() {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        Application::Register(std::make_unique<Application>());
        board = &Implicit<Board>();
        QVERIFY(QTest::qWaitForWindowExposed(board->Host()));
        settle();
        board->canvas->Widget()->installEventFilter(&spy);
        spy.regions.clear();
    }
    void cleanup() {
        Application::Shutdown();
        fake.reset();
    }

    void refreshesBeforeTheNextTurnMakeOnePaint() {
        const int before = board->canvas->Paints();
        board->canvas->Refresh(false);
        board->canvas->Refresh(false);
        board->canvas->Refresh(false);
        QCOMPARE(board->canvas->Paints(), before); // not before the event loop turns
        settle();
        QCOMPARE(board->canvas->Paints(), before + 1);
    }

    // A timer's action paints as it returns, in the same turn; an event loop
    // run from inside it (a modal window) does not wait for it.
    void aBatchPaintsAsItEndsButNotANestedLoop() {
        const int before = board->canvas->Paints();
        {
            RefreshBatch batch;
            board->barTop = 60;
            board->canvas->Refresh(false);
            board->canvas->Refresh(false);
            QCOMPARE(board->canvas->Paints(), before);
        }
        QCOMPARE(board->canvas->Paints(), before + 1);
        QCOMPARE(shown().pixelColor(30, 65), QColor(250, 0, 0));

        RefreshBatch batch;
        QEventLoop modal;
        int paintedInside = -1;
        QTimer::singleShot(0, [&] {
            board->canvas->Refresh(false);
            QTimer::singleShot(0, [&] {
                paintedInside = board->canvas->Paints();
                modal.quit();
            });
        });
        modal.exec();
        QCOMPARE(paintedInside, before + 2);
    }

    void anUnchangedPaintReachesNoScreen() {
        const int changed = board->canvas->ChangedPaints();
        for (int i = 0; i < 4; ++i) {
            board->canvas->Refresh(false);
            settle();
        }
        QCOMPARE(board->canvas->ChangedPaints(), changed);
        QVERIFY(spy.regions.isEmpty());
    }

    void onlyTheChangedPartIsShownAgain() {
        board->barTop = 60;
        board->canvas->Refresh(false);
        settle();
        QCOMPARE(spy.regions.size(), 1);
        // The bar leaves rows 40..49 and comes to rows 60..69.
        QCOMPARE(spy.regions[0], QRegion(20, 40, 50, 30));
        const QImage now = shown();
        QCOMPARE(now.pixelColor(30, 45), QColor(10, 20, 30));
        QCOMPARE(now.pixelColor(30, 65), QColor(250, 0, 0));
    }

    void aResizedCanvasPaintsWhole() {
        board->SetWidth(300);
        settle();
        QCOMPARE(board->canvas->Width(), 300);
        const QImage now = shown();
        QCOMPARE(now.width(), 300);
        QCOMPARE(now.pixelColor(290, 5), QColor(10, 20, 30));
    }

    void drawingOutsidePaintShows() {
        Graphics& g = board->canvas->Graphics();
        g.SetForeColor(RGB(0, 200, 0));
        g.FillRect(100, 100, 10, 10);
        settle();
        QCOMPARE(shown().pixelColor(105, 105), QColor(0, 200, 0));
    }
};

QTEST_MAIN(CanvasTest)
#include "test_canvas.moc"
