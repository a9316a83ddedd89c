#include "convert/conversion.h"

#include "convert/measure.h"

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

Outcome<QStringList> formatFields(const Measure& measure, const FieldTexts& fields)
{
    if (fields.spoiled())
        return Outcome<QStringList>::refused(Problem::ResultOutOfRange);
    QStringList texts = fields.texts();
    for (qsizetype i = 0; i < texts.size(); ++i)
        texts[i] = formatField(texts[i], measure.units[static_cast<std::size_t>(i)].format);
    return Outcome<QStringList>::converted(texts);
}

Outcome<QStringList> runConversion(const Measure& measure, const QStringList& texts, int source)
{
    // A source or a number of texts the measure does not have changes nothing.
    if (source < 0 || source >= static_cast<int>(measure.units.size())
        || texts.size() != static_cast<qsizetype>(measure.units.size()))
        return {};
    FieldTexts fields(texts);
    measure.convert(fields, source);
    return formatFields(measure, fields);
}

} // namespace convert
