#include "convert/number_text.h"
#include "numbers/network_address.h"
#include "numbers/roman.h"

#include <QTest>

#include <cmath>
#include <limits>

// Conversions that must undo each other over their whole range, not only at the worked examples.
class TestRoundTrips final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void romanNumeralsReadBackUpToTwentyThousand();
    void kanonicalFormIsItsOwnInverse();
    void plainTextReadsBackAcrossTheRange();
};

void TestRoundTrips::romanNumeralsReadBackUpToTwentyThousand()
{
    for (int n = 1; n <= 20000; ++n) {
        const QString decimal = QString::number(n);
        const std::optional<QString> numeral = numbers::decToRoman(decimal);
        QVERIFY2(numeral && !numeral->isEmpty(), qPrintable(decimal));
        QCOMPARE(numbers::romanToDec(*numeral), std::optional<QString>(decimal));
    }
}

void TestRoundTrips::kanonicalFormIsItsOwnInverse()
{
    // Every digit in every place, in both letter cases, and a spread of mixed addresses.
    const QString digits = QStringLiteral("0123456789abcdefABCDEF");
    int converted = 0;
    for (qsizetype place = 0; place < numbers::addressDigits; ++place) {
        for (const QChar digit : digits) {
            QString address(numbers::addressDigits, u'0');
            address[place] = digit;
            for (qsizetype other = 0; other < numbers::addressDigits; ++other) {
                if (other != place)
                    address[other] = digits.at((place * 7 + other * 3 + converted) % digits.size());
            }
            const std::optional<QString> kanonical = numbers::convertAddress(address);
            QVERIFY2(kanonical, qPrintable(address));
            QCOMPARE(numbers::convertAddress(*kanonical), std::optional<QString>(address.toUpper()));
            ++converted;
        }
    }
    QCOMPARE(converted, 12 * 22);
}

// Every power of ten and its neighbours, from the smallest subnormal to the largest double, in both
// signs: the text reads back to the value rounded to fifteen digits, and writing that gives the text.
void TestRoundTrips::plainTextReadsBackAcrossTheRange()
{
    QList<double> values = {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
        std::numeric_limits<double>::max(), 1e15, 1e-4};
    for (int exponent = -323; exponent <= 308; ++exponent) {
        const double power = std::pow(10.0, exponent);
        values << power << std::nextafter(power, 0.0) << std::nextafter(power, HUGE_VAL) << power * 0.5;
    }
    for (const double magnitude : std::as_const(values)) {
        for (const double value : {magnitude, -magnitude}) {
            const QString text = convert::plainText(value);
            const double back = convert::readNumber(text);
            QVERIFY2(std::isfinite(back), qPrintable(text));
            QCOMPARE(convert::plainText(back), text);
            if (std::fabs(value) >= std::numeric_limits<double>::min())
                QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 1e-14, qPrintable(text));
        }
    }
}

QTEST_GUILESS_MAIN(TestRoundTrips)
#include "tst_round_trips.moc"
