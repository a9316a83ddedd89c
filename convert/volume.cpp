#include "convert/volume.h"

#include <array>
#include <cmath>

namespace convert {

namespace {

using namespace volume;

constexpr DisplayFormat format = DisplayFormat::TwoToFourDecimals;

constexpr std::array<Unit, FieldCount> units = {{
    {"Cubic Centimeter", "cm3", format},
    {"Milliliter", "ml", format},
    {"Cubic Decimeter", "dm3", format},
    {"Liter", "l", format},
    {"Hectoliter", "hl", format},
    {"Cubic Meter", "m3", format},
    {"Cubic Inch", "cu.in.", format},
    {"Cubic Feet", "cu.ft.", format},
    {"Cubic Yard", "cu.yd.", format},
    {"Register Ton", "rt.", format},
    {"Fluid Ounces", "imp.floz.", format},
    {"Imperial Gill", "imp.gi.", format},
    {"Imperial Pint", "imp.pt.", format},
    {"Imperial Quart", "imp.qt.", format},
    {"Imperial Gallon", "imp.gal.", format},
    {"Imperial Peck", "imp.pk.", format},
    {"Imperial Bushel", "imp.bsh.", format},
    {"Fluid Ounces", "us.floz.", format},
    {"US. Gill", "us.gi.", format},
    {"US. Pint", "us.pt.", format},
    {"US. Quart", "us.qt.", format},
    {"US. Gallon", "us.gal.", format},
    {"US. Pint", "us.pt.", format},
    {"US. Quart", "us.qt.", format},
    {"US. Peck", "us.pk.", format},
    {"US. Bushel", "us.bsh.", format},
}};

constexpr double cubicCentimetresPerCubicInch = 16.387;
constexpr double cubicInchesPerCubicFoot = 1728;

// Reading a unit into the cube edge: CubeRoot(v × first × second) × scale. The factors are in cubic
// centimetres per unit where the scale is 1 and in litres per unit where it is 10 (a litre is a cube of
// 10 cm). The products are formed left to right, so the cubic foot is 1728 cubic inches of 16.387 cm3.
struct Reading
{
    double first;
    double second;
    double scale;
};

constexpr std::array<Reading, FieldCount> readings = {{
    {1, 1, 1}, // cubic centimetre
    {0.001, 1, 10}, // millilitre
    {1, 1, 10}, // cubic decimetre
    {1, 1, 10}, // litre
    {100000, 1, 1}, // hectolitre
    {1, 1, 100}, // cubic metre
    {cubicCentimetresPerCubicInch, 1, 1}, // cubic inch
    {cubicInchesPerCubicFoot, cubicCentimetresPerCubicInch, 1}, // cubic foot
    {765000, 1, 1}, // cubic yard
    {2832000, 1, 1}, // register ton
    {28.41, 1, 1}, // imperial fluid ounce
    {0.142, 1, 10}, // imperial gill
    {568, 1, 1}, // imperial pint
    {1137, 1, 1}, // imperial quart
    {4546, 1, 1}, // imperial gallon
    {9.088, 1, 10}, // imperial peck
    {36369, 1, 1}, // imperial bushel
    {29.57, 1, 1}, // US fluid ounce
    {0.118, 1, 10}, // US gill
    {0.473, 1, 10}, // US liquid pint
    {946, 1, 1}, // US liquid quart
    {3785, 1, 1}, // US gallon
    {0.551, 1, 10}, // US dry pint
    {1.101, 1, 10}, // US dry quart
    {8.808, 1, 10}, // US peck
    {35.239, 1, 10}, // US bushel
}};

double cubed(double x)
{
    return std::pow(x, 3.0);
}

// ConvertFromCubeEdge: every unit field from the cube edge and the litres derived from it. The reading
// and writing constants of a unit are separate values and not exact reciprocals of each other (the
// imperial gallon is read as 4546 cm3 but written with 0.21998 gallons per litre).
void convertFromCubeEdge(FieldTexts& t, float cubeEdge)
{
    const float liters = t.toSingle(cubed(cubeEdge) / 1000);
    const double l = liters;
    t.write(CubicCentimetre, cubed(cubeEdge));
    t.writeSingle(Millilitre, liters * 1000.0f);
    t.write(CubicDecimetre, cubed(cubeEdge / 10.0f));
    t.write(CubicMetre, cubed(cubeEdge / 100.0f));
    t.writeSingle(Litre, liters);
    t.write(Hectolitre, l * 0.01);
    t.write(CubicInch, l * 61.022);
    t.write(ImperialFluidOunce, l * 35.199);
    t.write(UsFluidOunce, l * 33.818);
    t.write(ImperialPint, l * 1.76);
    t.write(ImperialQuart, l * 0.88);
    t.write(ImperialGallon, l * 0.21998);
    t.write(UsLiquidQuart, l * 1.057);
    t.write(UsGallon, l * 0.26418);
    t.write(ImperialBushel, l / 36.369);
    t.write(UsBushel, l / 35.239);
    t.write(ImperialGill, l / 0.142);
    t.write(ImperialPeck, l / 9.088);
    t.write(UsGill, l / 0.118);
    t.write(UsLiquidPint, l / 0.473);
    t.write(UsDryPint, l / 0.551);
    t.write(UsDryQuart, l / 1.101);
    t.write(UsPeck, l / 8.808);
    t.write(CubicFoot, l * 0.001 * 35.314);
    t.write(CubicYard, l * 0.001 * 1.308);
    t.write(RegisterTon, l / 2831.674);
}

} // namespace

double cubeRoot(double x)
{
    // The third is formed in single precision (0.3333333432674408), so a volume read into the hub and
    // cubed again comes back slightly changed.
    constexpr double third = 1.0f / 3.0f;
    return x >= 0 ? std::pow(x, third) : -1 * std::pow(-x, third);
}

namespace {

void convertVolume(FieldTexts& t, int source)
{
    const QString typedText = t.text(source);
    const double v = t.read(source);
    const Reading& reading = readings[static_cast<std::size_t>(source)];
    const float cubeEdge = t.toSingle(cubeRoot(v * reading.first * reading.second) * reading.scale);
    convertFromCubeEdge(t, cubeEdge);
    // The field in which Return was pressed keeps what the user typed, then is formatted like the rest.
    t.setText(source, typedText);
}

} // namespace

constinit const Measure volumeMeasure{.units = units, .convert = &convertVolume};

Outcome<QStringList> convertBox(const BoxEdges& edges, BoxUnit unit)
{
    if (edges.length.isEmpty() || edges.height.isEmpty() || edges.width.isEmpty())
        return Outcome<QStringList>::refused(Problem::BoxEdgeMissing);
    // A text of blanks is not missing: it reads as 0 like any text without a leading number.
    FieldTexts t{QStringList(FieldCount)};
    const double l = readNumber(edges.length);
    const double h = readNumber(edges.height);
    const double w = readNumber(edges.width);
    // Metres give the edge in metres (100 cm each); feet go through cubic inches to cubic centimetres.
    const double edge = unit == BoxUnit::Metre
        ? cubeRoot(l * h * w) * 100
        : cubeRoot(l * h * w * cubicInchesPerCubicFoot * cubicCentimetresPerCubicInch);
    convertFromCubeEdge(t, t.toSingle(edge));
    return formatFields(volumeMeasure, t);
}

} // namespace convert
