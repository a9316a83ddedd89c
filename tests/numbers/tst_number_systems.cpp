#include "numbers/number_systems.h"

#include <QTest>

using DigitRoutine = std::optional<QString> (*)(const QString&);
Q_DECLARE_METATYPE(DigitRoutine)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

const std::optional<QString> outOfRange;

std::optional<QString> text(const char* value)
{
    return QString::fromLatin1(value);
}

} // namespace

class TestNumberSystems final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void digitStrings_data();
    void digitStrings();
    void hexToBin_data();
    void hexToBin();
    void decimalField_data();
    void decimalField();
    void wholeNumber_data();
    void wholeNumber();
};

void TestNumberSystems::digitStrings_data()
{
    QTest::addColumn<DigitRoutine>("routine");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<std::optional<QString>>("expected");

    const DigitRoutine bin = numbers::binToDec;
    const DigitRoutine oct = numbers::octToDec;
    const DigitRoutine hex = numbers::hexToDec;

    QTest::newRow("binary 101 is five") << bin << QStringLiteral("101") << text("5");
    QTest::newRow("binary empty text is zero") << bin << QString() << text("0");
    QTest::newRow("binary digit 2 counts with its face value") << bin << QStringLiteral("2") << text("2");
    QTest::newRow("binary 12 is 1*2+2") << bin << QStringLiteral("12") << text("4");
    QTest::newRow("binary letter is a zero digit") << bin << QStringLiteral("1a1") << text("5");
    QTest::newRow("binary knows no hexadecimal letters") << bin << QStringLiteral("F") << text("0");
    QTest::newRow("binary 26 nines stay in range")
        << bin << QStringLiteral("99999999999999999999999999") << text("603979767");
    QTest::newRow("binary long run of leading zeros")
        << bin << QStringLiteral("0000000000000000000000000000000000000001") << text("1");
    QTest::newRow("binary 31 ones is the largest value")
        << bin << QStringLiteral("1111111111111111111111111111111") << text("2147483647");
    QTest::newRow("binary 32 ones leave the range")
        << bin << QStringLiteral("11111111111111111111111111111111") << outOfRange;

    QTest::newRow("octal 18 counts the 8 with its face value") << oct << QStringLiteral("18") << text("16");
    QTest::newRow("octal empty text is zero") << oct << QString() << text("0");
    QTest::newRow("octal ten nines stay in range")
        << oct << QStringLiteral("9999999999") << text("1380525201");
    QTest::newRow("octal 377") << oct << QStringLiteral("377") << text("255");
    QTest::newRow("octal blank is a zero digit") << oct << QStringLiteral("1 1") << text("65");
    QTest::newRow("octal largest value") << oct << QStringLiteral("17777777777") << text("2147483647");
    QTest::newRow("octal eleven sevens leave the range")
        << oct << QStringLiteral("77777777777") << outOfRange;

    QTest::newRow("hexadecimal upper-case letters") << hex << QStringLiteral("ABCDEF") << text("11259375");
    QTest::newRow("hexadecimal lower-case letters") << hex << QStringLiteral("abcdef") << text("11259375");
    QTest::newRow("hexadecimal 1G: G is a zero digit") << hex << QStringLiteral("1G") << text("16");
    QTest::newRow("hexadecimal empty text is zero") << hex << QString() << text("0");
    QTest::newRow("hexadecimal largest value") << hex << QStringLiteral("7FFFFFFF") << text("2147483647");
    QTest::newRow("hexadecimal 80000000 leaves the range") << hex << QStringLiteral("80000000") << outOfRange;
}

void TestNumberSystems::digitStrings()
{
    QFETCH(DigitRoutine, routine);
    QFETCH(QString, digits);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(routine(digits), expected);
}

void TestNumberSystems::hexToBin_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one digit keeps its leading zero") << QStringLiteral("5") << QStringLiteral("0101");
    QTest::newRow("two digits") << QStringLiteral("1F") << QStringLiteral("00011111");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("0000");
    QTest::newRow("empty text gives no digits") << QString() << QString();
    QTest::newRow("G adds no bits") << QStringLiteral("1G") << QStringLiteral("0001");
    QTest::newRow("every digit") << QStringLiteral("0123456789ABCDEF")
                                 << QStringLiteral(
                                        "0000000100100011010001010110011110001001101010111100110111101111");
    QTest::newRow("every lower-case letter")
        << QStringLiteral("abcdef") << QStringLiteral("101010111100110111101111");
    QTest::newRow("minus sign adds nothing") << QStringLiteral("-1") << QStringLiteral("0001");
    QTest::newRow("minus one as bit pattern")
        << QStringLiteral("FFFFFFFF") << QStringLiteral("11111111111111111111111111111111");
}

void TestNumberSystems::hexToBin()
{
    QFETCH(QString, digits);
    QFETCH(QString, expected);
    QCOMPARE(numbers::hexToBin(digits), expected);
}

void TestNumberSystems::decimalField_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<std::optional<QString>>("octal");
    QTest::addColumn<std::optional<QString>>("hexadecimal");

    QTest::newRow("255") << QStringLiteral("255") << text("377") << text("FF");
    QTest::newRow("16") << QStringLiteral("16") << text("20") << text("10");
    QTest::newRow("empty text is zero") << QString() << text("0") << text("0");
    QTest::newRow("half rounds down to even 12") << QStringLiteral("12.5") << text("14") << text("C");
    QTest::newRow("half rounds up to even 14") << QStringLiteral("13.5") << text("16") << text("E");
    QTest::newRow("largest value") << QStringLiteral("2147483647") << text("17777777777") << text("7FFFFFFF");
    QTest::newRow("minus one is all bits set")
        << QStringLiteral("-1") << text("37777777777") << text("FFFFFFFF");
    QTest::newRow("negative value as its bit pattern")
        << QStringLiteral("-2.1E9") << text("20265105400") << text("82D48B00");
    QTest::newRow("smallest value") << QStringLiteral("-2147483648") << text("20000000000")
                                    << text("80000000");

    QTest::newRow("9E9 fits in nine characters but not in 32 bits")
        << QStringLiteral("9E9") << outOfRange << outOfRange;
    QTest::newRow("1E300") << QStringLiteral("1E300") << outOfRange << outOfRange;
    QTest::newRow("-3E9") << QStringLiteral("-3E9") << outOfRange << outOfRange;
}

void TestNumberSystems::decimalField()
{
    QFETCH(QString, decimal);
    QFETCH(std::optional<QString>, octal);
    QFETCH(std::optional<QString>, hexadecimal);
    QCOMPARE(numbers::octalText(decimal), octal);
    QCOMPARE(numbers::hexadecimalText(decimal), hexadecimal);
}

void TestNumberSystems::wholeNumber_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << QStringLiteral("255") << true << 255;
    QTest::newRow("letters end the number") << QStringLiteral("12abc") << true << 12;
    QTest::newRow("text without a number is zero") << QStringLiteral("abc") << true << 0;
    QTest::newRow("2.5 rounds down to even 2") << QStringLiteral("2.5") << true << 2;
    QTest::newRow("3.5 rounds up to even 4") << QStringLiteral("3.5") << true << 4;
    QTest::newRow("0.5 rounds to 0") << QStringLiteral("0.5") << true << 0;
    QTest::newRow("below a half rounds down") << QStringLiteral("12.49") << true << 12;
    QTest::newRow("above a half rounds up") << QStringLiteral("12.51") << true << 13;
    QTest::newRow("-2.5 rounds to even -2") << QStringLiteral("-2.5") << true << -2;
    QTest::newRow("-3.5 rounds to even -4") << QStringLiteral("-3.5") << true << -4;
    QTest::newRow("minus a half is zero") << QStringLiteral("-0.5") << true << 0;
    QTest::newRow("largest") << QStringLiteral("2147483647") << true << 2147483647;
    QTest::newRow("largest with a fraction below a half")
        << QStringLiteral("2147483647.4") << true << 2147483647;
    QTest::newRow("half below the largest rounds to even")
        << QStringLiteral("2147483646.5") << true << 2147483646;
    QTest::newRow("smallest") << QStringLiteral("-2147483648") << true << -2147483647 - 1;
    QTest::newRow("half below the smallest rounds back to it")
        << QStringLiteral("-2147483648.5") << true << -2147483647 - 1;

    QTest::newRow("one above the largest") << QStringLiteral("2147483648") << false << 0;
    QTest::newRow("half above the largest rounds out of range")
        << QStringLiteral("2147483647.5") << false << 0;
    QTest::newRow("one below the smallest") << QStringLiteral("-2147483649") << false << 0;
    QTest::newRow("more than a half below the smallest") << QStringLiteral("-2147483648.6") << false << 0;
    QTest::newRow("too large for a double") << QStringLiteral("1E400") << false << 0;
    QTest::newRow("too small for a double") << QStringLiteral("-1D999") << false << 0;
}

void TestNumberSystems::wholeNumber()
{
    QFETCH(QString, decimal);
    QFETCH(bool, inRange);
    QFETCH(int, expected);
    const std::optional<std::int32_t> value = numbers::wholeNumber(decimal);
    QCOMPARE(value.has_value(), inRange);
    if (inRange)
        QCOMPARE(*value, expected);
}

QTEST_GUILESS_MAIN(TestNumberSystems)
#include "tst_number_systems.moc"
