// The Help window, opened from the Help menu of the real program.
#include <QAction>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

#include "App.h"
#include "MenuBar1.h"
#include "ProgramUnderTest.h"
#include "ui/EditField.h"
#include "ui/MenuBar.h"
#include "winHelp.h"
#include "winMain.h"
#include "winSet.h"

class HelpTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramUnderTest> program;

    winHelp& openHelp() {
        TheMenuBar1().FindItem("HelpHelp")->Action()->trigger();
        return Implicit<winHelp>();
    }
    static QTextEdit* view(winHelp& help) {
        return static_cast<QTextEdit*>(help.EditField1->Widget());
    }
    static QString styleOf(EditField& field, const QString& piece) {
        field.SetSelStart(field.Text().indexOf(piece));
        field.SetSelLength(1);
        return QString(field.SelBold() ? "b" : "") + (field.SelItalic() ? "i" : "") +
               QString::number(field.SelTextSize());
    }

  private slots:
    void init() { program = std::make_unique<ProgramUnderTest>(); }
    void cleanup() { program.reset(); }

    void opensStyledAtTheTop() {
        winHelp& help = openHelp();
        QVERIFY(help.Host()->isVisible());
        QCOMPARE(help.Title(), QString("Help"));
        EditField& field = *help.EditField1;
        const QString shown = field.Text();
        QVERIFY(shown.startsWith("Quendle - Help\n\nContents\n- Overview\n"));
        QVERIFY(!shown.contains('<'));
        QVERIFY(!shown.contains('>'));
        QCOMPARE(shown.count('\n'), winHelp::HelpText().count('\n'));
        QVERIFY(!shown.endsWith('\n'));
        QCOMPARE(field.SelLength(), 0);
        QCOMPARE(view(help)->verticalScrollBar()->value(), 0);
        QVERIFY(view(help)->verticalScrollBar()->maximum() > 0);
        QCOMPARE(view(help)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        QCOMPARE(styleOf(field, "Quendle - Help"), QString("b14"));
        QCOMPARE(styleOf(field, "Contents"), QString("b12"));
        QCOMPARE(styleOf(field, "- Overview"), QString("12"));
        QCOMPARE(styleOf(field, "Setting the Start Time"), QString("bi12"));
        QCOMPARE(styleOf(field, "Timer/Set..."), QString("i12"));
        QCOMPARE(styleOf(field, "Choose"), QString("12"));
        QCOMPARE(styleOf(field, "Suspend Screensaver"), QString("i12"));
        QCOMPARE(styleOf(field, "Ctrl+T"), QString("i12"));
    }

    void aSecondCommandBringsAMinimisedWindowBack() {
        winHelp& help = openHelp();
        QVERIFY(QTest::qWaitForWindowExposed(help.Host()));
        help.Host()->showMinimized();
        QTRY_VERIFY(help.Host()->isMinimized());
        QCOMPARE(&openHelp(), &help);
        QVERIFY(!help.Host()->isMinimized());
        QVERIFY(help.Host()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(help.Host()));
    }

    // One menu bar serves the program: its shortcuts act from the Help
    // window too, after the same enabling as anywhere.
    void menuShortcutsActFromTheHelpWindow() {
        winMain& main = program->Main();
        main.CurrentSeconds = 60;
        winHelp& help = openHelp();
        QVERIFY(QTest::qWaitForWindowActive(help.Host()));
        QTest::keyClick(view(help), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(main.IsRunning);
        QTest::keyClick(view(help), Qt::Key_T, Qt::ControlModifier); // disabled while running
        for (Window* w : TheApp().Windows())
            QVERIFY(!dynamic_cast<winSet*>(w));
        QTest::keyClick(view(help), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(!main.IsRunning);
    }

    void fieldOverhangsEveryEdge() {
        winHelp& help = openHelp();
        for (QSize size : {QSize(400, 400), QSize(64, 64), QSize(700, 300)}) {
            help.SetWidth(size.width());
            help.SetHeight(size.height());
            QCOMPARE(QSize(help.Width(), help.Height()), size);
            QCOMPARE(help.EditField1->Widget()->geometry(),
                     QRect(-1, -1, size.width() + 2, size.height() + 2));
        }
    }

    void typingChangesNothing() {
        winHelp& help = openHelp();
        const QString before = help.EditField1->Text();
        help.EditField1->SetFocus();
        QTest::keyClicks(view(help), "typed");
        QTest::keyClick(view(help), Qt::Key_Delete);
        QTest::keyClick(view(help), Qt::Key_Backspace);
        QTest::keyClick(view(help), Qt::Key_Return);
        QCOMPARE(help.EditField1->Text(), before);
    }

    void secondCommandKeepsTheWindowAsLeft() {
        winHelp& help = openHelp();
        QScrollBar* bar = view(help)->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const int scrolled = bar->value();
        QVERIFY(scrolled > 0);
        QVERIFY(help.EditField1->ScrollPosition() > 0);
        QCOMPARE(&openHelp(), &help);
        QCOMPARE(bar->value(), scrolled);

        // A closed window is not reused: the next one starts at the top.
        help.Close();
        winHelp& next = openHelp();
        QVERIFY(!next.IsClosed());
        QCOMPARE(view(next)->verticalScrollBar()->value(), 0);
        QCOMPARE(next.EditField1->ScrollPosition(), 0);
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
