#pragma once

#include "convert/conversion.h"
#include "convert/outcome.h"

#include <span>

// A measure: its units and its conversion. Each measure dialog shows one field per unit, in the order of
// the measure's units; the conversion reads and writes the fields by unit.
namespace convert {

// One unit: what its field is called, its abbreviation where the dialog shows one, and the display
// format of the FormatFields step.
struct Unit
{
    const char* caption; // "Meter"
    const char* abbreviation; // "m", or nullptr
    DisplayFormat format;
};

// Return was pressed in the field of unit `source`: writes the other units' texts as plain number text,
// in the dialog's order, reading back what it wrote where a value is derived from another unit.
using ConvertFunction = void (*)(FieldTexts& fields, int source);

struct Measure
{
    std::span<const Unit> units;
    ConvertFunction convert;
};

// Runs the measure's conversion on the unit texts and its FormatFields step (every text through its unit's
// format): every unit's text, or refused when a value left the range of the number type that holds it.
Outcome<QStringList> runConversion(const Measure& measure, const QStringList& texts, int source);

// The FormatFields step on texts a conversion wrote; refused when the conversion was spoiled.
Outcome<QStringList> formatFields(const Measure& measure, const FieldTexts& fields);

} // namespace convert
