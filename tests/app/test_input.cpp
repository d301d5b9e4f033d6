// The main window's menu bar, keys, pointer and full screen.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <QClipboard>

#include "App.h"
#include "MenuBar1.h"
#include "ProgramUnderTest.h"
#include "system/Timer.h"
#include "ui/Canvas.h"
#include "ui/EditField.h"
#include "winHelp.h"
#include "winMain.h"
#include "winSet.h"

namespace {
// Stands for a window system that maximises at once, inside the call that
// asks for it, where the toolkit's own answer comes only later.
class MaximisesAtOnce : public QObject {
  public:
    explicit MaximisesAtOnce(QWidget* host) : mHost(host) { host->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == mHost && event->type() == QEvent::WindowStateChange &&
            mHost->windowState() == Qt::WindowMaximized) {
            mHost->removeEventFilter(this);
            // Less than the whole screen, as beside a panel.
            mHost->setGeometry(mHost->screen()->availableGeometry().adjusted(0, 0, 0, -40));
        }
        return false;
    }

  private:
    QWidget* mHost;
};
} // namespace

class InputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramUnderTest> program;
    FakeServices* fake = nullptr;
    winMain* w = nullptr;

    void startCount(int seconds) {
        w->CurrentSeconds = seconds;
        w->ToggleTimer();
        QVERIFY(w->IsRunning);
    }
    void reachAlert() {
        startCount(1);
        fake->advanceSeconds(1);
        w->Find<Timer>("Timer1").Fire();
        QVERIFY(w->IsDone);
    }
    MenuItem* item(const char* name) { return TheMenuBar1().FindItem(name); }
    QWidget* canvasWidget() { return w->Find<Canvas>("cvTime").Widget(); }

  private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        fake = &program->fake;
        w = &program->Main();
        QVERIFY(program->Activate());
    }
    void cleanup() { program.reset(); }

    void barHoldsFiveMenusInOrder() {
        MenuBar1& bar = TheMenuBar1();
        QCOMPARE(&bar, &TheMenuBar1());
        QCOMPARE(TheApp().AppMenuBar(), static_cast<MenuBar*>(&bar));
        QCOMPARE(w->WindowMenuBar(), static_cast<MenuBar*>(&bar));
        const QStringList names{"FileMenu", "EditMenu", "TimerMenu", "ViewMenu", "HelpMenu"};
        const QList<int> counts{2, 8, 2, 1, 6};
        QCOMPARE(bar.Count(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(bar.Item(i)->Name, names[i]);
            QCOMPARE(bar.Item(i)->Count(), counts[i]);
        }
        QMenuBar* widget = bar.WidgetFor(*w);
        QVERIFY(widget);
        QCOMPARE(widget->actions().size(), 5);
        QCOMPARE(widget->actions()[2]->text(), QString("&Timer"));
        QCOMPARE(bar.Item(1)->Item(1)->Name, QString("UntitledMenu1"));
        QVERIFY(bar.Item(1)->Item(1)->IsSeparator());
        QVERIFY(bar.Item(1)->Menu()->actions()[1]->isSeparator());
    }

    void itemsAreFoundByNameWithTheirProperties() {
        MenuItem* start = item("TimerStart");
        QVERIFY(start);
        QCOMPARE(start, TheMenuBar1().Child("TimerMenu")->Item(1));
        QCOMPARE(start, w->TimerStart());
        QCOMPARE(TheMenuBar1().Child("TimerMenu"), w->TimerMenu());
        QCOMPARE(item("TimerSet")->Action()->shortcut(), QKeySequence("Ctrl+T"));
        QCOMPARE(item("FilePreferences")->Action()->shortcut(), QKeySequence("Ctrl+,"));
        QCOMPARE(item("FilePreferences")->ItemRole(), MenuItem::Role::Preferences);
        QCOMPARE(item("FileQuit")->ItemRole(), MenuItem::Role::Quit);
        QCOMPARE(item("HelpAbout")->ItemRole(), MenuItem::Role::About);
        QCOMPARE(item("HelpAbout")->Text(), QString("&About Quendle..."));
        QVERIFY(!item("TimerSet")->AutoEnable && !item("FilePreferences")->AutoEnable);
        QVERIFY(item("EditClear")->Action()->shortcut().isEmpty());
        QCOMPARE(TheMenuBar1().Child("TimerStart"), nullptr); // Child looks one level down
    }

    void timerMenuFollowsTheState() {
        w->PrepareMenus();
        QCOMPARE(item("TimerStart")->Text(), QString("Start"));
        QVERIFY(item("TimerSet")->Enabled() && item("FilePreferences")->Enabled());
        QVERIFY(item("TimerStart")->Enabled() && item("ViewToggleFullscreen")->Enabled());
        QVERIFY(item("HelpDonate")->Enabled() && item("FileQuit")->Enabled());
        QVERIFY(!item("EditCopy")->Enabled()); // no text field has the focus

        startCount(30);
        w->PrepareMenus();
        QCOMPARE(item("TimerStart")->Text(), QString("Stop"));
        QVERIFY(!item("TimerSet")->Enabled() && !item("FilePreferences")->Enabled());
        QVERIFY(item("TimerStart")->Enabled());

        w->ToggleTimer();
        w->CurrentSeconds = 0;
        reachAlert();
        w->PrepareMenus();
        QCOMPARE(item("TimerStart")->Text(), QString("Dismiss"));
        QVERIFY(!item("TimerSet")->Enabled() && !item("FilePreferences")->Enabled());
    }

    void shortcutsObeyTheEnablingAtOnce() {
        int sets = 0;
        w->AddMenuHandler("TimerSet", [&] { return ++sets > 0; });
        QTest::keyClick(w->Host(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(sets, 1);
        // Ctrl+R starts; the next Ctrl+T finds Set disabled without any menu
        // having been opened in between.
        w->CurrentSeconds = 30;
        QTest::keyClick(w->Host(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(w->IsRunning);
        QTest::keyClick(w->Host(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(sets, 1);
        QTest::keyClick(w->Host(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(!w->IsRunning);
        QTest::keyClick(w->Host(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(sets, 2);
    }

    void shortcutsWorkWithTheMenuBarHidden() {
        w->SetMenuBarVisible(false);
        w->CurrentSeconds = 30;
        QTest::keyClick(w->Host(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(w->IsRunning);
    }

    void quitItemQuitsWithZero() {
        item("FileQuit")->Action()->trigger();
        QCOMPARE(fake->quitCodes, QList<int>{0});
    }

    // The window manager's close box, whatever the count is doing.
    void closingTheWindowQuitsWithZero() {
        startCount(30);
        CloseFromTitleBar(*w);
        QVERIFY(w->IsClosed());
        QCOMPARE(fake->quitCodes, QList<int>{0});
    }

    void editCommandsActOnTheFocusedField() {
        QTest::keyClick(w->Host(), Qt::Key_T, Qt::ControlModifier);
        auto& set = Implicit<winSet>();
        QVERIFY(QTest::qWaitForWindowActive(set.Host()));
        auto& field = set.Find<EditField>("eMin");
        field.SetText("42");
        field.SetFocus();
        QTRY_VERIFY(field.HasFocus());
        field.SetSelStart(0);
        field.SetSelLength(2);
        w->PrepareMenus();
        QVERIFY(item("EditCopy")->Enabled() && item("EditCut")->Enabled());
        item("EditCopy")->Action()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("42"));
        item("EditClear")->Action()->trigger();
        QCOMPARE(field.Text(), QString());
        w->PrepareMenus();
        QVERIFY(!item("EditCopy")->Enabled() && item("EditPaste")->Enabled());
        item("EditPaste")->Action()->trigger();
        QCOMPARE(field.Text(), QString("42"));
        w->PrepareMenus();
        item("EditSelectAll")->Action()->trigger();
        QCOMPARE(field.SelLength(), 2);
    }

    void startKeysActInEveryState_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void startKeysActInEveryState() {
        QFETCH(int, key);
        w->CurrentSeconds = 10;
        QTest::keyClick(w->Host(), Qt::Key(key));
        QVERIFY(w->IsRunning);
        QTest::keyClick(w->Host(), Qt::Key(key));
        QVERIFY(!w->IsRunning);
        w->CurrentSeconds = 0;
        reachAlert();
        QTest::keyClick(w->Host(), Qt::Key(key));
        QVERIFY(!w->IsDone && !w->IsRunning);
        // The keys as the window's KeyDown sees them: handled in every state.
        const QString text = key == Qt::Key_Return  ? QString(QChar(13))
                             : key == Qt::Key_Enter ? QString(QChar(3))
                                                    : QString(" ");
        QVERIFY(w->Event_KeyDown(text)); // paused at 0: Start changes nothing
        QVERIFY(!w->IsRunning);
    }

    void otherKeysAreLeftAlone() {
        w->CurrentSeconds = 10;
        for (const QString& key : {QString(QChar(27)), QString(QChar(9)), QString("a"),
                                   QString("T"), QString("5"), QString("0"), QString()})
            QVERIFY(!w->Event_KeyDown(key));
        QTest::keyClick(w->Host(), Qt::Key_Escape);
        QTest::keyClick(w->Host(), Qt::Key_Tab);
        QTest::keyClick(w->Host(), Qt::Key_A);
        QTest::keyClick(w->Host(), Qt::Key_7);
        QVERIFY(!w->IsRunning && !w->IsClosed());
    }

    void pointerOverTheStateIcon_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("finger");
        QTest::newRow("10,10") << QPoint(10, 10) << true;
        QTest::newRow("26,26") << QPoint(26, 26) << true;
        QTest::newRow("10,26") << QPoint(10, 26) << true;
        QTest::newRow("9,15") << QPoint(9, 15) << false;
        QTest::newRow("27,15") << QPoint(27, 15) << false;
        QTest::newRow("15,9") << QPoint(15, 9) << false;
        QTest::newRow("15,27") << QPoint(15, 27) << false;
    }
    void pointerOverTheStateIcon() {
        QFETCH(QPoint, at);
        QFETCH(bool, finger);
        QTest::mouseMove(canvasWidget(), QPoint(200, 100));
        QCOMPARE(TheApp().CurrentMouseCursor(), MouseCursor::StandardPointer);
        QTest::mouseMove(canvasWidget(), at);
        QCOMPARE(TheApp().CurrentMouseCursor(),
                 finger ? MouseCursor::FingerPointer : MouseCursor::StandardPointer);
        QCOMPARE(QGuiApplication::overrideCursor() != nullptr, finger);
    }

    void pressOnTheIconToggles() {
        w->CurrentSeconds = 10;
        QVERIFY(!w->cvTime_MouseDown(27, 26));
        QVERIFY(!w->IsRunning);
        QVERIFY(!w->cvTime_MouseDown(26, 26));
        QVERIFY(w->IsRunning);
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!w->IsRunning);
        w->CurrentSeconds = 0;
        reachAlert();
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, {}, QPoint(18, 18));
        QVERIFY(!w->IsDone);
    }

    void fullScreenRestoresTheExactBounds() {
        w->SetLeft(100);
        w->SetTop(80);
        w->SetWidth(600);
        w->SetHeight(200);
        const QRect before(w->Left(), w->Top(), w->Width(), w->Height());
        QCOMPARE(before, QRect(100, 80, 600, 200));
        MaximisesAtOnce windowSystem(w->Host()); // the bounds are taken before maximising
        QVERIFY(w->HandleMenu("ViewToggleFullscreen"));
        QVERIFY(w->FullScreen());
        QVERIFY(!w->MenuBarVisible());
        const QRect screen = w->Host()->screen()->geometry();
        QTRY_COMPARE(w->Width(), screen.width());
        QTRY_COMPARE(w->Height(), screen.height());
        QCOMPARE(w->Find<Canvas>("cvTime").Height(), screen.height());
        QVERIFY(w->HandleMenu("ViewToggleFullscreen"));
        QVERIFY(!w->FullScreen());
        QVERIFY(w->MenuBarVisible());
        QCOMPARE(QRect(w->Left(), w->Top(), w->Width(), w->Height()), before);
    }

    // A window that already covers the screen keeps its size in and out of
    // full screen; the room the menu bar gives up must reach the canvas,
    // and the room it takes back must leave it.
    void fullScreenOfAScreenSizedWindowResizesTheCanvas() {
        w->Host()->setGeometry(w->Host()->screen()->geometry());
        QCoreApplication::processEvents();
        const Canvas& canvas = w->Find<Canvas>("cvTime");
        for (bool fullScreen : {true, false}) {
            w->HandleMenu("ViewToggleFullscreen");
            QCoreApplication::processEvents();
            QCOMPARE(w->FullScreen(), fullScreen);
            QCOMPARE(canvas.Height(), w->Height());
            QCOMPARE(canvas.Width(), w->Width());
        }
        QVERIFY(w->Content()->y() > 0); // below the bar again
    }

    void fullScreenFromMaximisedReturnsToMaximised() {
        w->Maximize();
        QCoreApplication::processEvents();
        const QRect maximised(w->Left(), w->Top(), w->Width(), w->Height());
        w->HandleMenu("ViewToggleFullscreen");
        w->HandleMenu("ViewToggleFullscreen");
        QCOMPARE(QRect(w->Left(), w->Top(), w->Width(), w->Height()), maximised);
    }

    // The pointer gives the window its keyboard focus, but does not take
    // the activation from the Help window in front of it.
    void menuBarShowsNearTheTopAndThePointerFocusesInFullScreen() {
        w->HandleMenu("ViewToggleFullscreen");
        w->HandleMenu("HelpHelp");
        QWidget* help = Implicit<winHelp>().Host();
        QVERIFY(QTest::qWaitForWindowActive(help));
        w->Host()->clearFocus();
        QTest::mouseMove(canvasWidget(), QPoint(300, 10));
        QVERIFY(w->MenuBarVisible());
        QCOMPARE(w->Host()->focusWidget(), w->Host());
        QCoreApplication::processEvents();
        QVERIFY(help->isActiveWindow());
        // Shown over the display, not pushing it down.
        QCOMPARE(w->Find<Canvas>("cvTime").Top(), 0);
        QCOMPARE(w->Content()->y(), 0);
        // The shown bar covers the eleventh row, so the display's own rule
        // is asked directly: one row lower hides it.
        w->Event_MouseMove(300, 11);
        QVERIFY(!w->MenuBarVisible());
        QTest::mouseMove(canvasWidget(), QPoint(5, 0));
        QVERIFY(w->MenuBarVisible());
        // Hidden again as the pointer moves down off the bar; one row too
        // low does not bring it back.
        QTest::mouseMove(canvasWidget(), QPoint(300, 40));
        QVERIFY(!w->MenuBarVisible());
        QTest::mouseMove(canvasWidget(), QPoint(300, 11));
        QVERIFY(!w->MenuBarVisible());
    }

    // The bar is no part of the display: the pointer on it keeps it shown,
    // and a click on a menu's title opens the menu, not the state icon
    // beneath it. The click goes to the window by its place, as the
    // window system sends it.
    void inFullScreenTheBarStaysUnderThePointer() {
        w->CurrentSeconds = 60;
        w->HandleMenu("ViewToggleFullscreen");
        QTest::mouseMove(canvasWidget(), QPoint(300, 5));
        QVERIFY(w->MenuBarVisible());
        QMenuBar* bar = TheMenuBar1().WidgetFor(*w);
        const QPoint onFile(18, 14);
        QVERIFY(bar->actionGeometry(item("FileMenu")->Action()).contains(onFile));
        w->cvTime_MouseDown(onFile.x(), onFile.y()); // the icon lies beneath
        QVERIFY(w->IsRunning);
        w->ToggleTimer();
        QTest::mouseMove(canvasWidget(), onFile);
        QVERIFY(w->MenuBarVisible());
        QTest::mouseClick(w->Host()->windowHandle(), Qt::LeftButton, {}, onFile);
        QTRY_VERIFY(item("FileMenu")->Menu()->isVisible());
        QVERIFY(!w->IsRunning);
        item("FileMenu")->Menu()->close();
        QTest::mouseMove(canvasWidget(), QPoint(300, 40));
        QVERIFY(!w->MenuBarVisible());
    }

    void pointerAtTheTopDoesNothingInAWindow() {
        QTest::mouseMove(canvasWidget(), QPoint(300, 0));
        QVERIFY(w->MenuBarVisible());
        w->SetMenuBarVisible(false);
        w->Event_MouseMove(300, 0);
        QVERIFY(!w->MenuBarVisible());
    }
};

QTEST_MAIN(InputTest)
#include "test_input.moc"
