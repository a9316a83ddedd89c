#include "convert/surface.h"

#include <array>
#include <cmath>

namespace convert {

namespace {

using namespace surface;

constexpr DisplayFormat format = DisplayFormat::TwoDecimals;

constexpr std::array<Unit, FieldCount> units = {{
    {"Square Meter", "m2", format},
    {"Are", "a", format},
    {"Square Kilometer", "km2", format},
    {"Hectare", "ha", format},
    {"Square Feet", "sq.ft.", format},
    {"Square Yard", "sq.yd.", format},
    {"Acre", nullptr, format},
    {"Square Mile", "sq.mi.", format},
    {"Claim", "cl.", format},
}};

constexpr double metresPerFoot = 0.3048;
constexpr double metresPerYard = 0.9144;
constexpr double metresPerMile = 1609.344;
// Converting back from square metres the mile is taken as 1609 m, so 100 square miles typed in square
// metres come back as 100.04 square miles.
constexpr double metresPerMileBack = 1609.0;
constexpr double squareYardsPerAcre = 4840.0;
constexpr double squareFeetPerAcre = 43560.0;
constexpr double squareKilometresPerClaim = 0.00595;

// Imperial areas are converted through the side of a square of that area: the side is converted as a
// length and squared again. A negative area keeps its sign, so that it converts like the positive one
// instead of taking the root of a negative number.
double throughSide(double area, double sideFactor)
{
    const double side = std::sqrt(std::fabs(area)) * sideFactor;
    return std::signbit(area) ? -(side * side) : side * side;
}

double throughSideBack(double area, double sideDivisor)
{
    const double side = std::sqrt(std::fabs(area)) / sideDivisor;
    return std::signbit(area) ? -(side * side) : side * side;
}

double toSquareMetres(int source, double v)
{
    switch (source) {
    case Hectare:
        return v * 10000;
    case Are:
        return v * 100;
    case SquareKilometre:
        return v * 1000000;
    case Claim:
        return v * squareKilometresPerClaim * 1000000;
    case SquareFoot:
        return throughSide(v, metresPerFoot);
    case SquareYard:
        return throughSide(v, metresPerYard);
    case SquareMile:
        return throughSide(v, metresPerMile);
    case Acre:
        return throughSide(v * squareYardsPerAcre, metresPerYard);
    default:
        return v;
    }
}

// ConvertFromSquareMeters: the other units from the square metres, each kept as the text it will show.
// Square feet and square yards are derived from the acre text, not from the square metres.
void convertFromSquareMetres(FieldTexts& variables, double q)
{
    variables.write(Are, q * 0.01);
    variables.write(Acre, throughSideBack(q, metresPerYard) / squareYardsPerAcre);
    variables.write(Claim, q * 0.000001 / squareKilometresPerClaim);
    variables.write(Hectare, q * 0.0001);
    const double acres = variables.read(Acre);
    variables.write(SquareFoot, acres * squareFeetPerAcre);
    variables.write(SquareKilometre, q / 1000000);
    variables.write(SquareMile, throughSideBack(q, metresPerMileBack));
    variables.write(SquareYard, acres * squareYardsPerAcre);
}

void convertSurface(FieldTexts& t, int source)
{
    if (source != SquareMetre)
        t.write(SquareMetre, toSquareMetres(source, t.read(source)));
    FieldTexts variables{QStringList(FieldCount)};
    convertFromSquareMetres(variables, t.read(SquareMetre));
    if (variables.spoiled()) {
        t.spoil();
        return;
    }
    for (int field = 0; field < FieldCount; ++field) {
        if (field != source && field != SquareMetre)
            t.setText(field, variables.text(field));
    }
}

} // namespace

constinit const Measure surfaceMeasure{.units = units, .convert = &convertSurface};

} // namespace convert
