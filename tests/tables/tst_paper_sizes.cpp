#include "tables/paper_sizes.h"

#include <QTest>

class TestPaperSizes final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableHoldsEverySheetOnce();
    void figuresAreShownAsWritten_data();
    void figuresAreShownAsWritten();
    void namesSortIgnoringCase();
    void lookupIsExact_data();
    void lookupIsExact();
    void rectangleFollowsMillimetres_data();
    void rectangleFollowsMillimetres();
    void millimetreTextReadsLeniently_data();
    void millimetreTextReadsLeniently();
    void everySheetIsUprightAndFitsTheFrame();
};

void TestPaperSizes::tableHoldsEverySheetOnce()
{
    const auto sizes = tables::paperSizes();
    QCOMPARE(sizes.size(), std::size_t{27});
    QStringList names;
    for (const tables::PaperSize& size : sizes)
        names.append(size.name.toString());
    names.removeDuplicates();
    QCOMPARE(names.size(), 27);
    QCOMPARE(names.first(), QStringLiteral("A0"));
    QCOMPARE(names.last(), QStringLiteral("Tabloid"));
}

void TestPaperSizes::figuresAreShownAsWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("widthInches");
    QTest::addColumn<QString>("heightInches");
    QTest::addColumn<QString>("widthMillimetres");
    QTest::addColumn<QString>("heightMillimetres");

    const auto row = [](const char* tag, const char* name, const char* wi, const char* hi, const char* wm,
                         const char* hm) {
        QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(wi) << QString::fromLatin1(hi)
                           << QString::fromLatin1(wm) << QString::fromLatin1(hm);
    };
    row("largest sheet keeps three decimals", "A0", "33.125", "46.75", "841", "1189");
    row("A1 shares a side with A0", "A1", "23.375", "33.125", "594", "841");
    row("A2", "A2", "16.5", "23.375", "420", "594");
    row("A3", "A3", "11.375", "16.5", "297", "420");
    row("A4", "A4", "8.125", "11.375", "210", "297");
    row("A5", "A5", "5.875", "8.125", "148", "210");
    row("B4 has two-decimal inches", "B4", "9.84", "13.94", "250", "354");
    row("B5", "B5", "7.17", "10.12", "182", "257");
    row("whole inches show no decimal point", "C", "17", "22", "431.8", "558.8");
    row("C5 envelope", "C5", "6.38", "9.02", "162", "229");
    row("Com-10 envelope", "Com-10", "4.125", "9.5", "104.8", "241.3");
    row("D", "D", "22", "34", "558.8", "863.6");
    row("DL envelope", "DL", "4.33", "8.66", "110", "220");
    row("Demy", "Demy", "17.5", "22.5", "444.5", "571.5");
    row("name with a blank", "Double Crown", "20", "30", "508", "762");
    row("widest sheet keeps its decimal", "E", "34", "44", "863.6", "1117.6");
    row("millimetres with two decimals", "Executive", "7.25", "10.5", "184.15", "266.7");
    row("Folio", "Folio", "8.5", "13", "215.9", "330.2");
    row("Large Post", "Large Post", "16.5", "21", "419.1", "533.4");
    row("Legal", "Legal", "8.5", "14", "215.9", "355.6");
    row("Letter", "Letter", "8.5", "11", "215.9", "279.4");
    row("Medium", "Medium", "18", "23", "457.2", "584.2");
    row("smallest sheet", "Monarch", "3.875", "7.5", "98.4", "190.5");
    row("Quatro", "Quatro", "8.46", "10.83", "215", "275");
    row("Royal", "Royal", "20", "25", "508", "635");
    row("Statement", "Statement", "5.5", "8.5", "139.7", "215.9");
    row("Tabloid", "Tabloid", "11", "17", "279.4", "431.8");
}

void TestPaperSizes::figuresAreShownAsWritten()
{
    QFETCH(QString, name);
    const tables::PaperSize* size = tables::findPaperSize(name);
    QVERIFY(size != nullptr);
    QCOMPARE(size->name.toString(), name);
    QTEST(size->widthInches.toString(), "widthInches");
    QTEST(size->heightInches.toString(), "heightInches");
    QTEST(size->widthMillimetres.toString(), "widthMillimetres");
    QTEST(size->heightMillimetres.toString(), "heightMillimetres");
}

void TestPaperSizes::namesSortIgnoringCase()
{
    const QStringList expected{QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("A2"),
        QStringLiteral("A3"), QStringLiteral("A4"), QStringLiteral("A5"), QStringLiteral("B4"),
        QStringLiteral("B5"), QStringLiteral("C"), QStringLiteral("C5"), QStringLiteral("Com-10"),
        QStringLiteral("D"), QStringLiteral("Demy"), QStringLiteral("DL"), QStringLiteral("Double Crown"),
        QStringLiteral("E"), QStringLiteral("Executive"), QStringLiteral("Folio"),
        QStringLiteral("Large Post"), QStringLiteral("Legal"), QStringLiteral("Letter"),
        QStringLiteral("Medium"), QStringLiteral("Monarch"), QStringLiteral("Quatro"),
        QStringLiteral("Royal"), QStringLiteral("Statement"), QStringLiteral("Tabloid")};
    QCOMPARE(tables::paperNamesSorted(), expected);
}

void TestPaperSizes::lookupIsExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");

    QTest::newRow("exact name") << QStringLiteral("Demy") << true;
    QTest::newRow("name with a blank") << QStringLiteral("Large Post") << true;
    QTest::newRow("letter case differs") << QStringLiteral("a4") << false;
    QTest::newRow("all capitals") << QStringLiteral("DEMY") << false;
    QTest::newRow("trailing blank") << QStringLiteral("A4 ") << false;
    QTest::newRow("prefix of a name") << QStringLiteral("Com") << false;
    QTest::newRow("empty text") << QString() << false;
}

void TestPaperSizes::lookupIsExact()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    const tables::PaperSize* size = tables::findPaperSize(name);
    QCOMPARE(size != nullptr, found);
    if (found)
        QCOMPARE(size->name.toString(), name);
}

void TestPaperSizes::rectangleFollowsMillimetres_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");

    QTest::newRow("A4") << QStringLiteral("A4") << 525.0F << 742.5F;
    QTest::newRow("width from the rounded text 104.8") << QStringLiteral("Com-10") << 262.0F << 603.25F;
    QTest::newRow("smallest rectangle") << QStringLiteral("Monarch") << 246.0F << 476.25F;
    QTest::newRow("widest rectangle") << QStringLiteral("E") << 2159.0F << 2794.0F;
    QTest::newRow("tallest rectangle") << QStringLiteral("A0") << 2102.5F << 2972.5F;
    QTest::newRow("two-decimal millimetres") << QStringLiteral("Executive") << 460.375F << 666.75F;
}

void TestPaperSizes::rectangleFollowsMillimetres()
{
    QFETCH(QString, name);
    QFETCH(float, width);
    QFETCH(float, height);
    const tables::PaperSize* size = tables::findPaperSize(name);
    QVERIFY(size != nullptr);
    const tables::TwipSize rectangle
        = tables::paperRectangle(size->widthMillimetres.toString(), size->heightMillimetres.toString());
    QCOMPARE(rectangle.width, width);
    QCOMPARE(rectangle.height, height);
}

void TestPaperSizes::millimetreTextReadsLeniently_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("twips");

    QTest::newRow("whole millimetres") << QStringLiteral("210") << 525.0F;
    QTest::newRow("decimal point") << QStringLiteral("98.4") << 246.0F;
    QTest::newRow("trailing text ends the number") << QStringLiteral("12mm") << 30.0F;
    QTest::newRow("empty text draws nothing") << QString() << 0.0F;
    QTest::newRow("text without a number draws nothing") << QStringLiteral("wide") << 0.0F;
    QTest::newRow("negative length draws nothing") << QStringLiteral("-5") << 0.0F;
    QTest::newRow("length beyond a float draws nothing") << QStringLiteral("1E300") << 0.0F;
    QTest::newRow("length beyond a double draws nothing") << QStringLiteral("1E400") << 0.0F;
}

void TestPaperSizes::millimetreTextReadsLeniently()
{
    QFETCH(QString, text);
    QFETCH(float, twips);
    QCOMPARE(tables::millimetreTextToTwips(text), twips);
}

void TestPaperSizes::everySheetIsUprightAndFitsTheFrame()
{
    // The rectangle starts at (4200, 720) inside a frame 6612 by 4092 twips.
    for (const tables::PaperSize& size : tables::paperSizes()) {
        const tables::TwipSize rectangle
            = tables::paperRectangle(size.widthMillimetres.toString(), size.heightMillimetres.toString());
        const QByteArray name = size.name.toString().toUtf8();
        QVERIFY2(rectangle.width > 0.0F && rectangle.width < rectangle.height, name.constData());
        QVERIFY2(4200.0F + rectangle.width <= 6612.0F, name.constData());
        QVERIFY2(720.0F + rectangle.height <= 4092.0F, name.constData());
    }
}

QTEST_GUILESS_MAIN(TestPaperSizes)
#include "tst_paper_sizes.moc"
