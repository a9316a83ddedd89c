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

        QTest::newRow("one square metre")
            << "EbxQM"
            << "1"
            << Expected{{"EbxQM", "1.00"}, {"EbxARE", "0.01"}, {"EbxSQFT", "10.76"}, {"EbxSQYD", "1.20"},
                   {"EbxQKM", "0.00"}, {"EbxHA", "0.00"}, {"EbxACRE", "0.00"}, {"EbxSQMI", "0.00"},
                   {"EbxCL", "0.00"}};
        QTest::newRow("one hectare") << "EbxHA"
                                     << "1"
                                     << Expected{{"EbxQM", "10,000.00"}, {"EbxARE", "100.00"},
                                            {"EbxQKM", "0.01"}, {"EbxSQFT", "107,639.10"},
                                            {"EbxSQYD", "11,959.90"}, {"EbxACRE", "2.47"},
                                            {"EbxSQMI", "0.00"}, {"EbxCL", "1.68"}, {"EbxHA", "1.00"}};
        QTest::newRow("one square kilometre")
            << "EbxQKM"
            << "1"
            << Expected{{"EbxQM", "1,000,000.00"}, {"EbxHA", "100.00"}, {"EbxACRE", "247.11"},
                   {"EbxSQMI", "0.39"}, {"EbxCL", "168.07"}, {"EbxSQFT", "10,763,910.42"},
                   {"EbxQKM", "1.00"}};
        QTest::newRow("one acre") << "EbxACRE"
                                  << "1"
                                  << Expected{{"EbxQM", "4,046.86"}, {"EbxSQFT", "43,560.00"},
                                         {"EbxSQYD", "4,840.00"}, {"EbxHA", "0.40"}, {"EbxARE", "40.47"},
                                         {"EbxCL", "0.68"}, {"EbxACRE", "1.00"}};
        QTest::newRow("one square mile keeps its own text")
            << "EbxSQMI"
            << "1"
            << Expected{{"EbxQM", "2,589,988.11"}, {"EbxACRE", "640.00"}, {"EbxSQFT", "27,878,400.00"},
                   {"EbxSQYD", "3,097,600.00"}, {"EbxHA", "259.00"}, {"EbxQKM", "2.59"}, {"EbxCL", "435.29"},
                   {"EbxSQMI", "1.00"}};
        QTest::newRow("square metres back to miles use 1609 m")
            << "EbxQM"
            << "258998811.03" << Expected{{"EbxSQMI", "100.04"}, {"EbxQM", "258,998,811.03"}};
        QTest::newRow("one claim") << "EbxCL"
                                   << "1"
                                   << Expected{{"EbxQM", "5,950.00"}, {"EbxHA", "0.60"}, {"EbxACRE", "1.47"},
                                          {"EbxCL", "1.00"}};
        QTest::newRow("one are") << "EbxARE"
                                 << "1"
                                 << Expected{{"EbxQM", "100.00"}, {"EbxHA", "0.01"}, {"EbxQKM", "0.00"},
                                        {"EbxACRE", "0.02"}, {"EbxSQFT", "1,076.39"}, {"EbxSQYD", "119.60"},
                                        {"EbxCL", "0.02"}};
        QTest::newRow("one square foot") << "EbxSQFT"
                                         << "1" << Expected{{"EbxQM", "0.09"}, {"EbxSQYD", "0.11"}};
        QTest::newRow("one square yard") << "EbxSQYD"
                                         << "1" << Expected{{"EbxSQFT", "9.00"}, {"EbxQM", "0.84"}};

        const Expected allZero{{"EbxQM", "0.00"}, {"EbxARE", "0.00"}, {"EbxQKM", "0.00"}, {"EbxSQFT", "0.00"},
            {"EbxSQYD", "0.00"}, {"EbxACRE", "0.00"}, {"EbxSQMI", "0.00"}, {"EbxCL", "0.00"}};
        QTest::newRow("empty field gives zeros and stays empty") << "EbxHA"
                                                                 << "" << (allZero + Expected{{"EbxHA", ""}});
        QTest::newRow("text without a number converts as zero")
            << "EbxHA"
            << "abc" << (allZero + Expected{{"EbxHA", "abc"}});
        QTest::newRow("digits before letters convert")
            << "EbxHA"
            << "12abc" << Expected{{"EbxQM", "120,000.00"}, {"EbxHA", "12abc"}};
        QTest::newRow("grouping comma ends the number, the source is still formatted")
            << "EbxQM"
            << "1,234.5" << Expected{{"EbxQM", "1,234.50"}, {"EbxARE", "0.01"}};

        QTest::newRow("negative hectare keeps its sign")
            << "EbxHA"
            << "-1"
            << Expected{{"EbxQM", "-10,000.00"}, {"EbxARE", "-100.00"}, {"EbxQKM", "-0.01"},
                   {"EbxSQFT", "-107,639.10"}, {"EbxSQYD", "-11,959.90"}, {"EbxACRE", "-2.47"},
                   {"EbxCL", "-1.68"}};
        QTest::newRow("negative square mile converts through the side")
            << "EbxSQMI"
            << "-1" << Expected{{"EbxQM", "-2,589,988.11"}, {"EbxACRE", "-640.00"}};
        QTest::newRow("negative acre converts through the side")
            << "EbxACRE"
            << "-1" << Expected{{"EbxQM", "-4,046.86"}, {"EbxSQYD", "-4,840.00"}};
        QTest::newRow("negative square metres convert back with the sign")
            << "EbxQM"
            << "-258998811.03" << Expected{{"EbxSQMI", "-100.04"}, {"EbxSQFT", "-2,787,839,999.96"}};
    }

    void convert()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);

        const std::optional<QStringList> result = typeAndConvert(source, typed);
        QVERIFY(result);
        test_support::compareFields(convert::surfaceTable, *result, expected);
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
