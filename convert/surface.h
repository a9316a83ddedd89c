#pragma once

#include "convert/measure.h"

namespace convert {

// Areas: square metre (the hub), are, square kilometre, hectare, square foot, square yard, acre, square
// mile and claim.
namespace surface {
enum Field {
    SquareMetre,
    Are,
    SquareKilometre,
    Hectare,
    SquareFoot,
    SquareYard,
    Acre,
    SquareMile,
    Claim,
    FieldCount
};
}

extern const Measure surfaceMeasure;

} // namespace convert
