#pragma once

#include "convert/measure_table.h"

#include <QList>
#include <QStringList>
#include <QTest>

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

} // namespace test_support
