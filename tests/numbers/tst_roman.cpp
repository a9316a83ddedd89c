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
    QTest::newRow("nine") << QStringLiteral("9") << roman("IX");
    QTest::newRow("forty") << QStringLiteral("40") << roman("XL");
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

    // Nothing rather than the numeral of a wrapped value.
    QTest::newRow("beyond the largest value gives nothing") << QStringLiteral("2147483648") << outOfRange;
}

void TestRoman::decToRoman()
{
    QFETCH(QString, decimal);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(numbers::decToRoman(decimal), expected);
}

void TestRoman::romanToDec_data()
{
    QTest::addColumn<QString>("numeral");
    QTest::addColumn<std::optional<QString>>("decimal");

    const auto decimal = [](const char* text) { return std::optional<QString>(QString::fromLatin1(text)); };
    const std::optional<QString> invalid;

    QTest::newRow("usual form") << QStringLiteral("MCMXCIV") << decimal("1994");
    QTest::newRow("each symbol") << QStringLiteral("MDCLXVI") << decimal("1666");
    QTest::newRow("CM") << QStringLiteral("CM") << decimal("900");
    QTest::newRow("CD") << QStringLiteral("CD") << decimal("400");
    QTest::newRow("XC") << QStringLiteral("XC") << decimal("90");
    QTest::newRow("XL") << QStringLiteral("XL") << decimal("40");
    QTest::newRow("IX") << QStringLiteral("IX") << decimal("9");
    QTest::newRow("IV") << QStringLiteral("IV") << decimal("4");
    QTest::newRow("symbol at the very end") << QStringLiteral("XXI") << decimal("21");
    QTest::newRow("four ones add up") << QStringLiteral("IIII") << decimal("4");
    QTest::newRow("XIIII") << QStringLiteral("XIIII") << decimal("14");
    QTest::newRow("VX is not subtractive") << QStringLiteral("VX") << decimal("15");
    QTest::newRow("IC is not subtractive") << QStringLiteral("IC") << decimal("101");
    QTest::newRow("IIX is one then nine") << QStringLiteral("IIX") << decimal("10");
    QTest::newRow("DM is not subtractive") << QStringLiteral("DM") << decimal("1500");
    QTest::newRow("five thousands") << QStringLiteral("MMMMM") << decimal("5000");
    QTest::newRow("twenty thousands") << QStringLiteral("MMMMMMMMMMMMMMMMMMMM") << decimal("20000");
    QTest::newRow("empty numeral is zero") << QString() << decimal("0");

    QTest::newRow("digit after a symbol") << QStringLiteral("X1") << invalid;
    QTest::newRow("lower-case symbols") << QStringLiteral("mcmxciv") << invalid;
    QTest::newRow("blank between symbols") << QStringLiteral("X I") << invalid;
    QTest::newRow("count form") << QStringLiteral("( 21 M'S)") << invalid;
    QTest::newRow("foreign character at the end") << QStringLiteral("MMI-") << invalid;
    QTest::newRow("roman numeral sign is not a symbol") << QString(QChar(0x2160)) << invalid;
}

void TestRoman::romanToDec()
{
    QFETCH(QString, numeral);
    QFETCH(std::optional<QString>, decimal);
    QCOMPARE(numbers::romanToDec(numeral), decimal);
}

QTEST_GUILESS_MAIN(TestRoman)
#include "tst_roman.moc"
