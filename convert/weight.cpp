#include "convert/weight.h"

#include <array>

namespace convert {

namespace {

using namespace weight;

constexpr DisplayFormat format = DisplayFormat::TwoToFourDecimals;

// Four columns without headings. Two units are captioned "Quintal": the metric one of 100 kg ("q") and
// the British hundredweight of 112 lb ("cwt"); the US hundredweight of 100 lb is the "Cental".
constexpr std::array<UnitField, FieldCount> fields = {{
    {"EBxG", "Gram", nullptr, "g", nullptr, 0, 0, 0, format},
    {"EBxKG", "Kilogram", nullptr, "kg", nullptr, 0, 0, 1, format},
    {"EBxQ", "Quintal", nullptr, "q", nullptr, 0, 0, 2, format},
    {"EBxT", "Ton", nullptr, "t", nullptr, 0, 0, 3, format},
    {"EBxGR", "Grain", nullptr, "gr", nullptr, 0, 1, 0, format},
    {"EBxDWT", "Pennyweight", nullptr, "dwt", nullptr, 0, 1, 1, format},
    {"EBxOZ", "Avdp. Ounce", nullptr, "oz", nullptr, 0, 1, 2, format},
    {"EBxTROZ", "Troy Ounce", nullptr, "tr.oz", nullptr, 0, 1, 3, format},
    {"EBxTRLB", "Troy Pound", nullptr, "tr.lb", nullptr, 0, 2, 0, format},
    {"EBxLB", "Avdp. Pound", nullptr, "lb", nullptr, 0, 2, 1, format},
    {"EBxST", "Stone", nullptr, "st", nullptr, 0, 2, 2, format},
    {"EBxUSQR", "US. Quarter", nullptr, "us.qr", nullptr, 0, 2, 3, format},
    {"EBxQR", "British Quarter", nullptr, "qr", nullptr, 0, 2, 4, format},
    {"EBxUSCWT", "Cental", nullptr, "us.cwt", nullptr, 0, 3, 0, format},
    {"EBxCWT", "Quintal", nullptr, "cwt", nullptr, 0, 3, 1, format},
    {"EBxSHTN", "Short Ton", nullptr, "sh.tn", nullptr, 0, 3, 2, format},
    {"EBxLTN", "Long Ton", nullptr, "l.tn", nullptr, 0, 3, 3, format},
}};

constexpr std::array<FieldGroup, 1> groups = {{{"Frame1", nullptr, 0, 0}}};

// Done comes first and has the focus when the dialog opens, so Return right after opening closes it.
constexpr std::array<const char*, 19> focusOrder
    = {"Command1", "EBxG", "EBxKG", "EBxQ", "EBxT", "EBxGR", "EBxDWT", "EBxOZ", "EBxTROZ", "EBxLB", "EBxTRLB",
        "EBxUSCWT", "EBxST", "EBxUSQR", "EBxQR", "EBxCWT", "EBxSHTN", "EBxLTN", "Command2"};

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

constinit const MeasureTable weightTable{.fields = fields,
    .groups = groups,
    .headings = {},
    .convert = &convertWeight,
    .focusOrder = focusOrder,
    .rowPitchTwips = 720};

} // namespace convert
