// Every measure's conversion from any source unit with any unit texts: either the conversion is refused
// as a whole (too large a value) or every unit it writes shows a display text, the other units are only
// formatted, and no text ever shows inf or nan.
#include "convert/linear.h"
#include "convert/misc.h"
#include "convert/surface.h"
#include "convert/volume.h"
#include "convert/weight.h"
#include "fuzz/support.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

using namespace fuzz;
using convert::DisplayFormat;
using convert::Measure;

struct NamedMeasure
{
    const char* name;
    const Measure& measure;
};

const NamedMeasure measures[] = {
    {"linear", convert::linearMeasure},
    {"surface", convert::surfaceMeasure},
    {"volume", convert::volumeMeasure},
    {"weight", convert::weightMeasure},
    {"misc", convert::miscMeasure},
};
constexpr std::size_t measureCount = std::size(measures);

// The fields a conversion from each source writes, found by converting 1 into otherwise empty fields:
// a written field is no longer empty.
const std::vector<std::vector<bool>>& writtenFields(std::size_t table)
{
    static std::vector<std::vector<std::vector<bool>>> written(measureCount);
    std::vector<std::vector<bool>>& found = written[table];
    if (found.empty()) {
        const Measure& measure = measures[table].measure;
        const auto count = static_cast<qsizetype>(measure.units.size());
        for (qsizetype source = 0; source < count; ++source) {
            QStringList texts(count);
            texts[source] = QStringLiteral("1");
            const std::optional<QStringList> result
                = convert::runConversion(measure, texts, static_cast<int>(source)).value;
            require(
                result.has_value(), "1 converts from every unit", QString::fromLatin1(measures[table].name));
            std::vector<bool> fields(static_cast<std::size_t>(count));
            for (qsizetype i = 0; i < count; ++i)
                fields[static_cast<std::size_t>(i)] = i != source && !result->at(i).isEmpty();
            found.push_back(fields);
        }
    }
    return found;
}

QString describe(const NamedMeasure& named, int source, const QStringList& before, const QStringList& after)
{
    const std::span<const convert::Unit> units = named.measure.units;
    QString text = QStringLiteral("%1 from %2:")
                       .arg(QLatin1String(named.name), QString::fromUtf8(units[source].caption));
    for (qsizetype i = 0; i < before.size(); ++i)
        text += QStringLiteral("\n  %1: \"%2\" -> \"%3\"")
                    .arg(QString::fromUtf8(units[i].caption), before[i].left(80),
                        i < after.size() ? after[i].left(80) : QString());
    return text;
}

// A value a conversion may refuse: beyond the range where every unit of every dialog stays finite in
// single precision, or so close to zero that a reciprocal leaves the range of a double.
bool isExtreme(double value)
{
    return !std::isfinite(value) || std::fabs(value) > 1e30 || (value != 0 && std::fabs(value) < 1e-280);
}

void checkConversion(std::size_t tableIndex, int source, const QStringList& before)
{
    const NamedMeasure& named = measures[tableIndex];
    const Measure& measure = named.measure;
    const convert::Outcome<QStringList> result = convert::runConversion(measure, before, source);
    if (!result.value) {
        require(result.problem == convert::Problem::ResultOutOfRange
                && isExtreme(convert::readNumber(before[source])),
            "only an extreme value is refused", describe(named, source, before, {}));
        return;
    }
    const QStringList& after = *result.value;
    const QString detail = describe(named, source, before, after);
    require(after.size() == before.size(), "every field has a text", detail);
    const std::vector<bool>& written = writtenFields(tableIndex)[static_cast<std::size_t>(source)];
    qsizetype shown = 0;
    qsizetype emptied = 0;
    for (qsizetype i = 0; i < after.size(); ++i) {
        const DisplayFormat format = measure.units[i].format;
        require(after[i] == before[i] || !showsInfinityOrNan(after[i]), "no field shows inf or nan", detail);
        if (written[static_cast<std::size_t>(i)]) {
            shown += isDisplayText(after[i], format) ? 1 : 0;
            emptied += after[i].isEmpty() ? 1 : 0;
        } else {
            // The typed field keeps its text and every field of another group its value; all are formatted.
            require(after[i] == convert::formatField(before[i], format),
                "a field that is not written is only formatted", detail);
        }
    }
    const auto writes = std::count(written.cbegin(), written.cend(), true);
    // Fuel consumption has no counterpart for zero and leaves the other field empty: all or nothing.
    require(shown == writes || emptied == writes, "every written field shows a display text", detail);
}

void checkBox(const QStringList& edges, convert::volume::BoxUnit unit)
{
    const convert::Outcome<QStringList> result = convert::convertBox({edges[0], edges[1], edges[2]}, unit);
    const QString detail = QStringLiteral("box \"%1\" x \"%2\" x \"%3\"").arg(edges[0], edges[1], edges[2]);
    const bool missing = edges[0].isEmpty() || edges[1].isEmpty() || edges[2].isEmpty();
    require(
        (result.problem == convert::Problem::BoxEdgeMissing) == missing, "an empty edge is reported", detail);
    require(result.value.has_value() != result.problem.has_value(), "a box converts or is refused", detail);
    if (result.problem == convert::Problem::ResultOutOfRange) {
        const double product
            = convert::readNumber(edges[0]) * convert::readNumber(edges[1]) * convert::readNumber(edges[2]);
        require(!(std::fabs(product) < 1e30), "only a huge box is refused", detail);
    }
    if (!result.value)
        return;
    const QStringList& texts = *result.value;
    const Measure& measure = convert::volumeMeasure;
    require(texts.size() == static_cast<qsizetype>(measure.units.size()), "the box fills every unit", detail);
    for (qsizetype i = 0; i < texts.size(); ++i)
        require(isDisplayText(texts[i], measure.units[i].format), "the box writes display texts only",
            detail + QStringLiteral(": ") + texts[i]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input{Bytes(data, size)};
    const std::uint8_t selector = input.byte();
    const std::uint8_t field = input.byte();
    const std::size_t tableCount = measureCount;
    if (selector % (tableCount + 1) == tableCount) {
        checkBox(fieldTexts(input.rest, 3),
            field & 1 ? convert::volume::BoxUnit::Foot : convert::volume::BoxUnit::Metre);
        return 0;
    }
    const std::size_t table = selector % (tableCount + 1);
    const auto count = static_cast<qsizetype>(measures[table].measure.units.size());
    checkConversion(table, field % count, fieldTexts(input.rest, count));
    return 0;
}
