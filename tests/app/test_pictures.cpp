// The picture accessors: loaded at first use, kept, looked for again while
// missing, icons masked once at loading.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "FakeServices.h"
#include "Pictures.h"
#include "RecordingGraphics.h"
#include "Startup.h"
#include "graphics/Picture.h"
#include "system/Application.h"
#include "system/Runtime.h"
#include "winMain.h"

namespace {
const QStringList kAll = {"Pause_Icon", "Pause_Mask", "Run_Icon",  "Run_Mask", "Alert_Icon",
                          "Alert_Mask", "AboutIcon",  "AboutMask", "VaZeDoZi", "VaZeDoZiMask"};

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

  private:
    // A private copy of the pictures, minus `leaveOut`, that the test may change.
    void UseCopy(const QStringList& leaveOut = {}) {
        folder = std::make_unique<QTemporaryDir>();
        for (const QString& name : kAll)
            if (!leaveOut.contains(name))
                QVERIFY(QFile::copy(Source(name), Target(name)));
        fake->resourcesFolder = folder->path();
    }
    QString Source(const QString& name) const {
        return QDir(qEnvironmentVariable("QUENDLE_SOURCE_DIR"))
            .filePath("resources/" + name + ".bmp");
    }
    QString Target(const QString& name) const { return folder->filePath(name + ".bmp"); }

    // One repaint of the main window's display, inside a paint as the
    // canvas does it, so no other paint can run in between.
    RecordingGraphics Paint() {
        PaintScope scope;
        RecordingGraphics g(450, 150);
        Implicit<winMain>().cvTime_Paint(g);
        return g;
    }

    // The file names read since the record was last cleared.
    QStringList ReadNames() const {
        QStringList names;
        for (const QString& path : record->paths)
            names << QFileInfo(path).fileName();
        return names;
    }

  private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        Startup();
        record = std::make_unique<PictureFileRecord>();
    }
    void cleanup() {
        record.reset();
        Application::Shutdown();
        fake.reset();
        folder.reset();
    }

    void firstPaintReadsThePauseIconAndItsMaskOnly() {
        const auto first = Paint();
        QCOMPARE(ReadNames(), QStringList({"Pause_Icon.bmp", "Pause_Mask.bmp"}));
        QCOMPARE(first.OpsOf("DrawPicture").at(0).picture, Pause_Icon());
        record->paths.clear();
        Paint();
        QVERIFY(ReadNames().isEmpty());
    }

    void iconIsMaskedOnceAtLoading() {
        Picture* icon = Pause_Icon();
        QVERIFY(icon);
        Picture* mask = icon->Mask(false);
        QVERIFY(mask);
        const QImage expected = Pause_Mask()->Image();
        QCOMPARE(mask->Image().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        // The mask's white is transparent, its black opaque.
        const QImage composed = icon->Composed();
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const int gray = qGray(expected.pixel(x, y));
                if (gray == 255)
                    QCOMPARE(qAlpha(composed.pixel(x, y)), 0);
                else if (gray == 0)
                    QCOMPARE(qAlpha(composed.pixel(x, y)), 255);
            }
        // The About pictures get no mask of their own.
        QVERIFY(AboutIcon());
        QVERIFY(!AboutIcon()->Mask(false));
        QVERIFY(VaZeDoZi() && VaZeDoZiMask() && AboutMask());
    }

    void missingIconIsLookedForAtEveryPaint() {
        UseCopy({"Run_Icon"});
        Implicit<winMain>().IsRunning = true;
        record.reset();
        Paint(); // with no record installed, as in the program: nothing is kept
        for (int i = 0; i < 3; ++i) {
            record = std::make_unique<PictureFileRecord>();
            const auto g = Paint();
            QCOMPARE(ReadNames(), QStringList({"Run_Icon.bmp"})); // never its mask
            QVERIFY(g.OpsOf("DrawPicture").empty());
            QVERIFY(!g.OpsOf("DrawString").empty()); // the rest is drawn as usual
        }
        // A file added later is picked up at the next paint.
        QVERIFY(QFile::copy(Source("Run_Icon"), Target("Run_Icon")));
        record->paths.clear();
        QCOMPARE(Paint().OpsOf("DrawPicture").size(), size_t(1));
        QCOMPARE(ReadNames(), QStringList({"Run_Icon.bmp", "Run_Mask.bmp"}));
    }

    void onlyTheNamedFileIsReadAndOnlyAsABmp() {
        UseCopy({"Alert_Icon", "Run_Icon"});
        // A sibling whose name adds an image suffix is never read instead.
        QVERIFY(Picture(4, 4).Image().save(folder->filePath("Run_Icon.bmp.png"), "PNG"));
        QVERIFY(!Run_Icon());
        // Nor is a file of the right name in another format, or in none.
        QVERIFY(QFile::copy(folder->filePath("Run_Icon.bmp.png"), Target("Run_Icon")));
        QVERIFY(!Run_Icon());
        QFile bad(Target("Alert_Icon"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        QVERIFY(!Alert_Icon());
        QVERIFY(!Alert_Icon());
        QCOMPARE(ReadNames(),
                 QStringList({"Run_Icon.bmp", "Run_Icon.bmp", "Alert_Icon.bmp", "Alert_Icon.bmp"}));
    }

    void noResourcesFolderGivesNothing() {
        fake->resourcesFolder.clear();
        QVERIFY(!Pause_Icon());
        QVERIFY(!VaZeDoZi());
        QVERIFY(ReadNames().isEmpty());
    }

    void missingMaskIsNotTriedAgain() {
        UseCopy({"Pause_Mask"});
        Picture* icon = Pause_Icon();
        QVERIFY(icon);
        QVERIFY(icon->Mask(false)); // created, opaque
        QCOMPARE(qGray(icon->Mask(false)->Image().pixel(0, 0)), 0);
        QVERIFY(QFile::copy(Source("Pause_Mask"), Target("Pause_Mask")));
        record->paths.clear();
        QCOMPARE(Pause_Icon(), icon);
        QVERIFY(ReadNames().isEmpty());
    }

    void replacingALoadedFileChangesNothing() {
        UseCopy();
        Picture* icon = Pause_Icon();
        const QImage before = icon->Image();
        QVERIFY(QFile::remove(Target("Pause_Icon")));
        QVERIFY(QFile::copy(Source("Alert_Icon"), Target("Pause_Icon")));
        record->paths.clear();
        QCOMPARE(Pause_Icon(), icon);
        QCOMPARE(icon->Image(), before);
        QVERIFY(ReadNames().isEmpty());
    }

    void shutdownEmptiesTheCaches() {
        QVERIFY(Pause_Icon());
        Application::Shutdown();
        Startup();
        record->paths.clear();
        QVERIFY(Pause_Icon());
        QCOMPARE(ReadNames(), QStringList({"Pause_Icon.bmp", "Pause_Mask.bmp"}));
    }

    void newPictureDrawsIntoItsPixels() {
        auto picture = NewPicture(20, 10, 32);
        QCOMPARE(picture->Width(), 20);
        QCOMPARE(picture->Height(), 10);
        Graphics& g = picture->Graphics();
        g.SetForeColor(RGB(0, 0, 255));
        g.FillRect(5, 0, 5, 10);
        QCOMPARE(picture->Image().pixel(7, 5), qRgb(0, 0, 255));
        QCOMPARE(picture->Image().pixel(2, 5), qRgb(255, 255, 255));
        QVERIFY(!OpenAsPicture(QDir::temp().filePath("no-such-picture.bmp")));
    }

  private:
    std::unique_ptr<FakeServices> fake;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<PictureFileRecord> record;
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
