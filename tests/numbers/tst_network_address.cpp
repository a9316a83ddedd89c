#include "numbers/network_address.h"

#include <QTest>

using numbers::AddressError;

Q_DECLARE_METATYPE(numbers::AddressError)

class TestNetworkAddress final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convert_data();
    void convert();
    void convertingTwiceGivesTheAddressInUpperCase_data();
    void convertingTwiceGivesTheAddressInUpperCase();
};

void TestNetworkAddress::convert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<AddressError>("error");

    QTest::newRow("digits of a byte keep their places")
        << QStringLiteral("00000C123456") << QStringLiteral("00000384C2A6") << AddressError::None;
    QTest::newRow("and back") << QStringLiteral("00000384C2A6") << QStringLiteral("00000C123456")
                              << AddressError::None;
    QTest::newRow("lower-case input, upper-case result")
        << QStringLiteral("0123456789ab") << QStringLiteral("084C2A6E195D") << AddressError::None;
    QTest::newRow("rest of the table")
        << QStringLiteral("CDEFcdef0000") << QStringLiteral("3B7F3B7F0000") << AddressError::None;
    QTest::newRow("all ones map to themselves")
        << QStringLiteral("FFFFFFFFFFFF") << QStringLiteral("FFFFFFFFFFFF") << AddressError::None;
    QTest::newRow("all zeros map to themselves")
        << QStringLiteral("000000000000") << QStringLiteral("000000000000") << AddressError::None;
    QTest::newRow("nines map to themselves")
        << QStringLiteral("999999999999") << QStringLiteral("999999999999") << AddressError::None;
    QTest::newRow("sixes map to themselves")
        << QStringLiteral("666666666666") << QStringLiteral("666666666666") << AddressError::None;
    QTest::newRow("thirteenth character is dropped")
        << QStringLiteral("00000C1234567") << QStringLiteral("00000384C2A6") << AddressError::None;
    QTest::newRow("characters after the twelfth are not tested")
        << QStringLiteral("00000C123456-xyz") << QStringLiteral("00000384C2A6") << AddressError::None;

    QTest::newRow("eleven characters are too short")
        << QStringLiteral("00000C12345") << QString() << AddressError::TooShort;
    QTest::newRow("empty text is too short") << QString() << QString() << AddressError::TooShort;
    QTest::newRow("hyphen in third place")
        << QStringLiteral("00-00-0C-12-34-56") << QString() << AddressError::NotADigit;
    QTest::newRow("letter after F") << QStringLiteral("0000000000G0") << QString() << AddressError::NotADigit;
    QTest::newRow("blank in twelfth place")
        << QStringLiteral("00000000000 ") << QString() << AddressError::NotADigit;
    QTest::newRow("colon separators")
        << QStringLiteral("00:00:0C:12:34:56") << QString() << AddressError::NotADigit;
    QTest::newRow("full-width digit is not a digit")
        << QString(QStringLiteral("00000000000") + QChar(0xFF21)) << QString() << AddressError::NotADigit;
}

void TestNetworkAddress::convert()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(AddressError, error);
    const numbers::AddressConversion conversion = numbers::convertAddress(text);
    QCOMPARE(conversion.error, error);
    QCOMPARE(conversion.address, expected);
}

void TestNetworkAddress::convertingTwiceGivesTheAddressInUpperCase_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("upperCase");
    QTest::newRow("mixed digits") << QStringLiteral("00000c123456") << QStringLiteral("00000C123456");
    QTest::newRow("every letter") << QStringLiteral("abcdefABCDEF") << QStringLiteral("ABCDEFABCDEF");
    QTest::newRow("every digit") << QStringLiteral("012345678990") << QStringLiteral("012345678990");
}

void TestNetworkAddress::convertingTwiceGivesTheAddressInUpperCase()
{
    QFETCH(QString, address);
    QFETCH(QString, upperCase);
    const numbers::AddressConversion once = numbers::convertAddress(address);
    QCOMPARE(once.error, AddressError::None);
    QCOMPARE(numbers::convertAddress(once.address).address, upperCase);
}

QTEST_GUILESS_MAIN(TestNetworkAddress)
#include "tst_network_address.moc"
