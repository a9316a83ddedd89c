#include "convert/surface.h"

#include "support/conversion_test.h"

#include <QTest>

// Field name and the text it must show; fields not named are not checked.
using Expected = QList<std::pair<const char*, const char*>>;

// The area conversion without a window: field texts in, field texts out.
class SurfaceTest final : public QObject
{
    Q_OBJECT

private:
    static int indexOf(const QString& name) { return test_support::fieldIndex(convert::surfaceTable, name); }

    static std::optional<QStringList> typeAndConvert(const QString& source, const QString& typed)
    {
        return test_support::typeAndConvert(convert::surfaceTable, source, typed);
    }

private Q_SLOTS:
    void table()
    {
        const convert::MeasureTable& table = convert::surfaceTable;
        QCOMPARE(table.fields.size(), std::size_t(9));
    }

    void convert_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Expected>("expected");

        // One row per unit with an area large enough that a factor off by a part in a thousand changes
        // every field's two decimals, then the small worked examples and the reading of odd texts.
        QTest::newRow("square metres read back to miles use 1609 m")
            << "EbxQM"
            << "258998811.03"
            << Expected{{"EbxQM", "258,998,811.03"}, {"EbxARE", "2,589,988.11"}, {"EbxQKM", "259.00"},
                   {"EbxHA", "25,899.88"}, {"EbxSQFT", "2,787,839,999.96"}, {"EbxSQYD", "309,760,000.00"},
                   {"EbxACRE", "64,000.00"}, {"EbxSQMI", "100.04"}, {"EbxCL", "43,529.21"}};
        QTest::newRow("ares read through their own factor")
            << "EbxARE"
            << "3456789.12"
            << Expected{{"EbxQM", "345,678,912.00"}, {"EbxARE", "3,456,789.12"}, {"EbxQKM", "345.68"},
                   {"EbxHA", "34,567.89"}, {"EbxSQFT", "3,720,856,841.71"}, {"EbxSQYD", "413,428,537.97"},
                   {"EbxACRE", "85,419.12"}, {"EbxSQMI", "133.52"}, {"EbxCL", "58,097.30"}};
        QTest::newRow("square kilometres read through their own factor")
            << "EbxQKM"
            << "987.654"
            << Expected{{"EbxQM", "987,654,000.00"}, {"EbxARE", "9,876,540.00"}, {"EbxQKM", "987.65"},
                   {"EbxHA", "98,765.40"}, {"EbxSQFT", "10,631,019,178.71"}, {"EbxSQYD", "1,181,224,353.19"},
                   {"EbxACRE", "244,054.62"}, {"EbxSQMI", "381.50"}, {"EbxCL", "165,992.27"}};
        QTest::newRow("hectares read through their own factor")
            << "EbxHA"
            << "54321.5"
            << Expected{{"EbxQM", "543,215,000.00"}, {"EbxARE", "5,432,150.00"}, {"EbxQKM", "543.22"},
                   {"EbxHA", "54,321.50"}, {"EbxSQFT", "5,847,117,597.01"}, {"EbxSQYD", "649,679,733.00"},
                   {"EbxACRE", "134,231.35"}, {"EbxSQMI", "209.83"}, {"EbxCL", "91,296.64"}};
        QTest::newRow("square feet read through the side of a square")
            << "EbxSQFT"
            << "9876543210"
            << Expected{{"EbxQM", "917,560,888.90"}, {"EbxARE", "9,175,608.89"}, {"EbxQKM", "917.56"},
                   {"EbxHA", "91,756.09"}, {"EbxSQFT", "9,876,543,210.00"}, {"EbxSQYD", "1,097,393,690.00"},
                   {"EbxACRE", "226,734.23"}, {"EbxSQMI", "354.42"}, {"EbxCL", "154,211.91"}};
        QTest::newRow("square yards read through the side of a square")
            << "EbxSQYD"
            << "456789012"
            << Expected{{"EbxQM", "381,933,790.68"}, {"EbxARE", "3,819,337.91"}, {"EbxQKM", "381.93"},
                   {"EbxHA", "38,193.38"}, {"EbxSQFT", "4,111,101,108.00"}, {"EbxSQYD", "456,789,012.00"},
                   {"EbxACRE", "94,377.90"}, {"EbxSQMI", "147.53"}, {"EbxCL", "64,190.55"}};
        QTest::newRow("acres read through the side of a square")
            << "EbxACRE"
            << "87654.321"
            << Expected{{"EbxQM", "354,724,451.89"}, {"EbxARE", "3,547,244.52"}, {"EbxQKM", "354.72"},
                   {"EbxHA", "35,472.45"}, {"EbxSQFT", "3,818,222,222.76"}, {"EbxSQYD", "424,246,913.64"},
                   {"EbxACRE", "87,654.32"}, {"EbxSQMI", "137.02"}, {"EbxCL", "59,617.55"}};
        QTest::newRow("square miles read through the side of a square")
            << "EbxSQMI"
            << "246.8"
            << Expected{{"EbxQM", "639,209,065.63"}, {"EbxARE", "6,392,090.66"}, {"EbxQKM", "639.21"},
                   {"EbxHA", "63,920.91"}, {"EbxSQFT", "6,880,389,120.00"}, {"EbxSQYD", "764,487,680.00"},
                   {"EbxACRE", "157,952.00"}, {"EbxSQMI", "246.80"}, {"EbxCL", "107,430.10"}};
        QTest::newRow("claims read through their own factor")
            << "EbxCL"
            << "76543.21"
            << Expected{{"EbxQM", "455,432,099.50"}, {"EbxARE", "4,554,321.00"}, {"EbxQKM", "455.43"},
                   {"EbxHA", "45,543.21"}, {"EbxSQFT", "4,902,230,319.91"}, {"EbxSQYD", "544,692,257.77"},
                   {"EbxACRE", "112,539.72"}, {"EbxSQMI", "175.92"}, {"EbxCL", "76,543.21"}};
        QTest::newRow("one square metre")
            << "EbxQM"
            << "1"
            << Expected{{"EbxQM", "1.00"}, {"EbxARE", "0.01"}, {"EbxQKM", "0.00"}, {"EbxHA", "0.00"},
                   {"EbxSQFT", "10.76"}, {"EbxSQYD", "1.20"}, {"EbxACRE", "0.00"}, {"EbxSQMI", "0.00"},
                   {"EbxCL", "0.00"}};
        QTest::newRow("one hectare") << "EbxHA"
                                     << "1"
                                     << Expected{{"EbxQM", "10,000.00"}, {"EbxARE", "100.00"},
                                            {"EbxQKM", "0.01"}, {"EbxHA", "1.00"}, {"EbxSQFT", "107,639.10"},
                                            {"EbxSQYD", "11,959.90"}, {"EbxACRE", "2.47"},
                                            {"EbxSQMI", "0.00"}, {"EbxCL", "1.68"}};
        QTest::newRow("one square kilometre")
            << "EbxQKM"
            << "1"
            << Expected{{"EbxQM", "1,000,000.00"}, {"EbxARE", "10,000.00"}, {"EbxQKM", "1.00"},
                   {"EbxHA", "100.00"}, {"EbxSQFT", "10,763,910.42"}, {"EbxSQYD", "1,195,990.05"},
                   {"EbxACRE", "247.11"}, {"EbxSQMI", "0.39"}, {"EbxCL", "168.07"}};
        QTest::newRow("one acre") << "EbxACRE"
                                  << "1"
                                  << Expected{{"EbxQM", "4,046.86"}, {"EbxARE", "40.47"}, {"EbxQKM", "0.00"},
                                         {"EbxHA", "0.40"}, {"EbxSQFT", "43,560.00"}, {"EbxSQYD", "4,840.00"},
                                         {"EbxACRE", "1.00"}, {"EbxSQMI", "0.00"}, {"EbxCL", "0.68"}};
        QTest::newRow("one square mile keeps its own text")
            << "EbxSQMI"
            << "1"
            << Expected{{"EbxQM", "2,589,988.11"}, {"EbxARE", "25,899.88"}, {"EbxQKM", "2.59"},
                   {"EbxHA", "259.00"}, {"EbxSQFT", "27,878,400.00"}, {"EbxSQYD", "3,097,600.00"},
                   {"EbxACRE", "640.00"}, {"EbxSQMI", "1.00"}, {"EbxCL", "435.29"}};
        QTest::newRow("one claim") << "EbxCL"
                                   << "1"
                                   << Expected{{"EbxQM", "5,950.00"}, {"EbxARE", "59.50"}, {"EbxQKM", "0.01"},
                                          {"EbxHA", "0.60"}, {"EbxSQFT", "64,045.27"},
                                          {"EbxSQYD", "7,116.14"}, {"EbxACRE", "1.47"}, {"EbxSQMI", "0.00"},
                                          {"EbxCL", "1.00"}};
        QTest::newRow("one are") << "EbxARE"
                                 << "1"
                                 << Expected{{"EbxQM", "100.00"}, {"EbxARE", "1.00"}, {"EbxQKM", "0.00"},
                                        {"EbxHA", "0.01"}, {"EbxSQFT", "1,076.39"}, {"EbxSQYD", "119.60"},
                                        {"EbxACRE", "0.02"}, {"EbxSQMI", "0.00"}, {"EbxCL", "0.02"}};
        QTest::newRow("one square foot")
            << "EbxSQFT"
            << "1"
            << Expected{{"EbxQM", "0.09"}, {"EbxARE", "0.00"}, {"EbxQKM", "0.00"}, {"EbxHA", "0.00"},
                   {"EbxSQFT", "1.00"}, {"EbxSQYD", "0.11"}, {"EbxACRE", "0.00"}, {"EbxSQMI", "0.00"},
                   {"EbxCL", "0.00"}};
        QTest::newRow("one square yard")
            << "EbxSQYD"
            << "1"
            << Expected{{"EbxQM", "0.84"}, {"EbxARE", "0.01"}, {"EbxQKM", "0.00"}, {"EbxHA", "0.00"},
                   {"EbxSQFT", "9.00"}, {"EbxSQYD", "1.00"}, {"EbxACRE", "0.00"}, {"EbxSQMI", "0.00"},
                   {"EbxCL", "0.00"}};
        QTest::newRow("empty field gives zeros and stays empty")
            << "EbxHA"
            << ""
            << Expected{{"EbxQM", "0.00"}, {"EbxARE", "0.00"}, {"EbxQKM", "0.00"}, {"EbxHA", ""},
                   {"EbxSQFT", "0.00"}, {"EbxSQYD", "0.00"}, {"EbxACRE", "0.00"}, {"EbxSQMI", "0.00"},
                   {"EbxCL", "0.00"}};
        QTest::newRow("text without a number converts as zero")
            << "EbxHA"
            << "abc"
            << Expected{{"EbxQM", "0.00"}, {"EbxARE", "0.00"}, {"EbxQKM", "0.00"}, {"EbxHA", "abc"},
                   {"EbxSQFT", "0.00"}, {"EbxSQYD", "0.00"}, {"EbxACRE", "0.00"}, {"EbxSQMI", "0.00"},
                   {"EbxCL", "0.00"}};
        QTest::newRow("digits before letters convert")
            << "EbxHA"
            << "12abc"
            << Expected{{"EbxQM", "120,000.00"}, {"EbxARE", "1,200.00"}, {"EbxQKM", "0.12"},
                   {"EbxHA", "12abc"}, {"EbxSQFT", "1,291,669.25"}, {"EbxSQYD", "143,518.81"},
                   {"EbxACRE", "29.65"}, {"EbxSQMI", "0.05"}, {"EbxCL", "20.17"}};
        QTest::newRow("grouping comma ends the number, the source is still formatted")
            << "EbxQM"
            << "1,234.5"
            << Expected{{"EbxQM", "1,234.50"}, {"EbxARE", "0.01"}, {"EbxQKM", "0.00"}, {"EbxHA", "0.00"},
                   {"EbxSQFT", "10.76"}, {"EbxSQYD", "1.20"}, {"EbxACRE", "0.00"}, {"EbxSQMI", "0.00"},
                   {"EbxCL", "0.00"}};
        QTest::newRow("negative hectares keep their sign")
            << "EbxHA"
            << "-10"
            << Expected{{"EbxQM", "-100,000.00"}, {"EbxARE", "-1,000.00"}, {"EbxQKM", "-0.10"},
                   {"EbxHA", "-10.00"}, {"EbxSQFT", "-1,076,391.04"}, {"EbxSQYD", "-119,599.00"},
                   {"EbxACRE", "-24.71"}, {"EbxSQMI", "-0.04"}, {"EbxCL", "-16.81"}};
        QTest::newRow("negative square mile converts through the side")
            << "EbxSQMI"
            << "-1"
            << Expected{{"EbxQM", "-2,589,988.11"}, {"EbxARE", "-25,899.88"}, {"EbxQKM", "-2.59"},
                   {"EbxHA", "-259.00"}, {"EbxSQFT", "-27,878,400.00"}, {"EbxSQYD", "-3,097,600.00"},
                   {"EbxACRE", "-640.00"}, {"EbxSQMI", "-1.00"}, {"EbxCL", "-435.29"}};
        QTest::newRow("negative acres convert through the side")
            << "EbxACRE"
            << "-10"
            << Expected{{"EbxQM", "-40,468.56"}, {"EbxARE", "-404.69"}, {"EbxQKM", "-0.04"},
                   {"EbxHA", "-4.05"}, {"EbxSQFT", "-435,600.00"}, {"EbxSQYD", "-48,400.00"},
                   {"EbxACRE", "-10.00"}, {"EbxSQMI", "-0.02"}, {"EbxCL", "-6.80"}};
        QTest::newRow("negative square metres convert back with the sign")
            << "EbxQM"
            << "-258998811.03"
            << Expected{{"EbxQM", "-258,998,811.03"}, {"EbxARE", "-2,589,988.11"}, {"EbxQKM", "-259.00"},
                   {"EbxHA", "-25,899.88"}, {"EbxSQFT", "-2,787,839,999.96"}, {"EbxSQYD", "-309,760,000.00"},
                   {"EbxACRE", "-64,000.00"}, {"EbxSQMI", "-100.04"}, {"EbxCL", "-43,529.21"}};
    }

    void convert()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);

        const std::optional<QStringList> result = typeAndConvert(source, typed);
        QVERIFY(result);
        test_support::compareEveryField(convert::surfaceTable, *result, expected);
    }

    void otherFieldsAreNotReadFromTheirTexts()
    {
        QStringList texts(convert::surface::FieldCount);
        for (QString& text : texts)
            text = QStringLiteral("999");
        texts[convert::surface::Hectare] = QStringLiteral("1");
        const std::optional<QStringList> result
            = convert::runConversion(convert::surfaceTable, texts, convert::surface::Hectare);
        QVERIFY(result);
        QCOMPARE(result->at(convert::surface::Acre), QStringLiteral("2.47"));
        QCOMPARE(result->at(convert::surface::SquareMile), QStringLiteral("0.00"));
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("square kilometres beyond a double") << "EbxQKM"
                                                           << "1E305";
        QTest::newRow("square miles beyond a double") << "EbxSQMI"
                                                      << "1E305";
        QTest::newRow("typed number beyond a double") << "EbxQM"
                                                      << "1E999";
        QTest::newRow("negative typed number beyond a double") << "EbxSQFT"
                                                               << "-1E999";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QVERIFY(!typeAndConvert(source, typed));
    }
};

QTEST_GUILESS_MAIN(SurfaceTest)
#include "tst_surface.moc"
