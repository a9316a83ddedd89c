#include "tables/clothing_sizes.h"

#include <QTest>

using tables::SizeSystem;

class TestClothingSizes final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sevenGroupsOfEquallyLongLists();
    void systemHeadings();
    void groupsHoldTheirSizes_data();
    void groupsHoldTheirSizes();
    void halfSizesUseTheOneHalfSign();
};

namespace {

QStringList split(const char* sizes)
{
    return QString::fromUtf8(sizes).split(QLatin1Char(' '));
}

} // namespace

void TestClothingSizes::sevenGroupsOfEquallyLongLists()
{
    const auto groups = tables::clothingGroups();
    QCOMPARE(groups.size(), std::size_t{7});
    for (std::size_t i = 0; i < groups.size(); ++i) {
        // Sizes correspond by position alone, so a group's three lists must be equally long.
        const qsizetype length = tables::clothingSizes(groups[i], SizeSystem::American).size();
        QCOMPARE(length, i == 2 ? 8 : 6);
        QCOMPARE(tables::clothingSizes(groups[i], SizeSystem::British).size(), length);
        QCOMPARE(tables::clothingSizes(groups[i], SizeSystem::European).size(), length);
    }
}

void TestClothingSizes::systemHeadings()
{
    QCOMPARE(tables::sizeSystemHeading(SizeSystem::American).toString(), QStringLiteral("American"));
    QCOMPARE(tables::sizeSystemHeading(SizeSystem::British).toString(), QStringLiteral("British"));
    QCOMPARE(tables::sizeSystemHeading(SizeSystem::European).toString(), QStringLiteral("European"));
}

void TestClothingSizes::groupsHoldTheirSizes_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("american");
    QTest::addColumn<QStringList>("british");
    QTest::addColumn<QStringList>("european");

    QTest::newRow("men's suits") << 0 << QStringLiteral("Men's Suits and Overcoats")
                                 << split("36 38 40 42 44 46") << split("36 38 40 42 44 46")
                                 << split("46 48 51 54 56 59");
    QTest::newRow("women's suits") << 1 << QStringLiteral("Women's Suits and Dresses")
                                   << split("8 10 12 14 16 18") << split("10 12 14 16 18 20")
                                   << split("38 40 42 44 46 48");
    QTest::newRow("men's shirts have eight sizes")
        << 2 << QStringLiteral("Men's Shirts") << split("14 14½ 15 15½ 16 16½ 17 17½")
        << split("14 14½ 15 15½ 16 16½ 17 17½") << split("36 37 38 39 40 41 42 43");
    QTest::newRow("women's blouses") << 3 << QStringLiteral("Women's Blouses and Sweaters")
                                     << split("34 36 38 40 42 44") << split("36 38 40 42 44 46")
                                     << split("42 44 46 48 50 52");
    QTest::newRow("men's shoes") << 4 << QStringLiteral("Men's Shoes") << split("7½ 8 8½ 9½ 10½ 11½")
                                 << split("7 7½ 8 9 10 11") << split("40½ 41 42 43 44½ 46");
    QTest::newRow("women's shoes") << 5 << QStringLiteral("Women's Shoes") << split("6 6½ 7 7½ 8 8½")
                                   << split("4½ 5 5½ 6 6½ 7") << split("37½ 38 39 39½ 40 40½");
    QTest::newRow("children's clothes")
        << 6 << QStringLiteral("Children's Clothes") << split("4 6 8 10 12 14") << split("43 48 55 58 60 62")
        << split("109 122 140 147 152 157");
}

void TestClothingSizes::groupsHoldTheirSizes()
{
    QFETCH(int, group);
    const tables::ClothingGroup& clothing = tables::clothingGroups()[static_cast<std::size_t>(group)];
    QTEST(clothing.caption.toString(), "caption");
    QTEST(tables::clothingSizes(clothing, SizeSystem::American), "american");
    QTEST(tables::clothingSizes(clothing, SizeSystem::British), "british");
    QTEST(tables::clothingSizes(clothing, SizeSystem::European), "european");
}

void TestClothingSizes::halfSizesUseTheOneHalfSign()
{
    const tables::ClothingGroup& shirts = tables::clothingGroups()[2];
    const QString half = tables::clothingSizes(shirts, SizeSystem::American).at(1);
    QCOMPARE(half.size(), 3);
    QCOMPARE(half.at(2), QChar(0x00BD));
    QCOMPARE(half, QString(QStringLiteral("14") + QChar(0x00BD)));

    // Every "½" in the tables is the single sign, never "1/2" spelled out.
    for (const tables::ClothingGroup& group : tables::clothingGroups()) {
        for (const SizeSystem system : {SizeSystem::American, SizeSystem::British, SizeSystem::European}) {
            for (const QString& size : tables::clothingSizes(group, system))
                QVERIFY2(!size.contains(QLatin1Char('/')), qPrintable(size));
        }
    }
}

QTEST_GUILESS_MAIN(TestClothingSizes)
#include "tst_clothing_sizes.moc"
