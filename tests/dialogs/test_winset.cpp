// The "Set Timer" sheet, driven with typed keys and clicks on its widgets.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <climits>

#include "ProgramUnderTest.h"
#include "system/Timer.h"
#include "ui/EditField.h"
#include "ui/PushButton.h"
#include "ui/StaticText.h"
#include "ui/UpDownArrows.h"
#include "winHelp.h"
#include "winMain.h"
#include "winSet.h"

namespace {

QLineEdit* edit(EditField* field) {
    return qobject_cast<QLineEdit*>(field->Widget());
}

void click(RectControl* control) {
    QTest::mouseClick(control->Widget(), Qt::LeftButton);
}

void clickArrow(UpDownArrows* arrows, const char* which) {
    auto* arrow = arrows->Widget()->findChild<QToolButton*>(which);
    QVERIFY(arrow);
    QTest::mouseClick(arrow, Qt::LeftButton);
}

// A key whose text lies beyond Latin-1 keyboards, as a layout would send it.
void typeCharacter(QWidget* widget, QChar c) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
}

// Puts `text` in the field with the caret at `caret` (the end when -1).
void place(EditField* field, const QString& text, int caret = -1) {
    field->SetText(text);
    field->SetSelStart(caret < 0 ? text.size() : caret);
}

struct Row {
    const char* name;
    EditField* field;
    UpDownArrows* arrows;
    int limit;
};

} // namespace

class WinSetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramUnderTest> program;
    winMain* w = nullptr;

    // Opens the sheet on the main window as the Timer menu's Set does.
    winSet* open() {
        winSet& s = Implicit<winSet>();
        s.ShowWithin(*w, -1);
        // The window counts as active as soon as its parent is; the keys
        // reach it only once the toolkit has made it the active window.
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == s.Host(); }))
            qWarning("the sheet did not become the active window");
        return &s;
    }
    QList<Row> rows(winSet* s) {
        return {{"hours", s->eHr, s->aHr, 99},
                {"minutes", s->eMin, s->aMin, 59},
                {"seconds", s->eSec, s->aSec, 59}};
    }
    QStringList texts(winSet* s) { return {s->eHr->Text(), s->eMin->Text(), s->eSec->Text()}; }
    // Replaces a field's whole text by typing over a full selection.
    void retype(EditField* field, const QString& text) {
        field->SetFocus();
        edit(field)->selectAll();
        QTest::keyClicks(edit(field), text);
    }

  private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        w = &program->Main();
        QVERIFY(program->Activate());
    }
    void cleanup() { program.reset(); }

    void firstOpeningShowsZerosInASheetOnTheMainWindow() {
        winSet* s = open();
        QCOMPARE(texts(s), QStringList({"00", "00", "00"}));
        QCOMPARE(s->Title(), QString("Set Timer"));
        QCOMPARE(s->Width(), 350);
        QCOMPARE(s->Height(), 74);
        QCOMPARE(s->Host()->parentWidget(), w->Host());
        QCOMPARE(s->Host()->windowModality(), Qt::WindowModal);
        QCOMPARE(s->StaticText3->Text(), QString("Hrs"));
        QCOMPARE(s->btnOk->Caption(), QString("Set"));
        QVERIFY(s->btnOk->Default() && !s->btnOk->Cancel());
        QVERIFY(s->btnCancel->Cancel() && !s->btnCancel->Default());
        QCOMPARE(&Implicit<winSet>(), s);
        // The focus starts in the hours, ready to be typed over.
        QVERIFY(s->eHr->HasFocus());
        QCOMPARE(s->eHr->SelText(), QString("00"));
        QTest::keyClick(edit(s->eHr), Qt::Key_4);
        QCOMPARE(s->eHr->Text(), QString("4"));
    }

    void ctrlTOpensTheSheetOnTheMainWindow() {
        w->SetMinutes = 12;
        QTest::keyClick(w->Host(), Qt::Key_T, Qt::ControlModifier);
        winSet* s = nullptr;
        for (Window* open : Application::Instance()->Windows())
            if (auto* found = dynamic_cast<winSet*>(open))
                s = found;
        QVERIFY(s);
        QVERIFY(s->Host()->isVisible());
        QCOMPARE(s->Host()->parentWidget(), w->Host());
        QCOMPARE(s->eMin->Text(), QString("12"));
    }

    // Ctrl+T given from the Help window opens the sheet on a main window
    // that was minimised: it comes back with the sheet, and the sheet ends
    // up active without the window behind it ever being made active.
    void theSheetBringsAMinimisedMainWindowBack() {
        w->Host()->showMinimized();
        w->HelpHelp_Action();
        QWidget* help = Implicit<winHelp>().Host();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QSignalSpy activations(qApp, &QGuiApplication::focusWindowChanged);
        QTest::keyClick(help, Qt::Key_T, Qt::ControlModifier);
        QWidget* sheet = Implicit<winSet>().Host();
        QVERIFY(sheet->isVisible());
        QVERIFY(!(w->Host()->windowState() & Qt::WindowMinimized));
        QTRY_COMPARE(QApplication::activeWindow(), sheet);
        for (const QList<QVariant>& activated : std::as_const(activations))
            QVERIFY(activated.at(0).value<QWindow*>() != w->Host()->windowHandle());
    }

    // As in the toolkit's own dialogs, Return and Space press the focused
    // button; from a field, Return is Set's again.
    void returnPressesTheFocusedButtonAndSetFromAField() {
        w->SetMinutes = 30;
        w->CurrentSeconds = 1234; // paused part-way
        winSet* s = open();
        retype(s->eSec, "45");
        s->eHr->SetFocus();
        for (RectControl* next :
             QList<RectControl*>{s->eMin, s->eSec, s->btnOk, s->btnCancel, s->eHr}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next->Widget());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), s->btnCancel->Widget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(s->IsClosed());
        QCOMPARE(w->SetSeconds, 0);
        QCOMPARE(w->CurrentSeconds, 1234);

        s = open();
        retype(s->eSec, "10");
        s->btnCancel->SetFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(s->IsClosed());
        QCOMPARE(w->CurrentSeconds, 1234);

        // The focus passes over Cancel and back into a field.
        s = open();
        s->btnCancel->SetFocus();
        retype(s->eSec, "45");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(s->IsClosed());
        QCOMPARE(w->SetSeconds, 45);
        QCOMPARE(w->CurrentSeconds, 30 * 60 + 45);
    }

    // The window manager's close box is Cancel, and the sheet is gone after
    // it: the next Set opens a new one on the main window's time.
    void aCloseBoxCancelsAndTheNextSheetStartsAfresh() {
        winSet* s = open();
        retype(s->eHr, "11");
        retype(s->eMin, "22");
        retype(s->eSec, "33");
        CloseFromTitleBar(*s);
        QVERIFY(s->IsClosed());
        QVERIFY(!s->Host()->isVisible());
        QCOMPARE(w->CurrentSeconds, 0);
        s = open();
        QCOMPARE(texts(s), QStringList({"00", "00", "00"}));
    }

    void setStoresTheTotalAndLeavesTheCountPaused() {
        w->StartSeconds = 77;
        winSet* s = open();
        retype(s->eHr, "01");
        retype(s->eMin, "30");
        retype(s->eSec, "00");
        click(s->btnOk);
        QVERIFY(s->IsClosed());
        QCOMPARE(w->SetHours, 1);
        QCOMPARE(w->SetMinutes, 30);
        QCOMPARE(w->SetSeconds, 0);
        QCOMPARE(w->CurrentSeconds, 5400);
        QCOMPARE(w->StartSeconds, 77);
        w->Find<Timer>("Timer1").Fire();
        QVERIFY(!w->IsRunning && !w->IsDone);
        QCOMPARE(w->CurrentSeconds, 5400);

        winSet* again = open();
        QVERIFY(again != s || !again->IsClosed());
        QCOMPARE(texts(again), QStringList({"01", "30", "00"}));
    }

    void largestTypedTimeIs359999Seconds() {
        winSet* s = open();
        retype(s->eHr, "99");
        retype(s->eMin, "59");
        retype(s->eSec, "59");
        click(s->btnOk);
        QCOMPARE(w->CurrentSeconds, 359999);
    }

    void arrowsStepWrapAtTheEndsAndFocusTheirField() {
        winSet* s = open();
        for (const Row& row : rows(s)) {
            const QString limit = QString::number(row.limit);
            bool focusCameBack = true;
            const auto stepped = [&](const QString& from, const char* arrow) {
                row.field->SetText(from);
                // The focus starts in another field, to see it move to this one.
                (row.field == s->eSec ? s->eHr : s->eSec)->SetFocus();
                clickArrow(row.arrows, arrow);
                focusCameBack = focusCameBack && row.field->HasFocus();
                return row.field->Text();
            };
            QCOMPARE(stepped(limit, "up"), QString("00"));
            QCOMPARE(stepped("00", "down"), limit);
            QCOMPARE(stepped("5", "up"), QString("06"));
            QCOMPARE(stepped("", "up"), QString("01"));
            QCOMPARE(stepped("", "down"), limit);
            // Only a step across an end wraps.
            QCOMPARE(stepped(QString::number(row.limit - 1), "up"), limit);
            QCOMPARE(stepped("01", "down"), QString("00"));
            QCOMPARE(stepped("100", "down"), QString("99"));
            QCOMPARE(stepped("100", "up"), QString("00"));
            QCOMPARE(stepped("-3", "up"), QString("-02"));
            QCOMPARE(stepped("-3", "down"), limit);
            // Digits past the 32-bit range neither overflow nor wrap.
            QCOMPARE(stepped("99999999999", "up"), QString("00"));
            QCOMPARE(stepped("99999999999", "down"), QString("2147483646"));
            QVERIFY2(focusCameBack, row.name);
        }
    }

    void aDigitIsJudgedAsIfTypedAtTheEnd() {
        winSet* s = open();
        // Over a whole selection.
        retype(s->eMin, "7");
        QCOMPARE(s->eMin->Text(), QString("7"));
        QTest::keyClick(edit(s->eMin), Qt::Key_5);
        QCOMPARE(s->eMin->Text(), QString("7"));
        retype(s->eHr, "75");
        QCOMPARE(s->eHr->Text(), QString("75"));
        QTest::keyClick(edit(s->eHr), Qt::Key_1);
        QCOMPARE(s->eHr->Text(), QString("75"));

        // At the end: leading zeros do not count.
        place(s->eSec, "00");
        QTest::keyClick(edit(s->eSec), Qt::Key_0);
        QCOMPARE(s->eSec->Text(), QString("000"));
        place(s->eMin, "00");
        QTest::keyClick(edit(s->eMin), Qt::Key_7);
        QCOMPARE(s->eMin->Text(), QString("007"));

        // At the caret: judged on 051, inserted as 105.
        place(s->eHr, "05", 0);
        QTest::keyClick(edit(s->eHr), Qt::Key_1);
        QCOMPARE(s->eHr->Text(), QString("105"));
        place(s->eMin, "50", 0);
        QTest::keyClick(edit(s->eMin), Qt::Key_1);
        QCOMPARE(s->eMin->Text(), QString("50"));

        // Below zero is refused as much as past the limit (a pasted "-").
        place(s->eSec, "-");
        QTest::keyClick(edit(s->eSec), Qt::Key_5);
        QCOMPARE(s->eSec->Text(), QString("-"));

        // A refused digit puts the selected part back too.
        s->eSec->SetText("56");
        edit(s->eSec)->setSelection(0, 1);
        QTest::keyClick(edit(s->eSec), Qt::Key_7);
        QCOMPARE(s->eSec->Text(), QString("56"));
        // An accepted one replaces it.
        edit(s->eSec)->setSelection(1, 1);
        QTest::keyClick(edit(s->eSec), Qt::Key_2);
        QCOMPARE(s->eSec->Text(), QString("52"));

        click(s->btnOk);
        QCOMPARE(w->SetHours, 105);
        QCOMPARE(w->SetMinutes, 50);
        QCOMPARE(w->CurrentSeconds, 105 * 3600 + 50 * 60 + 52);
    }

    void nonDigitsAreSwallowedAndControlKeysPass() {
        winSet* s = open();
        s->eMin->SetFocus();
        place(s->eMin, "12");
        QTest::keyClicks(edit(s->eMin), " aZ-+.e~!");
        QCOMPARE(s->eMin->Text(), QString("12"));
        QTest::keyClick(edit(s->eMin), Qt::Key_Backspace);
        QCOMPARE(s->eMin->Text(), QString("1"));
        // Beyond "~" passes and is inserted; only the leading digits count.
        typeCharacter(edit(s->eMin), QChar(0xE9));
        QCOMPARE(s->eMin->Text(), QString::fromUtf8("1é"));
        QTest::keyClick(edit(s->eMin), Qt::Key_Tab);
        QVERIFY(s->eSec->HasFocus());
        QCOMPARE(s->eMin->Text(), QString("01"));
    }

    void leavingAFieldShowsTwoDigits() {
        winSet* s = open();
        const QList<QPair<QString, QString>> cases{
            {"000", "00"}, {"007", "07"}, {"", "00"}, {"105", "105"}, {"x9", "00"}};
        for (const auto& [typed, shown] : cases) {
            s->eHr->SetFocus();
            place(s->eHr, typed);
            QTest::keyClick(edit(s->eHr), Qt::Key_Tab);
            QCOMPARE(s->eHr->Text(), shown);
        }
    }

    void escapeAndCancelChangeNothing() {
        w->SetHours = 2;
        w->SetMinutes = 3;
        w->SetSeconds = 4;
        w->CurrentSeconds = 1234; // paused part-way
        winSet* s = open();
        QCOMPARE(texts(s), QStringList({"02", "03", "04"}));
        retype(s->eHr, "9");
        clickArrow(s->aMin, "up");
        QTest::keyClick(edit(s->eHr), Qt::Key_Escape);
        QVERIFY(s->IsClosed());

        s = open();
        QCOMPARE(texts(s), QStringList({"02", "03", "04"}));
        retype(s->eSec, "30");
        click(s->btnCancel);
        QVERIFY(s->IsClosed());
        QCOMPARE(w->SetHours, 2);
        QCOMPARE(w->SetMinutes, 3);
        QCOMPARE(w->SetSeconds, 4);
        QCOMPARE(w->CurrentSeconds, 1234);

        // Set replaces the remaining time.
        s = open();
        click(s->btnOk);
        QCOMPARE(w->CurrentSeconds, 2 * 3600 + 3 * 60 + 4);
        QVERIFY(!w->IsRunning);
    }

    void fieldsArrowsAndSetKeepTheirDistanceToTheBottom() {
        winSet* s = open();
        s->SetHeight(174);
        s->SetWidth(500);
        QCOMPARE(s->Height(), 174);
        for (RectControl* moved :
             QList<RectControl*>{s->eHr, s->eMin, s->eSec, s->aHr, s->aMin, s->aSec, s->btnOk})
            QCOMPARE(moved->Top(), 131);
        QCOMPARE(s->eMin->Left(), 73);
        QCOMPARE(s->btnOk->Left(), 270);
        QCOMPARE(s->btnOk->Width(), 60);
        for (RectControl* kept :
             QList<RectControl*>{s->StaticText1, s->StaticText2, s->StaticText3})
            QCOMPARE(kept->Top(), 14);
        QCOMPARE(s->btnCancel->Top(), 31);
        QCOMPARE(s->btnCancel->Left(), 198);
    }

    // A field may read as any number; Set stores the nearest 32-bit value
    // and the total stops at the top of the range instead of wrapping.
    void longDigitRunsSaturate() {
        winSet* s = open();
        // Zeros typed at the end are all accepted; a 9 in front makes 9e14.
        place(s->eHr, "");
        QTest::keyClicks(edit(s->eHr), "00000000000000");
        s->eHr->SetSelStart(0);
        QTest::keyClick(edit(s->eHr), Qt::Key_9);
        QCOMPARE(s->eHr->Text(), QString("900000000000000"));
        click(s->btnOk);
        QCOMPARE(w->SetHours, INT_MAX);
        QCOMPARE(w->CurrentSeconds, INT_MAX);

        // Pasted text is not filtered: 596524 hours is just past the range.
        s = open();
        QApplication::clipboard()->setText("596524");
        retype(s->eHr, "");
        QTest::keyClick(edit(s->eHr), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s->eHr->Text(), QString("596524"));
        QApplication::clipboard()->setText("-4294967296");
        retype(s->eSec, "");
        QTest::keyClick(edit(s->eSec), Qt::Key_V, Qt::ControlModifier);
        click(s->btnOk);
        QCOMPARE(w->SetHours, 596524);
        QCOMPARE(w->SetSeconds, INT_MIN);
        QCOMPARE(w->CurrentSeconds, INT_MAX + INT_MIN);
    }
};

QTEST_MAIN(WinSetTest)
#include "test_winset.moc"
