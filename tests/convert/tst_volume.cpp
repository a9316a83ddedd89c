#include "convert/volume.h"

#include "support/conversion_test.h"
#include <QRegularExpression>

#include <QTest>

#include <cmath>

// Field name and the text it must show; fields not named are not checked.
using Expected = QList<std::pair<const char*, const char*>>;

namespace {

// One litre typed into the litre field, every field as it shows afterwards.
const Expected oneLitre{{"EBxCM3", "1,000.00"}, {"EBxML", "1,000.00"}, {"EBxDM3", "1.00"}, {"EBxL", "1.00"},
    {"EBxHL", "0.01"}, {"EBxM3", "0.001"}, {"EBxCUIN", "61.022"}, {"EBxCUFT", "0.0353"},
    {"EBxCUYD", "0.0013"}, {"EBxRT", "0.0004"}, {"EBxOZFL", "35.199"}, {"EBxIMPGI", "7.0423"},
    {"EBxIMPPT", "1.76"}, {"EBxIMPQT", "0.88"}, {"EBxIMPGAL", "0.22"}, {"EBxIMPPK", "0.11"},
    {"EBxIMPBUSH", "0.0275"}, {"EBxOZFLUS", "33.818"}, {"EBxUSGILL", "8.4746"}, {"EBxUSPTLI", "2.1142"},
    {"EBxUSQT", "1.057"}, {"EBxUSGAL", "0.2642"}, {"EBxUSPTDR", "1.8149"}, {"EBxUSQTDR", "0.9083"},
    {"EBxUSPK", "0.1135"}, {"EBxUSBUSH", "0.0284"}};

const Expected minusOneLitre{{"EBxCM3", "-1,000.00"}, {"EBxML", "-1,000.00"}, {"EBxDM3", "-1.00"},
    {"EBxL", "-1.00"}, {"EBxHL", "-0.01"}, {"EBxM3", "-0.001"}, {"EBxCUIN", "-61.022"},
    {"EBxCUFT", "-0.0353"}, {"EBxCUYD", "-0.0013"}, {"EBxRT", "-0.0004"}, {"EBxOZFL", "-35.199"},
    {"EBxIMPGI", "-7.0423"}, {"EBxIMPPT", "-1.76"}, {"EBxIMPQT", "-0.88"}, {"EBxIMPGAL", "-0.22"},
    {"EBxIMPPK", "-0.11"}, {"EBxIMPBUSH", "-0.0275"}, {"EBxOZFLUS", "-33.818"}, {"EBxUSGILL", "-8.4746"},
    {"EBxUSPTLI", "-2.1142"}, {"EBxUSQT", "-1.057"}, {"EBxUSGAL", "-0.2642"}, {"EBxUSPTDR", "-1.8149"},
    {"EBxUSQTDR", "-0.9083"}, {"EBxUSPK", "-0.1135"}, {"EBxUSBUSH", "-0.0284"}};

// One cubic metre, the fields the worked example names.
const Expected oneCubicMetre{{"EBxCM3", "1,000,000.00"}, {"EBxML", "1,000,000.00"}, {"EBxDM3", "1,000.00"},
    {"EBxL", "1,000.00"}, {"EBxHL", "10.00"}, {"EBxCUIN", "61,022.00"}, {"EBxIMPGAL", "219.98"},
    {"EBxUSGAL", "264.18"}, {"EBxCUFT", "35.314"}, {"EBxCUYD", "1.308"}, {"EBxRT", "0.3531"},
    {"EBxIMPGI", "7,042.2535"}, {"EBxM3", "1.00"}};

} // namespace

// The volume conversion and the box calculation without a window.
class VolumeTest final : public QObject
{
    Q_OBJECT

private:
    static int indexOf(const QString& name) { return test_support::fieldIndex(convert::volumeTable, name); }

    static void compareTexts(const QStringList& texts, const Expected& expected)
    {
        test_support::compareFields(convert::volumeTable, texts, expected);
    }

    static QStringList allFieldsShowing(const char* text)
    {
        QStringList texts(convert::volume::FieldCount);
        for (QString& field : texts)
            field = QLatin1String(text);
        return texts;
    }

private Q_SLOTS:
    void table()
    {
        const convert::MeasureTable& table = convert::volumeTable;
        QCOMPARE(table.fields.size(), std::size_t(26));
    }

    void cubeRootUsesASinglePrecisionThird_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        // 1000 ^ 0.3333333432674408 = 10 * exp(ln 1000 * 9.934107e-9), by hand.
        QTest::newRow("thousand comes out slightly above ten") << 1000.0 << 10.000000686226;
        QTest::newRow("negative volume has a negative edge") << -1000.0 << -10.000000686226;
        QTest::newRow("one stays one") << 1.0 << 1.0;
        QTest::newRow("zero stays zero") << 0.0 << 0.0;
    }

    void cubeRootUsesASinglePrecisionThird()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QVERIFY2(std::fabs(convert::cubeRoot(x) - expected) < 1e-11,
            qPrintable(QString::number(convert::cubeRoot(x), 'g', 17)));
    }

    void convert_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Expected>("expected");

        QTest::newRow("one litre") << "EBxL"
                                   << "1" << oneLitre;
        QTest::newRow("minus one litre") << "EBxL"
                                         << "-1" << minusOneLitre;
        QTest::newRow("one cubic metre") << "EBxM3"
                                         << "1" << oneCubicMetre;
        QTest::newRow("one US gallon shows the single-precision hub")
            << "EBxUSGAL"
            << "1"
            << Expected{{"EBxCM3", "3,785.0007"}, {"EBxML", "3,785.001"}, {"EBxL", "3.785"},
                   {"EBxUSQT", "4.0007"}, {"EBxUSGAL", "1.00"}};
        QTest::newRow("typed field keeps its text, formatted") << "EBxIMPGAL"
                                                               << "2.5" << Expected{{"EBxIMPGAL", "2.50"}};
        QTest::newRow("typed field keeps text after a grouping comma")
            << "EBxL"
            << "1,500" << Expected{{"EBxL", "1,500.00"}, {"EBxCM3", "1,000.00"}};
        QTest::newRow("typed text that is no number stays as typed")
            << "EBxCUFT"
            << "abc" << Expected{{"EBxCUFT", "abc"}, {"EBxCM3", "0.00"}, {"EBxL", "0.00"}};
        Expected emptyRow = {{"EBxUSPK", ""}};
        for (const auto& [field, text] : oneLitre) {
            if (qstrcmp(field, "EBxUSPK") != 0)
                emptyRow.append(std::pair(field, "0.00"));
        }
        QTest::newRow("empty field gives zeros and stays empty") << "EBxUSPK"
                                                                 << "" << emptyRow;
    }

    void convert()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);

        QStringList texts(convert::volume::FieldCount);
        texts[indexOf(source)] = typed;
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeTable, texts, indexOf(source));
        QVERIFY(result);
        compareTexts(*result, expected);
    }

    void everyFieldIsWritten()
    {
        QStringList texts = allFieldsShowing("999");
        texts[convert::volume::Litre] = QStringLiteral("1");
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeTable, texts, convert::volume::Litre);
        QVERIFY(result);
        compareTexts(*result, oneLitre);
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("litres beyond a float") << "EBxM3"
                                               << "1E36";
        QTest::newRow("millilitres beyond a float") << "EBxM3"
                                                    << "1E33";
        QTest::newRow("negative litres beyond a float") << "EBxM3"
                                                        << "-1E36";
        QTest::newRow("cube edge beyond a float") << "EBxCM3"
                                                  << "1E200";
        QTest::newRow("typed number beyond a double") << "EBxL"
                                                      << "1E999";
        QTest::newRow("reading product beyond a double") << "EBxRT"
                                                         << "1E306";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QStringList texts(convert::volume::FieldCount);
        texts[indexOf(source)] = typed;
        QVERIFY(!convert::runConversion(convert::volumeTable, texts, indexOf(source)));
    }

    void largestVolumeStillConverts()
    {
        QStringList texts(convert::volume::FieldCount);
        texts[convert::volume::CubicMetre] = QStringLiteral("1E32");
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeTable, texts, convert::volume::CubicMetre);
        QVERIFY(result);
        QCOMPARE(result->at(convert::volume::CubicMetre),
            QStringLiteral("100,000,000,000,000,000,000,000,000,000,000.00"));
        for (const QString& text : *result) {
            QVERIFY(!text.contains(QLatin1String("inf"), Qt::CaseInsensitive));
            QVERIFY(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive));
        }
    }

    // Litres and millilitres are single-precision values: only their first seven digits are significant,
    // while the cubic centimetres, a double, show more.
    void litresShowSevenDigits()
    {
        QStringList texts(convert::volume::FieldCount);
        texts[convert::volume::CubicCentimetre] = QStringLiteral("12345678900");
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeTable, texts, convert::volume::CubicCentimetre);
        QVERIFY(result);
        const QRegularExpression sevenDigits(QStringLiteral("^12,345,6\\d0\\.00$"));
        QVERIFY2(sevenDigits.match(result->at(convert::volume::Litre)).hasMatch(),
            qPrintable(result->at(convert::volume::Litre)));
        QCOMPARE(result->at(convert::volume::Millilitre),
            QString(result->at(convert::volume::Litre))
                .replace(QLatin1String(".00"), QLatin1String(",000.00")));
        QCOMPARE(result->at(convert::volume::CubicCentimetre), QStringLiteral("12,345,678,900.00"));
    }

    void box_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("width");
        QTest::addColumn<bool>("feet");
        QTest::addColumn<Expected>("expected");

        QTest::newRow("one cubic metre box gives the cubic metre texts") << "2"
                                                                         << "0.5"
                                                                         << "1" << false << oneCubicMetre;
        QTest::newRow("one cubic foot box") << "1"
                                            << "1"
                                            << "1" << true
                                            << Expected{{"EBxCUFT", "1.00"}, {"EBxCUIN", "1,727.9443"},
                                                   {"EBxCUYD", "0.037"}, {"EBxL", "28.3167"}};
        Expected zeros;
        for (const auto& [field, text] : oneLitre)
            zeros.append(std::pair(field, "0.00"));
        QTest::newRow("a blank edge reads as zero") << " "
                                                    << "1"
                                                    << "1" << false << zeros;
        QTest::newRow("edge without a number reads as zero") << "2"
                                                             << "x"
                                                             << "1" << true << zeros;
        QTest::newRow("negative edge gives a negative volume")
            << "-2"
            << "0.5"
            << "1" << false << Expected{{"EBxL", "-1,000.00"}, {"EBxM3", "-1.00"}};
    }

    void box()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, width);
        QFETCH(bool, feet);
        QFETCH(Expected, expected);

        const convert::volume::BoxResult result = convert::convertBox(
            {length, height, width}, feet ? convert::volume::BoxUnit::Foot : convert::volume::BoxUnit::Metre);
        QCOMPARE(result.outcome, convert::volume::BoxOutcome::Converted);
        compareTexts(result.texts, expected);
    }

    void boxRefusesWhatItCannotCompute_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("width");
        QTest::addColumn<convert::volume::BoxOutcome>("outcome");

        using convert::volume::BoxOutcome;
        QTest::newRow("length missing") << ""
                                        << "1"
                                        << "1" << BoxOutcome::EdgeMissing;
        QTest::newRow("height missing") << "1"
                                        << ""
                                        << "1" << BoxOutcome::EdgeMissing;
        QTest::newRow("width missing") << "1"
                                       << "1"
                                       << "" << BoxOutcome::EdgeMissing;
        QTest::newRow("all missing") << ""
                                     << ""
                                     << "" << BoxOutcome::EdgeMissing;
        QTest::newRow("litres beyond a float") << "1E20"
                                               << "1E20"
                                               << "1E20" << BoxOutcome::TooLarge;
        QTest::newRow("product beyond a double") << "1E200"
                                                 << "1E200"
                                                 << "1" << BoxOutcome::TooLarge;
        QTest::newRow("edge beyond a double times zero") << "1E999"
                                                         << "0"
                                                         << "1" << BoxOutcome::TooLarge;
    }

    void boxRefusesWhatItCannotCompute()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, width);
        QFETCH(convert::volume::BoxOutcome, outcome);

        for (const auto unit : {convert::volume::BoxUnit::Metre, convert::volume::BoxUnit::Foot}) {
            const convert::volume::BoxResult result = convert::convertBox({length, height, width}, unit);
            QCOMPARE(result.outcome, outcome);
            QVERIFY(result.texts.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(VolumeTest)
#include "tst_volume.moc"
