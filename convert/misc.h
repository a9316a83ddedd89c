#pragma once

#include "convert/measure.h"

namespace convert {

// Four small unrelated groups: temperature (Celsius is the hub), energy (Btu is the hub), power and fuel
// consumption. A conversion writes only its own group, but every field is formatted afterwards.
namespace misc {
enum Field {
    Celsius,
    Fahrenheit,
    Kelvin,
    Reaumur,
    Btu,
    Megajoule,
    KilowattHour,
    Therm,
    Horsepower,
    Kilowatt,
    MilesPerGallon,
    LitresPer100Km,
    FieldCount
};
}

extern const Measure miscMeasure;

} // namespace convert
