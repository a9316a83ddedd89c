#pragma once

#include "convert/measure.h"

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
} // namespace volume

extern const Measure volumeMeasure;

// The signed cube root with a single-precision third, as every reading into the hub uses it.
double cubeRoot(double x);

// Every unit's text from the edges of a box, in metres or feet; refused where an edge is empty or the
// volume leaves the range of the single-precision hub.
Outcome<QStringList> convertBox(const volume::BoxEdges& edges, volume::BoxUnit unit);

} // namespace convert
