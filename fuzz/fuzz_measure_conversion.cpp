// Every measure dialog's conversion, reached through its table, from any source field with any field
// texts: either the conversion is refused as a whole (too large a value) or every field it writes shows
// a display text, the other fields are only formatted, and no field ever shows inf or nan.
#include "convert/measure_table.h"
#include "convert/volume.h"
#include "fuzz/support.h"
#include "tables/topics.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

using namespace fuzz;
using convert::DisplayFormat;
using convert::MeasureTable;

// Every topic with a measure table.
const std::vector<const tables::Topic*>& measureTopics()
{
    static const std::vector<const tables::Topic*> found = [] {
        std::vector<const tables::Topic*> topics;
        for (const tables::Topic& topic : tables::topics()) {
            if (topic.measure)
                topics.push_back(&topic);
        }
        return topics;
    }();
    return found;
}

// The fields a conversion from each source writes, found by converting 1 into otherwise empty fields:
// a written field is no longer empty.
const std::vector<std::vector<bool>>& writtenFields(std::size_t table)
{
    static std::vector<std::vector<std::vector<bool>>> written(measureTopics().size());
    std::vector<std::vector<bool>>& found = written[table];
    if (found.empty()) {
        const tables::Topic& topic = *measureTopics()[table];
        const MeasureTable& description = *topic.measure;
        const auto count = static_cast<qsizetype>(description.fields.size());
        for (qsizetype source = 0; source < count; ++source) {
            QStringList texts(count);
            texts[source] = QStringLiteral("1");
            const std::optional<QStringList> result
                = convert::runConversion(description, texts, static_cast<int>(source));
            require(result.has_value(), "1 converts from every field", QString::fromLatin1(topic.dialogName));
            std::vector<bool> fields(static_cast<std::size_t>(count));
            for (qsizetype i = 0; i < count; ++i)
                fields[static_cast<std::size_t>(i)] = i != source && !result->at(i).isEmpty();
            found.push_back(fields);
        }
    }
    return found;
}

QString describe(const tables::Topic& topic, int source, const QStringList& before, const QStringList& after)
{
    const MeasureTable& table = *topic.measure;
    QString text = QStringLiteral("%1 from %2:")
                       .arg(QLatin1String(topic.dialogName), QLatin1String(table.fields[source].name));
    for (qsizetype i = 0; i < before.size(); ++i)
        text += QStringLiteral("\n  %1: \"%2\" -> \"%3\"")
                    .arg(QLatin1String(table.fields[i].name), before[i].left(80),
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
    const tables::Topic& topic = *measureTopics()[tableIndex];
    const MeasureTable& table = *topic.measure;
    const std::optional<QStringList> result = convert::runConversion(table, before, source);
    if (!result) {
        require(isExtreme(convert::readNumber(before[source])), "only an extreme value is refused",
            describe(topic, source, before, {}));
        return;
    }
    const QStringList& after = *result;
    const QString detail = describe(topic, source, before, after);
    require(after.size() == before.size(), "every field has a text", detail);
    const std::vector<bool>& written = writtenFields(tableIndex)[static_cast<std::size_t>(source)];
    qsizetype shown = 0;
    qsizetype emptied = 0;
    for (qsizetype i = 0; i < after.size(); ++i) {
        const DisplayFormat format = table.fields[i].format;
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
    const convert::volume::BoxResult result = convert::convertBox({edges[0], edges[1], edges[2]}, unit);
    const QString detail = QStringLiteral("box \"%1\" x \"%2\" x \"%3\"").arg(edges[0], edges[1], edges[2]);
    const bool missing = edges[0].isEmpty() || edges[1].isEmpty() || edges[2].isEmpty();
    require((result.outcome == convert::volume::BoxOutcome::EdgeMissing) == missing,
        "an empty edge is reported", detail);
    if (result.outcome == convert::volume::BoxOutcome::TooLarge) {
        const double product
            = convert::readNumber(edges[0]) * convert::readNumber(edges[1]) * convert::readNumber(edges[2]);
        require(!(std::fabs(product) < 1e30), "only a huge box is refused", detail);
    }
    if (result.outcome != convert::volume::BoxOutcome::Converted)
        return;
    const MeasureTable& table = convert::volumeTable;
    require(result.texts.size() == static_cast<qsizetype>(table.fields.size()),
        "the box fills every unit field", detail);
    for (qsizetype i = 0; i < result.texts.size(); ++i)
        require(isDisplayText(result.texts[i], table.fields[i].format), "the box writes display texts only",
            detail + QStringLiteral(": ") + result.texts[i]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input{Bytes(data, size)};
    const std::uint8_t selector = input.byte();
    const std::uint8_t field = input.byte();
    const std::size_t tableCount = measureTopics().size();
    if (selector % (tableCount + 1) == tableCount) {
        checkBox(fieldTexts(input.rest, 3),
            field & 1 ? convert::volume::BoxUnit::Foot : convert::volume::BoxUnit::Metre);
        return 0;
    }
    const std::size_t table = selector % (tableCount + 1);
    const auto count = static_cast<qsizetype>(measureTopics()[table]->measure->fields.size());
    checkConversion(table, field % count, fieldTexts(input.rest, count));
    return 0;
}
