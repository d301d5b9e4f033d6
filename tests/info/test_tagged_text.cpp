// The tag styling loop on a real styled field.
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "StyledFieldSheet.h"
#include "TaggedText.h"
#include "ui/EditField.h"

namespace {

// The style of one character, read from the document itself.
QString StyleAt(const EditField& field, int pos) {
    const QTextDocument* doc = static_cast<QTextEdit*>(field.Widget())->document();
    QTextCursor cursor(const_cast<QTextDocument*>(doc));
    cursor.setPosition(pos + 1);
    const QTextCharFormat f = cursor.charFormat();
    const int size = f.hasProperty(QTextFormat::FontPixelSize)
                         ? f.intProperty(QTextFormat::FontPixelSize)
                         : doc->defaultFont().pixelSize();
    return QString(f.fontWeight() >= QFont::Bold ? "b" : "") + (f.fontItalic() ? "i" : "") +
           QString::number(size);
}

} // namespace

class TaggedTextTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StyledFieldSheet> sheet;

  private slots:
    void init() {
        sheet = std::make_unique<StyledFieldSheet>();
        sheet->Construct();
    }
    void cleanup() { sheet.reset(); }

    void styles_data() {
        QTest::addColumn<QString>("tagged");
        QTest::addColumn<QString>("shown");
        // Each probe: a piece of the shown text, and the style of its first
        // character ("b" bold, "i" italic, then the size).
        QTest::addColumn<QStringList>("probes");
        QTest::newRow("no tags, lone >")
            << "plain > text\nnext"
            << "plain > text\nnext" << QStringList{"plain=12", "> t=12", "next=12"};
        QTest::newRow("empty and unknown") << "A<>B<u>C</u>D"
                                           << "ABCD" << QStringList{"A=12", "B=12", "C=12", "D=12"};
        QTest::newRow("attributes") << "<b class=\"x\">A</b>B"
                                    << "AB" << QStringList{"A=b12", "B=12"};
        QTest::newRow("line breaks") << "L1\n<b>L2</b>\nL3"
                                     << "L1\nL2\nL3" << QStringList{"L1=12", "L2=b12", "\nL3=12"};
        QTest::newRow("unquoted and quoted name first")
            << "<font size=\"20\">X<font size=14>A</font>B<font face=\"Serif\" size=\"16\">C"
            << "XABC" << QStringList{"X=20", "A=12", "B=20", "C=12"};
        QTest::newRow("nested sizes") << "<font size=\"14\">A<font size=\"10\">B</font>C</font>D"
                                      << "ABCD" << QStringList{"A=14", "B=10", "C=14", "D=14"};
        QTest::newRow("/font first") << "<b></font>A</b>B"
                                     << "AB" << QStringList{"A=b12", "B=12"};
        QTest::newRow("prose between brackets")
            << "<i>if a < b and c > d</i> then"
            << "if a  d then" << QStringList{"if=i12", " d=i12", " then=12"};
        QTest::newRow("bold italic") << "<i><b>X</b></i>Y"
                                     << "XY" << QStringList{"X=bi12", "Y=12"};
        QTest::newRow("< without >")
            << "<b>A</b>B < C <i"
            << "AB < C <i" << QStringList{"A=b12", "B=12", "< C=12", "<i=12"};
        QTest::newRow("title line") << "<b><font size=\"14\">Title</font></b>\nBody"
                                    << "Title\nBody" << QStringList{"Title=b14", "\nBody=12"};
    }
    void styles() {
        QFETCH(QString, tagged);
        QFETCH(QString, shown);
        QFETCH(QStringList, probes);
        EditField& field = *sheet->field;
        field.SetText(tagged);
        StyleTaggedText(field);
        QCOMPARE(field.Text(), shown);
        for (const QString& probe : probes) {
            const QString piece = probe.section('=', 0, 0);
            const int at = shown.indexOf(piece);
            QVERIFY2(at >= 0, qPrintable(piece));
            QCOMPARE(StyleAt(field, at + (piece.startsWith('\n') ? 1 : 0)), probe.section('=', 1));
        }
        QCOMPARE(field.SelStart(), 0);
        QCOMPARE(field.SelLength(), 0);
        QCOMPARE(field.ScrollPosition(), 0);
    }

    // The last tags lie far down: styling them scrolls the field, and the
    // styling still ends at the top with nothing selected.
    void endsAtTheTopOfAFieldItScrolled() {
        sheet->Show(); // a hidden field does not scroll
        QVERIFY(QTest::qWaitForWindowExposed(sheet->Host()));
        EditField& field = *sheet->field;
        QString text;
        for (int i = 0; i < 100; ++i)
            text += QString("line %1\n").arg(i);
        field.SetText(text + "<b>end</b> of text");
        QScrollBar* bar = static_cast<QTextEdit*>(field.Widget())->verticalScrollBar();
        int furthest = 0;
        QObject::connect(bar, &QScrollBar::valueChanged,
                         [&](int value) { furthest = std::max(furthest, value); });
        StyleTaggedText(field);
        QVERIFY(furthest > 0);
        QCOMPARE(field.ScrollPosition(), 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(field.SelStart(), 0);
        QCOMPARE(field.SelLength(), 0);
    }

    // The loop builds every style from plain text: new text must not take
    // the styles the old text was given.
    void newTextIsUnstyled() {
        EditField& field = *sheet->field;
        field.SetText("<b><i><font size=\"20\">A");
        StyleTaggedText(field);
        QCOMPARE(StyleAt(field, 0), QString("bi20"));
        field.SetText("B<b>C");
        QCOMPARE(StyleAt(field, 0), QString("12"));
        QCOMPARE(StyleAt(field, 1), QString("12"));
    }

    void selectionCountsLineBreaksAsOne() {
        EditField& field = *sheet->field;
        field.SetText("ab\r\ncd\ref");
        QCOMPARE(field.Text(), QString("ab\ncd\nef"));
        field.SetSelStart(4);
        field.SetSelLength(100);
        QCOMPARE(field.SelText(), QString("d\nef"));
        field.SetSelText(QString());
        QCOMPARE(field.Text(), QString("ab\nc"));
        field.SetSelStart(-1);
        QCOMPARE(field.SelStart(), 0);
    }
};

QTEST_MAIN(TaggedTextTest)
#include "test_tagged_text.moc"
