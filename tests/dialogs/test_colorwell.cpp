// The colour well, on a test window, driven through the window system's
// mouse events and read from its drawing calls and its pixels.
#include <QMimeData>
#include <QtTest>

#include "FakeServices.h"
#include "RecordingGraphics.h"
#include "SmartColorWell.h"
#include "ui/Window.h"

namespace {

// Opens the well's protected side to the tests.
class ProbeWell : public SmartColorWell {
  public:
    using SmartColorWell::drawFace;
    using SmartColorWell::lastColorAsHexString;
    using SmartColorWell::mouseDownAndWithin;
    using SmartColorWell::SmartColorWell;
    using SmartColorWell::withinColorBox;
    using SmartColorWell::withinControl;
};

class Board : public Window {
  public:
    ProbeWell* well = nullptr;  // 32 x 32, Margin 0 in design
    ProbeWell* other = nullptr; // another 32 x 32 well
    ProbeWell* low = nullptr;   // 19 high
    ProbeWell* high = nullptr;  // 20 high
    ProbeWell* minus = nullptr; // Margin -3 in design
    Canvas* holder = nullptr;   // stands in for a group box
    int openMargin = -1;
    QString openPrompt;
    QList<Color> changes;
    QStringList hostEvents;

  protected:
    void Layout() override {
        SetWidth(200);
        SetHeight(100);
        // Black behind the wells: a pixel's brightness is its opacity.
        SetBackColor(RGB(0, 0, 0));
    }
    void CreateControls() override {
        holder = &AddControl<Canvas>("holder");
        holder->SetBounds(150, 60, 10, 10);
        well = &add("well", 10, 10, 32, 32, 0);
        well->Open = [this] {
            openMargin = well->Margin;
            openPrompt = well->PickerPromptText;
        };
        well->ColorChange = [this](Color c) { changes << c; };
        well->MouseDown = [this](int x, int y) {
            hostEvents << QString("down %1 %2").arg(x).arg(y);
        };
        well->MouseUp = [this](int x, int y) { hostEvents << QString("up %1 %2").arg(x).arg(y); };
        other = &add("other", 60, 10, 32, 32, 0);
        low = &add("low", 100, 10, 40, 19, 0);
        high = &add("high", 100, 40, 40, 20, 0);
        minus = &add("minus", 10, 60, 32, 32, -3);
    }

  private:
    ProbeWell& add(const char* name, int left, int top, int width, int height, int margin) {
        auto& w = AddControl<ProbeWell>(name);
        w.SetBounds(left, top, width, height);
        w.Margin = margin;
        w.ColorSelected = RGB(255, 255, 255);
        return w;
    }
};

Color grey(double v) {
    return HSV(0, 0, v);
}

QString describe(const RecordingGraphics::Op& op) {
    return QString("%1 %2 %3 %4 %5 #%6")
        .arg(op.kind)
        .arg(op.x)
        .arg(op.y)
        .arg(op.width)
        .arg(op.height)
        .arg(op.color.Value(), 6, 16, QChar('0'));
}

} // namespace

class ColorWellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> fake;
    Board* board = nullptr;

    void settle() {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
    // The window system's mouse events, at a point in the well's coordinates.
    static QWindow* handle(RectControl* c) { return c->Widget()->window()->windowHandle(); }
    static QPoint at(RectControl* c, int x, int y) {
        return c->Widget()->mapTo(c->Widget()->window(), QPoint(x, y));
    }
    void press(RectControl* c, int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mousePress(handle(c), Qt::LeftButton, keys, at(c, x, y));
    }
    void move(RectControl* c, int x, int y) { QTest::mouseMove(handle(c), at(c, x, y)); }
    void release(RectControl* c, int x, int y) {
        QTest::mouseRelease(handle(c), Qt::LeftButton, Qt::NoModifier, at(c, x, y));
    }
    // What shows once the event loop has turned.
    QImage shown(RectControl* c) {
        settle();
        return c->Widget()->grab().toImage();
    }
    // A pixel's opacity over the black background, painted in `full` colour.
    static double opacity(const QImage& image, int x, int y, Color full) {
        return image.pixelColor(x, y).red() / double(full.Red);
    }
    // What the toolkit sends when something is dragged in and let go, from
    // a source that offers `actions`; Shift held proposes a move. Gives the
    // action the drop was taken with, IgnoreAction when it was refused.
    Qt::DropAction drop(RectControl* c, QMimeData* data, Qt::DropActions actions = Qt::CopyAction,
                        Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QDragEnterEvent enter(QPoint(5, 5), actions, data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(c->Widget(), &enter);
        QDragMoveEvent over(QPoint(6, 6), actions, data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(c->Widget(), &over);
        QDropEvent event(QPointF(6, 6), actions, data, Qt::LeftButton, keys);
        if (keys & Qt::ShiftModifier && event.proposedAction() != Qt::MoveAction)
            qWarning("the drop proposes no move");
        QCoreApplication::sendEvent(c->Widget(), &event);
        const bool taken = enter.isAccepted() && over.isAccepted() && event.isAccepted();
        return taken ? event.dropAction() : Qt::IgnoreAction;
    }
    void dropText(RectControl* c, const QString& text) {
        QMimeData data;
        data.setText(text);
        drop(c, &data);
    }

  private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        Application::Register(std::make_unique<Application>());
        board = &Implicit<Board>();
        QVERIFY(QTest::qWaitForWindowActive(board->Host()));
        settle();
    }
    void cleanup() {
        Application::Shutdown();
        fake.reset();
    }

    void opensWithItsMarginResolved() {
        QCOMPARE(board->well->Margin, 5);
        QCOMPARE(board->low->Margin, 2);
        QCOMPARE(board->high->Margin, 5);
        QCOMPARE(board->minus->Margin, 0);
        QCOMPARE(board->openMargin, 5);
        QCOMPARE(board->openPrompt, QString("Pick a color:"));
        // A margin set after opening is taken as it is: 0 is no inset.
        board->well->Margin = 0;
        QVERIFY(board->well->withinColorBox(0, 0));
    }

    void drawsTheFrameAndTheBox_data() {
        QTest::addColumn<bool>("pressed");
        QTest::newRow("normal") << false;
        QTest::newRow("pressed") << true;
    }
    void drawsTheFrameAndTheBox() {
        QFETCH(bool, pressed);
        const double d = pressed ? 0.44 : 0;
        ProbeWell* well = board->well;
        well->ColorSelected = RGB(0, 128, 255);
        well->mouseDownAndWithin = pressed;
        RecordingGraphics g(32, 32);
        well->drawFace(g, 32, 32, 5);

        auto darker = [](Color c, double by) {
            return HSV(c.Hue(), c.Saturation(), std::max(0.0, c.HSVValue() - by));
        };
        const Color box = pressed ? darker(RGB(0, 128, 255), 0.44) : RGB(0, 128, 255);
        const Color c1 = darker(box, 0.1);
        auto add = [&](const char* kind, int x, int y, int w, int h, Color c) {
            RecordingGraphics::Op op;
            op.kind = kind;
            op.x = x, op.y = y, op.width = w, op.height = h, op.color = c;
            return describe(op);
        };
        // Lines are recorded as a start and a run.
        auto line = [&](int x1, int y1, int x2, int y2, Color c) {
            return add("DrawLine", x1, y1, x2 - x1, y2 - y1, c);
        };
        const QStringList want{
            add("FillRect", 0, 0, 32, 12, grey(0.87 - d)),
            add("FillRect", 0, 6, 32, 12, grey(0.90 - d)),
            add("FillRect", 0, 12, 32, 12, grey(0.93 - d)),
            add("FillRect", 0, 19, 32, 12, grey(0.96 - d)),
            add("FillRect", 0, 25, 32, 12, grey(1.0 - d)),
            add("DrawRect", 0, 0, 32, 32, grey(0.5 - d / 2)),
            add("DrawRect", 1, 1, 30, 30, grey(0.85 - d)),
            line(1, 1, 30, 1, grey(0.99 - d)),
            line(2, 2, 29, 2, grey(0.93 - d)),
            line(2, 30, 29, 30, grey(0.95 - d)),
            add("FillRect", 5, 5, 22, 22, box),
            add("DrawRect", 6, 6, 20, 21, c1),
            add("DrawRect", 5, 5, 22, 22, darker(c1, 0.1)),
        };
        QStringList got;
        for (const auto& op : g.ops)
            got << describe(op);
        QCOMPARE(got, want);
    }

    void changesTheColourAsEachOperationOrders() {
        ProbeWell* well = board->well;
        const QString before = well->lastColorAsHexString;
        // Written directly: no drawing, no event, the text kept.
        well->ColorSelected = RGB(255, 0, 0);
        well->setColor(RGB(255, 0, 0));
        QCOMPARE(well->Widget()->grab().toImage().pixelColor(16, 16), QColor(Qt::white));
        QVERIFY(board->changes.isEmpty());
        QCOMPARE(well->lastColorAsHexString, before);

        well->setColor(RGB(0, 0, 255));
        QCOMPARE(well->Widget()->grab().toImage().pixelColor(16, 16), QColor(Qt::blue));
        QCOMPARE(board->changes, QList<Color>{RGB(0, 0, 255)});
        QCOMPARE(well->lastColorAsHexString, QString("?"));
    }

    // A disabled well shows whether it was drawn for the picker (whole) or
    // after it (dimmed).
    void picksWithTheSystemPicker_data() {
        QTest::addColumn<bool>("confirms");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void picksWithTheSystemPicker() {
        QFETCH(bool, confirms);
        ProbeWell* well = board->well;
        well->SetEnabled(false);
        well->setColorFromHexString("#FFFFFF");
        fake->pickerConfirms = confirms;
        fake->pickerColor = well->getColor();
        double openOpacity = 0;
        fake->whilePicking = [&] {
            openOpacity = opacity(well->Widget()->grab().toImage(), 3, 4, grey(0.87));
        };
        well->pickColor();
        QCOMPARE(fake->colorPrompts, QStringList{"Pick a color:"});
        QVERIFY(openOpacity > 0.99);
        QVERIFY(opacity(well->Widget()->grab().toImage(), 3, 4, grey(0.87)) < 0.55);
        QCOMPARE(board->changes, confirms ? QList<Color>{RGB(255, 255, 255)} : QList<Color>{});
        QCOMPARE(well->lastColorAsHexString, confirms ? QString("?") : QString("#FFFFFF"));
    }

    void readsAndWritesTheColourHexText() {
        ProbeWell* well = board->well;
        // On a new well the empty text is the last one: ignored.
        well->setColorFromHexString("");
        QCOMPARE(well->getColor(), RGB(255, 255, 255));
        well->setColor(RGB(0, 128, 5));
        QCOMPARE(well->getColorAsHexString(), QString("#008005"));
        board->changes.clear();

        const struct {
            const char* text;
            Color after;
            int changes;
        } steps[] = {
            {"#0080FF", RGB(0, 128, 255), 1},
            {"0080ff", RGB(0, 128, 255), 0}, // a new text, but the same colour
            {"#F00", RGB(0, 15, 0), 1},
            {"xyz", RGB(0, 0, 0), 1},
            {"#12#34", RGB(0, 0, 0x12), 1},  // only the first "#" goes
            {"#1000000", RGB(255, 0, 0), 1}, // past &hFFFFFF: red stops at 255
        };
        for (const auto& step : steps) {
            board->changes.clear();
            well->setColorFromHexString(step.text);
            QCOMPARE(well->getColor(), step.after);
            QCOMPARE(board->changes.size(), step.changes);
        }
        // The same text again is not applied.
        well->ColorSelected = RGB(1, 2, 3);
        well->setColorFromHexString("#1000000");
        QCOMPARE(well->getColor(), RGB(1, 2, 3));

        // After setColor the same text applies again; "?" is then ignored.
        well->setColorFromHexString("#123456");
        well->setColor(RGB(0, 0, 0));
        well->setColorFromHexString("?");
        QCOMPARE(well->getColor(), RGB(0, 0, 0));
        well->setColorFromHexString("#123456");
        QCOMPARE(well->getColor(), RGB(0x12, 0x34, 0x56));
    }

    void dragsOnlyWhenArmedAndFarEnough_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("keys");
        QTest::addColumn<bool>("enableDrag");
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<QPoint>("far");
        QTest::addColumn<bool>("drags");
        const QPoint box(16, 16), frame(2, 16);
        QTest::newRow("ctrl, right")
            << Qt::KeyboardModifiers(Qt::ControlModifier) << false << box << QPoint(20, 16) << true;
        QTest::newRow("alt, up") << Qt::KeyboardModifiers(Qt::AltModifier) << false << box
                                 << QPoint(16, 12) << true;
        QTest::newRow("enabled, right")
            << Qt::KeyboardModifiers() << true << box << QPoint(20, 16) << true;
        QTest::newRow("no key") << Qt::KeyboardModifiers() << false << box << QPoint(20, 16)
                                << false;
        QTest::newRow("ctrl on the frame") << Qt::KeyboardModifiers(Qt::ControlModifier) << false
                                           << frame << QPoint(2, 24) << false;
    }
    void dragsOnlyWhenArmedAndFarEnough() {
        QFETCH(Qt::KeyboardModifiers, keys);
        QFETCH(bool, enableDrag);
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, far);
        QFETCH(bool, drags);
        ProbeWell* well = board->well;
        well->EnableColorDrag = enableDrag;
        well->setColor(RGB(0, 128, 5));
        press(well, pressAt.x(), pressAt.y(), keys);
        QVERIFY(well->mouseDownAndWithin);
        move(well, pressAt.x() + 3, pressAt.y() + 3);
        QVERIFY(fake->drags.isEmpty());
        move(well, far.x(), far.y());
        QCOMPARE(fake->drags.size(), drags ? 1 : 0);
        if (drags) {
            const auto& drag = fake->drags.first();
            QCOMPARE(drag.source, well->Widget());
            QCOMPARE(drag.rect, QRect(far.x() - 6, far.y() - 6, 12, 12));
            QCOMPARE(drag.text, QString("#008005"));
            QCOMPARE(drag.image.pixelColor(6, 6), QColor(0, 128, 5));
            QVERIFY(!well->mouseDownAndWithin);
        }
        release(well, far.x(), far.y());
        // A release over the well picks, unless a drag started.
        QCOMPARE(fake->colorPrompts.size(), drags ? 0 : 1);
        QCOMPARE(board->hostEvents,
                 QStringList({QString("down %1 %2").arg(pressAt.x()).arg(pressAt.y()),
                              QString("up %1 %2").arg(far.x()).arg(far.y())}));
    }

    void thePressedLookFollowsThePointerAndTheReleaseDecides() {
        ProbeWell* well = board->well;
        press(well, 16, 16);
        move(well, 40, 16);
        QVERIFY(!well->mouseDownAndWithin);
        move(well, 20, 16);
        QVERIFY(well->mouseDownAndWithin);
        move(well, 16, -1);
        release(well, 16, -1);
        QVERIFY(!well->mouseDownAndWithin);
        QVERIFY(fake->colorPrompts.isEmpty());
    }

    void hitTestsIncludeTheFarEdgeOfTheBox() {
        ProbeWell* well = board->well;
        QVERIFY(well->withinColorBox(27, 27));
        QVERIFY(well->withinColorBox(5, 5));
        QVERIFY(!well->withinColorBox(4, 16));
        QVERIFY(!well->withinColorBox(28, 16));
        QVERIFY(!well->withinColorBox(16, 28));
        QVERIFY(well->withinControl(31, 31));
        QVERIFY(well->withinControl(0, 0));
        QVERIFY(!well->withinControl(32, 16));
        QVERIFY(!well->withinControl(-1, 16));
        QVERIFY(!well->withinControl(16, 32));
    }

    void takesDroppedText() {
        // A colour dragged out of one well, dropped on another.
        board->well->EnableColorDrag = true;
        board->well->setColor(RGB(0, 128, 5));
        press(board->well, 16, 16);
        move(board->well, 30, 16);
        release(board->well, 30, 16);
        QCOMPARE(fake->drags.size(), 1);
        dropText(board->other, fake->drags.first().text);
        QCOMPARE(board->other->getColor(), RGB(0, 128, 5));
        // Text from anywhere, of any length, gives some colour.
        dropText(board->other, QString(100000, QChar('f')) + "\n\t\u00e9");
        QCOMPARE(board->other->getColor(), RGB(255, 255, 255));
        // A drop without text changes nothing.
        QMimeData image;
        image.setData("image/png", "not text");
        drop(board->other, &image);
        QCOMPARE(board->other->getColor(), RGB(255, 255, 255));
        QVERIFY(board->other->lastColorAsHexString.startsWith("ffff"));

        // A text editor proposes to move the text it lets go: the well takes
        // a copy, so the editor keeps its text; a source that only lets the
        // text move is refused.
        QMimeData fromEditor;
        fromEditor.setText("#FF00FF");
        QCOMPARE(
            drop(board->other, &fromEditor, Qt::CopyAction | Qt::MoveAction, Qt::ShiftModifier),
            Qt::CopyAction);
        QCOMPARE(board->other->getColor(), RGB(255, 0, 255));
        fromEditor.setText("#00FF00");
        QCOMPARE(drop(board->other, &fromEditor, Qt::MoveAction), Qt::IgnoreAction);
        QCOMPARE(board->other->getColor(), RGB(255, 0, 255));
    }

    void dimsWhenDisabledInactiveOrInADisabledHolder_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("alsoDimColor");
        QTest::addColumn<double>("frame");
        QTest::addColumn<double>("box");
        QTest::newRow("enabled") << "enabled" << true << 1.0 << 1.0;
        QTest::newRow("disabled") << "disabled" << false << 0.5 << 1.0;
        QTest::newRow("disabled, also colour") << "disabled" << true << 0.5 << 0.5;
        QTest::newRow("inactive") << "inactive" << false << 0.5 << 0.5;
        QTest::newRow("holder disabled") << "holder" << false << 0.5 << 1.0;
    }
    void dimsWhenDisabledInactiveOrInADisabledHolder() {
        QFETCH(QString, how);
        QFETCH(bool, alsoDimColor);
        QFETCH(double, frame);
        QFETCH(double, box);
        ProbeWell* well = board->well;
        well->AlsoDimColor = alsoDimColor;
        well->SetParent(board->holder);
        std::unique_ptr<Window> front;
        if (how == "disabled")
            well->SetEnabled(false);
        if (how == "holder") {
            board->holder->SetEnabled(false);
            // Nothing tells the well; its next Paint shows it.
            well->Refresh(false);
        }
        if (how == "inactive") {
            front = std::make_unique<Window>();
            front->Construct();
            front->Host()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(front->Host()));
        }
        const QImage image = shown(well);
        // Half of 255 is 127 or 128.
        QCOMPARE(qRound(opacity(image, 3, 4, grey(0.87)) * 10) / 10.0, frame);
        QCOMPARE(qRound(opacity(image, 16, 16, RGB(255, 255, 255)) * 10) / 10.0, box);
    }
};

QTEST_MAIN(ColorWellTest)
#include "test_colorwell.moc"
