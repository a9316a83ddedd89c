#include "convert/linear.h"

#include <array>

namespace convert {

namespace {

using namespace linear;

constexpr DisplayFormat format = DisplayFormat::TwoDecimals;

constexpr std::array<Unit, FieldCount> units = {{
    {"Centimeter", "cm", format},
    {"Meter", "m", format},
    {"Kilometer", "km", format},
    {"Inch", "in.", format},
    {"Feet", "ft.", format},
    {"Yard", "yd.", format},
    {"Mile", "mi.", format},
    {"Nautical Mile", nullptr, format},
}};

// The yard's metric factors are quotients of whole numbers formed in single precision, which shows in
// the last digits of large results (1 nautical mile gives 185,200.01 cm).
constexpr double metresPerYard = 9144.0f / 10000.0f;
constexpr double centimetresPerYard = 9144.0f / 100.0f;
constexpr double kilometresPerYard = 9144.0 / 10000000.0;
constexpr double metresPerNauticalMile = 1852.0;
// From the yard side the nautical mile is taken as 6076 feet, so the two routes differ slightly.
constexpr double feetPerNauticalMile = 6076.0;

void writeMetricFromYard(FieldTexts& t, double yard)
{
    t.write(Centimetre, yard * centimetresPerYard);
    t.write(Metre, yard * metresPerYard);
    t.write(Kilometre, yard * kilometresPerYard);
}

void convertLinear(FieldTexts& t, int source)
{
    const double v = t.read(source);
    switch (source) {
    case Metre:
    case Centimetre:
    case Kilometre: {
        if (source == Metre) {
            t.write(Yard, v / metresPerYard);
            t.write(Centimetre, v * 100);
            t.write(Kilometre, v / 1000);
        } else if (source == Centimetre) {
            t.write(Yard, v / centimetresPerYard);
            t.write(Metre, v / 100);
            t.write(Kilometre, v / 100000);
        } else {
            t.write(Yard, v / kilometresPerYard);
            t.write(Centimetre, v * 100000);
            t.write(Metre, v * 1000);
        }
        const double yd = t.read(Yard);
        t.write(Inch, yd * 36);
        t.write(Foot, yd * 3);
        t.write(Mile, yd / 1760);
        t.write(NauticalMile, t.read(Metre) / metresPerNauticalMile);
        break;
    }
    case Inch:
    case Foot:
    case Yard:
    case Mile:
    case NauticalMile: {
        if (source == Inch)
            t.write(Yard, v / 36);
        else if (source == Foot)
            t.write(Yard, v / 3);
        else if (source == Mile)
            t.write(Yard, v * 1760);
        else if (source == NauticalMile)
            t.write(Yard, v * metresPerNauticalMile / metresPerYard);
        const double yd = t.read(Yard);
        writeMetricFromYard(t, yd);
        if (source != Inch)
            t.write(Inch, yd * 36);
        if (source != Foot)
            t.write(Foot, yd * 3);
        if (source != Mile)
            t.write(Mile, yd / 1760);
        if (source != NauticalMile)
            t.write(NauticalMile, yd * 3 / feetPerNauticalMile);
        break;
    }
    default:
        break;
    }
}

} // namespace

constinit const Measure linearMeasure{.units = units, .convert = &convertLinear};

} // namespace convert
