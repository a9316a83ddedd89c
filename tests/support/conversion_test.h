#pragma once

#include "convert/measure_table.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <optional>
#include <utility>

namespace test_support {

// Field names and their texts: what a test expects a field to show, or what it stands in before Return.
using FieldTextList = QList<std::pair<const char*, const char*>>;

// The index of a field in a dialog's table, or -1.
inline int fieldIndex(const convert::MeasureTable& table, const QString& name)
{
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        if (name == QLatin1String(table.fields[i].name))
            return static_cast<int>(i);
    }
    return -1;
}

// Return in `source` after typing `typed` there, with every other field empty or as `given`.
inline std::optional<QStringList> typeAndConvert(const convert::MeasureTable& table, const QString& source,
    const QString& typed, const FieldTextList& given = {})
{
    QStringList texts(static_cast<qsizetype>(table.fields.size()));
    for (const auto& [field, text] : given)
        texts[fieldIndex(table, QLatin1String(field))] = QLatin1String(text);
    texts[fieldIndex(table, source)] = typed;
    return convert::runConversion(table, texts, fieldIndex(table, source));
}

// Compares the named fields of a conversion's result; fields not named are not checked.
inline void compareFields(
    const convert::MeasureTable& table, const QStringList& texts, const FieldTextList& expected)
{
    QCOMPARE(texts.size(), static_cast<qsizetype>(table.fields.size()));
    for (const auto& [field, text] : expected) {
        const int index = fieldIndex(table, QLatin1String(field));
        QVERIFY2(index >= 0, field);
        QCOMPARE(texts.at(index), QLatin1String(text));
    }
}

// Compares every field of a conversion's result. `expected` names each field of the dialog exactly once,
// so no field's factor can go unchecked; all differences are reported together.
inline void compareEveryField(
    const convert::MeasureTable& table, const QStringList& texts, const FieldTextList& expected)
{
    QCOMPARE(texts.size(), static_cast<qsizetype>(table.fields.size()));
    QStringList problems;
    if (expected.size() != texts.size())
        problems.append(
            QStringLiteral("%1 expected texts for %2 fields").arg(expected.size()).arg(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const char* name = table.fields[static_cast<std::size_t>(i)].name;
        const auto isField = [name](const std::pair<const char*, const char*>& entry) {
            return qstrcmp(entry.first, name) == 0;
        };
        const auto named = std::count_if(expected.cbegin(), expected.cend(), isField);
        if (named != 1) {
            problems.append(QStringLiteral("%1 named %2 times").arg(QLatin1String(name)).arg(named));
            continue;
        }
        const QString want = QLatin1String(std::find_if(expected.cbegin(), expected.cend(), isField)->second);
        if (texts.at(i) != want) {
            problems.append(QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                                .arg(QLatin1String(name), texts.at(i), want));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

} // namespace test_support
