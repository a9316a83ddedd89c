#include "gui/measure_form.h"

#include "convert/linear.h"
#include "convert/misc.h"
#include "convert/surface.h"
#include "convert/volume.h"
#include "convert/weight.h"

#include <algorithm>
#include <array>

namespace gui {

namespace {

// Every unit of the measure has its field, in the order of the measure's units.
template <std::size_t N> consteval bool inUnitOrder(const FieldPlace (&fields)[N], int unitCount)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (fields[i].unit != static_cast<int>(i))
            return false;
    }
    return static_cast<int>(N) == unitCount;
}

// A focus order that gives every unit's field, Help and Done exactly one stop.
template <std::size_t N> consteval bool visitsEachOnce(const FocusStop (&order)[N], int unitCount)
{
    for (int unit = 0; unit < unitCount; ++unit) {
        if (std::count_if(order, order + N,
                [unit](const FocusStop& stop) { return stop.kind == FocusStop::Field && stop.unit == unit; })
            != 1)
            return false;
    }
    for (const FocusStop::Kind kind : {FocusStop::Help, FocusStop::Done}) {
        if (std::count_if(order, order + N, [kind](const FocusStop& stop) { return stop.kind == kind; }) != 1)
            return false;
    }
    return std::all_of(order, order + N, [unitCount](const FocusStop& stop) {
        return stop.kind != FocusStop::Field || (stop.unit >= 0 && stop.unit < unitCount);
    });
}

constexpr FieldGroup oneFrame[] = {{"Frame1", nullptr, 0, 0}};

namespace linear {
using namespace convert::linear;
constexpr FieldPlace fields[] = {
    {Centimetre, "EBxCM", "LblCentimetre", "Label3", 0, 0, 0},
    {Metre, "EBxM", "LblMetre", "Label5", 0, 0, 1},
    {Kilometre, "EBxKM", "LblKilometre", "Label7", 0, 0, 2},
    {Inch, "EBxIN", "LblInch", "Label9", 0, 1, 0},
    {Foot, "EBxFT", "LblFeet", "Label11", 0, 1, 1},
    {Yard, "EBxYD", "LblYard", "Label2", 0, 1, 2},
    {Mile, "EBxMI", "LblMile", "Label4", 0, 2, 0},
    {NauticalMile, "EBxNMI", "LblNauticMile", nullptr, 0, 2, 1},
};
static_assert(inUnitOrder(fields, FieldCount));
} // namespace linear

namespace surface {
using namespace convert::surface;
constexpr FieldPlace fields[] = {
    {SquareMetre, "EbxQM", "LblSqMeter", "Label22", 0, 0, 0},
    {Are, "EbxARE", "LblAre", "Label10", 0, 0, 1},
    {SquareKilometre, "EbxQKM", "LblSqKilometer", "Label18", 0, 0, 2},
    {Hectare, "EbxHA", "LblHectare", "Label20", 0, 1, 0},
    {SquareFoot, "EbxSQFT", "LblSqFeet", "Label16", 0, 1, 1},
    {SquareYard, "EbxSQYD", "LblSqYard", "Label14", 0, 1, 2},
    {Acre, "EbxACRE", "LblAcres", nullptr, 0, 2, 0},
    {SquareMile, "EbxSQMI", "LblSqMile", "Label8", 0, 2, 1},
    {Claim, "EbxCL", "LblClaim", "Label6", 0, 2, 2},
};
static_assert(inUnitOrder(fields, FieldCount));
} // namespace surface

namespace volume {
using namespace convert::volume;
// Five headed columns; rows line up across them, so the dry pint and quart stand level with the liquid
// ones and the dry peck and bushel level with the imperial ones.
constexpr FieldPlace fields[] = {
    {CubicCentimetre, "EBxCM3", nullptr, nullptr, 0, 0, 0},
    {Millilitre, "EBxML", nullptr, nullptr, 0, 0, 1},
    {CubicDecimetre, "EBxDM3", nullptr, nullptr, 0, 0, 2},
    {Litre, "EBxL", nullptr, nullptr, 0, 0, 3},
    {Hectolitre, "EBxHL", nullptr, nullptr, 0, 0, 4},
    {CubicMetre, "EBxM3", nullptr, nullptr, 0, 0, 5},
    {CubicInch, "EBxCUIN", nullptr, nullptr, 0, 1, 0},
    {CubicFoot, "EBxCUFT", nullptr, nullptr, 0, 1, 1},
    {CubicYard, "EBxCUYD", nullptr, nullptr, 0, 1, 2},
    {RegisterTon, "EBxRT", nullptr, nullptr, 0, 1, 3},
    {ImperialFluidOunce, "EBxOZFL", nullptr, nullptr, 0, 2, 0},
    {ImperialGill, "EBxIMPGI", nullptr, nullptr, 0, 2, 1},
    {ImperialPint, "EBxIMPPT", nullptr, nullptr, 0, 2, 2},
    {ImperialQuart, "EBxIMPQT", nullptr, nullptr, 0, 2, 3},
    {ImperialGallon, "EBxIMPGAL", nullptr, nullptr, 0, 2, 4},
    {ImperialPeck, "EBxIMPPK", nullptr, nullptr, 0, 2, 5},
    {ImperialBushel, "EBxIMPBUSH", nullptr, nullptr, 0, 2, 6},
    {UsFluidOunce, "EBxOZFLUS", nullptr, nullptr, 0, 3, 0},
    {UsGill, "EBxUSGILL", nullptr, nullptr, 0, 3, 1},
    {UsLiquidPint, "EBxUSPTLI", nullptr, nullptr, 0, 3, 2},
    {UsLiquidQuart, "EBxUSQT", nullptr, nullptr, 0, 3, 3},
    {UsGallon, "EBxUSGAL", nullptr, nullptr, 0, 3, 4},
    {UsDryPint, "EBxUSPTDR", nullptr, nullptr, 0, 4, 2},
    {UsDryQuart, "EBxUSQTDR", nullptr, nullptr, 0, 4, 3},
    {UsPeck, "EBxUSPK", nullptr, nullptr, 0, 4, 5},
    {UsBushel, "EBxUSBUSH", nullptr, nullptr, 0, 4, 6},
};
static_assert(inUnitOrder(fields, FieldCount));

constexpr FieldGroup groups[] = {{"Frame4", nullptr, 0, 0}};

constexpr ColumnHeading headings[] = {
    {0, 0, "Metric"},
    {0, 1, "British/US"},
    {0, 2, "British Imperial"},
    {0, 3, "US Custom (liquid)"},
    {0, 4, "US Custom (dry)"},
};

// The units column by column, then the box calculator, Help and Done.
constexpr FocusStop focusOrder[]
    = {fieldStop(CubicCentimetre), fieldStop(Millilitre), fieldStop(CubicDecimetre), fieldStop(Litre),
        fieldStop(Hectolitre), fieldStop(CubicMetre), fieldStop(CubicInch), fieldStop(CubicFoot),
        fieldStop(CubicYard), fieldStop(RegisterTon), fieldStop(ImperialFluidOunce), fieldStop(ImperialGill),
        fieldStop(ImperialPint), fieldStop(ImperialQuart), fieldStop(ImperialGallon), fieldStop(ImperialPeck),
        fieldStop(ImperialBushel), fieldStop(UsFluidOunce), fieldStop(UsGill), fieldStop(UsLiquidPint),
        fieldStop(UsLiquidQuart), fieldStop(UsGallon), fieldStop(UsDryPint), fieldStop(UsDryQuart),
        fieldStop(UsPeck), fieldStop(UsBushel), belowStop, helpStop, doneStop};
static_assert(visitsEachOnce(focusOrder, FieldCount));
} // namespace volume

namespace weight {
using namespace convert::weight;
// Four columns without headings.
constexpr FieldPlace fields[] = {
    {Gram, "EBxG", nullptr, nullptr, 0, 0, 0},
    {Kilogram, "EBxKG", nullptr, nullptr, 0, 0, 1},
    {MetricQuintal, "EBxQ", nullptr, nullptr, 0, 0, 2},
    {Ton, "EBxT", nullptr, nullptr, 0, 0, 3},
    {Grain, "EBxGR", nullptr, nullptr, 0, 1, 0},
    {Pennyweight, "EBxDWT", nullptr, nullptr, 0, 1, 1},
    {Ounce, "EBxOZ", nullptr, nullptr, 0, 1, 2},
    {TroyOunce, "EBxTROZ", nullptr, nullptr, 0, 1, 3},
    {TroyPound, "EBxTRLB", nullptr, nullptr, 0, 2, 0},
    {Pound, "EBxLB", nullptr, nullptr, 0, 2, 1},
    {Stone, "EBxST", nullptr, nullptr, 0, 2, 2},
    {UsQuarter, "EBxUSQR", nullptr, nullptr, 0, 2, 3},
    {BritishQuarter, "EBxQR", nullptr, nullptr, 0, 2, 4},
    {Cental, "EBxUSCWT", nullptr, nullptr, 0, 3, 0},
    {Hundredweight, "EBxCWT", nullptr, nullptr, 0, 3, 1},
    {ShortTon, "EBxSHTN", nullptr, nullptr, 0, 3, 2},
    {LongTon, "EBxLTN", nullptr, nullptr, 0, 3, 3},
};
static_assert(inUnitOrder(fields, FieldCount));

// Done comes first and has the focus when the dialog opens, so Return right after opening closes it.
constexpr FocusStop focusOrder[] = {doneStop, fieldStop(Gram), fieldStop(Kilogram), fieldStop(MetricQuintal),
    fieldStop(Ton), fieldStop(Grain), fieldStop(Pennyweight), fieldStop(Ounce), fieldStop(TroyOunce),
    fieldStop(Pound), fieldStop(TroyPound), fieldStop(Cental), fieldStop(Stone), fieldStop(UsQuarter),
    fieldStop(BritishQuarter), fieldStop(Hundredweight), fieldStop(ShortTon), fieldStop(LongTon), helpStop};
static_assert(visitsEachOnce(focusOrder, FieldCount));
} // namespace weight

namespace misc {
using namespace convert::misc;
enum Group { Temperature, Energy, Power, Fuel };

constexpr FieldPlace fields[] = {
    {Celsius, "ebxCelsius", nullptr, nullptr, Temperature, 0, 0},
    {Fahrenheit, "ebxFahrenheit", nullptr, nullptr, Temperature, 0, 1},
    {Kelvin, "ebxKelvin", nullptr, nullptr, Temperature, 0, 2},
    {Reaumur, "ebxReaumur", nullptr, nullptr, Temperature, 0, 3},
    {Btu, "ebxBtu", nullptr, nullptr, Energy, 0, 0},
    {Megajoule, "ebxMegajoule", nullptr, nullptr, Energy, 0, 1},
    {KilowattHour, "ebxKWh", nullptr, nullptr, Energy, 0, 2},
    {Therm, "ebxTherm", nullptr, nullptr, Energy, 0, 3},
    {Horsepower, "ebxPS", nullptr, nullptr, Power, 0, 0},
    {Kilowatt, "ebxKW", nullptr, nullptr, Power, 0, 1},
    {MilesPerGallon, "ebxMilesGallon", nullptr, nullptr, Fuel, 0, 0},
    {LitresPer100Km, "ebxLtr100km", nullptr, nullptr, Fuel, 0, 1},
};
static_assert(inUnitOrder(fields, FieldCount));

constexpr FieldGroup groups[] = {
    {"Frame1", "Temperature", 0, 0},
    {"Frame2", "Energy", 0, 1},
    {"Frame3", "Power", 1, 0},
    {"Frame4", "Fuel Consumption", 1, 1},
};

// Help and Done come before the fuel consumption fields.
constexpr FocusStop focusOrder[]
    = {fieldStop(Celsius), fieldStop(Fahrenheit), fieldStop(Kelvin), fieldStop(Reaumur), fieldStop(Btu),
        fieldStop(Megajoule), fieldStop(KilowattHour), fieldStop(Therm), fieldStop(Horsepower),
        fieldStop(Kilowatt), helpStop, doneStop, fieldStop(MilesPerGallon), fieldStop(LitresPer100Km)};
static_assert(visitsEachOnce(focusOrder, FieldCount));
} // namespace misc

} // namespace

constinit const MeasureForm linearForm{
    .measure = convert::linearMeasure, .fields = linear::fields, .groups = oneFrame};

constinit const MeasureForm surfaceForm{
    .measure = convert::surfaceMeasure, .fields = surface::fields, .groups = oneFrame};

constinit const MeasureForm volumeForm{.measure = convert::volumeMeasure,
    .fields = volume::fields,
    .groups = volume::groups,
    .headings = volume::headings,
    .focusOrder = volume::focusOrder,
    .rowPitchTwips = 600};

constinit const MeasureForm weightForm{.measure = convert::weightMeasure,
    .fields = weight::fields,
    .groups = oneFrame,
    .focusOrder = weight::focusOrder,
    .rowPitchTwips = 720};

constinit const MeasureForm miscForm{.measure = convert::miscMeasure,
    .fields = misc::fields,
    .groups = misc::groups,
    .labels = LabelPlacement::CaptionRight,
    .buttons = ButtonPlacement::RightColumn,
    .focusOrder = misc::focusOrder};

} // namespace gui
