// The "Preferences" sheet on the real main window, with a fake font list,
// a fake colour picker and timers fired by hand.
#include <QApplication>
#include <QCloseEvent>
#include <QtTest>

#include "App.h"
#include "PaintSpy.h"
#include "ProgramUnderTest.h"
#include "RecordingGraphics.h"
#include "SmartColorWell.h"
#include "system/Timer.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/GroupBox.h"
#include "ui/PopupMenu.h"
#include "ui/PushButton.h"
#include "ui/StaticText.h"
#include "winMain.h"
#include "winPrefs.h"

namespace {

const Color kBackground = RGB(10, 20, 30);
const Color kDigits = RGB(40, 50, 60);
const Color kShadow = RGB(70, 80, 90);
const Color kLastMin = RGB(100, 110, 120);
const Color kLast10 = RGB(130, 140, 150);

QStringList rowsOf(const PopupMenu& popup) {
    QStringList rows;
    for (int i = 0; i < popup.ListCount(); ++i)
        rows << popup.List(i);
    return rows;
}

void click(RectControl* control) {
    QTest::mouseClick(control->Widget(), Qt::LeftButton, {}, QPoint(5, control->Height() / 2));
}

// A click that waits in the event queue, as one made while the program is busy.
void postClick(RectControl* control) {
    QWidget* widget = control->Widget();
    const QPoint at(5, control->Height() / 2);
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at,
                                                        widget->mapToGlobal(at), Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at,
                                                        widget->mapToGlobal(at), Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// The digits of one paint of the preview: their text, colour and style.
RecordingGraphics::Op previewDigits(winPrefs* s) {
    RecordingGraphics g(375, 138);
    s->cvTime_Paint(g);
    return g.OpsOf("DrawString").back();
}

winPrefs* openSheet() {
    for (Window* w : Application::Instance()->Windows())
        if (auto* s = dynamic_cast<winPrefs*>(w); s && !s->IsClosed())
            return s;
    return nullptr;
}

int sheetCount() {
    int n = 0;
    for (Window* w : Application::Instance()->Windows())
        n += dynamic_cast<winPrefs*>(w) && !w->IsClosed();
    return n;
}

} // namespace

class WinPrefsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramUnderTest> program;
    FakeServices* fake = nullptr;
    winMain* w = nullptr;

    winPrefs* open() {
        w->FilePreferences_Action();
        winPrefs* s = openSheet();
        if (s && !QTest::qWaitFor([&] { return QApplication::activeWindow() == s->Host(); }))
            qWarning("the sheet did not become the active window");
        return s;
    }
    void setColours() {
        App& app = TheApp();
        app.Color_Background = kBackground;
        app.Color_Font = kDigits;
        app.Color_Shadow = kShadow;
        app.Color_LastMin = kLastMin;
        app.Color_Last10Sec = kLast10;
    }
    QList<Color> colours() {
        const App& app = TheApp();
        return {app.Color_Background, app.Color_Font, app.Color_Shadow, app.Color_LastMin,
                app.Color_Last10Sec};
    }
    // All ten settings in one text: the five options, then the colours.
    QString settings() {
        const App& app = TheApp();
        QStringList parts{app.Pref_Font, QString::number(app.Pref_Bold),
                          QString::number(app.Pref_Italic), QString::number(app.Pref_UseShadow),
                          QString::number(app.Pref_SuspendScreensaver)};
        for (Color c : colours())
            parts << QString::number(c.Value(), 16);
        return parts.join('|');
    }
    QList<Color> defaultColours() {
        return {RGB(0x9F, 0x9F, 0x9F), RGB(0, 0, 0), RGB(0xFF, 0xFF, 0xFF), RGB(0xCF, 0, 0),
                RGB(0xFF, 0, 0)};
    }

  private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        fake = &program->fake;
        w = &program->Main();
        fake->fonts = QStringList{"Zeta", "alpha", "Mono"};
        QVERIFY(program->Activate());
    }
    void cleanup() { program.reset(); }

    void ctrlCommaOpensASheetOnTheDefaultsUnchanged() {
        QTest::keyClick(w->Host(), Qt::Key_Comma, Qt::ControlModifier);
        winPrefs* s = openSheet();
        QVERIFY(s);
        QCOMPARE(s->Host()->parentWidget(), w->Host());
        QCOMPARE(s->Host()->windowModality(), Qt::WindowModal);
        QCOMPARE(s->Title(), QString("Preferences"));
        QCOMPARE(QSize(s->Width(), s->Height()), QSize(445, 609));
        QCOMPARE(rowsOf(*s->pFont),
                 QStringList({"alpha", "Mono", "SmallSystem", "System", "Zeta"}));
        QCOMPARE(s->pFont->Text(), QString("System"));
        QVERIFY(s->cBold->Value() && !s->cItalic->Value() && !s->cSuspend->Value());
        QVERIFY(s->cShadow->Value());
        QCOMPARE(QList<Color>({s->cBackground->getColor(), s->cFont->getColor(),
                               s->cDropshadow->getColor(), s->cLastMin->getColor(),
                               s->cLast10Sec->getColor()}),
                 defaultColours());
        QCOMPARE(TheApp().Pref_Font, QString("System"));
        QCOMPARE(colours(), defaultColours());
        // Controls inside a group box are placed in window coordinates.
        QCOMPARE(s->cvTime->Widget()->parentWidget(), s->GroupBox3->Widget());
        QCOMPARE(
            QRect(s->cvTime->Left(), s->cvTime->Top(), s->cvTime->Width(), s->cvTime->Height()),
            QRect(35, 339, 375, 138));
    }

    void everyControlStandsWhereTheDesignPutsIt() {
        const struct {
            const char* name;
            const char* parent; // "" for the window
            QRect bounds;       // in window coordinates
            const char* text;
        } design[] = {
            {"gSource", "", {20, 14, 405, 90}, "Font Options"},
            {"StaticText1", "gSource", {35, 42, 45, 20}, "Font:"},
            {"pFont", "gSource", {92, 42, 210, 20}, ""},
            {"cBold", "gSource", {34, 74, 70, 20}, "Bold"},
            {"cItalic", "gSource", {116, 74, 70, 20}, "Italic"},
            {"bCancel", "", {253, 567, 80, 22}, "Cancel"},
            {"bOK", "", {345, 567, 80, 22}, "OK"},
            {"GroupBox1", "", {20, 504, 405, 51}, "Other Options"},
            {"cSuspend",
             "GroupBox1",
             {35, 528, 377, 20},
             "Suspend Screensaver while timer is running"},
            {"GroupBox2", "", {20, 116, 405, 187}, "Color Options"},
            {"cBackground", "GroupBox2", {35, 146, 32, 32}, ""},
            {"StaticText4", "GroupBox2", {101, 149, 95, 20}, "Background"},
            {"cFont", "GroupBox2", {202, 146, 32, 32}, ""},
            {"StaticText3", "GroupBox2", {268, 149, 95, 20}, "Font"},
            {"cDropshadow", "GroupBox2", {202, 222, 32, 32}, ""},
            {"StaticText2", "GroupBox2", {268, 229, 95, 20}, "Drop Shadow"},
            {"cShadow", "GroupBox2", {35, 229, 151, 20}, "Use Drop Shadow"},
            {"StaticText5", "GroupBox2", {268, 187, 130, 20}, "Last 10 Seconds"},
            {"cLast10Sec", "GroupBox2", {202, 184, 32, 32}, ""},
            {"StaticText6", "GroupBox2", {101, 187, 95, 20}, "Last Minute"},
            {"cLastMin", "GroupBox2", {35, 184, 32, 32}, ""},
            {"bDefaults", "GroupBox2", {35, 266, 103, 22}, "Use Defaults"},
            {"GroupBox3", "", {20, 315, 405, 177}, "Preview"},
            {"cvTime", "GroupBox3", {35, 339, 375, 138}, ""},
        };
        winPrefs* s = open();
        for (const auto& row : design) {
            auto& control = s->Find<RectControl>(row.name);
            QCOMPARE(control.Parent() ? control.Parent()->Name() : QString(), QString(row.parent));
            QCOMPARE(QRect(control.Left(), control.Top(), control.Width(), control.Height()),
                     row.bounds);
            QString text;
            if (auto* group = dynamic_cast<GroupBox*>(&control))
                text = group->Caption();
            else if (auto* box = dynamic_cast<CheckBox*>(&control))
                text = box->Caption();
            else if (auto* button = dynamic_cast<PushButton*>(&control))
                text = button->Caption();
            else if (auto* label = dynamic_cast<StaticText*>(&control))
                text = label->Text();
            QCOMPARE(text, QString(row.text));
        }
    }

    void theStoredFontIsMatchedToItsLastEqualRow_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("chosen");
        QTest::newRow("not installed")
            << QStringList{"Mono"} << "Gone" << QStringList{"Mono", "SmallSystem", "System"} << -1;
        QTest::newRow("installed System")
            << QStringList{"System", "Arial"} << "System"
            << QStringList{"Arial", "SmallSystem", "System", "System"} << 3;
        QTest::newRow("other case")
            << QStringList{"mono"} << "MONO" << QStringList{"mono", "SmallSystem", "System"} << 0;
        QTest::newRow("no fonts") << QStringList{} << "System"
                                  << QStringList{"SmallSystem", "System"} << 1;
        // A name stored with a foundry, from the font database's own list.
        QTest::newRow("foundry") << QStringList{"Nimbus Sans", "C059"} << "Nimbus Sans [URW ]"
                                 << QStringList{"C059", "Nimbus Sans", "SmallSystem", "System"}
                                 << 1;
        QTest::newRow("foundry, not installed")
            << QStringList{"Mono"} << "Gone [URW ]" << QStringList{"Mono", "SmallSystem", "System"}
            << -1;
        QTest::newRow("brackets of its own")
            << QStringList{"Odd [x]", "Odd"} << "Odd [x]"
            << QStringList{"Odd", "Odd [x]", "SmallSystem", "System"} << 1;
    }
    void theStoredFontIsMatchedToItsLastEqualRow() {
        QFETCH(QStringList, installed);
        QFETCH(QString, stored);
        QFETCH(QStringList, rows);
        QFETCH(int, chosen);
        fake->fonts = installed;
        TheApp().Pref_Font = stored;
        winPrefs* s = open();
        QCOMPARE(rowsOf(*s->pFont), rows);
        QCOMPARE(s->pFont->ListIndex(), chosen);
        // OK stores what the popup shows, which with no row is the stored
        // name, kept as it was.
        const QString shown = s->pFont->Text();
        QCOMPARE(shown, chosen < 0 ? stored : rows[chosen]);
        s->bOK->Push();
        QCOMPARE(TheApp().Pref_Font, shown);
    }

    // The one road to the main window: its tick repaints in every state,
    // paused included, and each paint reads the settings afresh.
    void boldShowsInThePreviewAndAtTheMainWindowsNextTickUntilCancel() {
        TheApp().Pref_Bold = false;
        winPrefs* s = open();
        settle();
        auto& mainCanvas = w->Find<Canvas>("cvTime");
        const auto previewPaints = CountPaints(*s->cvTime);
        const auto mainPaints = CountPaints(mainCanvas);
        click(s->cBold);
        QVERIFY(TheApp().Pref_Bold);
        QVERIFY(previewDigits(s).bold);
        settle();
        QCOMPARE(*previewPaints, 1);
        // The other boxes repaint the preview at once as well.
        click(s->cItalic);
        settle();
        click(s->cShadow);
        settle();
        QVERIFY(TheApp().Pref_Italic && !TheApp().Pref_UseShadow);
        QCOMPARE(*previewPaints, 3);
        QCOMPARE(*mainPaints, 0);
        QVERIFY(!w->IsRunning && !w->IsDone);
        w->Find<Timer>("Timer1").Fire();
        settle();
        QCOMPARE(*mainPaints, 1);
        s->bCancel->Push();
        QVERIFY(s->IsClosed());
        QVERIFY(!TheApp().Pref_Bold);
        QVERIFY(!TheApp().Pref_Italic && TheApp().Pref_UseShadow);
    }

    void theScreensaverOptionWaitsForOK() {
        winPrefs* s = open();
        click(s->cSuspend);
        QVERIFY(s->cSuspend->Value());
        QVERIFY(!TheApp().Pref_SuspendScreensaver);
        s->bCancel->Push();
        QVERIFY(!TheApp().Pref_SuspendScreensaver);
        s = open();
        click(s->cSuspend);
        s->bOK->Push();
        QVERIFY(TheApp().Pref_SuspendScreensaver);
    }

    // "Use Defaults" changes the five colours and nothing else; Cancel then
    // puts back every one of the ten settings, whatever was edited.
    void useDefaultsTouchesOnlyTheColoursAndCancelPutsAllTenBack() {
        setColours();
        App& app = TheApp();
        app.Pref_Font = "Mono";
        app.Pref_Bold = false;
        app.Pref_Italic = true;
        app.Pref_UseShadow = false;
        app.Pref_SuspendScreensaver = true;
        const QString before = settings();
        winPrefs* s = open();
        s->bDefaults->Push();
        QCOMPARE(colours(), defaultColours());
        QCOMPARE(s->cLastMin->getColor(), RGB(0xCF, 0, 0));
        QCOMPARE(settings().section('|', 0, 4), before.section('|', 0, 4));
        QVERIFY(!s->cBold->Value() && s->cItalic->Value() && !s->cShadow->Value());

        s->pFont->SetListIndex(0);
        click(s->cBold);
        click(s->cItalic);
        click(s->cShadow);
        click(s->cSuspend);
        QVERIFY(app.Pref_Font != "Mono" && app.Pref_Bold && !app.Pref_Italic && app.Pref_UseShadow);
        s->bCancel->Push();
        QCOMPARE(settings(), before);
    }

    void useDefaultsThenOKSavesTheDefaultColoursOnly() {
        setColours();
        TheApp().Pref_Font = "Mono";
        TheApp().Pref_Italic = true;
        winPrefs* s = open();
        s->bDefaults->Push();
        s->bOK->Push();
        QVERIFY(s->IsClosed());
        setColours();
        TheApp().Pref_Font = "other";
        TheApp().Pref_Italic = false;
        w->ReadPrefs();
        QCOMPARE(colours(), defaultColours());
        QCOMPARE(TheApp().Pref_Font, QString("Mono"));
        QVERIFY(TheApp().Pref_Italic);
    }

    void thePreviewStepsThroughItsThreeColours() {
        setColours();
        winPrefs* s = open();
        QCOMPARE(s->Timer1->Mode(), int(Timer::Multiple));
        QCOMPARE(s->Timer1->Period(), 2000);
        const QList<QPair<QString, Color>> steps{{"12:34:56", kDigits},
                                                 {"00:00:55", kLastMin},
                                                 {"00:00:05", kLast10},
                                                 {"12:34:56", kDigits}};
        for (const auto& [text, colour] : steps) {
            const auto digits = previewDigits(s);
            QCOMPARE(digits.text, text);
            QCOMPARE(digits.color, colour);
            fake->advanceSeconds(2);
            s->Timer1->Fire();
        }
    }

    void eachOpeningStartsAfresh() {
        winPrefs* s = open();
        s->Timer1->Fire();
        click(s->cItalic);
        s->bOK->Push();
        s = open();
        QCOMPARE(s->CurrentSeconds, 45296);
        QVERIFY(s->cItalic->Value());
        click(s->cItalic);
        s->bCancel->Push();
        QVERIFY(TheApp().Pref_Italic);
        s = open();
        QVERIFY(s->cItalic->Value());
    }

    void returnPressesOKAndEscapeCancels() {
        winPrefs* s = open();
        click(s->cItalic);
        QTest::keyClick(s->cItalic->Widget(), Qt::Key_Escape);
        QVERIFY(s->IsClosed());
        QVERIFY(!TheApp().Pref_Italic);
        s = open();
        click(s->cItalic);
        click(s->cSuspend);
        QTest::keyClick(s->cItalic->Widget(), Qt::Key_Return);
        QVERIFY(s->IsClosed());
        QVERIFY(TheApp().Pref_SuspendScreensaver);
    }

    // Return presses the focused button, and OK's again once the focus
    // has moved on to another control.
    void returnPressesTheFocusedButton() {
        winPrefs* s = open();
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        // Bold off with the keys, then on to Cancel.
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab})
            press(key);
        QCOMPARE(QApplication::focusWidget(), s->bCancel->Widget());
        QVERIFY(!TheApp().Pref_Bold);
        press(Qt::Key_Return);
        QVERIFY(s->IsClosed());
        QVERIFY(TheApp().Pref_Bold);
        TheApp().Pref_Bold = false;
        w->ReadPrefs();
        QVERIFY(TheApp().Pref_Bold);

        setColours();
        s = open();
        s->bDefaults->SetFocus();
        press(Qt::Key_Return);
        QVERIFY(!s->IsClosed());
        QCOMPARE(colours(), defaultColours());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s->pFont->Widget());
        press(Qt::Key_Return);
        QVERIFY(s->IsClosed());
        setColours();
        w->ReadPrefs();
        QCOMPARE(colours(), defaultColours());
    }

    // The window manager may offer a close box the sheet does not have: it
    // is Cancel, and the sheet is gone after it, so that the next opening
    // shows the saved settings and OK saves nothing that was abandoned.
    void aCloseBoxCancelsAndTheNextSheetIsNew() {
        winPrefs* s = open();
        click(s->cBold);
        click(s->cItalic);
        s->Timer1->Fire();
        CloseFromTitleBar(*s);
        QVERIFY(s->IsClosed());
        QVERIFY(!s->Host()->isVisible());
        QVERIFY(TheApp().Pref_Bold && !TheApp().Pref_Italic);
        s = open();
        QVERIFY(s->cBold->Value() && !s->cItalic->Value());
        QCOMPARE(previewDigits(s).text, QString("12:34:56"));
        s->bOK->Push();
        TheApp().Pref_Italic = true;
        w->ReadPrefs();
        QVERIFY(!TheApp().Pref_Italic);
    }

    // OK's save yields to the event loop once per entry. What was pressed
    // meanwhile (Cancel, Escape, OK again) reaches a sheet that is closing
    // and does nothing: the settings are those saved, and the sheet is
    // not deleted under OK (the sanitizer build would see that).
    void pressesWhileOKSavesDoNothing() {
        winPrefs* s = open();
        click(s->cItalic);
        for (RectControl* control : QList<RectControl*>{s->bCancel, s->cBold})
            postClick(control);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return})
            QCoreApplication::postEvent(s->cBold->Widget(),
                                        new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        s->bOK->Push();
        QVERIFY(s->IsClosed());
        QVERIFY(TheApp().Pref_Italic && TheApp().Pref_Bold);
        TheApp().Pref_Italic = false;
        w->ReadPrefs();
        QVERIFY(TheApp().Pref_Italic && TheApp().Pref_Bold);
        settle();
        QCOMPARE(sheetCount(), 0);
    }

    // The push buttons take part, by TabIndex within their parent.
    void tabReachesTheFocusableControlsInOrder() {
        winPrefs* s = open();
        QVERIFY(s->pFont->HasFocus());
        for (RectControl* next :
             QList<RectControl*>{s->cBold, s->cItalic, s->bCancel, s->bOK, s->cSuspend, s->cShadow,
                                 s->bDefaults, s->pFont}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next->Widget());
        }
    }

    void aConfirmedPickOfTheSameColourStillWritesIt() {
        setColours();
        winPrefs* s = open();
        settle();
        const auto paints = CountPaints(*s->cvTime);
        TheApp().Color_Background = RGB(1, 2, 3);
        fake->pickerColor = kBackground;
        fake->pickerConfirms = true;
        QTest::mouseClick(s->cBackground->Widget(), Qt::LeftButton);
        QCOMPARE(TheApp().Color_Background, kBackground);
        settle();
        QCOMPARE(*paints, 1);
    }

    // A long font list yields many times; what the user does to the main
    // window meanwhile neither starts the count nor opens another sheet.
    void inputDuringTheFontListIsDropped() {
        fake->fonts.clear();
        for (int i = 0; i < 300; ++i)
            fake->fonts << QString("Font %1").arg(i);
        w->CurrentSeconds = 60;
        int yields = 0;
        bool acted = false;
        bool opening = true;
        std::function<void()> meanwhile = [&] {
            if (!opening)
                return;
            ++yields;
            if (yields == 1)
                QTest::keyClick(w->Host(), Qt::Key_R, Qt::ControlModifier);
            if (yields == 2)
                QTest::keyClick(w->Host(), Qt::Key_Return);
            if (yields == 3)
                QTest::keyClick(w->Host(), Qt::Key_Space);
            if (yields == 4)
                QTest::mouseClick(w->Find<Canvas>("cvTime").Widget(), Qt::LeftButton, {},
                                  QPoint(15, 15));
            if (yields == 5)
                QTest::keyClick(w->Host(), Qt::Key_Comma, Qt::ControlModifier);
            acted = acted || w->IsRunning || (openSheet() && openSheet()->Host()->isVisible());
            QMetaObject::invokeMethod(qApp, meanwhile, Qt::QueuedConnection);
        };
        QMetaObject::invokeMethod(qApp, meanwhile, Qt::QueuedConnection);
        QTest::keyClick(w->Host(), Qt::Key_Comma, Qt::ControlModifier);
        opening = false;
        QVERIFY(yields >= 600);
        QVERIFY(!acted);
        QVERIFY(!w->IsRunning);
        QCOMPARE(sheetCount(), 1);
        QCOMPARE(openSheet()->pFont->ListCount(), 302);
    }
};

QTEST_MAIN(WinPrefsTest)
#include "test_winprefs.moc"
