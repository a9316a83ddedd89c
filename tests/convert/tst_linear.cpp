#include "convert/linear.h"

#include <QTest>

using namespace convert::linear;

namespace {
using Expected = QList<std::pair<int, QString>>;
}

class TestLinear final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversion_data();
    void conversion();
    void sourceKeepsItsText_data();
    void sourceKeepsItsText();
    void outOfRangeChangesNothing_data();
    void outOfRangeChangesNothing();
};

void TestLinear::conversion_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Expected>("expected");

    QTest::newRow("one metre") << int(Metre) << QStringLiteral("1")
                               << Expected{{Yard, QStringLiteral("1.09")},
                                      {Centimetre, QStringLiteral("100.00")},
                                      {Kilometre, QStringLiteral("0.00")}, {Inch, QStringLiteral("39.37")},
                                      {Foot, QStringLiteral("3.28")}, {Mile, QStringLiteral("0.00")},
                                      {NauticalMile, QStringLiteral("0.00")},
                                      {Metre, QStringLiteral("1.00")}};
    QTest::newRow("one centimetre") << int(Centimetre) << QStringLiteral("1")
                                    << Expected{{Yard, QStringLiteral("0.01")},
                                           {Metre, QStringLiteral("0.01")},
                                           {Kilometre, QStringLiteral("0.00")},
                                           {Inch, QStringLiteral("0.39")}, {Foot, QStringLiteral("0.03")}};
    QTest::newRow("one kilometre") << int(Kilometre) << QStringLiteral("1")
                                   << Expected{{Yard, QStringLiteral("1,093.61")},
                                          {Centimetre, QStringLiteral("100,000.00")},
                                          {Metre, QStringLiteral("1,000.00")},
                                          {Inch, QStringLiteral("39,370.08")},
                                          {Foot, QStringLiteral("3,280.84")}, {Mile, QStringLiteral("0.62")},
                                          {NauticalMile, QStringLiteral("0.54")}};
    QTest::newRow("one mile") << int(Mile) << QStringLiteral("1")
                              << Expected{{Yard, QStringLiteral("1,760.00")},
                                     {Foot, QStringLiteral("5,280.00")}, {Inch, QStringLiteral("63,360.00")},
                                     {Metre, QStringLiteral("1,609.34")}, {Kilometre, QStringLiteral("1.61")},
                                     {NauticalMile, QStringLiteral("0.87")}};
    QTest::newRow("one nautical mile")
        << int(NauticalMile) << QStringLiteral("1")
        << Expected{{Yard, QStringLiteral("2,025.37")}, {Metre, QStringLiteral("1,852.00")},
               {Kilometre, QStringLiteral("1.85")}, {Foot, QStringLiteral("6,076.12")},
               {Mile, QStringLiteral("1.15")}, {Centimetre, QStringLiteral("185,200.01")}};
    QTest::newRow("one yard") << int(Yard) << QStringLiteral("1")
                              << Expected{{Foot, QStringLiteral("3.00")}, {Inch, QStringLiteral("36.00")},
                                     {Centimetre, QStringLiteral("91.44")}, {Metre, QStringLiteral("0.91")}};
    QTest::newRow("one inch") << int(Inch) << QStringLiteral("1")
                              << Expected{{Centimetre, QStringLiteral("2.54")},
                                     {Yard, QStringLiteral("0.03")}, {Foot, QStringLiteral("0.08")}};
    QTest::newRow("twelve feet") << int(Foot) << QStringLiteral("12")
                                 << Expected{{Yard, QStringLiteral("4.00")}, {Inch, QStringLiteral("144.00")},
                                        {Metre, QStringLiteral("3.66")}};
    QTest::newRow("single-precision yard in the last digits")
        << int(Metre) << QStringLiteral("10000000") << Expected{{Yard, QStringLiteral("10,936,133.20")}};
    QTest::newRow("nautical mile from the mile side")
        << int(Mile) << QStringLiteral("10000") << Expected{{NauticalMile, QStringLiteral("8,689.93")}};
    QTest::newRow("nautical mile from the metre side")
        << int(Metre) << QStringLiteral("16093440") << Expected{{NauticalMile, QStringLiteral("8,689.76")}};
    QTest::newRow("negative length keeps its sign")
        << int(Metre) << QStringLiteral("-3")
        << Expected{{Centimetre, QStringLiteral("-300.00")}, {Yard, QStringLiteral("-3.28")},
               {Foot, QStringLiteral("-9.84")}, {Metre, QStringLiteral("-3.00")}};
    QTest::newRow("empty field converts zero")
        << int(Centimetre) << QString()
        << Expected{{Metre, QStringLiteral("0.00")}, {Kilometre, QStringLiteral("0.00")},
               {Inch, QStringLiteral("0.00")}, {Foot, QStringLiteral("0.00")}, {Yard, QStringLiteral("0.00")},
               {Mile, QStringLiteral("0.00")}, {NauticalMile, QStringLiteral("0.00")},
               {Centimetre, QString()}};
    QTest::newRow("letters after the number are ignored")
        << int(Metre) << QStringLiteral("12abc")
        << Expected{{Centimetre, QStringLiteral("1,200.00")}, {Metre, QStringLiteral("12abc")}};
    QTest::newRow("grouping comma ends the number, source shown grouped")
        << int(Metre) << QStringLiteral("1,234.5")
        << Expected{{Centimetre, QStringLiteral("100.00")}, {Metre, QStringLiteral("1,234.50")}};
    QTest::newRow("formatted text converts its first group")
        << int(Yard) << QStringLiteral("1,093.61")
        << Expected{{Foot, QStringLiteral("3.00")}, {Yard, QStringLiteral("1,093.61")}};
    QTest::newRow("blanks inside the number")
        << int(Metre) << QStringLiteral("1 000") << Expected{{Kilometre, QStringLiteral("1.00")}};
    QTest::newRow("exponent form") << int(Metre) << QStringLiteral("2.5E3")
                                   << Expected{{Kilometre, QStringLiteral("2.50")}};
    QTest::newRow("underflow is zero")
        << int(Kilometre) << QStringLiteral("4.9E-324")
        << Expected{{Metre, QStringLiteral("0.00")}, {Inch, QStringLiteral("0.00")}};
}

void TestLinear::conversion()
{
    QFETCH(int, source);
    QFETCH(QString, typed);
    QFETCH(Expected, expected);

    QStringList texts(FieldCount);
    texts[source] = typed;
    const std::optional<QStringList> result = convert::runConversion(convert::linearTable, texts, source);
    QVERIFY(result);
    QCOMPARE(result->size(), int(FieldCount));
    for (const auto& [field, text] : expected)
        QCOMPARE((*result)[field], text);
    for (const QString& text : *result) {
        QVERIFY(!text.contains(QLatin1String("inf"), Qt::CaseInsensitive));
        QVERIFY(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive));
    }
}

void TestLinear::sourceKeepsItsText_data()
{
    QTest::addColumn<int>("source");
    for (int field = 0; field < FieldCount; ++field)
        QTest::addRow("field %d", field) << field;
}

void TestLinear::sourceKeepsItsText()
{
    // Texts that do not read as a whole number stay as typed, and no other field keeps a stale value.
    QFETCH(int, source);
    QStringList texts(FieldCount, QStringLiteral("stale"));
    texts[source] = QStringLiteral("5 apples");
    const std::optional<QStringList> result = convert::runConversion(convert::linearTable, texts, source);
    QVERIFY(result);
    QCOMPARE((*result)[source], QStringLiteral("5 apples"));
    for (int field = 0; field < FieldCount; ++field) {
        if (field != source)
            QVERIFY2((*result)[field] != QLatin1String("stale"), qPrintable(QString::number(field)));
    }
}

void TestLinear::outOfRangeChangesNothing_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("typed");
    QTest::newRow("typed value beyond a double") << int(Metre) << QStringLiteral("1E309");
    QTest::newRow("negative value beyond a double") << int(Foot) << QStringLiteral("-1E309");
    QTest::newRow("kilometres overflow centimetres") << int(Kilometre) << QStringLiteral("1E306");
    QTest::newRow("nautical miles overflow inches") << int(NauticalMile) << QStringLiteral("1E305");
    QTest::newRow("a hundred thousand digits") << int(Inch) << QString(100000, u'9');
}

void TestLinear::outOfRangeChangesNothing()
{
    QFETCH(int, source);
    QFETCH(QString, typed);
    QStringList texts(FieldCount);
    texts[source] = typed;
    QVERIFY(!convert::runConversion(convert::linearTable, texts, source));
}

QTEST_GUILESS_MAIN(TestLinear)
#include "tst_linear.moc"
