#include "convert/misc.h"

#include "support/conversion_test.h"

#include <QTest>

// Field name and the text it must show; fields not named are not checked.
using Expected = QList<std::pair<const char*, const char*>>;
// Field name and its text before the conversion.
using Given = QList<std::pair<const char*, const char*>>;

// Temperature, energy, power and fuel consumption without a window.
class MiscTest final : public QObject
{
    Q_OBJECT

private:
    static int indexOf(const QString& name) { return test_support::fieldIndex(convert::miscTable, name); }

    static std::optional<QStringList> typeAndConvert(
        const QString& source, const QString& typed, const Given& given = {})
    {
        return test_support::typeAndConvert(convert::miscTable, source, typed, given);
    }

private Q_SLOTS:
    void table()
    {
        const convert::MeasureTable& table = convert::miscTable;
        QCOMPARE(table.fields.size(), std::size_t(12));
    }

    void convert_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Given>("given");
        QTest::addColumn<Expected>("expected");

        // One row per unit with a value large enough that a factor off by a part in a thousand changes
        // every field's shown decimals, then the other worked examples and the reading of odd texts. A
        // conversion writes only its own group; the other groups keep their texts.
        const Given earlier{{"ebxCelsius", "100"}, {"ebxFahrenheit", "212"}, {"ebxBtu", "3412.96928327645"},
            {"ebxMilesGallon", "23.5236"}, {"ebxLtr100km", "10"}};
        const Given bothFuel{{"ebxMilesGallon", "23.52"}, {"ebxLtr100km", "10.00"}};
        QTest::newRow("single-precision Reaumur factor shows")
            << "ebxCelsius"
            << "5000" << Given{}
            << Expected{{"ebxCelsius", "5,000.00"}, {"ebxFahrenheit", "9,032.00"}, {"ebxKelvin", "5,273.15"},
                   {"ebxReaumur", "4,000.0001"}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("body temperature in Fahrenheit")
            << "ebxFahrenheit"
            << "98.6" << Given{}
            << Expected{{"ebxCelsius", "37.00"}, {"ebxFahrenheit", "98.60"}, {"ebxKelvin", "310.15"},
                   {"ebxReaumur", "29.60"}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("absolute zero in Kelvin")
            << "ebxKelvin"
            << "0" << Given{}
            << Expected{{"ebxCelsius", "-273.15"}, {"ebxFahrenheit", "-459.67"}, {"ebxKelvin", "0.00"},
                   {"ebxReaumur", "-218.52"}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("boiling point in Reaumur")
            << "ebxReaumur"
            << "80" << Given{}
            << Expected{{"ebxCelsius", "100.00"}, {"ebxFahrenheit", "212.00"}, {"ebxKelvin", "373.15"},
                   {"ebxReaumur", "80.00"}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("Btu, the energy hub, give every other energy unit")
            << "ebxBtu"
            << "123456789" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", "123,456,789.00"}, {"ebxMegajoule", "130,222.2242"}, {"ebxKWh", "36,172.8392"},
                   {"ebxTherm", "1,234.5679"}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("megajoules read through their own factor")
            << "ebxMegajoule"
            << "98765.4321" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", "93,634,271.6061"}, {"ebxMegajoule", "98,765.4321"}, {"ebxKWh", "27,434.8416"},
                   {"ebxTherm", "936.3427"}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("kilowatt hours read through their own factor")
            << "ebxKWh"
            << "54321.09" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", "185,396,211.6041"}, {"ebxMegajoule", "195,555.9288"}, {"ebxKWh", "54,321.09"},
                   {"ebxTherm", "1,853.9621"}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("one therm") << "ebxTherm"
                                   << "1" << Given{}
                                   << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""},
                                          {"ebxReaumur", ""}, {"ebxBtu", "100,000.00"},
                                          {"ebxMegajoule", "105.48"}, {"ebxKWh", "29.30"},
                                          {"ebxTherm", "1.00"}, {"ebxPS", ""}, {"ebxKW", ""},
                                          {"ebxMilesGallon", ""}, {"ebxLtr100km", ""}};
        QTest::newRow("one kilowatt")
            << "ebxKW"
            << "1" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""}, {"ebxPS", "1.341"},
                   {"ebxKW", "1.00"}, {"ebxMilesGallon", ""}, {"ebxLtr100km", ""}};
        QTest::newRow("hundred horsepower")
            << "ebxPS"
            << "100" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""},
                   {"ebxPS", "100.00"}, {"ebxKW", "74.57"}, {"ebxMilesGallon", ""}, {"ebxLtr100km", ""}};
        QTest::newRow("ten litres per hundred kilometres")
            << "ebxLtr100km"
            << "10" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""}, {"ebxPS", ""},
                   {"ebxKW", ""}, {"ebxMilesGallon", "23.52"}, {"ebxLtr100km", "10.00"}};
        QTest::newRow("miles per gallon read through their own factors")
            << "ebxMilesGallon"
            << "12" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""}, {"ebxPS", ""},
                   {"ebxKW", ""}, {"ebxMilesGallon", "12.00"}, {"ebxLtr100km", "19.60"}};
        QTest::newRow("boiling point in Celsius")
            << "ebxCelsius"
            << "100" << Given{}
            << Expected{{"ebxCelsius", "100.00"}, {"ebxFahrenheit", "212.00"}, {"ebxKelvin", "373.15"},
                   {"ebxReaumur", "80.00"}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("minus forty is the same in Fahrenheit")
            << "ebxCelsius"
            << "-40" << Given{}
            << Expected{{"ebxCelsius", "-40.00"}, {"ebxFahrenheit", "-40.00"}, {"ebxKelvin", "233.15"},
                   {"ebxReaumur", "-32.00"}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("empty Celsius field")
            << "ebxCelsius"
            << "" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", "32.00"}, {"ebxKelvin", "273.15"},
                   {"ebxReaumur", "0.00"}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("Kelvin below zero converts like any other")
            << "ebxKelvin"
            << "-10" << Given{}
            << Expected{{"ebxCelsius", "-283.15"}, {"ebxFahrenheit", "-477.67"}, {"ebxKelvin", "-10.00"},
                   {"ebxReaumur", "-226.52"}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("one kilowatt hour")
            << "ebxKWh"
            << "1" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", "3,412.9693"}, {"ebxMegajoule", "3.60"}, {"ebxKWh", "1.00"},
                   {"ebxTherm", "0.0341"}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("one megajoule")
            << "ebxMegajoule"
            << "1" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", "948.047"}, {"ebxMegajoule", "1.00"}, {"ebxKWh", "0.2778"},
                   {"ebxTherm", "0.0095"}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("formatted Btu converts only up to the grouping comma")
            << "ebxBtu"
            << "3,412.9693" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", "3,412.9693"}, {"ebxMegajoule", "0.0032"}, {"ebxKWh", "0.0009"},
                   {"ebxTherm", "0.00"}, {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""},
                   {"ebxLtr100km", ""}};
        QTest::newRow("thirty miles per gallon")
            << "ebxMilesGallon"
            << "30" << Given{}
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""}, {"ebxPS", ""},
                   {"ebxKW", ""}, {"ebxMilesGallon", "30.00"}, {"ebxLtr100km", "7.84"}};
        QTest::newRow("other groups keep their values and are formatted")
            << "ebxKW"
            << "1" << earlier
            << Expected{{"ebxCelsius", "100.00"}, {"ebxFahrenheit", "212.00"}, {"ebxKelvin", ""},
                   {"ebxReaumur", ""}, {"ebxBtu", "3,412.9693"}, {"ebxMegajoule", ""}, {"ebxKWh", ""},
                   {"ebxTherm", ""}, {"ebxPS", "1.341"}, {"ebxKW", "1.00"}, {"ebxMilesGallon", "23.52"},
                   {"ebxLtr100km", "10.00"}};
        QTest::newRow("zero litres leave miles per gallon empty")
            << "ebxLtr100km"
            << "0" << bothFuel
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""}, {"ebxPS", ""},
                   {"ebxKW", ""}, {"ebxMilesGallon", ""}, {"ebxLtr100km", "0.00"}};
        QTest::newRow("empty litres leave miles per gallon empty")
            << "ebxLtr100km"
            << "" << bothFuel
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""}, {"ebxPS", ""},
                   {"ebxKW", ""}, {"ebxMilesGallon", ""}, {"ebxLtr100km", ""}};
        QTest::newRow("zero miles per gallon leave litres empty")
            << "ebxMilesGallon"
            << "0" << bothFuel
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""}, {"ebxPS", ""},
                   {"ebxKW", ""}, {"ebxMilesGallon", "0.00"}, {"ebxLtr100km", ""}};
        QTest::newRow("miles per gallon without a number leave litres empty")
            << "ebxMilesGallon"
            << "none" << bothFuel
            << Expected{{"ebxCelsius", ""}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""}, {"ebxReaumur", ""},
                   {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""}, {"ebxPS", ""},
                   {"ebxKW", ""}, {"ebxMilesGallon", "none"}, {"ebxLtr100km", ""}};
        QTest::newRow("empty fuel field still formats the others")
            << "ebxMilesGallon"
            << "" << Given{{"ebxCelsius", "100"}}
            << Expected{{"ebxCelsius", "100.00"}, {"ebxFahrenheit", ""}, {"ebxKelvin", ""},
                   {"ebxReaumur", ""}, {"ebxBtu", ""}, {"ebxMegajoule", ""}, {"ebxKWh", ""}, {"ebxTherm", ""},
                   {"ebxPS", ""}, {"ebxKW", ""}, {"ebxMilesGallon", ""}, {"ebxLtr100km", ""}};
    }

    void convert()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(Given, given);
        QFETCH(Expected, expected);

        const std::optional<QStringList> result = typeAndConvert(source, typed, given);
        QVERIFY(result);
        test_support::compareEveryField(convert::miscTable, *result, expected);
    }

    // A Return in one group formats the fields of every group, each through its own format.
    void formatsPerField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shown");
        QTest::newRow("temperature with four decimals") << "ebxKelvin"
                                                        << "ebxPS"
                                                        << "1.2346";
        QTest::newRow("energy with four decimals") << "ebxTherm"
                                                   << "ebxPS"
                                                   << "1.2346";
        QTest::newRow("power with four decimals") << "ebxKW"
                                                  << "ebxCelsius"
                                                  << "1.2346";
        QTest::newRow("miles per gallon with two decimals") << "ebxMilesGallon"
                                                            << "ebxPS"
                                                            << "1.23";
        QTest::newRow("litres per hundred km with two decimals") << "ebxLtr100km"
                                                                 << "ebxPS"
                                                                 << "1.23";
    }

    void formatsPerField()
    {
        QFETCH(QString, field);
        QFETCH(QString, source);
        QFETCH(QString, shown);
        QStringList texts(convert::misc::FieldCount);
        texts[indexOf(field)] = QStringLiteral("1.23456");
        const std::optional<QStringList> result
            = convert::runConversion(convert::miscTable, texts, indexOf(source));
        QVERIFY(result);
        QCOMPARE(result->at(indexOf(field)), shown);
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Fahrenheit beyond a double") << "ebxCelsius"
                                                    << "1E308";
        QTest::newRow("Btu beyond a double") << "ebxKWh"
                                             << "1E305";
        QTest::newRow("typed number beyond a double") << "ebxPS"
                                                      << "1E999";
        QTest::newRow("tiny litres give miles beyond a double") << "ebxLtr100km"
                                                                << "1E-320";
        QTest::newRow("tiny miles per gallon give litres beyond a double") << "ebxMilesGallon"
                                                                           << "1E-320";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QVERIFY(!typeAndConvert(source, typed));
    }
};

QTEST_GUILESS_MAIN(MiscTest)
#include "tst_misc.moc"
