#include "numbers/roman.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QString>)

class TestRoman final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decToRoman_data();
    void decToRoman();
    void romanToDec_data();
    void romanToDec();
    void everyUsualNumeralReadsBack();
};

void TestRoman::decToRoman_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<std::optional<QString>>("expected");

    const auto roman = [](const char* text) { return std::optional<QString>(QString::fromLatin1(text)); };
    const std::optional<QString> outOfRange;

    QTest::newRow("one") << QStringLiteral("1") << roman("I");
    QTest::newRow("three ones") << QStringLiteral("3") << roman("III");
    QTest::newRow("four is subtractive") << QStringLiteral("4") << roman("IV");
    QTest::newRow("eight") << QStringLiteral("8") << roman("VIII");
    QTest::newRow("nine") << QStringLiteral("9") << roman("IX");
    QTest::newRow("fourteen") << QStringLiteral("14") << roman("XIV");
    QTest::newRow("forty") << QStringLiteral("40") << roman("XL");
    QTest::newRow("forty-nine") << QStringLiteral("49") << roman("XLIX");
    QTest::newRow("ninety") << QStringLiteral("90") << roman("XC");
    QTest::newRow("255") << QStringLiteral("255") << roman("CCLV");
    QTest::newRow("four hundred") << QStringLiteral("400") << roman("CD");
    QTest::newRow("444") << QStringLiteral("444") << roman("CDXLIV");
    QTest::newRow("888") << QStringLiteral("888") << roman("DCCCLXXXVIII");
    QTest::newRow("900") << QStringLiteral("900") << roman("CM");
    QTest::newRow("1994") << QStringLiteral("1994") << roman("MCMXCIV");
    QTest::newRow("3999") << QStringLiteral("3999") << roman("MMMCMXCIX");
    QTest::newRow("zero is empty") << QStringLiteral("0") << roman("");
    QTest::newRow("empty text is empty") << QString() << roman("");
    QTest::newRow("negative is empty") << QStringLiteral("-5") << roman("");
    QTest::newRow("negative thousands are empty") << QStringLiteral("-1994") << roman("");
    QTest::newRow("smallest value is empty") << QStringLiteral("-2147483648") << roman("");
    QTest::newRow("twenty thousands as symbols") << QStringLiteral("20000") << roman("MMMMMMMMMMMMMMMMMMMM");
    QTest::newRow("21 thousands in count form") << QStringLiteral("21000") << roman("( 21 M's)");
    QTest::newRow("count form followed by symbols") << QStringLiteral("21999") << roman("( 21 M's)CMXCIX");
    QTest::newRow("largest nine-digit value") << QStringLiteral("999999999") << roman("( 999999 M's)CMXCIX");
    QTest::newRow("largest value") << QStringLiteral("2147483647") << roman("( 2147483 M's)DCXLVII");
    QTest::newRow("3.5 rounds to four") << QStringLiteral("3.5") << roman("IV");
    QTest::newRow("2.5 rounds to two") << QStringLiteral("2.5") << roman("II");
    QTest::newRow("exponent form") << QStringLiteral("1.5E3") << roman("MD");

    QTest::newRow("beyond the largest value") << QStringLiteral("2147483648") << outOfRange;
    QTest::newRow("9E9") << QStringLiteral("9E9") << outOfRange;
    QTest::newRow("-3E9") << QStringLiteral("-3E9") << outOfRange;
    QTest::newRow("infinity") << QStringLiteral("1E999") << outOfRange;
}

void TestRoman::decToRoman()
{
    QFETCH(QString, decimal);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(numbers::DecToRoman(decimal), expected);
}

void TestRoman::romanToDec_data()
{
    QTest::addColumn<QString>("numeral");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<bool>("valid");

    QTest::newRow("usual form") << QStringLiteral("MCMXCIV") << QStringLiteral("1994") << true;
    QTest::newRow("each symbol") << QStringLiteral("MDCLXVI") << QStringLiteral("1666") << true;
    QTest::newRow("CM") << QStringLiteral("CM") << QStringLiteral("900") << true;
    QTest::newRow("CD") << QStringLiteral("CD") << QStringLiteral("400") << true;
    QTest::newRow("XC") << QStringLiteral("XC") << QStringLiteral("90") << true;
    QTest::newRow("XL") << QStringLiteral("XL") << QStringLiteral("40") << true;
    QTest::newRow("IX") << QStringLiteral("IX") << QStringLiteral("9") << true;
    QTest::newRow("IV") << QStringLiteral("IV") << QStringLiteral("4") << true;
    QTest::newRow("symbol at the very end") << QStringLiteral("XXI") << QStringLiteral("21") << true;
    QTest::newRow("four ones add up") << QStringLiteral("IIII") << QStringLiteral("4") << true;
    QTest::newRow("XIIII") << QStringLiteral("XIIII") << QStringLiteral("14") << true;
    QTest::newRow("VX is not subtractive") << QStringLiteral("VX") << QStringLiteral("15") << true;
    QTest::newRow("IC is not subtractive") << QStringLiteral("IC") << QStringLiteral("101") << true;
    QTest::newRow("IIX is one then nine") << QStringLiteral("IIX") << QStringLiteral("10") << true;
    QTest::newRow("DM is not subtractive") << QStringLiteral("DM") << QStringLiteral("1500") << true;
    QTest::newRow("five thousands") << QStringLiteral("MMMMM") << QStringLiteral("5000") << true;
    QTest::newRow("twenty thousands")
        << QStringLiteral("MMMMMMMMMMMMMMMMMMMM") << QStringLiteral("20000") << true;
    QTest::newRow("empty numeral is zero") << QString() << QStringLiteral("0") << true;

    QTest::newRow("digit after a symbol") << QStringLiteral("X1") << QStringLiteral("0") << false;
    QTest::newRow("lower-case symbols") << QStringLiteral("mcmxciv") << QStringLiteral("0") << false;
    QTest::newRow("blank between symbols") << QStringLiteral("X I") << QStringLiteral("0") << false;
    QTest::newRow("count form") << QStringLiteral("( 21 M'S)") << QStringLiteral("0") << false;
    QTest::newRow("foreign character at the end") << QStringLiteral("MMI-") << QStringLiteral("0") << false;
    QTest::newRow("roman numeral sign is not a symbol")
        << QString(QChar(0x2160)) << QStringLiteral("0") << false;
}

void TestRoman::romanToDec()
{
    QFETCH(QString, numeral);
    QFETCH(QString, decimal);
    QFETCH(bool, valid);
    const numbers::RomanReading reading = numbers::RomanToDec(numeral);
    QCOMPARE(reading.decimal, decimal);
    QCOMPARE(reading.valid, valid);
}

void TestRoman::everyUsualNumeralReadsBack()
{
    for (std::int32_t value = 1; value <= 25000; ++value) {
        const QString numeral = numbers::romanNumeral(value);
        if (value > 20999)
            QVERIFY(numeral.startsWith(QStringLiteral("( ")));
        else
            QCOMPARE(numbers::RomanToDec(numeral).decimal, QString::number(value));
    }
}

QTEST_GUILESS_MAIN(TestRoman)
#include "tst_roman.moc"
