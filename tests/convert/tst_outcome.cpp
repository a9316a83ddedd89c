#include "convert/outcome.h"

#include <QTest>

using convert::Problem;

Q_DECLARE_METATYPE(convert::Problem)

// The one place where the words of every message the program shows, and its title, are checked.
class TestOutcome final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageFor_data();
    void messageFor();
};

void TestOutcome::messageFor_data()
{
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    const QString restriction = QStringLiteral("Input restriction");
    const QString check = QStringLiteral("Input check");
    const QString validation = QStringLiteral("Input Validation");

    // The program's own wording where a result leaves the range of its number type.
    QTest::newRow("measure result out of range")
        << Problem::ResultOutOfRange << QStringLiteral("Sorry, this value gives a result out of range.")
        << restriction;
    QTest::newRow("decimal outside the 32-bit range")
        << Problem::DecimalOutOfRange
        << QStringLiteral("Sorry, no decimal values outside -2147483648 to 2147483647 please.")
        << restriction;

    QTest::newRow("box edge missing")
        << Problem::BoxEdgeMissing << QStringLiteral("Please enter Length, Height and Width of the box.")
        << validation;
    QTest::newRow("binary too long") << Problem::BinaryTooLong
                                     << QStringLiteral(
                                            "Sorry, no binary values with more than 26 digits please.")
                                     << restriction;
    QTest::newRow("octal too long") << Problem::OctalTooLong
                                    << QStringLiteral(
                                           "Sorry, no octal values with more than 10 digits please.")
                                    << restriction;
    QTest::newRow("decimal too long")
        << Problem::DecimalTooLong
        << QStringLiteral("Sorry, no decimal values with more than 9 digits please.") << restriction;
    QTest::newRow("hexadecimal too long")
        << Problem::HexadecimalTooLong
        << QStringLiteral("Sorry, no hexadecimal values with more than 7 digits please.") << restriction;
    QTest::newRow("roman too long") << Problem::RomanTooLong
                                    << QStringLiteral(
                                           "Sorry, no roman numbers with more than 20 digits please.")
                                    << restriction;
    QTest::newRow("invalid roman numeral")
        << Problem::InvalidRomanNumeral << QStringLiteral("Sorry, this is not a valid roman number.")
        << check;
    QTest::newRow("hexadecimal address invalid")
        << Problem::HexadecimalAddressInvalid << QStringLiteral("Please enter a 12 digit hexadecimal value.")
        << validation;
    QTest::newRow("kanonical address invalid")
        << Problem::KanonicalAddressInvalid << QStringLiteral("Please enter a 12 digit kanonical value.")
        << validation;
}

void TestOutcome::messageFor()
{
    QFETCH(Problem, problem);
    QFETCH(QString, text);
    QFETCH(QString, title);
    const convert::Message message = convert::messageFor(problem);
    QCOMPARE(message.text, text);
    QCOMPARE(message.title, title);
}

QTEST_GUILESS_MAIN(TestOutcome)
#include "tst_outcome.moc"
