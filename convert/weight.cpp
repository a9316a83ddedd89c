#include "convert/weight.h"

#include <array>

namespace convert {

namespace {

using namespace weight;

constexpr DisplayFormat format = DisplayFormat::TwoToFourDecimals;

// Two units are captioned "Quintal": the metric one of 100 kg ("q") and
// the British hundredweight of 112 lb ("cwt"); the US hundredweight of 100 lb is the "Cental".
constexpr std::array<Unit, FieldCount> units = {{
    {"Gram", "g", format},
    {"Kilogram", "kg", format},
    {"Quintal", "q", format},
    {"Ton", "t", format},
    {"Grain", "gr", format},
    {"Pennyweight", "dwt", format},
    {"Avdp. Ounce", "oz", format},
    {"Troy Ounce", "tr.oz", format},
    {"Troy Pound", "tr.lb", format},
    {"Avdp. Pound", "lb", format},
    {"Stone", "st", format},
    {"US. Quarter", "us.qr", format},
    {"British Quarter", "qr", format},
    {"Cental", "us.cwt", format},
    {"Quintal", "cwt", format},
    {"Short Ton", "sh.tn", format},
    {"Long Ton", "l.tn", format},
}};

// Grams per unit, in the order of the fields.
constexpr std::array<double, FieldCount> grams = {
    1, // gram
    1000, // kilogram
    100000, // metric quintal
    1000000, // ton
    0.065, // grain
    1.555, // pennyweight
    28.35, // avoirdupois ounce
    31.104, // troy ounce
    373.242, // troy pound
    453.592, // avoirdupois pound
    6350.288, // stone
    11339.8, // US quarter
    12700.58, // British quarter
    45359.2, // cental
    50802.3, // hundredweight
    907184, // short ton
    1016046, // long ton
};

// ConvertFromGrams. The gram and kilogram texts carry the single-precision hub itself (the kilogram
// divided in single precision), so they show seven significant digits; every other unit is a double
// quotient.
void convertFromGrams(FieldTexts& t, float hub)
{
    static constexpr std::array<Field, FieldCount - 2> doubleQuotients
        = {MetricQuintal, Ton, Grain, Pennyweight, Ounce, TroyOunce, Pound, TroyPound, Stone, UsQuarter,
            BritishQuarter, Cental, Hundredweight, ShortTon, LongTon};
    t.writeSingle(Gram, hub);
    t.writeSingle(Kilogram, hub / 1000.0f);
    for (const Field field : doubleQuotients)
        t.write(field, static_cast<double>(hub) / grams[field]);
}

void convertWeight(FieldTexts& t, int source)
{
    const QString typedText = t.text(source);
    const float hub = t.toSingle(t.read(source) * grams[static_cast<std::size_t>(source)]);
    convertFromGrams(t, hub);
    // The field in which Return was pressed keeps what the user typed, then is formatted like the rest.
    t.setText(source, typedText);
}

} // namespace

constinit const Measure weightMeasure{.units = units, .convert = &convertWeight};

} // namespace convert
