#pragma once

#include "convert/measure.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <utility>

namespace test_support {

// Units and their texts: what a test expects a unit to show, or what stands in it before Return.
using UnitTexts = QList<std::pair<int, const char*>>;

// Return in the field of `source` after typing `typed` there, with every other unit empty or as `given`.
inline convert::Outcome<QStringList> typeAndConvert(
    const convert::Measure& measure, int source, const QString& typed, const UnitTexts& given = {})
{
    QStringList texts(static_cast<qsizetype>(measure.units.size()));
    for (const auto& [unit, text] : given)
        texts[unit] = QLatin1String(text);
    texts[source] = typed;
    return convert::runConversion(measure, texts, source);
}

// Refused as out of range: no text changes and the user is told why.
inline bool refusedOutOfRange(const convert::Outcome<QStringList>& outcome)
{
    return !outcome.value && outcome.problem == convert::Problem::ResultOutOfRange;
}

inline QString unitName(const convert::Measure& measure, int unit)
{
    const convert::Unit& described = measure.units[static_cast<std::size_t>(unit)];
    return QString::fromUtf8(described.caption)
        + (described.abbreviation ? QStringLiteral(" (%1)").arg(QLatin1String(described.abbreviation))
                                  : QString());
}

// Compares every unit's text of a conversion's result. `expected` names each unit of the measure exactly
// once, so no unit's factor can go unchecked; all differences are reported together.
inline void compareEveryUnit(
    const convert::Measure& measure, const QStringList& texts, const UnitTexts& expected)
{
    QCOMPARE(texts.size(), static_cast<qsizetype>(measure.units.size()));
    QStringList problems;
    if (expected.size() != texts.size())
        problems.append(QStringLiteral("%1 expected texts for %2 units").arg(expected.size()).arg(texts.size()));
    for (int unit = 0; unit < static_cast<int>(texts.size()); ++unit) {
        const auto isUnit = [unit](const std::pair<int, const char*>& entry) { return entry.first == unit; };
        const auto named = std::count_if(expected.cbegin(), expected.cend(), isUnit);
        if (named != 1) {
            problems.append(QStringLiteral("%1 named %2 times").arg(unitName(measure, unit)).arg(named));
            continue;
        }
        const QString want = QString::fromUtf8(std::find_if(expected.cbegin(), expected.cend(), isUnit)->second);
        if (texts.at(unit) != want) {
            problems.append(QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                                .arg(unitName(measure, unit), texts.at(unit), want));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

} // namespace test_support
