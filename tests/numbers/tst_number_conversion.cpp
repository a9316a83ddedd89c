#include "numbers/number_conversion.h"

#include <QTest>

using numbers::AddressField;
using numbers::Message;
using numbers::NumberField;
using numbers::NumberTexts;

Q_DECLARE_METATYPE(numbers::NumberField)
Q_DECLARE_METATYPE(numbers::AddressField)
Q_DECLARE_METATYPE(numbers::NumberTexts)
Q_DECLARE_METATYPE(std::optional<numbers::Message>)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

// Field texts in the order binary, octal, decimal, hexadecimal, roman.
NumberTexts texts(const QString& binary, const QString& octal, const QString& decimal,
    const QString& hexadecimal, const QString& roman)
{
    return NumberTexts{binary, octal, decimal, hexadecimal, roman};
}

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

QString repeated(const char* text, int count)
{
    return s(text).repeated(count);
}

std::optional<Message> restriction(const char* text)
{
    return Message{s(text), QStringLiteral("Input restriction")};
}

const std::optional<Message> noMessage;
const std::optional<Message> outsideRange
    = restriction("Sorry, no decimal values outside -2147483648 to 2147483647 please.");
const std::optional<Message> invalidNumeral
    = Message{QStringLiteral("Sorry, this is not a valid roman number."), QStringLiteral("Input check")};

// What the fields held before: every conversion must overwrite what it writes, and leave the rest.
const NumberTexts earlier = texts(s("1"), s("1"), s("1"), s("1"), s("I"));

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
    QTest::addColumn<NumberTexts>("before");
    QTest::addColumn<NumberTexts>("after");
    QTest::addColumn<std::optional<Message>>("message");

    const auto typed = [](NumberField field, const QString& text) {
        NumberTexts before = earlier;
        before[field] = text;
        return before;
    };

    QTest::newRow("decimal 255") << NumberField::Decimal << typed(NumberField::Decimal, s("255"))
                                 << texts(s("11111111"), s("377"), s("255"), s("FF"), s("CCLV")) << noMessage;
    QTest::newRow("decimal 5 gives four binary digits")
        << NumberField::Decimal << typed(NumberField::Decimal, s("5"))
        << texts(s("0101"), s("5"), s("5"), s("5"), s("V")) << noMessage;
    QTest::newRow("decimal 16 gives eight binary digits")
        << NumberField::Decimal << typed(NumberField::Decimal, s("16"))
        << texts(s("00010000"), s("20"), s("16"), s("10"), s("XVI")) << noMessage;
    QTest::newRow("decimal 999999999 is accepted")
        << NumberField::Decimal << typed(NumberField::Decimal, s("999999999"))
        << texts(s("00111011100110101100100111111111"), s("7346544777"), s("999999999"), s("3B9AC9FF"),
               s("( 999999 M's)CMXCIX"))
        << noMessage;
    QTest::newRow("decimal -1 is written as its bit pattern")
        << NumberField::Decimal << typed(NumberField::Decimal, s("-1"))
        << texts(repeated("1", 32), s("37777777777"), s("-1"), s("FFFFFFFF"), QString()) << noMessage;
    QTest::newRow("decimal 12.5 rounds to even 12, typed text kept")
        << NumberField::Decimal << typed(NumberField::Decimal, s("12.5"))
        << texts(s("1100"), s("14"), s("12.5"), s("C"), s("XII")) << noMessage;
    QTest::newRow("decimal 13.5 rounds to even 14")
        << NumberField::Decimal << typed(NumberField::Decimal, s("13.5"))
        << texts(s("1110"), s("16"), s("13.5"), s("E"), s("XIV")) << noMessage;
    QTest::newRow("decimal with trailing letters")
        << NumberField::Decimal << typed(NumberField::Decimal, s("12abc"))
        << texts(s("1100"), s("14"), s("12abc"), s("C"), s("XII")) << noMessage;
    QTest::newRow("decimal in exponent form near the top")
        << NumberField::Decimal << typed(NumberField::Decimal, s("2.1E9"))
        << texts(s("01111101001010110111010100000000"), s("17512672400"), s("2.1E9"), s("7D2B7500"),
               s("( 2100000 M's)"))
        << noMessage;
    QTest::newRow("empty decimal field")
        << NumberField::Decimal << typed(NumberField::Decimal, QString())
        << texts(s("0000"), s("0"), QString(), s("0"), QString()) << noMessage;

    QTest::newRow("binary 101 keeps its text")
        << NumberField::Binary << typed(NumberField::Binary, s("101"))
        << texts(s("101"), s("5"), s("5"), s("5"), s("V")) << noMessage;
    QTest::newRow("binary 26 ones") << NumberField::Binary << typed(NumberField::Binary, repeated("1", 26))
                                    << texts(repeated("1", 26), s("377777777"), s("67108863"), s("3FFFFFF"),
                                           s("( 67108 M's)DCCCLXIII"))
                                    << noMessage;
    QTest::newRow("empty binary field") << NumberField::Binary << typed(NumberField::Binary, QString())
                                        << texts(QString(), s("0"), s("0"), s("0"), QString()) << noMessage;

    QTest::newRow("octal ten sevens") << NumberField::Octal << typed(NumberField::Octal, s("7777777777"))
                                      << texts(s("0011") + repeated("1", 28), s("7777777777"),
                                             s("1073741823"), s("3FFFFFFF"), s("( 1073741 M's)DCCCXXIII"))
                                      << noMessage;
    QTest::newRow("octal 18 counts the 8")
        << NumberField::Octal << typed(NumberField::Octal, s("18"))
        << texts(s("00010000"), s("18"), s("16"), s("10"), s("XVI")) << noMessage;
    QTest::newRow("empty octal field") << NumberField::Octal << typed(NumberField::Octal, QString())
                                       << texts(s("0000"), QString(), s("0"), s("0"), QString()) << noMessage;

    QTest::newRow("hexadecimal is upper-cased")
        << NumberField::Hexadecimal << typed(NumberField::Hexadecimal, s("fffffff"))
        << texts(repeated("1", 28), s("1777777777"), s("268435455"), s("FFFFFFF"), s("( 268435 M's)CDLV"))
        << noMessage;
    QTest::newRow("hexadecimal 1G: G adds no bits")
        << NumberField::Hexadecimal << typed(NumberField::Hexadecimal, s("1G"))
        << texts(s("0001"), s("20"), s("16"), s("1G"), s("XVI")) << noMessage;
    QTest::newRow("empty hexadecimal field leaves binary empty")
        << NumberField::Hexadecimal << typed(NumberField::Hexadecimal, QString())
        << texts(QString(), s("0"), s("0"), QString(), QString()) << noMessage;
    QTest::newRow("upper-casing keeps the length of the text")
        << NumberField::Hexadecimal
        << typed(NumberField::Hexadecimal, s("\uFB00\uFB00\uFB00\uFB00\uFB00\uFB00\uFB00"))
        << texts(QString(), s("0"), s("0"), s("\uFB00\uFB00\uFB00\uFB00\uFB00\uFB00\uFB00"), QString())
        << noMessage;

    QTest::newRow("roman numeral is upper-cased and read")
        << NumberField::Roman << typed(NumberField::Roman, s("mcmxciv"))
        << texts(s("011111001010"), s("3712"), s("1994"), s("7CA"), s("MCMXCIV")) << noMessage;
    QTest::newRow("roman numeral keeps its unusual form")
        << NumberField::Roman << typed(NumberField::Roman, s("xiiii"))
        << texts(s("1110"), s("16"), s("14"), s("E"), s("XIIII")) << noMessage;
    QTest::newRow("twenty M symbols")
        << NumberField::Roman << typed(NumberField::Roman, repeated("M", 20))
        << texts(s("0100111000100000"), s("47040"), s("20000"), s("4E20"), repeated("M", 20)) << noMessage;
    QTest::newRow("empty roman field") << NumberField::Roman << typed(NumberField::Roman, QString())
                                       << texts(s("0000"), s("0"), s("0"), s("0"), QString()) << noMessage;
    QTest::newRow("digit in a roman numeral")
        << NumberField::Roman << typed(NumberField::Roman, s("X1"))
        << texts(s("0000"), s("0"), s("0"), s("0"), s("X1")) << invalidNumeral;
    QTest::newRow("count form typed back is not a numeral")
        << NumberField::Roman << typed(NumberField::Roman, s("( 21 M's)"))
        << texts(s("0000"), s("0"), s("0"), s("0"), s("( 21 M'S)")) << invalidNumeral;
}

void TestNumberConversion::numberField()
{
    QFETCH(NumberField, field);
    QFETCH(NumberTexts, before);
    QFETCH(NumberTexts, after);
    QFETCH(std::optional<Message>, message);

    const numbers::NumberOutcome outcome = numbers::returnInNumberField(field, before);
    QVERIFY(!outcome.refused());
    QCOMPARE(outcome.texts->binary, after.binary);
    QCOMPARE(outcome.texts->octal, after.octal);
    QCOMPARE(outcome.texts->decimal, after.decimal);
    QCOMPARE(outcome.texts->hexadecimal, after.hexadecimal);
    QCOMPARE(outcome.texts->roman, after.roman);
    QCOMPARE(outcome.message.has_value(), message.has_value());
    if (message) {
        QCOMPARE(outcome.message->text, message->text);
        QCOMPARE(outcome.message->title, message->title);
    }
    QCOMPARE(outcome.invalidNumeral(), message.has_value());
}

void TestNumberConversion::refusedInput_data()
{
    QTest::addColumn<NumberField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<Message>>("message");

    const auto tooLong = restriction;
    QTest::newRow("binary with 27 characters")
        << NumberField::Binary << repeated("1", 27)
        << tooLong("Sorry, no binary values with more than 26 digits please.");
    QTest::newRow("octal with 11 characters")
        << NumberField::Octal << s("77777777770")
        << tooLong("Sorry, no octal values with more than 10 digits please.");
    QTest::newRow("decimal with 10 characters")
        << NumberField::Decimal << s("1000000000")
        << tooLong("Sorry, no decimal values with more than 9 digits please.");
    QTest::newRow("largest value is too long to type")
        << NumberField::Decimal << s("2147483647")
        << tooLong("Sorry, no decimal values with more than 9 digits please.");
    QTest::newRow("every character counts, blanks too")
        << NumberField::Decimal << s("1 2 3 4 5 ")
        << tooLong("Sorry, no decimal values with more than 9 digits please.");
    QTest::newRow("hexadecimal with 8 characters")
        << NumberField::Hexadecimal << s("10000000")
        << tooLong("Sorry, no hexadecimal values with more than 7 digits please.");
    QTest::newRow("roman with 21 characters")
        << NumberField::Roman << repeated("M", 21)
        << tooLong("Sorry, no roman numbers with more than 20 digits please.");
    QTest::newRow("roman with 21 foreign characters")
        << NumberField::Roman << repeated("a", 21)
        << tooLong("Sorry, no roman numbers with more than 20 digits please.");

    QTest::newRow("9E9 fits in nine characters") << NumberField::Decimal << s("9E9") << outsideRange;
    QTest::newRow("1E300") << NumberField::Decimal << s("1E300") << outsideRange;
    QTest::newRow("-3E9") << NumberField::Decimal << s("-3E9") << outsideRange;
    QTest::newRow("just below the range") << NumberField::Decimal << s("-2.15E9") << outsideRange;
    QTest::newRow("just above the range") << NumberField::Decimal << s("2.15E9") << outsideRange;
    QTest::newRow("too large for a double") << NumberField::Decimal << s("1E999") << outsideRange;
    QTest::newRow("too small for a double") << NumberField::Decimal << s("-1D999") << outsideRange;
}

void TestNumberConversion::refusedInput()
{
    QFETCH(NumberField, field);
    QFETCH(QString, text);
    QFETCH(std::optional<Message>, message);

    NumberTexts before = earlier;
    before[field] = text;
    const numbers::NumberOutcome outcome = numbers::returnInNumberField(field, before);
    QVERIFY(outcome.refused());
    QVERIFY(!outcome.invalidNumeral());
    QVERIFY(outcome.message.has_value());
    QCOMPARE(outcome.message->text, message->text);
    QCOMPARE(outcome.message->title, message->title);
}

void TestNumberConversion::addressField_data()
{
    QTest::addColumn<AddressField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QString>>("otherText");
    QTest::addColumn<std::optional<Message>>("message");

    const std::optional<Message> hexadecimalMessage = Message{
        QStringLiteral("Please enter a 12 digit hexadecimal value."), QStringLiteral("Input Validation")};
    const std::optional<Message> kanonicalMessage = Message{
        QStringLiteral("Please enter a 12 digit kanonical value."), QStringLiteral("Input Validation")};
    const std::optional<QString> unchanged;

    QTest::newRow("hexadecimal to kanonical") << AddressField::Hexadecimal << s("00000C123456")
                                              << std::optional<QString>(s("00000384C2A6")) << noMessage;
    QTest::newRow("kanonical to hexadecimal") << AddressField::Kanonical << s("00000384C2A6")
                                              << std::optional<QString>(s("00000C123456")) << noMessage;
    QTest::newRow("hexadecimal too short")
        << AddressField::Hexadecimal << s("00000C12345") << unchanged << hexadecimalMessage;
    QTest::newRow("hexadecimal with separators")
        << AddressField::Hexadecimal << s("00-00-0C-12-34-56") << unchanged << hexadecimalMessage;
    QTest::newRow("kanonical too short")
        << AddressField::Kanonical << QString() << unchanged << kanonicalMessage;
    QTest::newRow("kanonical with a blank")
        << AddressField::Kanonical << s("00000 84C2A6") << unchanged << kanonicalMessage;
}

void TestNumberConversion::addressField()
{
    QFETCH(AddressField, field);
    QFETCH(QString, text);
    QFETCH(std::optional<QString>, otherText);
    QFETCH(std::optional<Message>, message);

    const numbers::AddressOutcome outcome = numbers::returnInAddressField(field, text);
    QCOMPARE(outcome.otherText, otherText);
    QCOMPARE(outcome.message.has_value(), message.has_value());
    if (message) {
        QCOMPARE(outcome.message->text, message->text);
        QCOMPARE(outcome.message->title, message->title);
    }
}

QTEST_GUILESS_MAIN(TestNumberConversion)
#include "tst_number_conversion.moc"
