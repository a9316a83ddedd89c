#include "fuzz/support.h"

#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

void fail(const char* property, const QString& detail)
{
    std::fprintf(stderr, "\nProperty violated: %s\n%s\n", property, qUtf8Printable(detail.left(2000)));
    std::abort();
}

QString utf8Text(Bytes bytes)
{
    return QString::fromUtf8(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QString utf16Text(Bytes bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size() / 2));
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8))));
    return text;
}

QStringList fieldTexts(Bytes bytes, qsizetype count)
{
    QStringList texts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size() && texts.size() < count; ++i) {
        if (i == bytes.size() || bytes[i] == 0x1F) {
            texts.append(utf8Text(bytes.subspan(start, i - start)));
            start = i + 1;
        }
    }
    while (texts.size() < count)
        texts.append(QString());
    return texts;
}

std::uint8_t Reader::byte()
{
    if (rest.empty())
        return 0;
    const std::uint8_t value = rest.front();
    rest = rest.subspan(1);
    return value;
}

namespace {

template <typename T> T readRaw(Bytes& rest)
{
    std::uint8_t raw[sizeof(T)] = {};
    const std::size_t n = std::min(sizeof(T), rest.size());
    std::memcpy(raw, rest.data(), n);
    rest = rest.subspan(n);
    T value;
    std::memcpy(&value, raw, sizeof(T));
    return value;
}

} // namespace

double Reader::float64()
{
    return readRaw<double>(rest);
}

float Reader::float32()
{
    return readRaw<float>(rest);
}

std::int64_t Reader::int64()
{
    return readRaw<std::int64_t>(rest);
}

bool showsInfinityOrNan(const QString& text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

bool isDisplayText(const QString& text, convert::DisplayFormat format)
{
    static const QRegularExpression twoDecimals(
        QStringLiteral("^-?(0|[1-9][0-9]{0,2}(,[0-9]{3})*)\\.[0-9]{2}$"));
    static const QRegularExpression upToFour(
        QStringLiteral("^-?(0|[1-9][0-9]{0,2}(,[0-9]{3})*)\\.[0-9]{2}([0-9]?[1-9])?$"));
    static const QRegularExpression negativeZero(QStringLiteral("^-0\\.0*$"));
    const QRegularExpression& shape = format == convert::DisplayFormat::TwoDecimals ? twoDecimals : upToFour;
    return shape.match(text).hasMatch() && !negativeZero.match(text).hasMatch();
}

bool isExponentForm(const QString& text)
{
    static const QRegularExpression exponentForm(QStringLiteral("^-?[1-9](\\.[0-9]*[1-9])?E[+-][0-9]{2,3}$"));
    return exponentForm.match(text).hasMatch();
}

bool isPlainText(const QString& text, int significant)
{
    static const QRegularExpression fixedForm(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    if (text == QLatin1String("0"))
        return true;
    if (text == QLatin1String("-0"))
        return false;
    if (!fixedForm.match(text).hasMatch() && !isExponentForm(text))
        return false;
    QString mantissa = text.section(u'E', 0, 0);
    mantissa.remove(u'-');
    mantissa.remove(u'.');
    qsizetype first = 0;
    while (first < mantissa.size() && mantissa.at(first) == u'0')
        ++first;
    qsizetype last = mantissa.size();
    // Zeros that end a whole number hold places, they are not significant digits.
    if (!text.contains(u'.')) {
        while (last > first && mantissa.at(last - 1) == u'0')
            --last;
    }
    return last - first <= significant;
}

} // namespace fuzz
