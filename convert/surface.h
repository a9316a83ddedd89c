#pragma once

#include "convert/measure_table.h"

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

extern const MeasureTable surfaceTable;

} // namespace convert
