// The check box, the popup and the group box, closing a window, the one
// text order and the font list.
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QtTest>

#include "FakeServices.h"
#include "system/FontFamilies.h"
#include "system/Runtime.h"
#include "text/StringOrder.h"
#include "ui/CheckBox.h"
#include "ui/GroupBox.h"
#include "ui/PopupMenu.h"
#include "ui/Window.h"

namespace {
// A group box locked to the right and bottom edges holding a popup and a
// check box, and a check box on the window before it in the Tab order.
class Form : public Window {
  public:
    GroupBox* group = nullptr;
    PopupMenu* popup = nullptr;
    CheckBox* inside = nullptr;
    CheckBox* outside = nullptr;
    int changes = 0;
    int actions = 0;
    std::function<void()> onClose;

    void Event_Close() override {
        if (onClose)
            onClose();
    }

  protected:
    void Layout() override {
        SetWidth(300);
        SetHeight(200);
    }
    void CreateControls() override {
        group = &AddControl<GroupBox>("group");
        group->SetBounds(20, 50, 200, 100);
        group->LockRight = group->LockBottom = true;
        group->TabIndex = 0;
        inside = &AddControl<CheckBox>("inside");
        inside->SetParent(group);
        inside->SetBounds(40, 110, 100, 20);
        inside->TabIndex = 2;
        inside->Action = [this] { ++actions; };
        popup = &AddControl<PopupMenu>("popup");
        popup->SetParent(group);
        popup->SetBounds(30, 80, 150, 20);
        popup->TabIndex = 1;
        popup->Change = [this] { ++changes; };
        outside = &AddControl<CheckBox>("outside");
        outside->SetBounds(20, 10, 100, 20);
        outside->TabIndex = 1;
    }
};
} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> fake;
    Form* form = nullptr;

  private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        Application::Register(std::make_unique<Application>());
        form = &Implicit<Form>();
    }
    void cleanup() {
        Application::Shutdown();
        fake.reset();
    }

    void addedRowsChooseNothingAndRaiseNoChange() {
        form->popup->AddRow("b");
        form->popup->AddRow("a");
        QCOMPARE(form->popup->ListCount(), 2);
        QCOMPARE(form->popup->ListIndex(), -1);
        QCOMPARE(form->popup->Text(), QString());
        QCOMPARE(form->changes, 0);
        form->popup->SetListIndex(1);
        QCOMPARE(form->popup->Text(), QString("a"));
        QCOMPARE(form->changes, 1);
        form->popup->AddRow("c");
        QCOMPARE(form->popup->ListIndex(), 1);
        form->popup->SetListIndex(7);
        QCOMPARE(form->popup->ListIndex(), -1);
        QCOMPARE(form->changes, 2);
    }

    void checkBoxActsOnEveryChangeOfValue() {
        form->inside->SetCaption("Bold");
        form->inside->SetValue(true);
        form->inside->SetValue(true);
        QTest::mouseClick(form->inside->Widget(), Qt::LeftButton, {}, QPoint(5, 10));
        QVERIFY(!form->inside->Value());
        QCOMPARE(form->actions, 2);
    }

    // The toolkit places children in their group box's coordinates.
    void controlsInAGroupKeepWindowCoordinatesThroughAResize() {
        QCOMPARE(form->popup->Widget()->parentWidget(), form->group->Widget());
        QCOMPARE(QPoint(form->popup->Left(), form->popup->Top()), QPoint(30, 80));
        form->Host()->resize(form->Host()->width() + 40, form->Host()->height() + 30);
        QCOMPARE(QPoint(form->group->Left(), form->group->Top()), QPoint(60, 80));
        QCOMPARE(QPoint(form->popup->Left(), form->popup->Top()), QPoint(70, 110));
        QCOMPARE(QPoint(form->inside->Left(), form->inside->Top()), QPoint(80, 140));
    }

    void tabGoesThroughAGroupInItsOwnOrder() {
        QCOMPARE(form->popup->Widget()->nextInFocusChain(), form->inside->Widget());
        QCOMPARE(form->inside->Widget()->nextInFocusChain(), form->outside->Widget());
    }

    // A handler that closes its own window and then yields (a save does)
    // still has its window when it carries on; the window goes once the
    // handler has returned.
    void aWindowClosedUnderARunningHandlerOutlivesIt() {
        QPointer<QWidget> host = form->Host();
        bool alive = false;
        form->inside->Action = [&] {
            form->Close();
            for (int i = 0; i < 3; ++i)
                YieldToEventLoop();
            alive = !host.isNull();
        };
        QTest::mouseClick(form->inside->Widget(), Qt::LeftButton, {}, QPoint(5, 10));
        QVERIFY(alive);
        QTRY_VERIFY(host.isNull());
    }

    // A close handler may yield; a close from the window manager that
    // arrives meanwhile neither runs it again nor deletes the window under
    // it, though the first close came from outside any handler.
    void aCloseDuringTheCloseHandlerDoesNothing() {
        QPointer<QWidget> host = form->Host();
        int closes = 0;
        bool alive = false;
        form->onClose = [&] {
            ++closes;
            QCoreApplication::postEvent(form->Host()->windowHandle(), new QCloseEvent);
            for (int i = 0; i < 3; ++i)
                YieldToEventLoop();
            alive = !host.isNull() && host->isVisible();
        };
        form->Close();
        QCOMPARE(closes, 1);
        QVERIFY(alive);
        QVERIFY(!host->isVisible());
        QTRY_VERIFY(host.isNull());
    }

    // As the font database lists the URW fonts: each family once, plain.
    void fontFamiliesAreListedOnceByTheirPlainNames() {
        const QStringList database{
            "C059 [UKWN]",        "C059 [URW ]",       "DejaVu Sans", "Nimbus Sans [UKWN]",
            "Nimbus Sans [URW ]", "Nimbus Sans [urw]", "[x]",         "Odd]"};
        QCOMPARE(PlainFamilies(database),
                 QStringList({"C059", "DejaVu Sans", "Nimbus Sans", "[x]", "Odd]"}));
    }

    void oneOrderForMatchingAndSorting() {
        QCOMPARE(CompareText("dejavu SANS", "DejaVu Sans"), 0);
        QStringList names{"b", "System", "a", "system", "SmallSystem", "Ärger"};
        SortAscending(names);
        QCOMPARE(names, QStringList({"a", "b", "SmallSystem", "System", "system", "Ärger"}));
    }
};

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
