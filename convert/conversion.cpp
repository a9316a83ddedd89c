#include "convert/conversion.h"

#include "convert/measure_table.h"

#include <cmath>
#include <limits>

namespace convert {

FieldTexts::FieldTexts(QStringList texts)
    : m_texts(std::move(texts))
{ }

double FieldTexts::read(int field)
{
    const double value = readNumber(m_texts.at(field));
    check(value);
    return value;
}

void FieldTexts::setText(int field, const QString& text)
{
    m_texts[field] = text;
}

void FieldTexts::write(int field, double value)
{
    check(value);
    m_texts[field] = plainText(std::isfinite(value) ? value : 0.0);
}

void FieldTexts::writeSingle(int field, float value)
{
    check(value);
    m_texts[field] = plainTextSingle(std::isfinite(value) ? value : 0.0f);
}

float FieldTexts::toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        m_spoiled = true;
        return 0.0f;
    }
    return static_cast<float>(value);
}

void FieldTexts::check(double value)
{
    if (!std::isfinite(value))
        m_spoiled = true;
}

std::optional<QStringList> formatFields(const MeasureTable& table, const FieldTexts& fields)
{
    if (fields.spoiled())
        return std::nullopt;
    QStringList texts = fields.texts();
    for (qsizetype i = 0; i < texts.size(); ++i)
        texts[i] = formatField(texts[i], table.fields[static_cast<std::size_t>(i)].format);
    return texts;
}

std::optional<QStringList> runConversion(const MeasureTable& table, const QStringList& texts, int source)
{
    if (source < 0 || source >= static_cast<int>(table.fields.size())
        || texts.size() != static_cast<qsizetype>(table.fields.size()))
        return std::nullopt;
    FieldTexts fields(texts);
    table.convert(fields, source);
    return formatFields(table, fields);
}

} // namespace convert
