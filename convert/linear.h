#pragma once

#include "convert/measure.h"

namespace convert {

// Lengths: centimetre, metre, kilometre, inch, foot, yard, mile and nautical mile, with the yard as hub.
namespace linear {
enum Field { Centimetre, Metre, Kilometre, Inch, Foot, Yard, Mile, NauticalMile, FieldCount };
}

extern const Measure linearMeasure;

} // namespace convert
