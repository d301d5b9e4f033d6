// The real painter surface on a QImage: text, frames, pictures, and the
// glyph cache drawing exactly what drawText draws.
#include <QFontDatabase>
#include <QPainter>
#include <QtTest>

#include "App.h"
#include "FakeServices.h"
#include "Startup.h"
#include "graphics/GlyphCache.h"
#include "graphics/PainterGraphics.h"
#include "graphics/Picture.h"
#include "system/Application.h"
#include "system/Runtime.h"
#include "winMain.h"

namespace {
const QRgb kBackground = qRgb(20, 30, 40);
const QRgb kDigits = qRgb(250, 200, 0);

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackground);
    return image;
}

// The box of the pixels that differ from the background, right of `fromX`.
QRect Inked(const QImage& image, int fromX = 0) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < image.width(); ++x)
            if (image.pixel(x, y) != kBackground)
                box |= QRect(x, y, 1, 1);
    return box;
}

int Count(const QImage& image, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == color;
    return n;
}

// The largest difference of any channel between two images of one size.
int MaxDifference(const QImage& a, const QImage& b, int* differing = nullptr) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (differing && p != q)
                ++*differing;
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}
} // namespace

class TestPainterGraphics : public QObject {
    Q_OBJECT

  private:
    // The main window's display painted for real into an image.
    QImage Display(int width, int height, std::int32_t secs) {
        QImage image = Blank(width, height);
        PaintScope scope;
        QPainter painter(&image);
        PainterGraphics g(painter, width, height);
        Implicit<winMain>().Redraw(&g, secs, false);
        return image;
    }

  private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        Startup();
        App& app = TheApp();
        app.Color_Background = Color::FromValue(kBackground & 0xFFFFFF);
        app.Color_Font = Color::FromValue(kDigits & 0xFFFFFF);
        app.Pref_UseShadow = false;
        app.Pref_Font = "DejaVu Sans";
        fake->resourcesFolder.clear(); // no icon, so only the digits are inked
    }
    void cleanup() {
        Application::Shutdown();
        fake.reset();
    }

    void digitsAreDrawnCentredInTheirColour() {
        const QImage image = Display(450, 150, 45296);
        const QRect box = Inked(image);
        QVERIFY(box.width() > 300); // most of the 405 pixels of the width limit
        QVERIFY(box.width() <= 405);
        QVERIFY(std::abs(box.center().x() - 225) <= 3);
        QVERIFY(std::abs(box.center().y() - 75) <= 20); // digits sit above the descent
        QVERIFY(Count(image, kDigits) > 1000);
    }

    void largerSurfaceGivesLargerDigits() {
        const QRect small = Inked(Display(450, 150, 45296));
        const QRect large = Inked(Display(1200, 400, 45296));
        QVERIFY(large.height() > 2 * small.height());
        QVERIFY(large.width() > 2 * small.width());
        // The digits shown never change the size, only what is drawn.
        QCOMPARE(Inked(Display(450, 150, 11111)).height(), small.height());
    }

    void glyphCacheDrawsWhatDrawTextDraws_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<double>("x");
        QTest::newRow("sans 120") << "DejaVu Sans" << 120 << false << false << 13.0;
        QTest::newRow("sans bold 97") << "DejaVu Sans" << 97 << true << false << 7.0;
        QTest::newRow("serif italic 150") << "DejaVu Serif" << 150 << false << true << 3.0;
        QTest::newRow("system bold italic 211") << "System" << 211 << true << true << 0.0;
        QTest::newRow("qt's own cache below") << "DejaVu Sans" << 40 << false << false << 5.0;
    }
    void glyphCacheDrawsWhatDrawTextDraws() {
        QFETCH(QString, family);
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(double, x);
        const QString text = "12:34:56 Time is Up!";
        const QFont font = PainterGraphics::FontFor(family, size, bold, italic);
        const int width = QFontMetrics(font).horizontalAdvance(text) + 40;
        const int height = size * 2;
        const QPointF at(x, size * 1.3);

        QImage expected = Blank(width, height);
        {
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setPen(QColor(kDigits));
            painter.drawText(at, text);
        }
        const qint64 blittedBefore = GlyphCache::Instance().Blitted();
        for (int pass = 0; pass < 2; ++pass) { // rendered, then from the cache
            QImage cached = Blank(width, height);
            QPainter painter(&cached);
            PainterGraphics g(painter, width, height);
            g.SetTextFont(family);
            g.SetTextSize(size);
            g.SetBold(bold);
            g.SetItalic(italic);
            g.SetForeColor(Color::FromValue(kDigits & 0xFFFFFF));
            g.DrawString(text, at.x(), at.y());
            painter.end();
            int differing = 0;
            const int worst = MaxDifference(cached, expected, &differing);
            // Blending a kept glyph rounds once more than filling its outline
            // in place, and glyphs that overlap (a bold slant) are composed
            // one over the other rather than as one outline: a few edge
            // pixels may differ by a few levels, nothing visible.
            QVERIFY(worst <= 3);
            QVERIFY(differing * 1000 <= Count(expected, kDigits));
        }
        const qint64 blitted = GlyphCache::Instance().Blitted() - blittedBefore;
        QCOMPARE(blitted > 0, size >= GlyphCache::kSmallestCachedSize);
    }

    void oneKeptGlyphServesEveryColour() {
        GlyphCache::Instance().Clear();
        const qint64 before = GlyphCache::Instance().Rendered();
        QImage image = Blank(400, 200);
        QPainter painter(&image);
        PainterGraphics g(painter, 400, 200);
        g.SetTextFont("DejaVu Sans");
        g.SetTextSize(100);
        g.SetForeColor(RGB(255, 0, 0));
        g.DrawString("00", 0, 150);
        QCOMPARE(GlyphCache::Instance().Rendered() - before, 2); // two positions
        g.DrawString("00", 0, 150);
        QCOMPARE(GlyphCache::Instance().Rendered() - before, 2);
        g.SetForeColor(RGB(0, 255, 0));
        g.DrawString("00", 0, 150);
        QCOMPARE(GlyphCache::Instance().Rendered() - before, 2);
        painter.end();
        QCOMPARE(Count(image, qRgb(255, 0, 0)), 0); // the green covers the red exactly
    }

    void measuresText() {
        QImage image = Blank(10, 10);
        QPainter painter(&image);
        PainterGraphics g(painter, 10, 10);
        g.SetTextFont("DejaVu Sans");
        g.SetTextSize(50);
        const double one = g.StringWidth("0");
        QCOMPARE(g.StringWidth("00000000"), 8 * one);
        const int single = g.StringHeight("00 00", 0);
        QVERIFY(std::abs(single - g.TextHeight()) <= 1);
        // Wrapped narrower than the text: two lines.
        QVERIFY(g.StringHeight("00 00", one * 3) >= 2 * single - 2);
        QVERIFY(g.TextAscent() > 25 && g.TextAscent() < g.TextHeight());
        g.SetTextSize(100);
        QVERIFY(g.StringWidth("0") > 1.9 * one);
    }

    void systemFontIsTheDesktopFont() {
        const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        QCOMPARE(PainterGraphics::FontFor("System", 30, false, false).family(), desktop.family());
        const QFont styled = PainterGraphics::FontFor("DejaVu Serif", 30, true, true);
        QVERIFY(styled.bold() && styled.italic());
        QCOMPARE(styled.pixelSize(), 30);
    }

    void drawRectIsAFrameOfThePenSize() {
        QImage image = Blank(40, 40);
        QPainter painter(&image);
        PainterGraphics g(painter, 40, 40);
        g.SetForeColor(RGB(255, 255, 255));
        g.SetPenWidth(3);
        g.SetPenHeight(2);
        g.DrawRect(5, 5, 20, 10);
        painter.end();
        const QRgb white = qRgb(255, 255, 255);
        QCOMPARE(image.pixel(5, 5), white);
        QCOMPARE(image.pixel(7, 10), white); // left side, 3 wide
        QCOMPARE(image.pixel(8, 10), kBackground);
        QCOMPARE(image.pixel(15, 6), white); // top, 2 high
        QCOMPARE(image.pixel(15, 7), kBackground);
        QCOMPARE(image.pixel(24, 14), white); // inside the rectangle's own bounds
        QCOMPARE(image.pixel(25, 14), kBackground);
        QCOMPARE(Count(image, white), 20 * 10 - 14 * 6);
    }

    void drawPictureHonoursTheMask() {
        Picture picture(4, 2);
        picture.Image().fill(qRgb(0, 0, 255));
        Picture* mask = picture.Mask(true);
        mask->Image().setPixel(1, 0, qRgb(255, 255, 255)); // transparent
        mask->Image().setPixel(2, 0, qRgb(128, 128, 128)); // about half
        QImage image = Blank(10, 10);
        QPainter painter(&image);
        PainterGraphics g(painter, 10, 10);
        g.DrawPicture(&picture, 3, 3);
        g.DrawPicture(nullptr, 0, 0); // nothing, no failure
        painter.end();
        QCOMPARE(image.pixel(3, 3), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(4, 3), kBackground);
        QVERIFY(std::abs(qBlue(image.pixel(5, 3)) - (255 + qBlue(kBackground)) / 2) <= 2);
        QCOMPARE(image.pixel(6, 4), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(7, 4), kBackground);
    }

  private:
    std::unique_ptr<FakeServices> fake;
};

QTEST_MAIN(TestPainterGraphics)
#include "test_painter_graphics.moc"
