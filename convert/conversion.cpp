#include "convert/conversion.h"

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

std::optional<QStringList> FieldTexts::finish(const QList<DisplayFormat>& formats) const
{
    if (m_spoiled)
        return std::nullopt;
    QStringList texts = m_texts;
    for (qsizetype i = 0; i < texts.size(); ++i)
        texts[i] = formatField(texts[i], formats.at(i));
    return texts;
}

std::optional<QStringList> FieldTexts::finish(DisplayFormat format) const
{
    return finish(QList<DisplayFormat>(m_texts.size(), format));
}

} // namespace convert
