#include "convert/linear.h"

#include "support/conversion_test.h"

#include <QTest>

using namespace convert::linear;

namespace {
// Field name and the text it must show; every field of the dialog is named.
using Expected = test_support::FieldTextList;
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
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Expected>("expected");

    // One row per unit with a length large enough that a factor off by a part in a thousand changes
    // every field's two decimals, then the small worked examples and the reading of odd texts.
    QTest::newRow("centimetres read through their own factor")
        << "EBxCM"
        << "987654321"
        << Expected{{"EBxCM", "987,654,321.00"}, {"EBxM", "9,876,543.21"}, {"EBxKM", "9,876.54"},
               {"EBxIN", "388,840,273.48"}, {"EBxFT", "32,403,356.12"}, {"EBxYD", "10,801,118.71"},
               {"EBxMI", "6,137.00"}, {"EBxNMI", "5,332.91"}};
    QTest::newRow("metres read through their own factor, single-precision yard in the last digits")
        << "EBxM"
        << "10000000"
        << Expected{{"EBxCM", "1,000,000,000.00"}, {"EBxM", "10,000,000.00"}, {"EBxKM", "10,000.00"},
               {"EBxIN", "393,700,795.37"}, {"EBxFT", "32,808,399.61"}, {"EBxYD", "10,936,133.20"},
               {"EBxMI", "6,213.71"}, {"EBxNMI", "5,399.57"}};
    QTest::newRow("kilometres read through their own factor")
        << "EBxKM"
        << "12345.678"
        << Expected{{"EBxCM", "1,234,567,800.00"}, {"EBxM", "12,345,678.00"}, {"EBxKM", "12,345.68"},
               {"EBxIN", "486,050,314.96"}, {"EBxFT", "40,504,192.91"}, {"EBxYD", "13,501,397.64"},
               {"EBxMI", "7,671.25"}, {"EBxNMI", "6,666.13"}};
    QTest::newRow("inches read through their own factor")
        << "EBxIN"
        << "123456789"
        << Expected{{"EBxCM", "313,580,252.43"}, {"EBxM", "3,135,802.38"}, {"EBxKM", "3,135.80"},
               {"EBxIN", "123,456,789.00"}, {"EBxFT", "10,288,065.75"}, {"EBxYD", "3,429,355.25"},
               {"EBxMI", "1,948.50"}, {"EBxNMI", "1,693.23"}};
    QTest::newRow("feet read through their own factor")
        << "EBxFT"
        << "98765432.1"
        << Expected{{"EBxCM", "3,010,370,450.78"}, {"EBxM", "30,103,703.09"}, {"EBxKM", "30,103.70"},
               {"EBxIN", "1,185,185,185.20"}, {"EBxFT", "98,765,432.10"}, {"EBxYD", "32,921,810.70"},
               {"EBxMI", "18,705.57"}, {"EBxNMI", "16,255.01"}};
    QTest::newRow("yards read through their own factor")
        << "EBxYD"
        << "5555555.5"
        << Expected{{"EBxCM", "508,000,008.48"}, {"EBxM", "5,079,999.85"}, {"EBxKM", "5,080.00"},
               {"EBxIN", "199,999,998.00"}, {"EBxFT", "16,666,666.50"}, {"EBxYD", "5,555,555.50"},
               {"EBxMI", "3,156.57"}, {"EBxNMI", "2,743.03"}};
    QTest::newRow("miles read through their own factor, nautical mile from the mile side")
        << "EBxMI"
        << "10000"
        << Expected{{"EBxCM", "1,609,344,042.97"}, {"EBxM", "16,093,439.67"}, {"EBxKM", "16,093.44"},
               {"EBxIN", "633,600,000.00"}, {"EBxFT", "52,800,000.00"}, {"EBxYD", "17,600,000.00"},
               {"EBxMI", "10,000.00"}, {"EBxNMI", "8,689.93"}};
    QTest::newRow("nautical miles read through their own factor")
        << "EBxNMI"
        << "4321.5"
        << Expected{{"EBxCM", "800,341,837.56"}, {"EBxM", "8,003,418.00"}, {"EBxKM", "8,003.42"},
               {"EBxIN", "315,095,203.23"}, {"EBxFT", "26,257,933.60"}, {"EBxYD", "8,752,644.53"},
               {"EBxMI", "4,973.09"}, {"EBxNMI", "4,321.50"}};
    QTest::newRow("nautical mile from the metre side")
        << "EBxM"
        << "16093440"
        << Expected{{"EBxCM", "1,609,344,000.00"}, {"EBxM", "16,093,440.00"}, {"EBxKM", "16,093.44"},
               {"EBxIN", "633,600,012.82"}, {"EBxFT", "52,800,001.07"}, {"EBxYD", "17,600,000.36"},
               {"EBxMI", "10,000.00"}, {"EBxNMI", "8,689.76"}};
    QTest::newRow("one metre") << "EBxM"
                               << "1"
                               << Expected{{"EBxCM", "100.00"}, {"EBxM", "1.00"}, {"EBxKM", "0.00"},
                                      {"EBxIN", "39.37"}, {"EBxFT", "3.28"}, {"EBxYD", "1.09"},
                                      {"EBxMI", "0.00"}, {"EBxNMI", "0.00"}};
    QTest::newRow("one centimetre") << "EBxCM"
                                    << "1"
                                    << Expected{{"EBxCM", "1.00"}, {"EBxM", "0.01"}, {"EBxKM", "0.00"},
                                           {"EBxIN", "0.39"}, {"EBxFT", "0.03"}, {"EBxYD", "0.01"},
                                           {"EBxMI", "0.00"}, {"EBxNMI", "0.00"}};
    QTest::newRow("one kilometre") << "EBxKM"
                                   << "1"
                                   << Expected{{"EBxCM", "100,000.00"}, {"EBxM", "1,000.00"},
                                          {"EBxKM", "1.00"}, {"EBxIN", "39,370.08"}, {"EBxFT", "3,280.84"},
                                          {"EBxYD", "1,093.61"}, {"EBxMI", "0.62"}, {"EBxNMI", "0.54"}};
    QTest::newRow("one mile") << "EBxMI"
                              << "1"
                              << Expected{{"EBxCM", "160,934.40"}, {"EBxM", "1,609.34"}, {"EBxKM", "1.61"},
                                     {"EBxIN", "63,360.00"}, {"EBxFT", "5,280.00"}, {"EBxYD", "1,760.00"},
                                     {"EBxMI", "1.00"}, {"EBxNMI", "0.87"}};
    QTest::newRow("one nautical mile")
        << "EBxNMI"
        << "1"
        << Expected{{"EBxCM", "185,200.01"}, {"EBxM", "1,852.00"}, {"EBxKM", "1.85"}, {"EBxIN", "72,913.39"},
               {"EBxFT", "6,076.12"}, {"EBxYD", "2,025.37"}, {"EBxMI", "1.15"}, {"EBxNMI", "1.00"}};
    QTest::newRow("one yard") << "EBxYD"
                              << "1"
                              << Expected{{"EBxCM", "91.44"}, {"EBxM", "0.91"}, {"EBxKM", "0.00"},
                                     {"EBxIN", "36.00"}, {"EBxFT", "3.00"}, {"EBxYD", "1.00"},
                                     {"EBxMI", "0.00"}, {"EBxNMI", "0.00"}};
    QTest::newRow("negative length keeps its sign")
        << "EBxM"
        << "-3000"
        << Expected{{"EBxCM", "-300,000.00"}, {"EBxM", "-3,000.00"}, {"EBxKM", "-3.00"},
               {"EBxIN", "-118,110.24"}, {"EBxFT", "-9,842.52"}, {"EBxYD", "-3,280.84"}, {"EBxMI", "-1.86"},
               {"EBxNMI", "-1.62"}};
    QTest::newRow("empty field converts zero")
        << "EBxCM"
        << ""
        << Expected{{"EBxCM", ""}, {"EBxM", "0.00"}, {"EBxKM", "0.00"}, {"EBxIN", "0.00"}, {"EBxFT", "0.00"},
               {"EBxYD", "0.00"}, {"EBxMI", "0.00"}, {"EBxNMI", "0.00"}};
    QTest::newRow("letters after the number are ignored")
        << "EBxM"
        << "12abc"
        << Expected{{"EBxCM", "1,200.00"}, {"EBxM", "12abc"}, {"EBxKM", "0.01"}, {"EBxIN", "472.44"},
               {"EBxFT", "39.37"}, {"EBxYD", "13.12"}, {"EBxMI", "0.01"}, {"EBxNMI", "0.01"}};
    QTest::newRow("grouping comma ends the number, source shown grouped")
        << "EBxM"
        << "1,234.5"
        << Expected{{"EBxCM", "100.00"}, {"EBxM", "1,234.50"}, {"EBxKM", "0.00"}, {"EBxIN", "39.37"},
               {"EBxFT", "3.28"}, {"EBxYD", "1.09"}, {"EBxMI", "0.00"}, {"EBxNMI", "0.00"}};
    QTest::newRow("formatted text converts its first group")
        << "EBxYD"
        << "1,093.61"
        << Expected{{"EBxCM", "91.44"}, {"EBxM", "0.91"}, {"EBxKM", "0.00"}, {"EBxIN", "36.00"},
               {"EBxFT", "3.00"}, {"EBxYD", "1,093.61"}, {"EBxMI", "0.00"}, {"EBxNMI", "0.00"}};
    QTest::newRow("blanks inside the number")
        << "EBxM"
        << "1 000"
        << Expected{{"EBxCM", "100,000.00"}, {"EBxM", "1 000"}, {"EBxKM", "1.00"}, {"EBxIN", "39,370.08"},
               {"EBxFT", "3,280.84"}, {"EBxYD", "1,093.61"}, {"EBxMI", "0.62"}, {"EBxNMI", "0.54"}};
    QTest::newRow("exponent form") << "EBxM"
                                   << "2.5E3"
                                   << Expected{{"EBxCM", "250,000.00"}, {"EBxM", "2,500.00"},
                                          {"EBxKM", "2.50"}, {"EBxIN", "98,425.20"}, {"EBxFT", "8,202.10"},
                                          {"EBxYD", "2,734.03"}, {"EBxMI", "1.55"}, {"EBxNMI", "1.35"}};
    QTest::newRow("underflow is zero")
        << "EBxKM"
        << "4.9E-324"
        << Expected{{"EBxCM", "0.00"}, {"EBxM", "0.00"}, {"EBxKM", "0.00"}, {"EBxIN", "0.00"},
               {"EBxFT", "0.00"}, {"EBxYD", "0.00"}, {"EBxMI", "0.00"}, {"EBxNMI", "0.00"}};
}

void TestLinear::conversion()
{
    QFETCH(QString, source);
    QFETCH(QString, typed);
    QFETCH(Expected, expected);

    const std::optional<QStringList> result
        = test_support::typeAndConvert(convert::linearTable, source, typed);
    QVERIFY(result);
    test_support::compareEveryField(convert::linearTable, *result, expected);
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
    const std::optional<QStringList> result = convert::runConversion(convert::linearTable, texts, source);
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
    QVERIFY(!convert::runConversion(convert::linearTable, texts, source));
}

QTEST_GUILESS_MAIN(TestLinear)
#include "tst_linear.moc"
