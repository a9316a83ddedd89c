#pragma once

#include "convert/measure.h"

namespace convert {

// Weights: metric units, grain and pennyweight, avoirdupois and troy ounce and pound, stone, quarters,
// hundredweights and tons, converted through the weight in grams held in single precision.
namespace weight {
enum Field {
    Gram,
    Kilogram,
    MetricQuintal,
    Ton,
    Grain,
    Pennyweight,
    Ounce,
    TroyOunce,
    TroyPound,
    Pound,
    Stone,
    UsQuarter,
    BritishQuarter,
    Cental,
    Hundredweight,
    ShortTon,
    LongTon,
    FieldCount
};
}

extern const Measure weightMeasure;

} // namespace convert
