#include "convert/volume.h"

#include "support/conversion_test.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace convert::volume;

// A unit and the text it must show.
using Expected = test_support::UnitTexts;

namespace {

// One litre typed into the litre field, every field as it shows afterwards.
const Expected oneLitre{{CubicCentimetre, "1,000.00"}, {Millilitre, "1,000.00"}, {CubicDecimetre, "1.00"}, {Litre, "1.00"},
    {Hectolitre, "0.01"}, {CubicMetre, "0.001"}, {CubicInch, "61.022"}, {CubicFoot, "0.0353"},
    {CubicYard, "0.0013"}, {RegisterTon, "0.0004"}, {ImperialFluidOunce, "35.199"}, {ImperialGill, "7.0423"},
    {ImperialPint, "1.76"}, {ImperialQuart, "0.88"}, {ImperialGallon, "0.22"}, {ImperialPeck, "0.11"},
    {ImperialBushel, "0.0275"}, {UsFluidOunce, "33.818"}, {UsGill, "8.4746"}, {UsLiquidPint, "2.1142"},
    {UsLiquidQuart, "1.057"}, {UsGallon, "0.2642"}, {UsDryPint, "1.8149"}, {UsDryQuart, "0.9083"},
    {UsPeck, "0.1135"}, {UsBushel, "0.0284"}};


// One cubic metre typed into the cubic metre field: the texts the design gives.
const Expected oneCubicMetre{{CubicCentimetre, "1,000,000.00"}, {Millilitre, "1,000,000.00"},
    {CubicDecimetre, "1,000.00"}, {Litre, "1,000.00"}, {Hectolitre, "10.00"}, {CubicInch, "61,022.00"},
    {ImperialGallon, "219.98"}, {UsGallon, "264.18"}, {CubicFoot, "35.314"}, {CubicYard, "1.308"},
    {RegisterTon, "0.3531"}, {ImperialGill, "7,042.2535"}};

} // namespace

// The volume conversion and the box calculation without a window.
class VolumeTest final : public QObject
{
    Q_OBJECT

private:
    static void compareTexts(const QStringList& texts, const Expected& expected)
    {
        QCOMPARE(texts.size(), static_cast<qsizetype>(FieldCount));
        for (const auto& [unit, text] : expected)
            QCOMPARE(texts.at(unit), QString::fromUtf8(text));
    }

    static QStringList allFieldsShowing(const char* text)
    {
        QStringList texts(convert::volume::FieldCount);
        for (QString& field : texts)
            field = QLatin1String(text);
        return texts;
    }

private Q_SLOTS:
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

    // Every unit is read into the hub through its own factor; the cubic centimetres, written from the hub
    // with four decimals, show a factor off by a part in a million.
    void readsEachUnitThroughItsOwnFactor_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cubicCentimetres");
        QTest::newRow("cubic centimetres") << int(CubicCentimetre) << "456789123" << "456,789,123.00";
        QTest::newRow("millilitres") << int(Millilitre) << "654321789" << "654,322,088.9515";
        QTest::newRow("cubic decimetres") << int(CubicDecimetre) << "345678.9" << "345,679,035.9149";
        QTest::newRow("litres") << int(Litre) << "567890.12" << "567,890,296.9118";
        QTest::newRow("hectolitres") << int(Hectolitre) << "4567.891" << "456,789,365.7641";
        QTest::newRow("cubic metres") << int(CubicMetre) << "789.0123" << "789,012,531.9781";
        QTest::newRow("cubic inches") << int(CubicInch) << "23456789" << "384,386,637.3161";
        QTest::newRow("cubic feet, read as 1728 cubic inches") << int(CubicFoot) << "12345.67" << "349,589,279.6054";
        QTest::newRow("cubic yards") << int(CubicYard) << "654.321" << "500,555,910.2414";
        QTest::newRow("register tons") << int(RegisterTon) << "123.456" << "349,627,626.9282";
        QTest::newRow("imperial fluid ounces") << int(ImperialFluidOunce) << "15432109" << "438,426,480.046";
        QTest::newRow("imperial gills") << int(ImperialGill) << "3456789" << "490,864,216.8686";
        QTest::newRow("imperial pints") << int(ImperialPint) << "876543.2" << "497,876,847.3386";
        QTest::newRow("imperial quarts") << int(ImperialQuart) << "345678.9" << "393,037,179.5972";
        QTest::newRow("imperial gallons") << int(ImperialGallon) << "98765.43" << "448,987,901.6604";
        QTest::newRow("imperial pecks") << int(ImperialPeck) << "54321.09" << "493,670,302.006";
        QTest::newRow("imperial bushels") << int(ImperialBushel) << "12345.6" << "448,997,349.7382";
        QTest::newRow("US fluid ounces") << int(UsFluidOunce) << "16543210" << "489,183,020.7195";
        QTest::newRow("US gills") << int(UsGill) << "3210987" << "378,896,581.476";
        QTest::newRow("US liquid pints") << int(UsLiquidPint) << "876543.21" << "414,605,109.8068";
        QTest::newRow("US liquid quarts") << int(UsLiquidQuart) << "456789.1" << "432,122,763.9244";
        QTest::newRow("US gallons") << int(UsGallon) << "123456.7" << "467,283,834.7621";
        QTest::newRow("US dry pints") << int(UsDryPint) << "765432.1" << "421,753,269.4616";
        QTest::newRow("US dry quarts") << int(UsDryQuart) << "432109.8" << "475,753,027.318";
        QTest::newRow("US pecks") << int(UsPeck) << "54321.9" << "478,467,448.8003";
        QTest::newRow("US bushels") << int(UsBushel) << "13579.2" << "478,517,632.5117";
    }

    void readsEachUnitThroughItsOwnFactor()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QFETCH(QString, cubicCentimetres);
        const std::optional<QStringList> result
            = test_support::typeAndConvert(convert::volumeMeasure, source, typed).value;
        QVERIFY(result);
        QCOMPARE(result->at(CubicCentimetre), cubicCentimetres);
    }

    // Every unit is written from the hub through its own factor, shown on a volume large enough that a
    // factor off by a part in a thousand changes its text.
    void writesEveryUnitFromTheHub()
    {
        const std::optional<QStringList> result
            = test_support::typeAndConvert(convert::volumeMeasure, Litre, QStringLiteral("567890.12")).value;
        QVERIFY(result);
        test_support::compareEveryUnit(convert::volumeMeasure, *result,
            Expected{{CubicCentimetre, "567,890,296.9118"}, {Millilitre, "567,890,300.00"},
                   {CubicDecimetre, "567,890.2341"}, {Litre, "567,890.12"}, {Hectolitre, "5,678.9031"},
                   {CubicMetre, "567.8903"}, {CubicInch, "34,653,802.6494"}, {CubicFoot, "20,054.4785"},
                   {CubicYard, "742.8005"}, {RegisterTon, "200.5493"}, {ImperialFluidOunce, "19,989,171.1097"},
                   {ImperialGill, "3,999,227.5528"}, {ImperialPint, "999,486.95"}, {ImperialQuart, "499,743.475"},
                   {ImperialGallon, "124,924.5109"}, {ImperialPeck, "62,487.9305"}, {ImperialBushel, "15,614.6804"},
                   {UsFluidOunce, "19,204,914.5881"}, {UsGill, "4,812,629.7669"},
                   {UsLiquidPint, "1,200,613.7685"}, {UsLiquidQuart, "600,260.0603"}, {UsGallon, "150,025.2628"},
                   {UsDryPint, "1,030,653.9247"}, {UsDryQuart, "515,795.0159"}, {UsPeck, "64,474.377"},
                   {UsBushel, "16,115.3924"}});
    }

    void workedExamples_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Expected>("expected");
        QTest::newRow("one litre") << int(Litre) << "1" << oneLitre;
        QTest::newRow("one cubic metre") << int(CubicMetre) << "1" << oneCubicMetre;
        QTest::newRow("one US gallon shows the single-precision hub")
            << int(UsGallon) << "1"
            << Expected{{CubicCentimetre, "3,785.0007"}, {Millilitre, "3,785.001"}, {Litre, "3.785"},
                   {UsLiquidQuart, "4.0007"}, {UsGallon, "1.00"}};
        QTest::newRow("typed field keeps text after a grouping comma")
            << int(Litre) << "1,500" << Expected{{CubicCentimetre, "1,000.00"}, {Litre, "1,500.00"}};
        QTest::newRow("typed text that is no number stays as typed")
            << int(CubicFoot) << "abc" << Expected{{CubicCentimetre, "0.00"}, {CubicFoot, "abc"}};
        QTest::newRow("empty field gives zeros and stays empty")
            << int(UsPeck) << "" << Expected{{CubicCentimetre, "0.00"}, {UsBushel, "0.00"}, {UsPeck, ""}};
    }

    void workedExamples()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);
        const std::optional<QStringList> result
            = test_support::typeAndConvert(convert::volumeMeasure, source, typed).value;
        QVERIFY(result);
        compareTexts(*result, expected);
    }

    void minusOneLitreShowsTheSameTextsWithASign()
    {
        const std::optional<QStringList> result
            = test_support::typeAndConvert(convert::volumeMeasure, Litre, QStringLiteral("-1")).value;
        QVERIFY(result);
        for (const auto& [unit, text] : oneLitre)
            QCOMPARE(result->at(unit), QLatin1Char('-') + QLatin1String(text));
    }

    // What the other fields held before is never read: every field is written from the hub.
    void everyFieldIsWritten()
    {
        QStringList texts = allFieldsShowing("999");
        texts[Litre] = QStringLiteral("1");
        QCOMPARE(convert::runConversion(convert::volumeMeasure, texts, Litre).value,
            test_support::typeAndConvert(convert::volumeMeasure, Litre, QStringLiteral("1")).value);
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("litres beyond a float") << int(CubicMetre)
                                               << "1E36";
        QTest::newRow("millilitres beyond a float") << int(CubicMetre)
                                                    << "1E33";
        QTest::newRow("negative litres beyond a float") << int(CubicMetre)
                                                        << "-1E36";
        QTest::newRow("cube edge beyond a float") << int(CubicCentimetre)
                                                  << "1E200";
        QTest::newRow("typed number beyond a double") << int(Litre)
                                                      << "1E999";
        QTest::newRow("reading product beyond a double") << int(RegisterTon)
                                                         << "1E306";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QStringList texts(convert::volume::FieldCount);
        texts[source] = typed;
        QVERIFY(test_support::refusedOutOfRange(convert::runConversion(convert::volumeMeasure, texts, source)));
    }

    void largestVolumeStillConverts()
    {
        QStringList texts(convert::volume::FieldCount);
        texts[convert::volume::CubicMetre] = QStringLiteral("1E32");
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeMeasure, texts, convert::volume::CubicMetre).value;
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
            = convert::runConversion(convert::volumeMeasure, texts, convert::volume::CubicCentimetre).value;
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

        QTest::newRow("one cubic foot box") << "1"
                                            << "1"
                                            << "1" << true
                                            << Expected{{CubicFoot, "1.00"}, {CubicInch, "1,727.9443"},
                                                   {CubicYard, "0.037"}, {Litre, "28.3167"}};
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
            << "1" << false << Expected{{Litre, "-1,000.00"}, {CubicMetre, "-1.00"}};
    }

    void box()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, width);
        QFETCH(bool, feet);
        QFETCH(Expected, expected);

        const convert::Outcome<QStringList> result
            = convert::convertBox({length, height, width}, feet ? BoxUnit::Foot : BoxUnit::Metre);
        QVERIFY(result.value && !result.problem);
        compareTexts(*result.value, expected);
    }

    // A box of one cubic metre fills every field as one cubic metre typed into its field does.
    void boxOfOneCubicMetreIsOneCubicMetre()
    {
        const convert::Outcome<QStringList> box = convert::convertBox(
            {QStringLiteral("2"), QStringLiteral("0.5"), QStringLiteral("1")}, BoxUnit::Metre);
        QVERIFY(box.value);
        QCOMPARE(box.value,
            test_support::typeAndConvert(convert::volumeMeasure, CubicMetre, QStringLiteral("1")).value);
        QCOMPARE(box.value->at(CubicMetre), QStringLiteral("1.00"));
    }

    void boxRefusesWhatItCannotCompute_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("width");
        QTest::addColumn<convert::Problem>("problem");

        using convert::Problem;
        QTest::newRow("length missing") << ""
                                        << "1"
                                        << "1" << Problem::BoxEdgeMissing;
        QTest::newRow("height missing") << "1"
                                        << ""
                                        << "1" << Problem::BoxEdgeMissing;
        QTest::newRow("width missing") << "1"
                                       << "1"
                                       << "" << Problem::BoxEdgeMissing;
        QTest::newRow("all missing") << ""
                                     << ""
                                     << "" << Problem::BoxEdgeMissing;
        QTest::newRow("litres beyond a float") << "1E20"
                                               << "1E20"
                                               << "1E20" << Problem::ResultOutOfRange;
        QTest::newRow("product beyond a double") << "1E200"
                                                 << "1E200"
                                                 << "1" << Problem::ResultOutOfRange;
        QTest::newRow("edge beyond a double times zero") << "1E999"
                                                         << "0"
                                                         << "1" << Problem::ResultOutOfRange;
    }

    void boxRefusesWhatItCannotCompute()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, width);
        QFETCH(convert::Problem, problem);

        for (const auto unit : {BoxUnit::Metre, BoxUnit::Foot}) {
            const convert::Outcome<QStringList> result = convert::convertBox({length, height, width}, unit);
            QCOMPARE(result.problem, problem);
            QVERIFY(!result.value);
        }
    }
};

QTEST_GUILESS_MAIN(VolumeTest)
#include "tst_volume.moc"
