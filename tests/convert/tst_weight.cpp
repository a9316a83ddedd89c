#include "convert/weight.h"

#include "support/conversion_test.h"

#include <QTest>

using namespace convert::weight;

// A unit and the text it must show.
using Expected = test_support::UnitTexts;

// The weight conversion without a window.
class WeightTest final : public QObject
{
    Q_OBJECT

private:
    static convert::Outcome<QStringList> typeAndConvert(int source, const QString& typed)
    {
        return test_support::typeAndConvert(convert::weightMeasure, source, typed);
    }

private Q_SLOTS:
    void convert_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Expected>("expected");

        // The hub written into every unit, on weights large enough that a factor off by a part in a
        // thousand changes every text, then the worked examples and the reading of odd texts.
        QTest::newRow("grams keep the typed digits, kilograms show seven")
            << int(Gram)
            << "123456789"
            << Expected{{Gram, "123,456,789.00"}, {Kilogram, "123,456.80"}, {MetricQuintal, "1,234.5679"},
                   {Ton, "123.4568"}, {Grain, "1,899,335,261.5385"}, {Pennyweight, "79,393,435.3698"},
                   {Ounce, "4,354,736.9312"}, {TroyOunce, "3,969,161.2654"}, {TroyPound, "330,768.7559"},
                   {Pound, "272,175.8585"}, {Stone, "19,441.1327"}, {UsQuarter, "10,887.0343"},
                   {BritishQuarter, "9,720.5633"}, {Cental, "2,721.7586"}, {Hundredweight, "2,430.1418"},
                   {ShortTon, "136.0879"}, {LongTon, "121.5071"}};
        QTest::newRow("grams written from the hub show seven digits")
            << int(Kilogram)
            << "123456789"
            << Expected{{Gram, "123,456,800,000.00"}, {Kilogram, "123,456,789.00"},
                   {MetricQuintal, "1,234,567.9053"}, {Ton, "123,456.7905"}, {Grain, "1,899,335,238,892.31"},
                   {Pennyweight, "79,393,434,423.1511"}, {Ounce, "4,354,736,879.2945"},
                   {TroyOunce, "3,969,161,218.107"}, {TroyPound, "330,768,751.984"},
                   {Pound, "272,175,855.2355"}, {Stone, "19,441,132.5168"},
                   {UsQuarter, "10,887,034.2094"}, {BritishQuarter, "9,720,563.197"}, {Cental, "2,721,758.5524"},
                   {Hundredweight, "2,430,141.7559"}, {ShortTon, "136,087.9276"}, {LongTon, "121,507.0878"}};
        QTest::newRow("one kilogram")
            << int(Kilogram)
            << "1"
            << Expected{{Gram, "1,000.00"}, {Kilogram, "1.00"}, {MetricQuintal, "0.01"}, {Ton, "0.001"},
                   {Grain, "15,384.6154"}, {Pennyweight, "643.0868"}, {Ounce, "35.2734"},
                   {TroyOunce, "32.1502"}, {TroyPound, "2.6792"}, {Pound, "2.2046"}, {Stone, "0.1575"},
                   {UsQuarter, "0.0882"}, {BritishQuarter, "0.0787"}, {Cental, "0.022"}, {Hundredweight, "0.0197"},
                   {ShortTon, "0.0011"}, {LongTon, "0.001"}};
        QTest::newRow("one avoirdupois pound")
            << int(Pound)
            << "1"
            << Expected{{Gram, "453.592"}, {Kilogram, "0.4536"}, {MetricQuintal, "0.0045"}, {Ton, "0.0005"},
                   {Grain, "6,978.3386"}, {Pennyweight, "291.699"}, {Ounce, "15.9997"},
                   {TroyOunce, "14.5831"}, {TroyPound, "1.2153"}, {Pound, "1.00"}, {Stone, "0.0714"},
                   {UsQuarter, "0.04"}, {BritishQuarter, "0.0357"}, {Cental, "0.01"}, {Hundredweight, "0.0089"},
                   {ShortTon, "0.0005"}, {LongTon, "0.0004"}};
        QTest::newRow("one metric quintal")
            << int(MetricQuintal)
            << "1"
            << Expected{{Gram, "100,000.00"}, {Kilogram, "100.00"}, {MetricQuintal, "1.00"}, {Ton, "0.10"},
                   {Grain, "1,538,461.5385"}, {Pennyweight, "64,308.6817"}, {Ounce, "3,527.3369"},
                   {TroyOunce, "3,215.0206"}, {TroyPound, "267.9227"}, {Pound, "220.4624"},
                   {Stone, "15.7473"}, {UsQuarter, "8.8185"}, {BritishQuarter, "7.8737"}, {Cental, "2.2046"},
                   {Hundredweight, "1.9684"}, {ShortTon, "0.1102"}, {LongTon, "0.0984"}};
        QTest::newRow("one British quarter")
            << int(BritishQuarter)
            << "1"
            << Expected{{Gram, "12,700.58"}, {Kilogram, "12.7006"}, {MetricQuintal, "0.127"}, {Ton, "0.0127"},
                   {Grain, "195,393.5397"}, {Pennyweight, "8,167.5756"}, {Ounce, "447.9922"},
                   {TroyOunce, "408.3263"}, {TroyPound, "34.0277"}, {Pound, "28.00"}, {Stone, "2.00"},
                   {UsQuarter, "1.12"}, {BritishQuarter, "1.00"}, {Cental, "0.28"}, {Hundredweight, "0.25"},
                   {ShortTon, "0.014"}, {LongTon, "0.0125"}};
        QTest::newRow("one long ton")
            << int(LongTon)
            << "1"
            << Expected{{Gram, "1,016,046.00"}, {Kilogram, "1,016.046"}, {MetricQuintal, "10.1605"},
                   {Ton, "1.016"}, {Grain, "15,631,476.9231"}, {Pennyweight, "653,405.7878"},
                   {Ounce, "35,839.3651"}, {TroyOunce, "32,666.088"}, {TroyPound, "2,722.2178"},
                   {Pound, "2,239.9998"}, {Stone, "160.00"}, {UsQuarter, "89.60"}, {BritishQuarter, "80.00"},
                   {Cental, "22.40"}, {Hundredweight, "20.00"}, {ShortTon, "1.12"}, {LongTon, "1.00"}};
        QTest::newRow("minus one kilogram")
            << int(Kilogram)
            << "-1"
            << Expected{{Gram, "-1,000.00"}, {Kilogram, "-1.00"}, {MetricQuintal, "-0.01"}, {Ton, "-0.001"},
                   {Grain, "-15,384.6154"}, {Pennyweight, "-643.0868"}, {Ounce, "-35.2734"},
                   {TroyOunce, "-32.1502"}, {TroyPound, "-2.6792"}, {Pound, "-2.2046"},
                   {Stone, "-0.1575"}, {UsQuarter, "-0.0882"}, {BritishQuarter, "-0.0787"}, {Cental, "-0.022"},
                   {Hundredweight, "-0.0197"}, {ShortTon, "-0.0011"}, {LongTon, "-0.001"}};
        QTest::newRow("empty field gives zeros and stays empty")
            << int(Stone)
            << ""
            << Expected{{Gram, "0.00"}, {Kilogram, "0.00"}, {MetricQuintal, "0.00"}, {Ton, "0.00"},
                   {Grain, "0.00"}, {Pennyweight, "0.00"}, {Ounce, "0.00"}, {TroyOunce, "0.00"},
                   {TroyPound, "0.00"}, {Pound, "0.00"}, {Stone, ""}, {UsQuarter, "0.00"},
                   {BritishQuarter, "0.00"}, {Cental, "0.00"}, {Hundredweight, "0.00"}, {ShortTon, "0.00"},
                   {LongTon, "0.00"}};
        QTest::newRow("typed text that is no number stays as typed")
            << int(Ounce)
            << "ounces"
            << Expected{{Gram, "0.00"}, {Kilogram, "0.00"}, {MetricQuintal, "0.00"}, {Ton, "0.00"},
                   {Grain, "0.00"}, {Pennyweight, "0.00"}, {Ounce, "ounces"}, {TroyOunce, "0.00"},
                   {TroyPound, "0.00"}, {Pound, "0.00"}, {Stone, "0.00"}, {UsQuarter, "0.00"},
                   {BritishQuarter, "0.00"}, {Cental, "0.00"}, {Hundredweight, "0.00"}, {ShortTon, "0.00"},
                   {LongTon, "0.00"}};
        QTest::newRow("typed field keeps text after a grouping comma")
            << int(Gram)
            << "1,500"
            << Expected{{Gram, "1,500.00"}, {Kilogram, "0.001"}, {MetricQuintal, "0.00"}, {Ton, "0.00"},
                   {Grain, "15.3846"}, {Pennyweight, "0.6431"}, {Ounce, "0.0353"}, {TroyOunce, "0.0322"},
                   {TroyPound, "0.0027"}, {Pound, "0.0022"}, {Stone, "0.0002"}, {UsQuarter, "0.0001"},
                   {BritishQuarter, "0.0001"}, {Cental, "0.00"}, {Hundredweight, "0.00"}, {ShortTon, "0.00"},
                   {LongTon, "0.00"}};
    }

    void convert()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);

        const std::optional<QStringList> result = typeAndConvert(source, typed).value;
        QVERIFY(result);
        test_support::compareEveryUnit(convert::weightMeasure, *result, expected);
    }

    // Every unit is read into the gram hub through its own factor; the gram text shows the hub's seven
    // digits, so a factor off by a part in a million changes it.
    void readsEachUnitThroughItsOwnFactor_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("grams");
        QTest::newRow("metric quintals") << int(MetricQuintal) << "3456.789" << "345,678,900.00";
        QTest::newRow("tons") << int(Ton) << "234.5678" << "234,567,800.00";
        QTest::newRow("grains") << int(Grain) << "5432109876" << "353,087,100.00";
        QTest::newRow("pennyweights") << int(Pennyweight) << "234567890" << "364,753,100.00";
        QTest::newRow("avoirdupois ounces") << int(Ounce) << "12345678" << "350,000,000.00";
        QTest::newRow("troy ounces") << int(TroyOunce) << "11223344" << "349,090,900.00";
        QTest::newRow("troy pounds") << int(TroyPound) << "987654.3" << "368,634,100.00";
        QTest::newRow("avoirdupois pounds") << int(Pound) << "765432.1" << "347,193,900.00";
        QTest::newRow("stones") << int(Stone) << "54321.76" << "344,958,800.00";
        QTest::newRow("US quarters") << int(UsQuarter) << "34567.8" << "391,991,900.00";
        QTest::newRow("British quarters") << int(BritishQuarter) << "27182.8" << "345,237,300.00";
        QTest::newRow("centals") << int(Cental) << "8765.43" << "397,592,900.00";
        QTest::newRow("hundredweights") << int(Hundredweight) << "7654.32" << "388,857,100.00";
        QTest::newRow("short tons") << int(ShortTon) << "432.109" << "392,002,400.00";
        QTest::newRow("long tons") << int(LongTon) << "345.678" << "351,224,700.00";
    }

    void readsEachUnitThroughItsOwnFactor()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QFETCH(QString, grams);
        const std::optional<QStringList> result = typeAndConvert(source, typed).value;
        QVERIFY(result);
        QCOMPARE(result->at(Gram), grams);
    }

    void everyOtherFieldIsWritten()
    {
        QStringList texts(convert::weight::FieldCount);
        for (QString& text : texts)
            text = QStringLiteral("5");
        texts[convert::weight::Stone] = QStringLiteral("1");
        const std::optional<QStringList> result
            = convert::runConversion(convert::weightMeasure, texts, convert::weight::Stone).value;
        QVERIFY(result);
        // 1 stone = 14 lb = 6350.288 g.
        QCOMPARE(result->at(convert::weight::Pound), QStringLiteral("14.00"));
        QCOMPARE(result->at(convert::weight::Gram), QStringLiteral("6,350.288"));
        QCOMPARE(result->at(convert::weight::Stone), QStringLiteral("1.00"));
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("grams beyond a float") << int(Gram)
                                              << "1E39";
        QTest::newRow("negative grams beyond a float") << int(Gram)
                                                       << "-1E39";
        QTest::newRow("long tons beyond a float in grams") << int(LongTon)
                                                           << "1E33";
        QTest::newRow("typed number beyond a double") << int(Kilogram)
                                                      << "1E400";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QVERIFY(test_support::refusedOutOfRange(typeAndConvert(source, typed)));
    }

    void largestWeightStillConverts()
    {
        const std::optional<QStringList> result = typeAndConvert(Kilogram, QStringLiteral("3E35")).value;
        QVERIFY(result);
        // The gram text carries the single-precision hub's seven digits.
        QCOMPARE(result->at(convert::weight::Gram),
            QStringLiteral("300,000,000,000,000,000,000,000,000,000,000,000,000.00"));
    }
};

QTEST_GUILESS_MAIN(WeightTest)
#include "tst_weight.moc"
