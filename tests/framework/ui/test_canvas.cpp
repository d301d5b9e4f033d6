// The canvas's display list: Paint runs on request, and only the parts that
// came out different reach the screen.
#include <QtTest>

#include "FakeServices.h"
#include "PaintSpy.h"
#include "graphics/Graphics.h"
#include "graphics/Picture.h"
#include "ui/Canvas.h"
#include "ui/Window.h"

namespace {
class Board : public Window {
  public:
    Canvas* canvas = nullptr;
    int paints = 0; // Paints run
    int barTop = 40;
    // Drawn over the bar when set.
    std::function<void(Graphics&)> extra;

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
            ++paints;
            g.SetForeColor(RGB(10, 20, 30));
            g.FillRect(0, 0, g.Width(), g.Height());
            g.SetForeColor(RGB(250, 0, 0));
            g.FillRect(20, barTop, 50, 10);
            if (extra)
                extra(g);
        };
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
        const int before = board->paints;
        board->canvas->Refresh(false);
        board->canvas->Refresh(false);
        board->canvas->Refresh(false);
        QCOMPARE(board->paints, before); // not before the event loop turns
        settle();
        QCOMPARE(board->paints, before + 1);
    }

    // A timer's action paints as it returns, in the same turn; an event loop
    // run from inside it (a modal window) does not wait for it.
    void aBatchPaintsAsItEndsButNotANestedLoop() {
        const int before = board->paints;
        {
            RefreshBatch batch;
            board->barTop = 60;
            board->canvas->Refresh(false);
            board->canvas->Refresh(false);
            QCOMPARE(board->paints, before);
        }
        QCOMPARE(board->paints, before + 1);
        QCOMPARE(shown().pixelColor(30, 65), QColor(250, 0, 0));

        RefreshBatch batch;
        QEventLoop modal;
        int paintedInside = -1;
        QTimer::singleShot(0, [&] {
            board->canvas->Refresh(false);
            QTimer::singleShot(0, [&] {
                paintedInside = board->paints;
                modal.quit();
            });
        });
        modal.exec();
        QCOMPARE(paintedInside, before + 2);
    }

    // A Paint that repeats the last one's calls is not drawn again; one
    // that differs in any call or in the state it is made in is.
    void everyDifferenceInAPaintShows_data() {
        QTest::addColumn<QString>("change");
        for (const char* change :
             {"color", "font", "size", "bold", "italic", "pen", "text", "wrap", "place", "pixels"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void everyDifferenceInAPaintShows() {
        QFETCH(QString, change);
        auto picture = NewPicture(8, 8);
        picture->Graphics().SetForeColor(RGB(0, 0, 255));
        picture->Graphics().FillRect(0, 0, 8, 8);
        const auto is = [&](const char* name) { return change == QLatin1String(name); };
        bool changed = false;
        board->extra = [&](Graphics& g) {
            const bool now = changed;
            g.SetForeColor(now && is("color") ? RGB(0, 0, 1) : RGB(0, 0, 0));
            g.SetTextFont(now && is("font") ? QStringLiteral("Monospace")
                                            : QStringLiteral("System"));
            g.SetTextSize(now && is("size") ? 25 : 24);
            g.SetBold(now && is("bold"));
            g.SetItalic(now && is("italic"));
            g.SetPenWidth(now && is("pen") ? 3 : 1);
            const QString text = now && is("text") ? QStringLiteral("123") : QStringLiteral("12");
            const int w = int(g.StringWidth(text));
            const int h = g.StringHeight(QStringLiteral("12 12 12"), now && is("wrap") ? 20 : 0);
            g.DrawRect(now && is("place") ? 11 : 10, 10, w, h);
            g.DrawString(QStringLiteral("12"), 10, 100);
            g.DrawPicture(picture.get(), 150, 10);
        };
        board->canvas->Refresh(false);
        settle();
        board->canvas->Refresh(false);
        settle();
        spy.regions.clear();
        changed = true;
        if (is("pixels")) {
            picture->Graphics().SetForeColor(RGB(255, 0, 0));
            picture->Graphics().FillRect(0, 0, 1, 1);
        }
        board->canvas->Refresh(false);
        settle();
        QCOMPARE(spy.regions.size(), 1);
        board->extra = nullptr;
    }

    void anUnchangedPaintReachesNoScreen() {
        const int before = board->paints;
        for (int i = 0; i < 4; ++i) {
            board->canvas->Refresh(false);
            settle();
        }
        QCOMPARE(board->paints, before + 4);
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
