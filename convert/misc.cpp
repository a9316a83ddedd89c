#include "convert/misc.h"

#include <array>

namespace convert {

namespace {

using namespace misc;

constexpr DisplayFormat fine = DisplayFormat::TwoToFourDecimals;
constexpr DisplayFormat coarse = DisplayFormat::TwoDecimals;

constexpr std::array<Unit, FieldCount> units = {{
    {"\u00B0 Celsius", nullptr, fine},
    {"\u00B0 Fahrenheit", nullptr, fine},
    {"\u00B0 Kelvin", nullptr, fine},
    {"\u00B0 Reaumur", nullptr, fine},
    {"Btu", nullptr, fine},
    {"Megajoule", nullptr, fine},
    {"KWh", nullptr, fine},
    {"Therm", nullptr, fine},
    {"Horsepower", nullptr, fine},
    {"Kilowatt", nullptr, fine},
    {"Miles/Gallon", nullptr, coarse},
    {"Liter/100km", nullptr, coarse},
}};

constexpr double fahrenheitPerCelsius = 1.8;
constexpr double fahrenheitAtZeroCelsius = 32;
constexpr double kelvinAtZeroCelsius = 273.15;
// A quotient of two whole numbers formed in single precision (0.800000011920929), which shows as
// 4,000.0001 Reaumur for 5000 Celsius.
constexpr double reaumurPerCelsius = 80.0f / 100.0f;
constexpr double btuPerMegajoule = 948.047;
constexpr double kilowattHoursPerThousandBtu = 0.293;
constexpr double kilowattHoursPerBtu = 0.000293;
constexpr double btuPerTherm = 100000;
constexpr double kilowattsPerHorsepower = 0.7457;
constexpr double milesPer100Km = 62.15;
constexpr double litresPerGallon = 3.785;
constexpr double kilometresPerMile = 1.609;

// Fahrenheit, Kelvin and Reaumur from the Celsius text, each written before the next is computed.
void temperaturesFromCelsius(FieldTexts& t, int source)
{
    if (source != Fahrenheit)
        t.write(Fahrenheit, t.read(Celsius) * fahrenheitPerCelsius + fahrenheitAtZeroCelsius);
    if (source != Kelvin)
        t.write(Kelvin, t.read(Celsius) + kelvinAtZeroCelsius);
    if (source != Reaumur)
        t.write(Reaumur, t.read(Celsius) * reaumurPerCelsius);
}

void energiesFromBtu(FieldTexts& t, int source)
{
    if (source != Megajoule)
        t.write(Megajoule, t.read(Btu) / btuPerMegajoule);
    if (source != KilowattHour)
        t.write(KilowattHour, t.read(Btu) / 1000 * kilowattHoursPerThousandBtu);
    if (source != Therm)
        t.write(Therm, t.read(Btu) / btuPerTherm);
}

// The hub of the temperature group from the value typed into one of its other fields.
double celsiusFrom(int source, double v)
{
    if (source == Fahrenheit)
        return (v - fahrenheitAtZeroCelsius) / fahrenheitPerCelsius;
    if (source == Kelvin)
        return v - kelvinAtZeroCelsius;
    return v / reaumurPerCelsius;
}

// The hub of the energy group from the value typed into one of its other fields.
double btuFrom(int source, double v)
{
    if (source == Megajoule)
        return v * btuPerMegajoule;
    if (source == KilowattHour)
        return v / kilowattHoursPerBtu;
    return v * btuPerTherm;
}

// A group whose other fields are computed from the text of its hub field.
struct HubGroup
{
    Field first;
    Field last;
    Field hub;
    double (*hubFrom)(int source, double v);
    void (*fromHub)(FieldTexts& t, int source);
};

constexpr HubGroup hubGroups[] = {
    {Celsius, Reaumur, Celsius, &celsiusFrom, &temperaturesFromCelsius},
    {Btu, Therm, Btu, &btuFrom, &energiesFromBtu},
};

void convertMisc(FieldTexts& t, int source)
{
    const double v = t.read(source);
    for (const HubGroup& group : hubGroups) {
        if (source >= group.first && source <= group.last) {
            if (source != group.hub)
                t.write(group.hub, group.hubFrom(source, v));
            group.fromHub(t, source);
            return;
        }
    }
    switch (source) {
    case Kilowatt:
        t.write(Horsepower, v / kilowattsPerHorsepower);
        break;
    case Horsepower:
        t.write(Kilowatt, v * kilowattsPerHorsepower);
        break;
    // Both fuel formulas divide by the typed consumption. No consumption has no finite counterpart, so
    // the other field is left empty instead.
    case LitresPer100Km:
        if (v / litresPerGallon == 0)
            t.setText(MilesPerGallon, QString());
        else
            t.write(MilesPerGallon, milesPer100Km / (v / litresPerGallon));
        break;
    case MilesPerGallon:
        if (v * kilometresPerMile == 0)
            t.setText(LitresPer100Km, QString());
        else
            t.write(LitresPer100Km, litresPerGallon * (100 / (v * kilometresPerMile)));
        break;
    default:
        break;
    }
}

} // namespace

constinit const Measure miscMeasure{.units = units, .convert = &convertMisc};

} // namespace convert
