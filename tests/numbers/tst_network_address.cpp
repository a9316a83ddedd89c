#include "numbers/network_address.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QString>)

class TestNetworkAddress final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convert_data();
    void convert();
};

void TestNetworkAddress::convert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QString>>("expected");

    const auto address = [](const char* text) { return std::optional<QString>(QString::fromLatin1(text)); };
    const std::optional<QString> refused;

    QTest::newRow("digits of a byte keep their places")
        << QStringLiteral("00000C123456") << address("00000384C2A6");
    QTest::newRow("lower-case input, upper-case result")
        << QStringLiteral("0123456789ab") << address("084C2A6E195D");
    QTest::newRow("rest of the table") << QStringLiteral("CDEFcdef0000") << address("3B7F3B7F0000");
    QTest::newRow("all ones map to themselves") << QStringLiteral("FFFFFFFFFFFF") << address("FFFFFFFFFFFF");
    QTest::newRow("all zeros map to themselves") << QStringLiteral("000000000000") << address("000000000000");
    QTest::newRow("nines map to themselves") << QStringLiteral("999999999999") << address("999999999999");
    QTest::newRow("sixes map to themselves") << QStringLiteral("666666666666") << address("666666666666");
    QTest::newRow("thirteenth character is dropped")
        << QStringLiteral("00000C1234567") << address("00000384C2A6");
    QTest::newRow("characters after the twelfth are not tested")
        << QStringLiteral("00000C123456-xyz") << address("00000384C2A6");

    QTest::newRow("eleven characters are too short") << QStringLiteral("00000C12345") << refused;
    QTest::newRow("empty text is too short") << QString() << refused;
    QTest::newRow("hyphen in third place") << QStringLiteral("00-00-0C-12-34-56") << refused;
    QTest::newRow("letter after F") << QStringLiteral("0000000000G0") << refused;
    QTest::newRow("blank in twelfth place") << QStringLiteral("00000000000 ") << refused;
    QTest::newRow("full-width letter is not a digit")
        << QString(QStringLiteral("00000000000") + QChar(0xFF21)) << refused;
}

void TestNetworkAddress::convert()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(numbers::convertAddress(text), expected);
}

QTEST_GUILESS_MAIN(TestNetworkAddress)
#include "tst_network_address.moc"
