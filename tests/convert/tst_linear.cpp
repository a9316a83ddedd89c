#include "convert/linear.h"

#include "support/conversion_test.h"

#include <QTest>

using namespace convert::linear;

namespace {
// Field name and the text it must show; every field of the dialog is named.
using Expected = test_support::UnitTexts;
} // namespace

class TestLinear final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversion_data();
    void conversion();
    void sourceKeepsItsText_data();
    void sourceKeepsItsText();
    void outOfRangeChangesNothing_data();
    void outOfRangeChangesNothing();
};

void TestLinear::conversion_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Expected>("expected");

    // One row per unit with a length large enough that a factor off by a part in a thousand changes
    // every field's two decimals, then the small worked examples and the reading of odd texts.
    QTest::newRow("centimetres read through their own factor")
        << int(Centimetre)
        << "987654321"
        << Expected{{Centimetre, "987,654,321.00"}, {Metre, "9,876,543.21"}, {Kilometre, "9,876.54"},
               {Inch, "388,840,273.48"}, {Foot, "32,403,356.12"}, {Yard, "10,801,118.71"},
               {Mile, "6,137.00"}, {NauticalMile, "5,332.91"}};
    QTest::newRow("metres read through their own factor, single-precision yard in the last digits")
        << int(Metre)
        << "10000000"
        << Expected{{Centimetre, "1,000,000,000.00"}, {Metre, "10,000,000.00"}, {Kilometre, "10,000.00"},
               {Inch, "393,700,795.37"}, {Foot, "32,808,399.61"}, {Yard, "10,936,133.20"},
               {Mile, "6,213.71"}, {NauticalMile, "5,399.57"}};
    QTest::newRow("kilometres read through their own factor")
        << int(Kilometre)
        << "12345.678"
        << Expected{{Centimetre, "1,234,567,800.00"}, {Metre, "12,345,678.00"}, {Kilometre, "12,345.68"},
               {Inch, "486,050,314.96"}, {Foot, "40,504,192.91"}, {Yard, "13,501,397.64"},
               {Mile, "7,671.25"}, {NauticalMile, "6,666.13"}};
    QTest::newRow("inches read through their own factor")
        << int(Inch)
        << "123456789"
        << Expected{{Centimetre, "313,580,252.43"}, {Metre, "3,135,802.38"}, {Kilometre, "3,135.80"},
               {Inch, "123,456,789.00"}, {Foot, "10,288,065.75"}, {Yard, "3,429,355.25"},
               {Mile, "1,948.50"}, {NauticalMile, "1,693.23"}};
    QTest::newRow("feet read through their own factor")
        << int(Foot)
        << "98765432.1"
        << Expected{{Centimetre, "3,010,370,450.78"}, {Metre, "30,103,703.09"}, {Kilometre, "30,103.70"},
               {Inch, "1,185,185,185.20"}, {Foot, "98,765,432.10"}, {Yard, "32,921,810.70"},
               {Mile, "18,705.57"}, {NauticalMile, "16,255.01"}};
    QTest::newRow("yards read through their own factor")
        << int(Yard)
        << "5555555.5"
        << Expected{{Centimetre, "508,000,008.48"}, {Metre, "5,079,999.85"}, {Kilometre, "5,080.00"},
               {Inch, "199,999,998.00"}, {Foot, "16,666,666.50"}, {Yard, "5,555,555.50"},
               {Mile, "3,156.57"}, {NauticalMile, "2,743.03"}};
    QTest::newRow("miles read through their own factor, nautical mile from the mile side")
        << int(Mile)
        << "10000"
        << Expected{{Centimetre, "1,609,344,042.97"}, {Metre, "16,093,439.67"}, {Kilometre, "16,093.44"},
               {Inch, "633,600,000.00"}, {Foot, "52,800,000.00"}, {Yard, "17,600,000.00"},
               {Mile, "10,000.00"}, {NauticalMile, "8,689.93"}};
    QTest::newRow("nautical miles read through their own factor")
        << int(NauticalMile)
        << "4321.5"
        << Expected{{Centimetre, "800,341,837.56"}, {Metre, "8,003,418.00"}, {Kilometre, "8,003.42"},
               {Inch, "315,095,203.23"}, {Foot, "26,257,933.60"}, {Yard, "8,752,644.53"},
               {Mile, "4,973.09"}, {NauticalMile, "4,321.50"}};
    QTest::newRow("nautical mile from the metre side")
        << int(Metre)
        << "16093440"
        << Expected{{Centimetre, "1,609,344,000.00"}, {Metre, "16,093,440.00"}, {Kilometre, "16,093.44"},
               {Inch, "633,600,012.82"}, {Foot, "52,800,001.07"}, {Yard, "17,600,000.36"},
               {Mile, "10,000.00"}, {NauticalMile, "8,689.76"}};
    QTest::newRow("one metre") << int(Metre)
                               << "1"
                               << Expected{{Centimetre, "100.00"}, {Metre, "1.00"}, {Kilometre, "0.00"},
                                      {Inch, "39.37"}, {Foot, "3.28"}, {Yard, "1.09"},
                                      {Mile, "0.00"}, {NauticalMile, "0.00"}};
    QTest::newRow("one centimetre") << int(Centimetre)
                                    << "1"
                                    << Expected{{Centimetre, "1.00"}, {Metre, "0.01"}, {Kilometre, "0.00"},
                                           {Inch, "0.39"}, {Foot, "0.03"}, {Yard, "0.01"},
                                           {Mile, "0.00"}, {NauticalMile, "0.00"}};
    QTest::newRow("one kilometre") << int(Kilometre)
                                   << "1"
                                   << Expected{{Centimetre, "100,000.00"}, {Metre, "1,000.00"},
                                          {Kilometre, "1.00"}, {Inch, "39,370.08"}, {Foot, "3,280.84"},
                                          {Yard, "1,093.61"}, {Mile, "0.62"}, {NauticalMile, "0.54"}};
    QTest::newRow("one mile") << int(Mile)
                              << "1"
                              << Expected{{Centimetre, "160,934.40"}, {Metre, "1,609.34"}, {Kilometre, "1.61"},
                                     {Inch, "63,360.00"}, {Foot, "5,280.00"}, {Yard, "1,760.00"},
                                     {Mile, "1.00"}, {NauticalMile, "0.87"}};
    QTest::newRow("one nautical mile")
        << int(NauticalMile)
        << "1"
        << Expected{{Centimetre, "185,200.01"}, {Metre, "1,852.00"}, {Kilometre, "1.85"}, {Inch, "72,913.39"},
               {Foot, "6,076.12"}, {Yard, "2,025.37"}, {Mile, "1.15"}, {NauticalMile, "1.00"}};
    QTest::newRow("one yard") << int(Yard)
                              << "1"
                              << Expected{{Centimetre, "91.44"}, {Metre, "0.91"}, {Kilometre, "0.00"},
                                     {Inch, "36.00"}, {Foot, "3.00"}, {Yard, "1.00"},
                                     {Mile, "0.00"}, {NauticalMile, "0.00"}};
    QTest::newRow("negative length keeps its sign")
        << int(Metre)
        << "-3000"
        << Expected{{Centimetre, "-300,000.00"}, {Metre, "-3,000.00"}, {Kilometre, "-3.00"},
               {Inch, "-118,110.24"}, {Foot, "-9,842.52"}, {Yard, "-3,280.84"}, {Mile, "-1.86"},
               {NauticalMile, "-1.62"}};
    QTest::newRow("empty field converts zero")
        << int(Centimetre)
        << ""
        << Expected{{Centimetre, ""}, {Metre, "0.00"}, {Kilometre, "0.00"}, {Inch, "0.00"}, {Foot, "0.00"},
               {Yard, "0.00"}, {Mile, "0.00"}, {NauticalMile, "0.00"}};
    QTest::newRow("letters after the number are ignored")
        << int(Metre)
        << "12abc"
        << Expected{{Centimetre, "1,200.00"}, {Metre, "12abc"}, {Kilometre, "0.01"}, {Inch, "472.44"},
               {Foot, "39.37"}, {Yard, "13.12"}, {Mile, "0.01"}, {NauticalMile, "0.01"}};
    QTest::newRow("grouping comma ends the number, source shown grouped")
        << int(Metre)
        << "1,234.5"
        << Expected{{Centimetre, "100.00"}, {Metre, "1,234.50"}, {Kilometre, "0.00"}, {Inch, "39.37"},
               {Foot, "3.28"}, {Yard, "1.09"}, {Mile, "0.00"}, {NauticalMile, "0.00"}};
    QTest::newRow("formatted text converts its first group")
        << int(Yard)
        << "1,093.61"
        << Expected{{Centimetre, "91.44"}, {Metre, "0.91"}, {Kilometre, "0.00"}, {Inch, "36.00"},
               {Foot, "3.00"}, {Yard, "1,093.61"}, {Mile, "0.00"}, {NauticalMile, "0.00"}};
    QTest::newRow("blanks inside the number")
        << int(Metre)
        << "1 000"
        << Expected{{Centimetre, "100,000.00"}, {Metre, "1 000"}, {Kilometre, "1.00"}, {Inch, "39,370.08"},
               {Foot, "3,280.84"}, {Yard, "1,093.61"}, {Mile, "0.62"}, {NauticalMile, "0.54"}};
    QTest::newRow("exponent form") << int(Metre)
                                   << "2.5E3"
                                   << Expected{{Centimetre, "250,000.00"}, {Metre, "2,500.00"},
                                          {Kilometre, "2.50"}, {Inch, "98,425.20"}, {Foot, "8,202.10"},
                                          {Yard, "2,734.03"}, {Mile, "1.55"}, {NauticalMile, "1.35"}};
    QTest::newRow("underflow is zero")
        << int(Kilometre)
        << "4.9E-324"
        << Expected{{Centimetre, "0.00"}, {Metre, "0.00"}, {Kilometre, "0.00"}, {Inch, "0.00"},
               {Foot, "0.00"}, {Yard, "0.00"}, {Mile, "0.00"}, {NauticalMile, "0.00"}};
}

void TestLinear::conversion()
{
    QFETCH(int, source);
    QFETCH(QString, typed);
    QFETCH(Expected, expected);

    const std::optional<QStringList> result
        = test_support::typeAndConvert(convert::linearMeasure, source, typed).value;
    QVERIFY(result);
    test_support::compareEveryUnit(convert::linearMeasure, *result, expected);
}

void TestLinear::sourceKeepsItsText_data()
{
    QTest::addColumn<int>("source");
    for (int field = 0; field < FieldCount; ++field)
        QTest::addRow("field %d", field) << field;
}

void TestLinear::sourceKeepsItsText()
{
    // Texts that do not read as a whole number stay as typed, and no other field keeps a stale value.
    QFETCH(int, source);
    QStringList texts(FieldCount, QStringLiteral("stale"));
    texts[source] = QStringLiteral("5 apples");
    const std::optional<QStringList> result = convert::runConversion(convert::linearMeasure, texts, source).value;
    QVERIFY(result);
    QCOMPARE((*result)[source], QStringLiteral("5 apples"));
    for (int field = 0; field < FieldCount; ++field) {
        if (field != source)
            QVERIFY2((*result)[field] != QLatin1String("stale"), qPrintable(QString::number(field)));
    }
}

void TestLinear::outOfRangeChangesNothing_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("typed");
    QTest::newRow("typed value beyond a double") << int(Metre) << QStringLiteral("1E309");
    QTest::newRow("negative value beyond a double") << int(Foot) << QStringLiteral("-1E309");
    QTest::newRow("kilometres overflow centimetres") << int(Kilometre) << QStringLiteral("1E306");
    QTest::newRow("nautical miles overflow inches") << int(NauticalMile) << QStringLiteral("1E305");
    QTest::newRow("a hundred thousand digits") << int(Inch) << QString(100000, u'9');
}

void TestLinear::outOfRangeChangesNothing()
{
    QFETCH(int, source);
    QFETCH(QString, typed);
    QStringList texts(FieldCount);
    texts[source] = typed;
    QVERIFY(test_support::refusedOutOfRange(convert::runConversion(convert::linearMeasure, texts, source)));
}

QTEST_GUILESS_MAIN(TestLinear)
#include "tst_linear.moc"
