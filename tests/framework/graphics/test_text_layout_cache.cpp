// Kept measurements and layouts must be the toolkit's own answers, and a
// picture's composed pixels must follow changes to its mask.
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QTextLayout>
#include <QtTest>

#include "graphics/Picture.h"
#include "graphics/TextLayoutCache.h"

class TextLayoutCacheTest : public QObject {
    Q_OBJECT

  private slots:
    void answersAreTheToolkits_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("text");
        QTest::newRow("digits") << "System" << 96 << true << "00:00:00";
        QTest::newRow("alert") << "System" << 31 << false << "Time is Up!";
        QTest::newRow("serif") << "DejaVu Serif" << 12 << false << "12:34:56";
        QTest::newRow("empty") << "System" << 20 << false << "";
        QTest::newRow("wide") << "DejaVu Sans" << 200 << true << QString::fromUtf8("é€𝄞");
    }
    void answersAreTheToolkits() {
        QFETCH(QString, font);
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(QString, text);
        TextLayoutCache& cache = TextLayoutCache::Instance();
        for (int pass = 0; pass < 2; ++pass) { // made, then kept
            const auto& entry = cache.Font(font, size, bold, false);
            QCOMPARE(entry.font.pixelSize(), size);
            QCOMPARE(entry.font.bold(), bold);
            QCOMPARE(cache.Width(entry, text), QFontMetricsF(entry.font).horizontalAdvance(text));
            const QFontMetrics fm(entry.font);
            QCOMPARE(cache.Ascent(entry), fm.ascent());
            QCOMPARE(cache.LineHeight(entry), fm.height());
            QCOMPARE(cache.Height(entry, text, 50),
                     fm.boundingRect(QRect(0, 0, 50, 1 << 29), Qt::TextWordWrap, text).height());
            QTextLayout layout(text, entry.font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            const auto& shaped = cache.Shape(entry, text);
            QCOMPARE(shaped.runs.size(), layout.glyphRuns().size());
            for (qsizetype i = 0; i < shaped.runs.size(); ++i) {
                QCOMPARE(shaped.runs[i].glyphIndexes(), layout.glyphRuns()[i].glyphIndexes());
                QCOMPARE(shaped.runs[i].positions(), layout.glyphRuns()[i].positions());
            }
        }
    }

    void fontsDifferingInOnePartAreKeptApart() {
        TextLayoutCache& cache = TextLayoutCache::Instance();
        const auto plain = cache.Font("System", 40, false, false);
        const auto bold = cache.Font("System", 40, true, false);
        const auto italic = cache.Font("System", 40, false, true);
        const auto larger = cache.Font("System", 41, false, false);
        QVERIFY(plain.key != bold.key && plain.key != italic.key && plain.key != larger.key);
        QVERIFY(cache.Width(larger, "00:00:00") > cache.Width(plain, "00:00:00"));
    }

    void composedPixelsFollowTheMask() {
        Picture picture(2, 1);
        picture.Image().fill(Qt::red);
        Picture* mask = picture.Mask(true);
        QCOMPARE(qAlpha(picture.Composed().pixel(0, 0)), 255); // a new mask is opaque
        mask->Image().setPixel(0, 0, qRgb(255, 255, 255));
        QCOMPARE(qAlpha(picture.Composed().pixel(0, 0)), 0);
        QCOMPARE(qAlpha(picture.Composed().pixel(1, 0)), 255);
        picture.Image().setPixel(1, 0, qRgb(0, 0, 255));
        QCOMPARE(qBlue(picture.Composed().pixel(1, 0)), 255);
    }
};

QTEST_MAIN(TextLayoutCacheTest)
#include "test_text_layout_cache.moc"
