#include "numbers/number_conversion.h"

#include <QTest>

using convert::Problem;
using numbers::AddressField;
using numbers::NumberField;
using numbers::NumberTexts;

Q_DECLARE_METATYPE(numbers::NumberField)
Q_DECLARE_METATYPE(numbers::AddressField)
Q_DECLARE_METATYPE(std::optional<convert::Problem>)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

// Field texts written "binary|octal|decimal|hexadecimal|roman".
QStringList fields(const QString& texts)
{
    return texts.split(u'|');
}

QStringList fields(const char* texts)
{
    return fields(s(texts));
}

QStringList listOf(const NumberTexts& texts)
{
    return {texts.binary, texts.octal, texts.decimal, texts.hexadecimal, texts.roman};
}

// What the fields held before: every conversion must overwrite what it writes, and leave the rest.
NumberTexts earlierWith(NumberField field, const QString& typed)
{
    NumberTexts texts{s("1"), s("1"), s("1"), s("1"), s("I")};
    texts[field] = typed;
    return texts;
}

const std::optional<Problem> noProblem;

} // namespace

class TestNumberConversion final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numberField_data();
    void numberField();
    void refusedInput_data();
    void refusedInput();
    void addressField_data();
    void addressField();
};

void TestNumberConversion::numberField_data()
{
    QTest::addColumn<NumberField>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<std::optional<Problem>>("problem");

    const QString ones26 = s("1").repeated(26);
    const QString symbols20 = s("M").repeated(20);

    QTest::newRow("decimal 255") << NumberField::Decimal << s("255") << fields("11111111|377|255|FF|CCLV")
                                 << noProblem;
    QTest::newRow("decimal with nine digits is accepted")
        << NumberField::Decimal << s("999999999")
        << fields("00111011100110101100100111111111|7346544777|999999999|3B9AC9FF|( 999999 M's)CMXCIX")
        << noProblem;
    QTest::newRow("decimal -1: binary from the bit pattern, no roman numeral")
        << NumberField::Decimal << s("-1") << fields(s("1").repeated(32) + s("|37777777777|-1|FFFFFFFF|"))
        << noProblem;
    QTest::newRow("decimal keeps its typed text, every other field rounds it")
        << NumberField::Decimal << s("12.5") << fields("1100|14|12.5|C|XII") << noProblem;
    QTest::newRow("empty decimal field")
        << NumberField::Decimal << QString() << fields("0000|0||0|") << noProblem;

    QTest::newRow("binary keeps its text")
        << NumberField::Binary << s("101") << fields("101|5|5|5|V") << noProblem;
    QTest::newRow("binary with 26 characters is accepted")
        << NumberField::Binary << ones26
        << fields(ones26 + s("|377777777|67108863|3FFFFFF|( 67108 M's)DCCCLXIII")) << noProblem;
    QTest::newRow("empty binary field") << NumberField::Binary << QString() << fields("|0|0|0|") << noProblem;

    QTest::newRow("octal with 10 characters is accepted")
        << NumberField::Octal << s("7777777777")
        << fields(
               s("0011") + s("1").repeated(28) + s("|7777777777|1073741823|3FFFFFFF|( 1073741 M's)DCCCXXIII"))
        << noProblem;
    QTest::newRow("empty octal field")
        << NumberField::Octal << QString() << fields("0000||0|0|") << noProblem;

    QTest::newRow("hexadecimal with 7 characters is accepted and upper-cased")
        << NumberField::Hexadecimal << s("fffffff")
        << fields(s("1").repeated(28) + s("|1777777777|268435455|FFFFFFF|( 268435 M's)CDLV")) << noProblem;
    QTest::newRow("empty hexadecimal field leaves binary empty")
        << NumberField::Hexadecimal << QString() << fields("|0|0||") << noProblem;
    QTest::newRow("upper-casing keeps the length of the text")
        << NumberField::Hexadecimal << s("\uFB00").repeated(7)
        << fields(s("|0|0|") + s("\uFB00").repeated(7) + s("|")) << noProblem;

    QTest::newRow("roman numeral is upper-cased and read")
        << NumberField::Roman << s("mcmxciv") << fields("011111001010|3712|1994|7CA|MCMXCIV") << noProblem;
    QTest::newRow("roman numeral keeps its unusual form")
        << NumberField::Roman << s("xiiii") << fields("1110|16|14|E|XIIII") << noProblem;
    QTest::newRow("roman with 20 characters is accepted")
        << NumberField::Roman << symbols20 << fields(s("0100111000100000|47040|20000|4E20|") + symbols20)
        << noProblem;
    QTest::newRow("empty roman field")
        << NumberField::Roman << QString() << fields("0000|0|0|0|") << noProblem;
    QTest::newRow("count form typed back converts as 0, questioned and upper-cased")
        << NumberField::Roman << s("( 21 M's)") << fields("0000|0|0|0|( 21 M'S)")
        << std::optional<Problem>(Problem::InvalidRomanNumeral);
}

void TestNumberConversion::numberField()
{
    QFETCH(NumberField, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    QFETCH(std::optional<Problem>, problem);

    const convert::Outcome<NumberTexts> outcome
        = numbers::returnInNumberField(field, earlierWith(field, typed));
    QVERIFY(outcome.value);
    QCOMPARE(listOf(*outcome.value), after);
    QCOMPARE(outcome.problem, problem);
}

void TestNumberConversion::refusedInput_data()
{
    QTest::addColumn<NumberField>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Problem>("problem");

    QTest::newRow("binary with 27 characters")
        << NumberField::Binary << s("1").repeated(27) << Problem::BinaryTooLong;
    QTest::newRow("octal with 11 characters")
        << NumberField::Octal << s("77777777770") << Problem::OctalTooLong;
    QTest::newRow("decimal with 10 characters")
        << NumberField::Decimal << s("1000000000") << Problem::DecimalTooLong;
    QTest::newRow("every character counts, blanks too")
        << NumberField::Decimal << s("1 2 3 4 5 ") << Problem::DecimalTooLong;
    QTest::newRow("hexadecimal with 8 characters")
        << NumberField::Hexadecimal << s("10000000") << Problem::HexadecimalTooLong;
    QTest::newRow("roman with 21 characters")
        << NumberField::Roman << s("M").repeated(21) << Problem::RomanTooLong;
    QTest::newRow("roman length is checked before the symbols")
        << NumberField::Roman << s("a").repeated(21) << Problem::RomanTooLong;
    // Only the decimal field can stand for a value outside 32 bits in the characters it accepts.
    QTest::newRow("decimal 9E9 fits in nine characters but not in 32 bits")
        << NumberField::Decimal << s("9E9") << Problem::DecimalOutOfRange;
}

void TestNumberConversion::refusedInput()
{
    QFETCH(NumberField, field);
    QFETCH(QString, typed);
    QFETCH(Problem, problem);

    const convert::Outcome<NumberTexts> outcome
        = numbers::returnInNumberField(field, earlierWith(field, typed));
    QVERIFY(!outcome.value);
    QCOMPARE(outcome.problem, std::optional<Problem>(problem));
}

void TestNumberConversion::addressField_data()
{
    QTest::addColumn<AddressField>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<QString>>("otherText");
    QTest::addColumn<std::optional<Problem>>("problem");

    const std::optional<QString> unchanged;

    QTest::newRow("hexadecimal to kanonical") << AddressField::Hexadecimal << s("00000C123456")
                                              << std::optional<QString>(s("00000384C2A6")) << noProblem;
    QTest::newRow("kanonical to hexadecimal") << AddressField::Kanonical << s("00000384C2A6")
                                              << std::optional<QString>(s("00000C123456")) << noProblem;
    QTest::newRow("hexadecimal refused") << AddressField::Hexadecimal << s("00000C12345") << unchanged
                                         << std::optional<Problem>(Problem::HexadecimalAddressInvalid);
    QTest::newRow("kanonical refused") << AddressField::Kanonical << s("00000 84C2A6") << unchanged
                                       << std::optional<Problem>(Problem::KanonicalAddressInvalid);
}

void TestNumberConversion::addressField()
{
    QFETCH(AddressField, field);
    QFETCH(QString, typed);
    QFETCH(std::optional<QString>, otherText);
    QFETCH(std::optional<Problem>, problem);

    const convert::Outcome<QString> outcome = numbers::returnInAddressField(field, typed);
    QCOMPARE(outcome.value, otherText);
    QCOMPARE(outcome.problem, problem);
}

QTEST_GUILESS_MAIN(TestNumberConversion)
#include "tst_number_conversion.moc"
