#include "convert/weight.h"

#include "support/conversion_test.h"

#include <QTest>

// Field name and the text it must show; fields not named are not checked.
using Expected = QList<std::pair<const char*, const char*>>;

// The weight conversion without a window.
class WeightTest final : public QObject
{
    Q_OBJECT

private:
    static int indexOf(const QString& name) { return test_support::fieldIndex(convert::weightTable, name); }

    static std::optional<QStringList> typeAndConvert(const QString& source, const QString& typed)
    {
        return test_support::typeAndConvert(convert::weightTable, source, typed);
    }

private Q_SLOTS:
    void table()
    {
        const convert::MeasureTable& table = convert::weightTable;
        QCOMPARE(table.fields.size(), std::size_t(17));
    }

    void convert_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Expected>("expected");

        QTest::newRow("one kilogram")
            << "EBxKG"
            << "1"
            << Expected{{"EBxG", "1,000.00"}, {"EBxKG", "1.00"}, {"EBxQ", "0.01"}, {"EBxT", "0.001"},
                   {"EBxGR", "15,384.6154"}, {"EBxDWT", "643.0868"}, {"EBxOZ", "35.2734"},
                   {"EBxTROZ", "32.1502"}, {"EBxTRLB", "2.6792"}, {"EBxLB", "2.2046"}, {"EBxST", "0.1575"},
                   {"EBxUSQR", "0.0882"}, {"EBxQR", "0.0787"}, {"EBxUSCWT", "0.022"}, {"EBxCWT", "0.0197"},
                   {"EBxSHTN", "0.0011"}, {"EBxLTN", "0.001"}};
        QTest::newRow("one avoirdupois pound")
            << "EBxLB"
            << "1"
            << Expected{{"EBxG", "453.592"}, {"EBxKG", "0.4536"}, {"EBxOZ", "15.9997"},
                   {"EBxTROZ", "14.5831"}, {"EBxGR", "6,978.3386"}, {"EBxST", "0.0714"}, {"EBxUSQR", "0.04"},
                   {"EBxQR", "0.0357"}, {"EBxUSCWT", "0.01"}, {"EBxLB", "1.00"}};
        QTest::newRow("one metric quintal")
            << "EBxQ"
            << "1"
            << Expected{{"EBxG", "100,000.00"}, {"EBxKG", "100.00"}, {"EBxT", "0.10"}, {"EBxLB", "220.4624"}};
        QTest::newRow("one British quarter")
            << "EBxQR"
            << "1"
            << Expected{{"EBxLB", "28.00"}, {"EBxST", "2.00"}, {"EBxUSQR", "1.12"}, {"EBxCWT", "0.25"},
                   {"EBxUSCWT", "0.28"}};
        QTest::newRow("one long ton")
            << "EBxLTN"
            << "1"
            << Expected{{"EBxLB", "2,239.9998"}, {"EBxST", "160.00"}, {"EBxSHTN", "1.12"},
                   {"EBxCWT", "20.00"}, {"EBxKG", "1,016.046"}};
        QTest::newRow("grams keep the typed digits, kilograms show seven")
            << "EBxG"
            << "123456789"
            << Expected{{"EBxKG", "123,456.80"}, {"EBxQ", "1,234.5679"}, {"EBxG", "123,456,789.00"}};
        QTest::newRow("grams written from the hub show seven digits")
            << "EBxKG"
            << "123456789" << Expected{{"EBxG", "123,456,800,000.00"}, {"EBxKG", "123,456,789.00"}};
        QTest::newRow("minus one kilogram") << "EBxKG"
                                            << "-1"
                                            << Expected{{"EBxG", "-1,000.00"}, {"EBxKG", "-1.00"},
                                                   {"EBxGR", "-15,384.6154"}, {"EBxLTN", "-0.001"}};
        QTest::newRow("empty field gives zeros and stays empty")
            << "EBxST"
            << ""
            << Expected{{"EBxST", ""}, {"EBxG", "0.00"}, {"EBxKG", "0.00"}, {"EBxQ", "0.00"},
                   {"EBxT", "0.00"}, {"EBxGR", "0.00"}, {"EBxDWT", "0.00"}, {"EBxOZ", "0.00"},
                   {"EBxTROZ", "0.00"}, {"EBxTRLB", "0.00"}, {"EBxLB", "0.00"}, {"EBxUSQR", "0.00"},
                   {"EBxQR", "0.00"}, {"EBxUSCWT", "0.00"}, {"EBxCWT", "0.00"}, {"EBxSHTN", "0.00"},
                   {"EBxLTN", "0.00"}};
        QTest::newRow("typed text that is no number stays as typed")
            << "EBxOZ"
            << "ounces" << Expected{{"EBxOZ", "ounces"}, {"EBxG", "0.00"}};
        QTest::newRow("typed field keeps text after a grouping comma")
            << "EBxG"
            << "1,500" << Expected{{"EBxG", "1,500.00"}, {"EBxKG", "0.001"}};
    }

    void convert()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);

        const std::optional<QStringList> result = typeAndConvert(source, typed);
        QVERIFY(result);
        test_support::compareFields(convert::weightTable, *result, expected);
    }

    void everyOtherFieldIsWritten()
    {
        QStringList texts(convert::weight::FieldCount);
        for (QString& text : texts)
            text = QStringLiteral("5");
        texts[convert::weight::Stone] = QStringLiteral("1");
        const std::optional<QStringList> result
            = convert::runConversion(convert::weightTable, texts, convert::weight::Stone);
        QVERIFY(result);
        // 1 stone = 14 lb = 6350.288 g.
        QCOMPARE(result->at(convert::weight::Pound), QStringLiteral("14.00"));
        QCOMPARE(result->at(convert::weight::Gram), QStringLiteral("6,350.288"));
        QCOMPARE(result->at(convert::weight::Stone), QStringLiteral("1.00"));
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("grams beyond a float") << "EBxG"
                                              << "1E39";
        QTest::newRow("negative grams beyond a float") << "EBxG"
                                                       << "-1E39";
        QTest::newRow("long tons beyond a float in grams") << "EBxLTN"
                                                           << "1E33";
        QTest::newRow("typed number beyond a double") << "EBxKG"
                                                      << "1E400";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QVERIFY(!typeAndConvert(source, typed));
    }

    void largestWeightStillConverts()
    {
        const std::optional<QStringList> result
            = typeAndConvert(QStringLiteral("EBxKG"), QStringLiteral("3E35"));
        QVERIFY(result);
        // The gram text carries the single-precision hub's seven digits.
        QCOMPARE(result->at(convert::weight::Gram),
            QStringLiteral("300,000,000,000,000,000,000,000,000,000,000,000,000.00"));
    }
};

QTEST_GUILESS_MAIN(WeightTest)
#include "tst_weight.moc"
