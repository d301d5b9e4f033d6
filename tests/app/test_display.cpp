// The time display drawn into a recording surface with exact metrics.
#include <QtTest>

#include "App.h"
#include "FakeServices.h"
#include "Pictures.h"
#include "RecordingGraphics.h"
#include "Startup.h"
#include "system/Application.h"
#include "winMain.h"

Q_DECLARE_METATYPE(Color)

namespace {
const Color kBackground = RGB(1, 1, 1);
const Color kFont = RGB(2, 2, 2);
const Color kShadow = RGB(3, 3, 3);
const Color kLastMin = RGB(4, 4, 4);
const Color kLast10 = RGB(5, 5, 5);

// The text fits up to size `largest` and is wider than any limit past it.
std::function<double(const QString&, int)> FitsUpTo(int largest) {
    return [largest](const QString&, int size) { return size <= largest ? 10.0 : 1e6; };
}

QString DigitsOf(const RecordingGraphics& g) {
    const auto strings = g.OpsOf("DrawString");
    return strings.empty() ? QString() : strings.back().text;
}
} // namespace

class TestDisplay : public QObject {
    Q_OBJECT

  private:
    winMain& Main() { return Implicit<winMain>(); }

    // The last DrawString of the digits (not the alert text).
    static RecordingGraphics::Op DigitsOp(const RecordingGraphics& g) {
        RecordingGraphics::Op found;
        for (const auto& op : g.OpsOf("DrawString"))
            if (op.text != "Time is Up!")
                found = op;
        return found;
    }

    Color DigitColour(std::int32_t secs, bool running, bool done, bool preview) {
        Main().IsRunning = running;
        Main().IsDone = done;
        RecordingGraphics g(450, 150);
        Main().Redraw(&g, secs, preview);
        return DigitsOp(g).color;
    }

  private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        Startup();
        App& app = TheApp();
        app.Color_Background = kBackground;
        app.Color_Font = kFont;
        app.Color_Shadow = kShadow;
        app.Color_LastMin = kLastMin;
        app.Color_Last10Sec = kLast10;
        app.Pref_Font = "Helvetica";
        app.Pref_Bold = true;
        app.Pref_Italic = false;
        app.Pref_UseShadow = true;
    }
    void cleanup() {
        Application::Shutdown();
        fake.reset();
    }

    void sizeSearch_data() {
        QTest::addColumn<int>("largest");
        QTest::addColumn<std::vector<int>>("measured");
        QTest::addColumn<int>("result");
        QTest::newRow("below 8") << 5 << std::vector<int>{8} << 8;
        QTest::newRow("8") << 8 << std::vector<int>{8, 16, 12, 10} << 9;
        QTest::newRow("16") << 16 << std::vector<int>{8, 16, 32, 24, 20, 18} << 17;
        QTest::newRow("48") << 48 << std::vector<int>{8, 16, 32, 64, 48, 96, 72, 60, 54, 51} << 49;
        QTest::newRow("50") << 50 << std::vector<int>{8, 16, 32, 64, 48, 96, 72, 60, 54, 51} << 49;
        QTest::newRow("128") << 128 << std::vector<int>{8,   16,  32,  64,  128, 256,
                                                        192, 160, 144, 136, 132, 130}
                             << 129;
    }
    void sizeSearch() {
        QFETCH(int, largest);
        QFETCH(std::vector<int>, measured);
        QFETCH(int, result);
        RecordingGraphics g(1000, 1000);
        g.widthOf = FitsUpTo(largest);
        g.lineHeightOf = [](int) { return 1; };
        QCOMPARE(Main().GetTextSize(g, "00:00:00", 100, 100), result);
        QCOMPARE(g.measuredSizes, measured);
        // Left at the last size measured, which need not be the result.
        QCOMPARE(g.TextSize(), measured.back());
    }

    void sizeSearchEndsOnASurfaceThatStopsGrowing() {
        RecordingGraphics g(1000, 1000);
        g.maxTextSize = 100;
        g.widthOf = [](const QString&, int) { return 1.0; };
        g.lineHeightOf = [](int) { return 1; };
        QCOMPARE(Main().GetTextSize(g, "00:00:00", 100, 100), 100);
        QCOMPARE(g.measuredSizes, (std::vector<int>{8, 16, 32, 64, 100}));

        // Text that never grows ends too, without overflowing the size.
        RecordingGraphics flat(1000, 1000);
        flat.widthOf = [](const QString&, int) { return 0.0; };
        flat.lineHeightOf = [](int) { return 0; };
        QVERIFY(Main().GetTextSize(flat, "00:00:00", 100, 100) > 1000000);
    }

    void sizeSearchComparesWholePixels() {
        RecordingGraphics g(1000, 1000);
        g.lineHeightOf = [](int size) { return size; };
        g.widthOf = [](const QString&, int size) { return size == 8 ? 300.7 : 1e6; };
        Main().GetTextSize(g, "00:00:00", 300, 1000);
        QCOMPARE(g.measuredSizes, (std::vector<int>{8, 16, 12, 10}));

        g.measuredSizes.clear();
        g.widthOf = [](const QString&, int size) { return size == 8 ? 301.0 : 1e6; };
        Main().GetTextSize(g, "00:00:00", 300, 1000);
        QCOMPARE(g.measuredSizes, (std::vector<int>{8}));

        // A height equal to the limit fits.
        g.measuredSizes.clear();
        g.widthOf = [](const QString&, int) { return 1.0; };
        Main().GetTextSize(g, "00:00:00", 300, 8);
        QCOMPARE(g.measuredSizes, (std::vector<int>{8, 16, 12, 10}));
    }

    void texts_data() {
        QTest::addColumn<int>("secs");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("text");
        QTest::newRow("45296") << 45296 << 0 << "12:34:56";
        QTest::newRow("55") << 55 << 0 << "00:00:55";
        QTest::newRow("5") << 5 << 0 << "00:00:05";
        QTest::newRow("3725") << 3725 << 0 << "01:02:05";
        QTest::newRow("100 hours") << 360000 << 0 << "100:00:00";
        QTest::newRow("-1 shows the current count") << -1 << 3725 << "01:02:05";
        QTest::newRow("any negative shows it") << -77 << 55 << "00:00:55";
        QTest::newRow("negative current") << -1 << -5 << "00:00:00";
    }
    void texts() {
        QFETCH(int, secs);
        QFETCH(int, current);
        QFETCH(QString, text);
        Main().CurrentSeconds = current;
        RecordingGraphics g(450, 150);
        Main().Redraw(&g, secs, false);
        QCOMPARE(DigitsOf(g), text);
    }

    void textIsPlacedByTheTemplateAndSizedByTheSurface() {
        RecordingGraphics small(450, 150), wide(450, 150), large(900, 300);
        Main().Redraw(&small, 45296, false);
        Main().Redraw(&wide, 360000, false);
        Main().Redraw(&large, 45296, false);
        const auto a = DigitsOp(small), b = DigitsOp(wide), c = DigitsOp(large);
        QCOMPARE(b.size, a.size);
        QCOMPARE(b.x, a.x); // 100 hours reach further right from the same place
        QVERIFY(c.size > a.size);
        QCOMPARE(a.font, QString("Helvetica"));
        QVERIFY(a.bold);
        QVERIFY(!a.italic);
    }

    void digitColours_data() {
        QTest::addColumn<int>("secs");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("done");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<Color>("colour");
        const struct {
            int secs;
            Color running;
        } rows[] = {{60, kFont}, {59, kLastMin}, {10, kLastMin}, {9, kLast10}, {0, kLast10}};
        for (const auto& r : rows) {
            const QByteArray n = QByteArray::number(r.secs);
            QTest::newRow("running " + n) << r.secs << true << false << false << r.running;
            QTest::newRow("preview " + n) << r.secs << false << false << true << r.running;
            QTest::newRow("paused " + n) << r.secs << false << false << false << kFont;
            QTest::newRow("alert " + n) << r.secs << false << true << false << kFont;
        }
        QTest::newRow("preview 45296") << 45296 << false << false << true << kFont;
        QTest::newRow("running negative") << -1 << true << false << false << kLast10;
    }
    void digitColours() {
        QFETCH(int, secs);
        QFETCH(bool, running);
        QFETCH(bool, done);
        QFETCH(bool, preview);
        QFETCH(Color, colour);
        Main().CurrentSeconds = -3;
        QCOMPARE(DigitColour(secs, running, done, preview), colour);
    }

    void shadowOffsetAndSwitch() {
        // The template measures 300 x 60 at the size found (49): offset 3.
        RecordingGraphics g(1000, 60);
        g.widthOf = [](const QString&, int size) { return size <= 50 ? 300.0 : 1e6; };
        g.lineHeightOf = [](int) { return 60; };
        Main().Redraw(&g, 45296, false);
        const auto strings = g.OpsOf("DrawString");
        QCOMPARE(strings.size(), size_t(2));
        QCOMPARE(strings[0].color, kShadow);
        QCOMPARE(strings[1].color, kFont);
        QCOMPARE(strings[1].x, 350);
        QCOMPARE(strings[1].y, 48); // (60 - 60) / 2 + ascent 48
        QCOMPARE(strings[0].x, 353);
        QCOMPARE(strings[0].y, 51);

        TheApp().Pref_UseShadow = false;
        RecordingGraphics plain(450, 150);
        Main().Redraw(&plain, 45296, false);
        for (const auto& op : plain.ops)
            QVERIFY(op.color != kShadow);
        QCOMPARE(plain.OpsOf("DrawString").size(), size_t(1));
    }

    void smallSurfaceUsesSize8AndKeepsItsOffsets() {
        // At size 8 the template is 32 x 8 on a 20 x 5 surface: the text
        // stands out of it, and the shadow (diagonal / 100) and the alert's
        // frame (line height / 20) come out below 1.
        Main().IsDone = true;
        RecordingGraphics g(20, 5);
        Main().Redraw(&g, 45296, false);
        const auto strings = g.OpsOf("DrawString");
        QCOMPARE(strings.size(), size_t(3));
        const auto& shadow = strings[0];
        const auto& digits = strings[1];
        QCOMPARE(digits.size, 8);
        // (5 - 8) / 2 + ascent 6 = 4.5: the ascent is added before truncating.
        QCOMPARE(QPoint(digits.x, digits.y), QPoint(-6, 4));
        QCOMPARE(QPoint(shadow.x, shadow.y), QPoint(-5, 5)); // never less than 1 pixel
        QCOMPARE(strings[2].y, 4);                           // the alert text's baseline likewise
        QCOMPARE(g.OpsOf("DrawRect").at(0).penWidth, 1);
    }

    void alertBox_data() {
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("frame");
        QTest::newRow("45 gives 2") << 45 << 2;
        QTest::newRow("39 gives 1") << 39 << 1;
    }
    void alertBox() {
        QFETCH(int, lineHeight);
        QFETCH(int, frame);
        Main().IsDone = true;
        RecordingGraphics g(1000, 100);
        g.widthOf = [](const QString& text, int size) {
            if (text == "Time is Up!")
                return size <= 50 ? 200.0 : 1e6;
            return size <= 50 ? 300.0 : 1e6;
        };
        g.lineHeightOf = [lineHeight](int) { return lineHeight; };
        Main().Redraw(&g, 0, false);

        QStringList kinds;
        for (const auto& op : g.ops)
            kinds << op.kind;
        QCOMPARE(kinds, QStringList({"FillRect", "DrawString", "DrawString", "DrawPicture",
                                     "FillRect", "DrawRect", "DrawString"}));
        const auto& icon = g.ops[3];
        QCOMPARE(icon.picture, Alert_Icon());
        QCOMPARE(QPoint(icon.x, icon.y), QPoint(10, 10));

        const double top = (100 - lineHeight) / 2.0;
        const auto& fill = g.ops[4];
        QCOMPARE(fill.color, kShadow);
        QCOMPARE(
            QRect(fill.x, fill.y, fill.width, fill.height),
            QRect(400 - 2 * frame, int(top - 2 * frame), 200 + 4 * frame, lineHeight + 4 * frame));
        const auto& box = g.ops[5];
        QCOMPARE(box.color, kLast10);
        QCOMPARE(box.penWidth, frame);
        QCOMPARE(box.penHeight, frame);
        QCOMPARE(QRect(box.x, box.y, box.width, box.height),
                 QRect(fill.x, fill.y, fill.width, fill.height));
        const auto& text = g.ops[6];
        QCOMPARE(text.text, QString("Time is Up!"));
        QCOMPARE(text.color, kFont);
        QCOMPARE(text.font, QString("System"));
        QVERIFY(!text.bold && !text.italic);
        QCOMPARE(text.size, 49);
        QCOMPARE(QPoint(text.x, text.y), QPoint(400, int(top + lineHeight * 4 / 5)));
    }

    void alertTextGetsHalfTheWidthLimit() {
        // W 450: width limit 405, alert limit 202. A character is size/2
        // wide, so "Time is Up!" (11 characters) fits up to size 36.
        Main().IsDone = true;
        RecordingGraphics g(450, 1000);
        Main().Redraw(&g, 0, false);
        QCOMPARE(g.OpsOf("DrawString").back().size, 37);
    }

    void iconFollowsTheMainWindowsState() {
        RecordingGraphics paused(450, 150);
        Main().Redraw(&paused, 5, true);
        QCOMPARE(paused.OpsOf("DrawPicture").at(0).picture, Pause_Icon());
        QVERIFY(paused.OpsOf("DrawRect").empty());

        Main().IsRunning = true;
        RecordingGraphics running(450, 150);
        Main().Redraw(&running, 5, false);
        QCOMPARE(running.OpsOf("DrawPicture").at(0).picture, Run_Icon());
        QVERIFY(Run_Icon() != Pause_Icon());
    }

    void backgroundCoversTheSurface() {
        RecordingGraphics g(640, 480);
        Main().Redraw(&g, 1, false);
        const auto& first = g.ops.front();
        QCOMPARE(first.kind, QString("FillRect"));
        QCOMPARE(first.color, kBackground);
        QCOMPARE(QRect(first.x, first.y, first.width, first.height), QRect(0, 0, 640, 480));
    }

  private:
    std::unique_ptr<FakeServices> fake;
};

QTEST_MAIN(TestDisplay)
#include "test_display.moc"
