#include "convert/surface.h"

#include "support/conversion_test.h"

#include <QTest>

using namespace convert::surface;

// A unit and the text it must show.
using Expected = test_support::UnitTexts;

// The area conversion without a window: field texts in, field texts out.
class SurfaceTest final : public QObject
{
    Q_OBJECT

private:
    static convert::Outcome<QStringList> typeAndConvert(int source, const QString& typed)
    {
        return test_support::typeAndConvert(convert::surfaceMeasure, source, typed);
    }

private Q_SLOTS:
    void convert_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Expected>("expected");

        // One row per unit with an area large enough that a factor off by a part in a thousand changes
        // every field's two decimals, then the small worked examples and the reading of odd texts.
        QTest::newRow("square metres read back to miles use 1609 m")
            << int(SquareMetre)
            << "258998811.03"
            << Expected{{SquareMetre, "258,998,811.03"}, {Are, "2,589,988.11"}, {SquareKilometre, "259.00"},
                   {Hectare, "25,899.88"}, {SquareFoot, "2,787,839,999.96"}, {SquareYard, "309,760,000.00"},
                   {Acre, "64,000.00"}, {SquareMile, "100.04"}, {Claim, "43,529.21"}};
        QTest::newRow("ares read through their own factor")
            << int(Are)
            << "3456789.12"
            << Expected{{SquareMetre, "345,678,912.00"}, {Are, "3,456,789.12"}, {SquareKilometre, "345.68"},
                   {Hectare, "34,567.89"}, {SquareFoot, "3,720,856,841.71"}, {SquareYard, "413,428,537.97"},
                   {Acre, "85,419.12"}, {SquareMile, "133.52"}, {Claim, "58,097.30"}};
        QTest::newRow("square kilometres read through their own factor")
            << int(SquareKilometre)
            << "987.654"
            << Expected{{SquareMetre, "987,654,000.00"}, {Are, "9,876,540.00"}, {SquareKilometre, "987.65"},
                   {Hectare, "98,765.40"}, {SquareFoot, "10,631,019,178.71"}, {SquareYard, "1,181,224,353.19"},
                   {Acre, "244,054.62"}, {SquareMile, "381.50"}, {Claim, "165,992.27"}};
        QTest::newRow("hectares read through their own factor")
            << int(Hectare)
            << "54321.5"
            << Expected{{SquareMetre, "543,215,000.00"}, {Are, "5,432,150.00"}, {SquareKilometre, "543.22"},
                   {Hectare, "54,321.50"}, {SquareFoot, "5,847,117,597.01"}, {SquareYard, "649,679,733.00"},
                   {Acre, "134,231.35"}, {SquareMile, "209.83"}, {Claim, "91,296.64"}};
        QTest::newRow("square feet read through the side of a square")
            << int(SquareFoot)
            << "9876543210"
            << Expected{{SquareMetre, "917,560,888.90"}, {Are, "9,175,608.89"}, {SquareKilometre, "917.56"},
                   {Hectare, "91,756.09"}, {SquareFoot, "9,876,543,210.00"}, {SquareYard, "1,097,393,690.00"},
                   {Acre, "226,734.23"}, {SquareMile, "354.42"}, {Claim, "154,211.91"}};
        QTest::newRow("square yards read through the side of a square")
            << int(SquareYard)
            << "456789012"
            << Expected{{SquareMetre, "381,933,790.68"}, {Are, "3,819,337.91"}, {SquareKilometre, "381.93"},
                   {Hectare, "38,193.38"}, {SquareFoot, "4,111,101,108.00"}, {SquareYard, "456,789,012.00"},
                   {Acre, "94,377.90"}, {SquareMile, "147.53"}, {Claim, "64,190.55"}};
        QTest::newRow("acres read through the side of a square")
            << int(Acre)
            << "87654.321"
            << Expected{{SquareMetre, "354,724,451.89"}, {Are, "3,547,244.52"}, {SquareKilometre, "354.72"},
                   {Hectare, "35,472.45"}, {SquareFoot, "3,818,222,222.76"}, {SquareYard, "424,246,913.64"},
                   {Acre, "87,654.32"}, {SquareMile, "137.02"}, {Claim, "59,617.55"}};
        QTest::newRow("square miles read through the side of a square")
            << int(SquareMile)
            << "246.8"
            << Expected{{SquareMetre, "639,209,065.63"}, {Are, "6,392,090.66"}, {SquareKilometre, "639.21"},
                   {Hectare, "63,920.91"}, {SquareFoot, "6,880,389,120.00"}, {SquareYard, "764,487,680.00"},
                   {Acre, "157,952.00"}, {SquareMile, "246.80"}, {Claim, "107,430.10"}};
        QTest::newRow("claims read through their own factor")
            << int(Claim)
            << "76543.21"
            << Expected{{SquareMetre, "455,432,099.50"}, {Are, "4,554,321.00"}, {SquareKilometre, "455.43"},
                   {Hectare, "45,543.21"}, {SquareFoot, "4,902,230,319.91"}, {SquareYard, "544,692,257.77"},
                   {Acre, "112,539.72"}, {SquareMile, "175.92"}, {Claim, "76,543.21"}};
        QTest::newRow("one square metre")
            << int(SquareMetre)
            << "1"
            << Expected{{SquareMetre, "1.00"}, {Are, "0.01"}, {SquareKilometre, "0.00"}, {Hectare, "0.00"},
                   {SquareFoot, "10.76"}, {SquareYard, "1.20"}, {Acre, "0.00"}, {SquareMile, "0.00"},
                   {Claim, "0.00"}};
        QTest::newRow("one hectare") << int(Hectare)
                                     << "1"
                                     << Expected{{SquareMetre, "10,000.00"}, {Are, "100.00"},
                                            {SquareKilometre, "0.01"}, {Hectare, "1.00"}, {SquareFoot, "107,639.10"},
                                            {SquareYard, "11,959.90"}, {Acre, "2.47"},
                                            {SquareMile, "0.00"}, {Claim, "1.68"}};
        QTest::newRow("one square kilometre")
            << int(SquareKilometre)
            << "1"
            << Expected{{SquareMetre, "1,000,000.00"}, {Are, "10,000.00"}, {SquareKilometre, "1.00"},
                   {Hectare, "100.00"}, {SquareFoot, "10,763,910.42"}, {SquareYard, "1,195,990.05"},
                   {Acre, "247.11"}, {SquareMile, "0.39"}, {Claim, "168.07"}};
        QTest::newRow("one acre") << int(Acre)
                                  << "1"
                                  << Expected{{SquareMetre, "4,046.86"}, {Are, "40.47"}, {SquareKilometre, "0.00"},
                                         {Hectare, "0.40"}, {SquareFoot, "43,560.00"}, {SquareYard, "4,840.00"},
                                         {Acre, "1.00"}, {SquareMile, "0.00"}, {Claim, "0.68"}};
        QTest::newRow("one square mile keeps its own text")
            << int(SquareMile)
            << "1"
            << Expected{{SquareMetre, "2,589,988.11"}, {Are, "25,899.88"}, {SquareKilometre, "2.59"},
                   {Hectare, "259.00"}, {SquareFoot, "27,878,400.00"}, {SquareYard, "3,097,600.00"},
                   {Acre, "640.00"}, {SquareMile, "1.00"}, {Claim, "435.29"}};
        QTest::newRow("one claim") << int(Claim)
                                   << "1"
                                   << Expected{{SquareMetre, "5,950.00"}, {Are, "59.50"}, {SquareKilometre, "0.01"},
                                          {Hectare, "0.60"}, {SquareFoot, "64,045.27"},
                                          {SquareYard, "7,116.14"}, {Acre, "1.47"}, {SquareMile, "0.00"},
                                          {Claim, "1.00"}};
        QTest::newRow("one are") << int(Are)
                                 << "1"
                                 << Expected{{SquareMetre, "100.00"}, {Are, "1.00"}, {SquareKilometre, "0.00"},
                                        {Hectare, "0.01"}, {SquareFoot, "1,076.39"}, {SquareYard, "119.60"},
                                        {Acre, "0.02"}, {SquareMile, "0.00"}, {Claim, "0.02"}};
        QTest::newRow("one square foot")
            << int(SquareFoot)
            << "1"
            << Expected{{SquareMetre, "0.09"}, {Are, "0.00"}, {SquareKilometre, "0.00"}, {Hectare, "0.00"},
                   {SquareFoot, "1.00"}, {SquareYard, "0.11"}, {Acre, "0.00"}, {SquareMile, "0.00"},
                   {Claim, "0.00"}};
        QTest::newRow("one square yard")
            << int(SquareYard)
            << "1"
            << Expected{{SquareMetre, "0.84"}, {Are, "0.01"}, {SquareKilometre, "0.00"}, {Hectare, "0.00"},
                   {SquareFoot, "9.00"}, {SquareYard, "1.00"}, {Acre, "0.00"}, {SquareMile, "0.00"},
                   {Claim, "0.00"}};
        QTest::newRow("empty field gives zeros and stays empty")
            << int(Hectare)
            << ""
            << Expected{{SquareMetre, "0.00"}, {Are, "0.00"}, {SquareKilometre, "0.00"}, {Hectare, ""},
                   {SquareFoot, "0.00"}, {SquareYard, "0.00"}, {Acre, "0.00"}, {SquareMile, "0.00"},
                   {Claim, "0.00"}};
        QTest::newRow("text without a number converts as zero")
            << int(Hectare)
            << "abc"
            << Expected{{SquareMetre, "0.00"}, {Are, "0.00"}, {SquareKilometre, "0.00"}, {Hectare, "abc"},
                   {SquareFoot, "0.00"}, {SquareYard, "0.00"}, {Acre, "0.00"}, {SquareMile, "0.00"},
                   {Claim, "0.00"}};
        QTest::newRow("digits before letters convert")
            << int(Hectare)
            << "12abc"
            << Expected{{SquareMetre, "120,000.00"}, {Are, "1,200.00"}, {SquareKilometre, "0.12"},
                   {Hectare, "12abc"}, {SquareFoot, "1,291,669.25"}, {SquareYard, "143,518.81"},
                   {Acre, "29.65"}, {SquareMile, "0.05"}, {Claim, "20.17"}};
        QTest::newRow("grouping comma ends the number, the source is still formatted")
            << int(SquareMetre)
            << "1,234.5"
            << Expected{{SquareMetre, "1,234.50"}, {Are, "0.01"}, {SquareKilometre, "0.00"}, {Hectare, "0.00"},
                   {SquareFoot, "10.76"}, {SquareYard, "1.20"}, {Acre, "0.00"}, {SquareMile, "0.00"},
                   {Claim, "0.00"}};
        QTest::newRow("negative hectares keep their sign")
            << int(Hectare)
            << "-10"
            << Expected{{SquareMetre, "-100,000.00"}, {Are, "-1,000.00"}, {SquareKilometre, "-0.10"},
                   {Hectare, "-10.00"}, {SquareFoot, "-1,076,391.04"}, {SquareYard, "-119,599.00"},
                   {Acre, "-24.71"}, {SquareMile, "-0.04"}, {Claim, "-16.81"}};
        QTest::newRow("negative square mile converts through the side")
            << int(SquareMile)
            << "-1"
            << Expected{{SquareMetre, "-2,589,988.11"}, {Are, "-25,899.88"}, {SquareKilometre, "-2.59"},
                   {Hectare, "-259.00"}, {SquareFoot, "-27,878,400.00"}, {SquareYard, "-3,097,600.00"},
                   {Acre, "-640.00"}, {SquareMile, "-1.00"}, {Claim, "-435.29"}};
        QTest::newRow("negative acres convert through the side")
            << int(Acre)
            << "-10"
            << Expected{{SquareMetre, "-40,468.56"}, {Are, "-404.69"}, {SquareKilometre, "-0.04"},
                   {Hectare, "-4.05"}, {SquareFoot, "-435,600.00"}, {SquareYard, "-48,400.00"},
                   {Acre, "-10.00"}, {SquareMile, "-0.02"}, {Claim, "-6.80"}};
        QTest::newRow("negative square metres convert back with the sign")
            << int(SquareMetre)
            << "-258998811.03"
            << Expected{{SquareMetre, "-258,998,811.03"}, {Are, "-2,589,988.11"}, {SquareKilometre, "-259.00"},
                   {Hectare, "-25,899.88"}, {SquareFoot, "-2,787,839,999.96"}, {SquareYard, "-309,760,000.00"},
                   {Acre, "-64,000.00"}, {SquareMile, "-100.04"}, {Claim, "-43,529.21"}};
    }

    void convert()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);

        const std::optional<QStringList> result = typeAndConvert(source, typed).value;
        QVERIFY(result);
        test_support::compareEveryUnit(convert::surfaceMeasure, *result, expected);
    }

    void otherFieldsAreNotReadFromTheirTexts()
    {
        QStringList texts(convert::surface::FieldCount);
        for (QString& text : texts)
            text = QStringLiteral("999");
        texts[convert::surface::Hectare] = QStringLiteral("1");
        const std::optional<QStringList> result
            = convert::runConversion(convert::surfaceMeasure, texts, convert::surface::Hectare).value;
        QVERIFY(result);
        QCOMPARE(result->at(convert::surface::Acre), QStringLiteral("2.47"));
        QCOMPARE(result->at(convert::surface::SquareMile), QStringLiteral("0.00"));
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("square kilometres beyond a double") << int(SquareKilometre)
                                                           << "1E305";
        QTest::newRow("square miles beyond a double") << int(SquareMile)
                                                      << "1E305";
        QTest::newRow("typed number beyond a double") << int(SquareMetre)
                                                      << "1E999";
        QTest::newRow("negative typed number beyond a double") << int(SquareFoot)
                                                               << "-1E999";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QVERIFY(test_support::refusedOutOfRange(typeAndConvert(source, typed)));
    }
};

QTEST_GUILESS_MAIN(SurfaceTest)
#include "tst_surface.moc"
