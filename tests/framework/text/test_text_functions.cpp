#include "text/Color.h"
#include "text/Numbers.h"
#include "text/TextFunctions.h"

#include <QTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

// Exact text of a double, so that a comparison is not fuzzy and tells -0
// from 0 (QString::number alone writes -0 as "0").
QString exact(double value) {
    return (std::signbit(value) ? "-" : "") + QString::number(std::fabs(value), 'g', 17);
}

QString repeated(const char* unit, int times) {
    return QString::fromUtf8(unit).repeated(times);
}

// The digits of DBL_MAX, for the saturated readings and writings.
const QString dblMaxDigits = QStringLiteral(
    "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558"
    "632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245"
    "490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168"
    "738177180919299881250404026184124858368");

} // namespace

class TestTextFunctions : public QObject {
    Q_OBJECT

  private slots:
    // clang-format off
    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        // What the time fields hold and what the key filter tests.
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("05") << "05" << 5.0;
        QTest::newRow("007") << "007" << 7.0;
        QTest::newRow("051") << "051" << 51.0;
        QTest::newRow("501") << "501" << 501.0;
        QTest::newRow("digit then accent") << "1é" << 1.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("no number") << "abc" << 0.0;

        // Signs, blanks, points and exponents.
        QTest::newRow("minus") << "-5" << -5.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("leading blanks") << "  42" << 42.0;
        QTest::newRow("leading tab") << "\t42" << 42.0;
        QTest::newRow("blank after sign") << "- 5" << 0.0;
        QTest::newRow("two signs") << "+-5" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("minus zero reads as zero") << "-0" << 0.0;
        QTest::newRow("fraction") << "2.75" << 2.75;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("point last") << "3." << 3.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("comma is no point") << "1,5" << 1.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent upper case") << "25E-2" << 0.25;
        QTest::newRow("exponent plus") << "2e+2x" << 200.0;
        QTest::newRow("bare e ends") << "1e" << 1.0;
        QTest::newRow("e with sign only") << "7e-" << 7.0;
        QTest::newRow("e first") << "e5" << 0.0;
        QTest::newRow("C prefix is not hex") << "0x1F" << 0.0;
        QTest::newRow("inf is no number") << "inf" << 0.0;

        // Hexadecimal (the colour well's "&h" + RRGGBB), octal and binary.
        QTest::newRow("hex") << "&hFF" << 255.0;
        QTest::newRow("hex mixed case") << "&HfF" << 255.0;
        QTest::newRow("hex colour") << "&h9F9F9F" << double(0x9F9F9F);
        QTest::newRow("hex stops at non-digit") << "&h1Fz" << 31.0;
        QTest::newRow("hex 32 bits") << "&hFFFFFFFF" << 4294967295.0;
        QTest::newRow("hex past 32 bits") << "&h100000000" << 4294967296.0;
        QTest::newRow("hex no digits") << "&hG1" << 0.0;
        QTest::newRow("hex nothing after") << "&h" << 0.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("unknown prefix") << "&x10" << 0.0;
        QTest::newRow("hex after blanks") << " &h10" << 16.0;
        QTest::newRow("no sign before hex") << "-&h10" << 0.0;
        QTest::newRow("octal") << "&o17" << 15.0;
        QTest::newRow("binary") << "&B101" << 5.0;
        QTest::newRow("binary stops at 2") << "&b12" << 1.0;
        QTest::newRow("binary 64 ones") << "&b" + repeated("1", 64) << 18446744073709551615.0;

        // Hostile texts.
        QTest::newRow("9 x 10000") << repeated("9", 10000) << DBL_MAX;
        QTest::newRow("-9 x 10000") << "-" + repeated("9", 10000) << -DBL_MAX;
        QTest::newRow("zeros x 10000 then 5") << repeated("0", 10000) + "5" << 5.0;
        QTest::newRow("long fraction") << "0." + repeated("3", 10000) << 1.0 / 3.0;
        QTest::newRow("tiny fraction") << "0." + repeated("0", 10000) + "1" << 0.0;
        QTest::newRow("overflowing exponent") << "1e400" << DBL_MAX;
        QTest::newRow("underflowing exponent") << "1e-400" << 0.0;
        QTest::newRow("exponent past 64 bits") << "1e99999999999999999999" << DBL_MAX;
        QTest::newRow("hex F x 300") << "&h" + repeated("F", 300) << DBL_MAX;
        QTest::newRow("octal 7 x 400") << "&o" + repeated("7", 400) << DBL_MAX;
        QTest::newRow("full-width digits") << "１２" << 0.0;
        QTest::newRow("digit then full-width") << "1２" << 1.0;
        QTest::newRow("Arabic-Indic digit") << "٣" << 0.0;
        QTest::newRow("mathematical digit (surrogate pair)") << "𝟏" << 0.0;
        QTest::newRow("digit then lone surrogate") << "4" + QString(QChar(0xD800)) << 4.0;
        QTest::newRow("non-breaking space is no blank") << "\u00A05" << 0.0;
    }
    // clang-format on

    void val() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(exact(Val(text)), exact(expected));
    }

    // clang-format off
    void formatOfVal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        // A time field losing the focus: its text read and written back.
        QTest::newRow("empty") << "" << "00";
        QTest::newRow("000") << "000" << "00";
        QTest::newRow("7") << "7" << "07";
        QTest::newRow("007") << "007" << "07";
        QTest::newRow("105") << "105" << "105";
        QTest::newRow("digit then accent") << "1é" << "01";
        QTest::newRow("letters") << "abc" << "00";
        QTest::newRow("pasted negative") << "-5" << "-05";
        QTest::newRow("pasted fraction") << "7.5" << "08";
        QTest::newRow("pasted exponent") << "1e3" << "1000";
        QTest::newRow("pasted huge") << repeated("9", 400) << dblMaxDigits;
    }
    // clang-format on

    void formatOfVal() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Format(Val(text), "00"), expected);
    }

    // clang-format off
    void format_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");

        QTest::newRow("0") << 0.0 << "00" << "00";
        QTest::newRow("7") << 7.0 << "00" << "07";
        QTest::newRow("59") << 59.0 << "00" << "59";
        QTest::newRow("100") << 100.0 << "00" << "100";
        QTest::newRow("105") << 105.0 << "00" << "105";
        QTest::newRow("5400") << 5400.0 << "00" << "5400";
        QTest::newRow("359999") << 359999.0 << "00" << "359999";
        QTest::newRow("negative") << -5.0 << "00" << "-05";
        QTest::newRow("negative wide") << -123.0 << "00" << "-123";
        QTest::newRow("half up") << 6.5 << "00" << "07";
        QTest::newRow("half of 2") << 2.5 << "00" << "03";
        QTest::newRow("half below zero") << -0.5 << "00" << "-01";
        QTest::newRow("just below half") << 0.49999999999999994 << "00" << "00";
        QTest::newRow("small negative rounds to 00") << -0.4 << "00" << "00";
        QTest::newRow("minus zero") << -0.0 << "00" << "00";
        QTest::newRow("half at 2^52") << 4503599627370495.5 << "00" << "4503599627370496";
        QTest::newRow("NaN") << NaN << "00" << "00";
        QTest::newRow("infinity") << Inf << "00" << dblMaxDigits;
        QTest::newRow("minus infinity") << -Inf << "00" << "-" + dblMaxDigits;
        QTest::newRow("1e300") << 1e300 << "00" << QStringLiteral(
                "10000000000000000525047602552044202487044685811081591549158541155118024579889081"
                "95786371375080447864043704443832883878176942523235360430575644792184786706982848"
                "38720092657580373783023379478809005936895323497079994508111903896764088007465274"
                "2780142494579258788820056842838115669472196386865459400540160");
        QTest::newRow("one place") << 7.0 << "0" << "7";
        QTest::newRow("three places") << 7.0 << "000" << "007";
        QTest::newRow("optional places") << 7.0 << "##" << "7";
        QTest::newRow("mixed places") << 7.0 << "#00" << "07";
        QTest::newRow("empty pattern") << 42.0 << "" << "42";
    }
    // clang-format on

    void format() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(Format(value, pattern), expected);
    }

    // clang-format off
    void toInt32_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint32>("expected");

        QTest::newRow("2.9 s elapsed") << 2.9e6 / 1e6 << 2;
        QTest::newRow("just below one") << 0.9999999 << 0;
        QTest::newRow("negative truncates up") << -2.9 << -2;
        QTest::newRow("minus half") << -0.5 << 0;
        QTest::newRow("minus zero") << -0.0 << 0;
        QTest::newRow("99:59:59") << 359999.0 << 359999;
        QTest::newRow("largest") << 2147483647.9 << INT_MAX;
        QTest::newRow("2^31") << 2147483648.0 << INT_MAX;
        QTest::newRow("smallest") << -2147483648.9 << INT_MIN;
        QTest::newRow("below smallest") << -2147483649.0 << INT_MIN;
        QTest::newRow("huge") << 1e300 << INT_MAX;
        QTest::newRow("minus huge") << -DBL_MAX << INT_MIN;
        QTest::newRow("infinity") << Inf << INT_MAX;
        QTest::newRow("minus infinity") << -Inf << INT_MIN;
        QTest::newRow("NaN") << NaN << 0;
    }
    // clang-format on

    void toInt32() {
        QFETCH(double, value);
        QFETCH(qint32, expected);
        QCOMPARE(ToInt32(value), expected);
    }

    // clang-format off
    void toInt64_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");

        const qint64 max = std::numeric_limits<qint64>::max();
        const qint64 min = std::numeric_limits<qint64>::min();
        QTest::newRow("microseconds") << 1234567.89e6 << Q_INT64_C(1234567890000);
        QTest::newRow("fraction of a microsecond") << 86400000000.75 << Q_INT64_C(86400000000);
        QTest::newRow("negative truncates up") << -2.9 << Q_INT64_C(-2);
        QTest::newRow("largest below 2^63") << 9223372036854774784.0 << Q_INT64_C(9223372036854774784);
        QTest::newRow("2^63") << 9223372036854775808.0 << max;
        QTest::newRow("-2^63") << -9223372036854775808.0 << min;
        QTest::newRow("below -2^63") << -1e19 << min;
        QTest::newRow("infinity") << Inf << max;
        QTest::newRow("minus infinity") << -Inf << min;
        QTest::newRow("NaN") << NaN << Q_INT64_C(0);
    }
    // clang-format on

    void toInt64() {
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QCOMPARE(ToInt64(value), expected);
    }

    // clang-format off
    void saturating_data() {
        QTest::addColumn<qint32>("a");
        QTest::addColumn<qint32>("b");
        QTest::addColumn<qint32>("sum");
        QTest::addColumn<qint32>("product");

        QTest::newRow("ordinary") << 99 << 3600 << 3699 << 356400;
        QTest::newRow("past the top") << INT_MAX << 1 << INT_MAX << INT_MAX;
        QTest::newRow("past the bottom") << INT_MIN << -1 << INT_MIN << INT_MAX;
        QTest::newRow("2^16 squared") << 65536 << 65536 << 131072 << INT_MAX;
        QTest::newRow("negative product") << -65536 << 65536 << 0 << INT_MIN;
        QTest::newRow("zero times smallest") << 0 << INT_MIN << INT_MIN << 0;
        QTest::newRow("ends cancel") << INT_MAX << INT_MIN << -1 << INT_MIN;
    }
    // clang-format on

    void saturating() {
        QFETCH(qint32, a);
        QFETCH(qint32, b);
        QFETCH(qint32, sum);
        QFETCH(qint32, product);
        QCOMPARE(SaturatingAdd(a, b), sum);
        QCOMPARE(SaturatingMul(a, b), product);
    }

    // clang-format off
    void hexAndBack_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("0") << Q_INT64_C(0) << "0";
        QTest::newRow("one digit") << Q_INT64_C(15) << "F";
        QTest::newRow("colour component") << Q_INT64_C(159) << "9F";
        QTest::newRow("white") << Q_INT64_C(0xFFFFFF) << "FFFFFF";
        QTest::newRow("past 32 bits") << Q_INT64_C(0x100000000) << "100000000";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "7FFFFFFFFFFFFFFF";
        QTest::newRow("-1") << Q_INT64_C(-1) << "FFFFFFFF";
        QTest::newRow("smallest 32-bit") << qint64(INT_MIN) << "80000000";
        QTest::newRow("below 32 bits") << Q_INT64_C(-2147483649) << "FFFFFFFF7FFFFFFF";
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << "8000000000000000";
    }
    // clang-format on

    void hexAndBack() {
        QFETCH(qint64, value);
        QFETCH(QString, expected);
        QCOMPARE(Hex(value), expected);
        if (value >= 0)
            QCOMPARE(Val("&h" + Hex(value)), double(value));
    }

    // clang-format off
    void strOfDouble_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("whole") << 5400.0 << "5400";
        QTest::newRow("tenth") << 0.1 << "0.1";
        QTest::newRow("third") << 1.0 / 3.0 << "0.3333333333333333";
        QTest::newRow("negative") << -2.5 << "-2.5";
        QTest::newRow("huge") << 1e300 << "1e+300";
        QTest::newRow("tiny") << 5e-324 << "5e-324";
        QTest::newRow("largest") << DBL_MAX << "1.7976931348623157e+308";
    }
    // clang-format on

    void strOfDouble() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Str(value), expected);
        QCOMPARE(exact(Val(Str(value))), exact(value));
    }

    // clang-format off
    void mid_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expected");

        QTest::newRow("whole") << "abc" << 1 << -1 << "abc";
        QTest::newRow("one inside") << "abc" << 2 << 1 << "b";
        QTest::newRow("to the end") << "abc" << 2 << -1 << "bc";
        QTest::newRow("tag content") << "x<b>y" << 3 << 1 << "b";
        QTest::newRow("length past the end") << "abc" << 3 << 5 << "c";
        QTest::newRow("start past the end") << "abc" << 4 << 1 << "";
        QTest::newRow("zero length") << "abc" << 2 << 0 << "";
        QTest::newRow("start 0") << "abc" << 0 << 2 << "ab";
        QTest::newRow("negative start") << "abc" << -5 << 1 << "a";
        QTest::newRow("smallest start, largest length") << "abc" << INT_MIN << INT_MAX << "abc";
        QTest::newRow("largest start") << "abc" << INT_MAX << INT_MAX << "";
        QTest::newRow("smallest length") << "abc" << 2 << INT_MIN << "bc";
        QTest::newRow("empty text") << "" << 1 << 1 << "";
        QTest::newRow("surrogate pair is two") << "a𝟏b" << 2 << 2 << "𝟏";
    }
    // clang-format on

    void mid() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, expected);
        QCOMPARE(Mid(text, start, length), expected);
    }

    // clang-format off
    void leftRight_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");

        QTest::newRow("inside") << "abcd" << 3 << "abc" << "bcd";
        QTest::newRow("all") << "abcd" << 4 << "abcd" << "abcd";
        QTest::newRow("past the end") << "abcd" << INT_MAX << "abcd" << "abcd";
        QTest::newRow("none") << "abcd" << 0 << "" << "";
        QTest::newRow("negative") << "abcd" << INT_MIN << "" << "";
        QTest::newRow("empty text") << "" << 2 << "" << "";
    }
    // clang-format on

    void leftRight() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QCOMPARE(Left(text, count), left);
        QCOMPARE(Right(text, count), right);
    }

    // clang-format off
    void inStr_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<int>("expected");

        QTest::newRow("found") << 1 << "abc" << "b" << 2;
        QTest::newRow("absent") << 1 << "abc" << "d" << 0;
        QTest::newRow("at or after start") << 3 << "abcb" << "b" << 4;
        QTest::newRow("at start") << 2 << "abcb" << "b" << 2;
        QTest::newRow("after the last") << 5 << "abcb" << "b" << 0;
        QTest::newRow("start 0") << 0 << "abc" << "a" << 1;
        QTest::newRow("smallest start") << INT_MIN << "abc" << "c" << 3;
        QTest::newRow("largest start") << INT_MAX << "abc" << "a" << 0;
        QTest::newRow("longer than text") << 1 << "ab" << "abc" << 0;
        QTest::newRow("empty text") << 1 << "" << "a" << 0;
        QTest::newRow("case matters") << 1 << "ABC" << "b" << 0;
        QTest::newRow("accented") << 1 << "café" << "é" << 4;
        QTest::newRow("after surrogate pair") << 1 << "a𝟏b" << "b" << 4;
        QTest::newRow("empty find") << 1 << "abc" << "" << 1;
        QTest::newRow("empty find at end") << 4 << "abc" << "" << 4;
        QTest::newRow("empty find past end") << 5 << "abc" << "" << 0;
        QTest::newRow("both empty") << 1 << "" << "" << 1;
    }
    // clang-format on

    void inStr() {
        QFETCH(int, start);
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(int, expected);
        QCOMPARE(InStr(start, text, find), expected);
        if (start == 1)
            QCOMPARE(InStr(text, find), expected);
    }

    // clang-format off
    void fields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("count");

        QTest::newRow("tag name") << "font size=\"14\"" << " " << 1 << "font" << 2;
        QTest::newRow("name without blank") << "b" << " " << 1 << "b" << 1;
        QTest::newRow("quoted size") << "font size=\"14\"" << "\"" << 2 << "14" << 3;
        QTest::newRow("size without quotes") << "font size=14" << "\"" << 2 << "" << 1;
        QTest::newRow("last field") << "a b c" << " " << 3 << "c" << 3;
        QTest::newRow("past the last") << "a b c" << " " << 4 << "" << 3;
        QTest::newRow("field 0") << "a b c" << " " << 0 << "" << 3;
        QTest::newRow("smallest n") << "a b c" << " " << INT_MIN << "" << 3;
        QTest::newRow("largest n") << "a b c" << " " << INT_MAX << "" << 3;
        QTest::newRow("empty field") << "a,,b" << "," << 2 << "" << 3;
        QTest::newRow("after empty field") << "a,,b" << "," << 3 << "b" << 3;
        QTest::newRow("trailing separator") << "a," << "," << 2 << "" << 2;
        QTest::newRow("empty text") << "" << "," << 1 << "" << 1;
        QTest::newRow("long separator") << "a::b::c" << "::" << 3 << "c" << 3;
        QTest::newRow("no overlapping separators") << "aaa" << "aa" << 2 << "a" << 2;
        QTest::newRow("empty separator") << "abc" << "" << 1 << "abc" << 1;
        QTest::newRow("empty separator, field 2") << "abc" << "" << 2 << "" << 1;
        QTest::newRow("non-ASCII separator") << "1é2é3" << "é" << 2 << "2" << 3;
    }
    // clang-format on

    void fields() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QFETCH(int, count);
        QCOMPARE(NthField(text, separator, n), expected);
        QCOMPARE(CountFields(text, separator), count);
    }

    // clang-format off
    void replace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("all");

        QTest::newRow("colour text") << "#9F9F9F" << "#" << "" << "9F9F9F" << "9F9F9F";
        QTest::newRow("only the first") << "##1" << "#" << "" << "#1" << "1";
        QTest::newRow("absent") << "abc" << "#" << "" << "abc" << "abc";
        QTest::newRow("empty find") << "abc" << "" << "x" << "abc" << "abc";
        QTest::newRow("empty text") << "" << "a" << "b" << "" << "";
        QTest::newRow("longer replacement") << "a-b-c" << "-" << "--" << "a--b-c" << "a--b--c";
        QTest::newRow("case matters") << "aA" << "A" << "x" << "ax" << "ax";
    }
    // clang-format on

    void replace() {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, first);
        QFETCH(QString, all);
        QCOMPARE(Replace(text, find, replacement), first);
        QCOMPARE(ReplaceAll(text, find, replacement), all);
    }

    // clang-format off
    void chr_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Return") << 13 << "\r";
        QTest::newRow("Enter") << 3 << "\x03";
        QTest::newRow("accented") << 0xE9 << "é";
        QTest::newRow("beyond 16 bits") << 0x1D7CF << "𝟏";
        QTest::newRow("largest") << 0x10FFFF << QString::fromUcs4(U"\U0010FFFF", 1);
        QTest::newRow("surrogate") << 0xD800 << "";
        QTest::newRow("past Unicode") << 0x110000 << "";
        QTest::newRow("negative") << -1 << "";
        QTest::newRow("smallest") << INT_MIN << "";
        QTest::newRow("largest int") << INT_MAX << "";
    }
    // clang-format on

    void chr() {
        QFETCH(int, code);
        QFETCH(QString, expected);
        QCOMPARE(Chr(code), expected);
        QCOMPARE(Len(Chr(code)), int(expected.size()));
    }

    void maxWithNaN() {
        QCOMPARE(Max(NaN, 3.0), 3.0);
        QCOMPARE(Max(3.0, NaN), 3.0);
        QCOMPARE(Max(-1.0, 2.0), 2.0);
    }

    void hsvOfColours() {
        QCOMPARE(HSV(0, 0, 0.5), RGB(128, 128, 128));
        QCOMPARE(HSV(0, 1, 1), RGB(255, 0, 0));
        QCOMPARE(HSV(1, 1, 1), RGB(255, 0, 0)); // a full turn
        QCOMPARE(HSV(2.0 / 3, 1, 0.5), RGB(0, 0, 128));
        QCOMPARE(HSV(NaN, -1, 9), RGB(255, 255, 255));
        // A grey has no hue; it reads as 0, which HSV takes.
        QCOMPARE(RGB(9, 9, 9).Hue(), 0.0);
        for (const Color c : {RGB(0, 128, 255), RGB(200, 10, 90), RGB(9, 9, 9)})
            QCOMPARE(HSV(c.Hue(), c.Saturation(), c.HSVValue()), c);
    }
};

QTEST_APPLESS_MAIN(TestTextFunctions)
#include "test_text_functions.moc"
