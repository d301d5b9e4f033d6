#include <QTest>

#include "text/Dictionary.h"
#include "text/Variant.h"

Q_DECLARE_METATYPE(std::optional<bool>)
Q_DECLARE_METATYPE(std::optional<Color>)

class TestVariant : public QObject {
    Q_OBJECT

  private slots:
    void everyColorSurvivesItsText() {
        for (std::uint32_t rgb = 0; rgb <= 0xFFFFFF; ++rgb) {
            const Color color = Color::FromValue(rgb);
            const std::optional<Color> back = Variant::ColorFromText(Variant::TextOf(color));
            if (!back || *back != color)
                QFAIL(qPrintable(QString("colour %1 did not survive").arg(rgb, 6, 16)));
        }
    }

    void booleansSurviveTheirText() {
        for (const bool value : {false, true})
            QCOMPARE(Variant(Variant(value).StringValue()).ToBoolean(), std::optional(value));
    }

    void textFormsAreFixedAndSafeInXml() {
        QCOMPARE(Variant(true).StringValue(), QString("True"));
        QCOMPARE(Variant(false).StringValue(), QString("False"));
        QCOMPARE(Variant(Color{159, 159, 159}).StringValue(), QString("0x9F9F9F"));
        QCOMPARE(Variant(Color{0, 0, 0}).StringValue(), QString("0x000000"));
        QCOMPARE(Variant(Color{207, 0, 10}).StringValue(), QString("0xCF000A"));
        QCOMPARE(Variant("System").StringValue(), QString("System"));
        QCOMPARE(Variant().StringValue(), QString());
    }

    void textsThatAreNoFormConvertToNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<bool>>("boolean");
        QTest::addColumn<std::optional<Color>>("color");
        const std::optional<bool> noBool;
        const std::optional<Color> noColor;
        QTest::newRow("any case, blanks around") << " tRUE\t" << std::optional(true) << noColor;
        QTest::newRow("false") << "FALSE" << std::optional(false) << noColor;
        QTest::newRow("lower-case digits")
            << " 0Xcf00ff " << noBool << std::optional(Color{207, 0, 255});
        QTest::newRow("empty") << "" << noBool << noColor;
        QTest::newRow("number") << "1" << noBool << noColor;
        QTest::newRow("word") << "yes" << noBool << noColor;
        QTest::newRow("colour well's form") << "#CF0000" << noBool << noColor;
        QTest::newRow("ampersand form") << "&hCF0000" << noBool << noColor;
        QTest::newRow("five digits") << "0xCF000" << noBool << noColor;
        QTest::newRow("seven digits") << "0xCF00000" << noBool << noColor;
        QTest::newRow("not hexadecimal") << "0xCG0000" << noBool << noColor;
        QTest::newRow("sign") << "0x-F0000" << noBool << noColor;
        QTest::newRow("full-width digit") << QString::fromUtf8("0x１00000") << noBool << noColor;
    }
    void textsThatAreNoFormConvertToNothing() {
        QFETCH(QString, text);
        QFETCH(std::optional<bool>, boolean);
        QFETCH(std::optional<Color>, color);
        const Variant v(text);
        QCOMPARE(v.ToBoolean(), boolean);
        QCOMPARE(v.ToColor(), color);
        QCOMPARE(v.BooleanValue(), boolean.value_or(false));
        QCOMPARE(v.ColorValue(), color.value_or(Color{}));
    }

    void typedValuesConvertOnlyToTheirOwnType() {
        QCOMPARE(Variant(Color{1, 2, 3}).ToBoolean(), std::optional<bool>());
        QCOMPARE(Variant(true).ToColor(), std::optional<Color>());
        QCOMPARE(Variant().ToBoolean(), std::optional<bool>());
    }

    void equalityNeedsTypeAndValue() {
        QVERIFY(Variant("True") != Variant(true));
        QVERIFY(Variant("a") != Variant("A"));
        QVERIFY(Variant(Color{1, 2, 3}) == Variant(Color{1, 2, 3}));
        QVERIFY(Variant() == Variant());
        QVERIFY(Variant() != Variant(""));
    }

    void dictionaryKeepsFirstInsertionOrder() {
        Dictionary d;
        d.SetValue("b", Variant(true));
        d.SetValue("a", "x");
        d.SetValue(Variant(true), "typed key");
        d.SetValue("b", Color{9, 9, 9}); // replaced in place
        QCOMPARE(d.Count(), 3);
        QCOMPARE(d.Keys(), (QList<Variant>{"b", "a", Variant(true)}));
        QCOMPARE(d.Values(), (QList<Variant>{Color{9, 9, 9}, "x", "typed key"}));
        QVERIFY(d.HasKey("a"));
        QVERIFY(!d.HasKey("A"));
        QVERIFY(!d.HasKey("True"));
        QVERIFY(d.Value("missing").IsNil());
    }
};

QTEST_GUILESS_MAIN(TestVariant)
#include "test_variant.moc"
