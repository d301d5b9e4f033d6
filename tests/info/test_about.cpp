// The About window, opened from the Help menu of the real program.
#include <QAction>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "AboutWindow.h"
#include "App.h"
#include "MenuBar1.h"
#include "ProgramUnderTest.h"
#include "graphics/ImageGraphics.h"
#include "ui/Canvas.h"
#include "ui/EditField.h"
#include "ui/MenuBar.h"
#include "ui/StaticText.h"

namespace {

// Reaches the protected credits call, as the window's own setup does.
class CreditsProbe : public AboutWindow {
  public:
    using AboutWindow::SetCreditsFieldText;
};

QString StyleOf(EditField& field, const QString& piece) {
    field.SetSelStart(field.Text().indexOf(piece));
    field.SetSelLength(1);
    const QString style = QString(field.SelBold() ? "b" : "") + (field.SelItalic() ? "i" : "") +
                          QString::number(field.SelTextSize());
    field.SetSelStart(0);
    return style;
}

void Save(const QImage& image, const QString& folder, const char* name) {
    QVERIFY(image.save(folder + "/" + name + ".bmp", "BMP"));
}

QImage Solid(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramUnderTest> program;

    AboutWindow& openAbout() {
        TheMenuBar1().FindItem("HelpAbout")->Action()->trigger();
        return Implicit<AboutWindow>();
    }
    template <class Paint> QImage painted(int width, int height, Paint paint) {
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        ImageGraphics g(image);
        paint(g);
        return image;
    }

  private slots:
    void init() { program = std::make_unique<ProgramUnderTest>(); }
    void cleanup() { program.reset(); }

    void bothLayouts() {
        AboutWindow& about = openAbout();
        QCOMPARE(about.StatAppName->Text(), QString("Quendle"));
        QVERIFY(about.StatAppVersion->Text().startsWith("Version "));
        QCOMPARE(about.StatAppCopyright->Text().count('\n'), 1);
        QVERIFY(about.StatAppCopyright->Text().contains("Quendle"));
        for (bool credits : {false, true}) {
            about.Show(credits);
            QCOMPARE(about.Height(), credits ? 366 : 218);
            QCOMPARE(about.Width(), 284);
            QCOMPARE(about.EditAppCredits->Visible(), credits);
            if (credits)
                QCOMPARE(about.EditAppCredits->Widget()->geometry(), QRect(0, 132, 284, 140));
            QCOMPARE(about.StatAppCopyright->Top(), credits ? 280 : 132);
            QCOMPARE(about.QxIconCanvas->Top(), credits ? 324 : 176);
            QCOMPARE(about.Host()->minimumSize(), about.Host()->maximumSize());
        }
    }

    void versionStrings_data() {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("shown");
        QTest::newRow("development") << 0 << "Version 1.2.3 (Dev. 5)";
        QTest::newRow("alpha") << 1 << "Version 1.2.3a (5)";
        QTest::newRow("beta") << 2 << "Version 1.2.3b (5)";
        QTest::newRow("final") << 3 << "Version 1.2.3 (5)";
        QTest::newRow("release") << 4 << "Version 1.2.3";
        QTest::newRow("negative") << -1 << "Version 1.2.3";
        QTest::newRow("far out") << 2147483647 << "Version 1.2.3";
    }
    void versionStrings() {
        QFETCH(int, stage);
        QFETCH(QString, shown);
        App& app = TheApp();
        app.MajorVersion = 1;
        app.MinorVersion = 2;
        app.BugVersion = 3;
        app.NonReleaseVersion = 5;
        app.StageCode = stage;
        QCOMPARE(openAbout().StatAppVersion->Text(), shown);
    }

    void creditsStyledOnceAfterTwoCommands() {
        AboutWindow& about = openAbout();
        // Scrolled and selected in, then About again: the credits start over,
        // at the top with nothing selected.
        EditField& credits = *about.EditAppCredits;
        QScrollBar* bar = static_cast<QTextEdit*>(credits.Widget())->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        credits.SetSelStart(3);
        credits.SetSelLength(4);
        QCOMPARE(&openAbout(), &about);
        QCOMPARE(credits.SelLength(), 0);
        QCOMPARE(credits.SelStart(), 0);
        QCOMPARE(bar->value(), 0);
        int abouts = 0;
        for (Window* w : TheApp().Windows())
            abouts += dynamic_cast<AboutWindow*>(w) != nullptr;
        QCOMPARE(abouts, 1);
        const QString shown = credits.Text();
        QCOMPARE(shown.count("Author:"), 1);
        QCOMPARE(shown.count('\n'), 6);
        QVERIFY(!shown.contains('<'));
        QCOMPARE(StyleOf(credits, "Author:"), QString("b12"));
        QCOMPARE(StyleOf(credits, "quendle@example.org"), QString("12"));
        QCOMPARE(StyleOf(credits, "Disclaimer:"), QString("b12"));
        QCOMPARE(StyleOf(credits, "QUENDLE IS PROVIDED"), QString("10"));
    }

    void untaggedCreditsKeepTagsSelectionAndScroll() {
        auto* probe = new CreditsProbe;
        probe->Construct();
        probe->Show(true);
        EditField& credits = *probe->EditAppCredits;
        const QString text = AboutWindow::CreditsText();
        probe->SetCreditsFieldText(text, false);
        credits.SetSelStart(3);
        credits.SetSelLength(4);
        QScrollBar* bar = static_cast<QTextEdit*>(credits.Widget())->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        probe->SetCreditsFieldText(text, false);
        QCOMPARE(credits.Text(), text);
        QCOMPARE(credits.SelStart(), 3);
        QCOMPARE(credits.SelLength(), 4);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(StyleOf(credits, "Author:"), QString("12"));
        probe->Close();
    }

    void badgePressOpensThePageOnce() {
        AboutWindow& about = openAbout();
        QWidget* badge = about.QxIconCanvas->Widget();
        QTest::mousePress(badge, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(program->fake.urls, QStringList{"https://www.qt.io/"});
        QTest::mouseMove(badge, QPoint(50, 10));
        QTest::mouseRelease(badge, Qt::LeftButton, {}, QPoint(50, 10));
        QCOMPARE(program->fake.urls.size(), 1);
    }

    void picturesFromPaintedPixels() {
        QTemporaryDir folder;
        program->fake.resourcesFolder = folder.path();
        AboutWindow& about = openAbout();
        // Nothing to draw, and nothing fails.
        QImage empty = painted(64, 64, [&](Graphics& g) { about.AppIconCanvas_Paint(g); });
        QCOMPARE(empty.pixel(32, 32), qRgba(0, 0, 0, 0));

        // A small icon fills the canvas; its mask's white half is see-through.
        Save(Solid(8, 8, Qt::red), folder.path(), "AboutIcon");
        QImage mask = Solid(8, 8, Qt::black);
        for (int y = 0; y < 8; ++y)
            for (int x = 4; x < 8; ++x)
                mask.setPixel(x, y, qRgb(255, 255, 255));
        Save(mask, folder.path(), "AboutMask");
        QImage icon = painted(64, 64, [&](Graphics& g) { about.AppIconCanvas_Paint(g); });
        QCOMPARE(icon.pixel(1, 1), qRgb(255, 0, 0));
        QCOMPARE(icon.pixel(1, 62), qRgb(255, 0, 0));
        QCOMPARE(qAlpha(icon.pixel(62, 62)), 0);

        // A large badge without a mask is cut to its top-left 216 x 30, opaque.
        QImage big = Solid(300, 40, Qt::blue);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 216; ++x)
                big.setPixel(x, y, qRgb(0, 128, 0));
        Save(big, folder.path(), "VaZeDoZi");
        QImage badge = painted(216, 30, [&](Graphics& g) { about.QxIconCanvas_Paint(g); });
        QCOMPARE(badge.pixel(0, 0), qRgb(0, 128, 0));
        QCOMPARE(badge.pixel(215, 29), qRgb(0, 128, 0));
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
