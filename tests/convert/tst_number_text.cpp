#include "convert/number_text.h"

#include <QTest>

#include <cmath>
#include <limits>

using convert::DisplayFormat;

class TestNumberText final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readNumber_data();
    void readNumber();
    void readNumberOutOfRange();
    void readNumberLongTexts();
    void plainText_data();
    void plainText();
    void plainTextReadsBackAcrossTheRange();
    void plainTextSingle_data();
    void plainTextSingle();
    void formatDisplay_data();
    void formatDisplay();
    void formatDisplayOfTheLargestDouble();
    void formatField_data();
    void formatField();
};

void TestNumberText::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty text reads as zero") << QString() << 0.0;
    QTest::newRow("plain integer") << QStringLiteral("42") << 42.0;
    QTest::newRow("decimal point") << QStringLiteral("2.5") << 2.5;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("trailing point") << QStringLiteral("7.") << 7.0;
    QTest::newRow("second point ends the number") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("letters end the number") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("no leading number") << QStringLiteral("abc12") << 0.0;
    QTest::newRow("grouping comma ends the number") << QStringLiteral("1,234.5") << 1.0;
    QTest::newRow("formatted result reads its first group") << QStringLiteral("1,093.61") << 1.0;
    QTest::newRow("blanks inside a number are skipped") << QStringLiteral("1 000") << 1000.0;
    QTest::newRow("tabs and line feeds are skipped") << QStringLiteral("\t1\n2 3") << 123.0;
    QTest::newRow("blank between sign and digits") << QStringLiteral("- 5") << -5.0;
    QTest::newRow("carriage return ends the number") << QStringLiteral("1\r2") << 1.0;
    QTest::newRow("minus sign") << QStringLiteral("-3") << -3.0;
    QTest::newRow("plus sign") << QStringLiteral("+4") << 4.0;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("point alone") << QStringLiteral(".") << 0.0;
    QTest::newRow("two signs") << QStringLiteral("+-3") << 0.0;
    QTest::newRow("E exponent") << QStringLiteral("2.5E3") << 2500.0;
    QTest::newRow("lower-case e exponent") << QStringLiteral("2.5e3") << 2500.0;
    QTest::newRow("D exponent") << QStringLiteral("2.5D3") << 2500.0;
    QTest::newRow("negative exponent") << QStringLiteral("25d-1") << 2.5;
    QTest::newRow("exponent with blanks") << QStringLiteral("1 e 3") << 1000.0;
    QTest::newRow("exponent without digits is ignored") << QStringLiteral("1e") << 1.0;
    QTest::newRow("exponent sign without digits") << QStringLiteral("1E+") << 1.0;
    QTest::newRow("hexadecimal") << QStringLiteral("&H1F") << 31.0;
    QTest::newRow("hexadecimal lower case") << QStringLiteral("&hff") << 255.0;
    QTest::newRow("octal") << QStringLiteral("&O17") << 15.0;
    QTest::newRow("octal stops at 8") << QStringLiteral("&o178") << 15.0;
    QTest::newRow("ampersand without digits") << QStringLiteral("&H") << 0.0;
    QTest::newRow("ampersand without kind") << QStringLiteral("&12") << 0.0;
    QTest::newRow("blanks after the ampersand are skipped too") << QStringLiteral("& h 1 F") << 31.0;
    QTest::newRow("ampersand at the end") << QStringLiteral("5&") << 5.0;
    QTest::newRow("large hexadecimal") << QStringLiteral("&HFFFFFFFFFFFFFFFF") << 18446744073709551615.0;
    QTest::newRow("digits of another script are not digits") << QStringLiteral("\u0661\u0662") << 0.0;
    QTest::newRow("full-width digits are not digits") << QStringLiteral("\uff11") << 0.0;
    QTest::newRow("NaN is text") << QStringLiteral("NaN") << 0.0;
    QTest::newRow("Infinity is text") << QStringLiteral("Infinity") << 0.0;
    QTest::newRow("smallest subnormal") << QStringLiteral("4.9E-324") << 4.9e-324;
    QTest::newRow("below the smallest double") << QStringLiteral("1E-400") << 0.0;
    QTest::newRow("huge negative exponent") << QStringLiteral("5E-99999999999999999999") << 0.0;
    QTest::newRow("many leading zeros") << QStringLiteral("0000000000000000000000000000012") << 12.0;
}

void TestNumberText::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(convert::readNumber(text), value);
}

void TestNumberText::readNumberOutOfRange()
{
    const double infinity = std::numeric_limits<double>::infinity();
    QCOMPARE(convert::readNumber(QStringLiteral("1E309")), infinity);
    QCOMPARE(convert::readNumber(QStringLiteral("-1E309")), -infinity);
    QCOMPARE(convert::readNumber(QStringLiteral("1E99999999999999999999")), infinity);
    QCOMPARE(convert::readNumber(QStringLiteral("0.000001E310")), 1e304);
    QCOMPARE(convert::readNumber(QStringLiteral("0E99999")), 0.0);
}

void TestNumberText::readNumberLongTexts()
{
    QCOMPARE(convert::readNumber(QString(100000, u'9')), std::numeric_limits<double>::infinity());
    QCOMPARE(convert::readNumber(QStringLiteral("0.") + QString(100000, u'0') + QStringLiteral("1")), 0.0);
    QCOMPARE(convert::readNumber(QStringLiteral("3") + QString(100000, u' ')), 3.0);
    QCOMPARE(convert::readNumber(QString(100000, u'x')), 0.0);
}

void TestNumberText::plainText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("integer") << 100.0 << QStringLiteral("100");
    QTest::newRow("leading zero below one") << 0.5 << QStringLiteral("0.5");
    QTest::newRow("negative fraction") << -0.25 << QStringLiteral("-0.25");
    QTest::newRow("fifteen significant digits") << 1.0 / 3.0 << QStringLiteral("0.333333333333333");
    QTest::newRow("rounded at the fifteenth digit") << 2.0 / 3.0 << QStringLiteral("0.666666666666667");
    QTest::newRow("largest fixed integer") << 999999999999999.0 << QStringLiteral("999999999999999");
    QTest::newRow("exponent form from 1E15") << 1e15 << QStringLiteral("1E+15");
    QTest::newRow("rounding up into exponent form") << 999999999999999.9 << QStringLiteral("1E+15");
    QTest::newRow("long mantissa in exponent form")
        << 123456789012345678.0 << QStringLiteral("1.23456789012346E+17");
    QTest::newRow("three exponent digits") << 1.5e300 << QStringLiteral("1.5E+300");
    QTest::newRow("smallest fixed value") << 1e-4 << QStringLiteral("0.0001");
    QTest::newRow("exponent form below 1E-4") << 0.000025 << QStringLiteral("2.5E-05");
    QTest::newRow("negative small value") << -1e-5 << QStringLiteral("-1E-05");
    QTest::newRow("single-precision factor shows")
        << static_cast<double>(9144.0f / 10000.0f) << QStringLiteral("0.914399981498718");
    QTest::newRow("largest double is cut, not rounded past the range")
        << std::numeric_limits<double>::max() << QStringLiteral("1.79769313486231E+308");
    QTest::newRow("most negative double likewise")
        << std::numeric_limits<double>::lowest() << QStringLiteral("-1.79769313486231E+308");
    QTest::newRow("smallest subnormal") << 4.9e-324 << QStringLiteral("4.94065645841247E-324");
}

void TestNumberText::plainText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(convert::plainText(value), text);
    // Whatever is written reads back to the value it stands for.
    QCOMPARE(convert::plainText(convert::readNumber(text)), text);
}

// Every power of ten and its neighbours, from the smallest subnormal to the largest double, in both
// signs: the text reads back to the value rounded to fifteen digits, and writing that gives the text.
void TestNumberText::plainTextReadsBackAcrossTheRange()
{
    QList<double> values = {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
        std::numeric_limits<double>::max(), 1e15, 1e-4};
    for (int exponent = -323; exponent <= 308; ++exponent) {
        const double power = std::pow(10.0, exponent);
        values << power << std::nextafter(power, 0.0) << std::nextafter(power, HUGE_VAL) << power * 0.5;
    }
    for (const double magnitude : std::as_const(values)) {
        for (const double value : {magnitude, -magnitude}) {
            const QString text = convert::plainText(value);
            const double back = convert::readNumber(text);
            QVERIFY2(std::isfinite(back), qPrintable(text));
            QCOMPARE(convert::plainText(back), text);
            if (std::fabs(value) >= std::numeric_limits<double>::min())
                QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 1e-14, qPrintable(text));
        }
    }
}

void TestNumberText::plainTextSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("seven significant digits") << 12345678.0f << QStringLiteral("1.234568E+07");
    QTest::newRow("exponent form from 1E7") << 10000000.0f << QStringLiteral("1E+07");
    QTest::newRow("largest fixed integer") << 1234567.0f << QStringLiteral("1234567");
    QTest::newRow("fraction rounded to seven digits") << 0.1f << QStringLiteral("0.1");
    QTest::newRow("third") << 1.0f / 3.0f << QStringLiteral("0.3333333");
    QTest::newRow("negative") << -3.785f << QStringLiteral("-3.785");
    QTest::newRow("small value") << 0.00001f << QStringLiteral("1E-05");
    QTest::newRow("zero") << 0.0f << QStringLiteral("0");
}

void TestNumberText::plainTextSingle()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(convert::plainTextSingle(value), text);
}

void TestNumberText::formatDisplay_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");

    const int two = static_cast<int>(DisplayFormat::TwoDecimals);
    const int four = static_cast<int>(DisplayFormat::TwoToFourDecimals);
    QTest::newRow("zero") << 0.0 << two << QStringLiteral("0.00");
    QTest::newRow("leading zero") << 0.5 << two << QStringLiteral("0.50");
    QTest::newRow("half rounds away from zero") << 0.125 << two << QStringLiteral("0.13");
    QTest::newRow("half on the decimal form") << 2.675 << two << QStringLiteral("2.68");
    QTest::newRow("negative half") << -0.125 << two << QStringLiteral("-0.13");
    QTest::newRow("grouping and sign") << -1234.5 << two << QStringLiteral("-1,234.50");
    QTest::newRow("millions") << 1234567.891 << two << QStringLiteral("1,234,567.89");
    QTest::newRow("carry into a new group") << 999.995 << two << QStringLiteral("1,000.00");
    QTest::newRow("negative value that rounds to zero") << -0.001 << two << QStringLiteral("0.00");
    QTest::newRow("beyond fifteen digits") << 1e20 << two << QStringLiteral("100,000,000,000,000,000,000.00");
    QTest::newRow("tiny value") << 1e-300 << two << QStringLiteral("0.00");
    QTest::newRow("two decimals kept") << 1.5 << four << QStringLiteral("1.50");
    QTest::newRow("rounded to four") << 1.23456 << four << QStringLiteral("1.2346");
    QTest::newRow("four kept") << 1.2301 << four << QStringLiteral("1.2301");
    QTest::newRow("trailing zeros dropped") << 1.23 << four << QStringLiteral("1.23");
    QTest::newRow("third decimal only") << 0.001 << four << QStringLiteral("0.001");
    QTest::newRow("half at the fifth decimal") << 0.00005 << four << QStringLiteral("0.0001");
    QTest::newRow("below half at the fifth decimal") << 0.00004 << four << QStringLiteral("0.00");
    QTest::newRow("large with four") << 15384.615384615 << four << QStringLiteral("15,384.6154");
}

void TestNumberText::formatDisplay()
{
    QFETCH(double, value);
    QFETCH(int, format);
    QFETCH(QString, text);
    QCOMPARE(convert::formatDisplay(value, static_cast<DisplayFormat>(format)), text);
}

void TestNumberText::formatDisplayOfTheLargestDouble()
{
    const QString text
        = convert::formatDisplay(std::numeric_limits<double>::max(), DisplayFormat::TwoDecimals);
    // Fifteen digits, then zeros: 309 digits in 103 groups.
    QCOMPARE(text.size(), 309 + 102 + 3);
    QVERIFY(text.startsWith(QStringLiteral("179,769,313,486,231,000,")));
    QVERIFY(text.endsWith(QStringLiteral(",000.00")));
    // The FormatFields step of a later conversion reads the text again and leaves it as it is.
    QCOMPARE(convert::readDisplayNumber(text).value_or(0.0), 1.79769313486231e308);
    QCOMPARE(convert::formatField(text, DisplayFormat::TwoDecimals), text);
}

void TestNumberText::formatField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain number") << QStringLiteral("2") << QStringLiteral("2.00");
    QTest::newRow("grouped number reads as a whole")
        << QStringLiteral("1,234.5") << QStringLiteral("1,234.50");
    QTest::newRow("formatted text stays") << QStringLiteral("1,093.61") << QStringLiteral("1,093.61");
    QTest::newRow("exponent form") << QStringLiteral("1.5E3") << QStringLiteral("1,500.00");
    QTest::newRow("D exponent") << QStringLiteral("1.5D-1") << QStringLiteral("0.15");
    QTest::newRow("surrounding blanks") << QStringLiteral(" 7 ") << QStringLiteral("7.00");
    QTest::newRow("tab and line feed around") << QStringLiteral("\t7\n") << QStringLiteral("7.00");
    // Lenient reading stops at these, so the field must not show a number the conversion did not see.
    QTest::newRow("no-break space unchanged") << QStringLiteral("\u00a07") << QStringLiteral("\u00a07");
    QTest::newRow("carriage return unchanged") << QStringLiteral("7\r") << QStringLiteral("7\r");
    QTest::newRow("negative") << QStringLiteral("-3") << QStringLiteral("-3.00");
    QTest::newRow("empty text unchanged") << QString() << QString();
    QTest::newRow("blanks unchanged") << QStringLiteral("   ") << QStringLiteral("   ");
    QTest::newRow("trailing letters unchanged") << QStringLiteral("12abc") << QStringLiteral("12abc");
    QTest::newRow("blank inside unchanged") << QStringLiteral("1 000") << QStringLiteral("1 000");
    QTest::newRow("leading comma unchanged") << QStringLiteral(",5") << QStringLiteral(",5");
    QTest::newRow("double comma unchanged") << QStringLiteral("1,,2") << QStringLiteral("1,,2");
    QTest::newRow("comma after the point unchanged") << QStringLiteral("1.2,3") << QStringLiteral("1.2,3");
    QTest::newRow("hexadecimal unchanged") << QStringLiteral("&H10") << QStringLiteral("&H10");
    QTest::newRow("out of range unchanged") << QStringLiteral("1E309") << QStringLiteral("1E309");
    QTest::newRow("NaN unchanged") << QStringLiteral("nan") << QStringLiteral("nan");
    QTest::newRow("inf unchanged") << QStringLiteral("inf") << QStringLiteral("inf");
}

void TestNumberText::formatField()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(convert::formatField(text, DisplayFormat::TwoDecimals), shown);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
