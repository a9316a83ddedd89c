#include "convert/volume.h"

#include <array>
#include <cmath>

namespace convert {

namespace {

using namespace volume;

constexpr DisplayFormat format = DisplayFormat::TwoToFourDecimals;

// Five headed columns; rows line up across them, so the dry pint and quart stand level with the liquid
// ones and the dry peck and bushel level with the imperial ones.
constexpr std::array<UnitField, FieldCount> fields = {{
    {"EBxCM3", "Cubic Centimeter", nullptr, "cm3", nullptr, 0, 0, 0, format},
    {"EBxML", "Milliliter", nullptr, "ml", nullptr, 0, 0, 1, format},
    {"EBxDM3", "Cubic Decimeter", nullptr, "dm3", nullptr, 0, 0, 2, format},
    {"EBxL", "Liter", nullptr, "l", nullptr, 0, 0, 3, format},
    {"EBxHL", "Hectoliter", nullptr, "hl", nullptr, 0, 0, 4, format},
    {"EBxM3", "Cubic Meter", nullptr, "m3", nullptr, 0, 0, 5, format},
    {"EBxCUIN", "Cubic Inch", nullptr, "cu.in.", nullptr, 0, 1, 0, format},
    {"EBxCUFT", "Cubic Feet", nullptr, "cu.ft.", nullptr, 0, 1, 1, format},
    {"EBxCUYD", "Cubic Yard", nullptr, "cu.yd.", nullptr, 0, 1, 2, format},
    {"EBxRT", "Register Ton", nullptr, "rt.", nullptr, 0, 1, 3, format},
    {"EBxOZFL", "Fluid Ounces", nullptr, "imp.floz.", nullptr, 0, 2, 0, format},
    {"EBxIMPGI", "Imperial Gill", nullptr, "imp.gi.", nullptr, 0, 2, 1, format},
    {"EBxIMPPT", "Imperial Pint", nullptr, "imp.pt.", nullptr, 0, 2, 2, format},
    {"EBxIMPQT", "Imperial Quart", nullptr, "imp.qt.", nullptr, 0, 2, 3, format},
    {"EBxIMPGAL", "Imperial Gallon", nullptr, "imp.gal.", nullptr, 0, 2, 4, format},
    {"EBxIMPPK", "Imperial Peck", nullptr, "imp.pk.", nullptr, 0, 2, 5, format},
    {"EBxIMPBUSH", "Imperial Bushel", nullptr, "imp.bsh.", nullptr, 0, 2, 6, format},
    {"EBxOZFLUS", "Fluid Ounces", nullptr, "us.floz.", nullptr, 0, 3, 0, format},
    {"EBxUSGILL", "US. Gill", nullptr, "us.gi.", nullptr, 0, 3, 1, format},
    {"EBxUSPTLI", "US. Pint", nullptr, "us.pt.", nullptr, 0, 3, 2, format},
    {"EBxUSQT", "US. Quart", nullptr, "us.qt.", nullptr, 0, 3, 3, format},
    {"EBxUSGAL", "US. Gallon", nullptr, "us.gal.", nullptr, 0, 3, 4, format},
    {"EBxUSPTDR", "US. Pint", nullptr, "us.pt.", nullptr, 0, 4, 2, format},
    {"EBxUSQTDR", "US. Quart", nullptr, "us.qt.", nullptr, 0, 4, 3, format},
    {"EBxUSPK", "US. Peck", nullptr, "us.pk.", nullptr, 0, 4, 5, format},
    {"EBxUSBUSH", "US. Bushel", nullptr, "us.bsh.", nullptr, 0, 4, 6, format},
}};

constexpr std::array<FieldGroup, 1> groups = {{{"Frame4", nullptr, 0, 0}}};

constexpr std::array<ColumnHeading, 5> headings = {{
    {0, 0, "Metric"},
    {0, 1, "British/US"},
    {0, 2, "British Imperial"},
    {0, 3, "US Custom (liquid)"},
    {0, 4, "US Custom (dry)"},
}};

constexpr std::array<const char*, 34> focusOrder
    = {"EBxCM3", "EBxML", "EBxDM3", "EBxL", "EBxHL", "EBxM3", "EBxCUIN", "EBxCUFT", "EBxCUYD", "EBxRT",
        "EBxOZFL", "EBxIMPGI", "EBxIMPPT", "EBxIMPQT", "EBxIMPGAL", "EBxIMPPK", "EBxIMPBUSH", "EBxOZFLUS",
        "EBxUSGILL", "EBxUSPTLI", "EBxUSQT", "EBxUSGAL", "EBxUSPTDR", "EBxUSQTDR", "EBxUSPK", "EBxUSBUSH",
        "ebxLength", "ebxHeight", "ebxWidth", "optMeter", "optFeet", "btnCompute", "Command2", "Command1"};

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

constinit const MeasureTable volumeTable{.fields = fields,
    .groups = groups,
    .headings = headings,
    .convert = &convertVolume,
    .focusOrder = focusOrder,
    .rowPitchTwips = 600};

BoxResult convertBox(const BoxEdges& edges, BoxUnit unit)
{
    if (edges.length.isEmpty() || edges.height.isEmpty() || edges.width.isEmpty())
        return {BoxOutcome::EdgeMissing, {}};
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
    const std::optional<QStringList> texts = formatFields(volumeTable, t);
    if (!texts)
        return {BoxOutcome::TooLarge, {}};
    return {BoxOutcome::Converted, *texts};
}

} // namespace convert
