#include "numbers/network_address.h"
#include "numbers/roman.h"

#include <QTest>

#include <optional>

// Conversions that must undo each other over their whole range, not only at the worked examples.
class TestRoundTrips final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void romanNumeralsReadBackUpToTwentyThousand();
    void kanonicalFormIsItsOwnInverse();
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

QTEST_GUILESS_MAIN(TestRoundTrips)
#include "tst_round_trips.moc"
