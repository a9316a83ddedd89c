#include "convert/misc.h"

#include "support/conversion_test.h"

#include <QTest>

using namespace convert::misc;

// A unit and the text it must show.
using Expected = test_support::UnitTexts;
// A unit and its text before the conversion.
using Given = test_support::UnitTexts;

// Temperature, energy, power and fuel consumption without a window.
class MiscTest final : public QObject
{
    Q_OBJECT

private:
    static convert::Outcome<QStringList> typeAndConvert(int source, const QString& typed, const Given& given = {})
    {
        return test_support::typeAndConvert(convert::miscMeasure, source, typed, given);
    }

private Q_SLOTS:
    void convert_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Given>("given");
        QTest::addColumn<Expected>("expected");

        // One row per unit with a value large enough that a factor off by a part in a thousand changes
        // every field's shown decimals, then the other worked examples and the reading of odd texts. A
        // conversion writes only its own group; the other groups keep their texts.
        const Given earlier{{Celsius, "100"}, {Fahrenheit, "212"}, {Btu, "3412.96928327645"},
            {MilesPerGallon, "23.5236"}, {LitresPer100Km, "10"}};
        const Given bothFuel{{MilesPerGallon, "23.52"}, {LitresPer100Km, "10.00"}};
        QTest::newRow("single-precision Reaumur factor shows")
            << int(Celsius)
            << "5000" << Given{}
            << Expected{{Celsius, "5,000.00"}, {Fahrenheit, "9,032.00"}, {Kelvin, "5,273.15"},
                   {Reaumur, "4,000.0001"}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("body temperature in Fahrenheit")
            << int(Fahrenheit)
            << "98.6" << Given{}
            << Expected{{Celsius, "37.00"}, {Fahrenheit, "98.60"}, {Kelvin, "310.15"},
                   {Reaumur, "29.60"}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("absolute zero in Kelvin")
            << int(Kelvin)
            << "0" << Given{}
            << Expected{{Celsius, "-273.15"}, {Fahrenheit, "-459.67"}, {Kelvin, "0.00"},
                   {Reaumur, "-218.52"}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("boiling point in Reaumur")
            << int(Reaumur)
            << "80" << Given{}
            << Expected{{Celsius, "100.00"}, {Fahrenheit, "212.00"}, {Kelvin, "373.15"},
                   {Reaumur, "80.00"}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("Btu, the energy hub, give every other energy unit")
            << int(Btu)
            << "123456789" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, "123,456,789.00"}, {Megajoule, "130,222.2242"}, {KilowattHour, "36,172.8392"},
                   {Therm, "1,234.5679"}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("megajoules read through their own factor")
            << int(Megajoule)
            << "98765.4321" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, "93,634,271.6061"}, {Megajoule, "98,765.4321"}, {KilowattHour, "27,434.8416"},
                   {Therm, "936.3427"}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("kilowatt hours read through their own factor")
            << int(KilowattHour)
            << "54321.09" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, "185,396,211.6041"}, {Megajoule, "195,555.9288"}, {KilowattHour, "54,321.09"},
                   {Therm, "1,853.9621"}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("one therm") << int(Therm)
                                   << "1" << Given{}
                                   << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""},
                                          {Reaumur, ""}, {Btu, "100,000.00"},
                                          {Megajoule, "105.48"}, {KilowattHour, "29.30"},
                                          {Therm, "1.00"}, {Horsepower, ""}, {Kilowatt, ""},
                                          {MilesPerGallon, ""}, {LitresPer100Km, ""}};
        QTest::newRow("one kilowatt")
            << int(Kilowatt)
            << "1" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""}, {Horsepower, "1.341"},
                   {Kilowatt, "1.00"}, {MilesPerGallon, ""}, {LitresPer100Km, ""}};
        QTest::newRow("hundred horsepower")
            << int(Horsepower)
            << "100" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""},
                   {Horsepower, "100.00"}, {Kilowatt, "74.57"}, {MilesPerGallon, ""}, {LitresPer100Km, ""}};
        QTest::newRow("ten litres per hundred kilometres")
            << int(LitresPer100Km)
            << "10" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""}, {Horsepower, ""},
                   {Kilowatt, ""}, {MilesPerGallon, "23.52"}, {LitresPer100Km, "10.00"}};
        QTest::newRow("miles per gallon read through their own factors")
            << int(MilesPerGallon)
            << "12" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""}, {Horsepower, ""},
                   {Kilowatt, ""}, {MilesPerGallon, "12.00"}, {LitresPer100Km, "19.60"}};
        QTest::newRow("boiling point in Celsius")
            << int(Celsius)
            << "100" << Given{}
            << Expected{{Celsius, "100.00"}, {Fahrenheit, "212.00"}, {Kelvin, "373.15"},
                   {Reaumur, "80.00"}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("minus forty is the same in Fahrenheit")
            << int(Celsius)
            << "-40" << Given{}
            << Expected{{Celsius, "-40.00"}, {Fahrenheit, "-40.00"}, {Kelvin, "233.15"},
                   {Reaumur, "-32.00"}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("empty Celsius field")
            << int(Celsius)
            << "" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, "32.00"}, {Kelvin, "273.15"},
                   {Reaumur, "0.00"}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("Kelvin below zero converts like any other")
            << int(Kelvin)
            << "-10" << Given{}
            << Expected{{Celsius, "-283.15"}, {Fahrenheit, "-477.67"}, {Kelvin, "-10.00"},
                   {Reaumur, "-226.52"}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("one kilowatt hour")
            << int(KilowattHour)
            << "1" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, "3,412.9693"}, {Megajoule, "3.60"}, {KilowattHour, "1.00"},
                   {Therm, "0.0341"}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("one megajoule")
            << int(Megajoule)
            << "1" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, "948.047"}, {Megajoule, "1.00"}, {KilowattHour, "0.2778"},
                   {Therm, "0.0095"}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("formatted Btu converts only up to the grouping comma")
            << int(Btu)
            << "3,412.9693" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, "3,412.9693"}, {Megajoule, "0.0032"}, {KilowattHour, "0.0009"},
                   {Therm, "0.00"}, {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""},
                   {LitresPer100Km, ""}};
        QTest::newRow("thirty miles per gallon")
            << int(MilesPerGallon)
            << "30" << Given{}
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""}, {Horsepower, ""},
                   {Kilowatt, ""}, {MilesPerGallon, "30.00"}, {LitresPer100Km, "7.84"}};
        QTest::newRow("other groups keep their values and are formatted")
            << int(Kilowatt)
            << "1" << earlier
            << Expected{{Celsius, "100.00"}, {Fahrenheit, "212.00"}, {Kelvin, ""},
                   {Reaumur, ""}, {Btu, "3,412.9693"}, {Megajoule, ""}, {KilowattHour, ""},
                   {Therm, ""}, {Horsepower, "1.341"}, {Kilowatt, "1.00"}, {MilesPerGallon, "23.52"},
                   {LitresPer100Km, "10.00"}};
        QTest::newRow("zero litres leave miles per gallon empty")
            << int(LitresPer100Km)
            << "0" << bothFuel
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""}, {Horsepower, ""},
                   {Kilowatt, ""}, {MilesPerGallon, ""}, {LitresPer100Km, "0.00"}};
        QTest::newRow("empty litres leave miles per gallon empty")
            << int(LitresPer100Km)
            << "" << bothFuel
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""}, {Horsepower, ""},
                   {Kilowatt, ""}, {MilesPerGallon, ""}, {LitresPer100Km, ""}};
        QTest::newRow("zero miles per gallon leave litres empty")
            << int(MilesPerGallon)
            << "0" << bothFuel
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""}, {Horsepower, ""},
                   {Kilowatt, ""}, {MilesPerGallon, "0.00"}, {LitresPer100Km, ""}};
        QTest::newRow("miles per gallon without a number leave litres empty")
            << int(MilesPerGallon)
            << "none" << bothFuel
            << Expected{{Celsius, ""}, {Fahrenheit, ""}, {Kelvin, ""}, {Reaumur, ""},
                   {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""}, {Horsepower, ""},
                   {Kilowatt, ""}, {MilesPerGallon, "none"}, {LitresPer100Km, ""}};
        QTest::newRow("empty fuel field still formats the others")
            << int(MilesPerGallon)
            << "" << Given{{Celsius, "100"}}
            << Expected{{Celsius, "100.00"}, {Fahrenheit, ""}, {Kelvin, ""},
                   {Reaumur, ""}, {Btu, ""}, {Megajoule, ""}, {KilowattHour, ""}, {Therm, ""},
                   {Horsepower, ""}, {Kilowatt, ""}, {MilesPerGallon, ""}, {LitresPer100Km, ""}};
    }

    void convert()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QFETCH(Given, given);
        QFETCH(Expected, expected);

        const std::optional<QStringList> result = typeAndConvert(source, typed, given).value;
        QVERIFY(result);
        test_support::compareEveryUnit(convert::miscMeasure, *result, expected);
    }

    // A Return in one group formats the fields of every group, each through its own format.
    void formatsPerField_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("shown");
        QTest::newRow("temperature with four decimals") << int(Kelvin)
                                                        << int(Horsepower)
                                                        << "1.2346";
        QTest::newRow("energy with four decimals") << int(Therm)
                                                   << int(Horsepower)
                                                   << "1.2346";
        QTest::newRow("power with four decimals") << int(Kilowatt)
                                                  << int(Celsius)
                                                  << "1.2346";
        QTest::newRow("miles per gallon with two decimals") << int(MilesPerGallon)
                                                            << int(Horsepower)
                                                            << "1.23";
        QTest::newRow("litres per hundred km with two decimals") << int(LitresPer100Km)
                                                                 << int(Horsepower)
                                                                 << "1.23";
    }

    void formatsPerField()
    {
        QFETCH(int, field);
        QFETCH(int, source);
        QFETCH(QString, shown);
        QStringList texts(convert::misc::FieldCount);
        texts[field] = QStringLiteral("1.23456");
        const std::optional<QStringList> result
            = convert::runConversion(convert::miscMeasure, texts, source).value;
        QVERIFY(result);
        QCOMPARE(result->at(field), shown);
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Fahrenheit beyond a double") << int(Celsius)
                                                    << "1E308";
        QTest::newRow("Btu beyond a double") << int(KilowattHour)
                                             << "1E305";
        QTest::newRow("typed number beyond a double") << int(Horsepower)
                                                      << "1E999";
        QTest::newRow("tiny litres give miles beyond a double") << int(LitresPer100Km)
                                                                << "1E-320";
        QTest::newRow("tiny miles per gallon give litres beyond a double") << int(MilesPerGallon)
                                                                           << "1E-320";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QVERIFY(test_support::refusedOutOfRange(typeAndConvert(source, typed)));
    }
};

QTEST_GUILESS_MAIN(MiscTest)
#include "tst_misc.moc"
