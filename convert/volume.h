#pragma once

#include "convert/measure_table.h"

namespace convert {

// Volumes and liquid measures in five groups, converted through the edge of a cube that holds the
// volume. The hub (the cube edge in centimetres) and the litres derived from it are single-precision
// numbers, which shows in the last digits of the results.
namespace volume {
enum Field {
    CubicCentimetre,
    Millilitre,
    CubicDecimetre,
    Litre,
    Hectolitre,
    CubicMetre,
    CubicInch,
    CubicFoot,
    CubicYard,
    RegisterTon,
    ImperialFluidOunce,
    ImperialGill,
    ImperialPint,
    ImperialQuart,
    ImperialGallon,
    ImperialPeck,
    ImperialBushel,
    UsFluidOunce,
    UsGill,
    UsLiquidPint,
    UsLiquidQuart,
    UsGallon,
    UsDryPint,
    UsDryQuart,
    UsPeck,
    UsBushel,
    FieldCount
};

enum class BoxUnit { Metre, Foot };

// The three edges of a box as typed.
struct BoxEdges
{
    QString length;
    QString height;
    QString width;
};

enum class BoxOutcome {
    Converted,
    EdgeMissing, // one of the edge texts is empty
    TooLarge, // the volume leaves the range of the single-precision hub
};

struct BoxResult
{
    BoxOutcome outcome;
    QStringList texts; // every unit field's text when converted
};
} // namespace volume

extern const MeasureTable volumeTable;

// The signed cube root with a single-precision third, as every reading into the hub uses it.
double cubeRoot(double x);

// Fills every unit field from the edges of a box, in metres or feet.
volume::BoxResult convertBox(const volume::BoxEdges& edges, volume::BoxUnit unit);

} // namespace convert
