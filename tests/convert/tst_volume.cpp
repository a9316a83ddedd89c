#include "convert/volume.h"

#include "support/conversion_test.h"
#include <QRegularExpression>

#include <QTest>

#include <cmath>

// Field name and the text it must show; fields not named are not checked.
using Expected = QList<std::pair<const char*, const char*>>;

namespace {

// One litre typed into the litre field, every field as it shows afterwards.
const Expected oneLitre{{"EBxCM3", "1,000.00"}, {"EBxML", "1,000.00"}, {"EBxDM3", "1.00"}, {"EBxL", "1.00"},
    {"EBxHL", "0.01"}, {"EBxM3", "0.001"}, {"EBxCUIN", "61.022"}, {"EBxCUFT", "0.0353"},
    {"EBxCUYD", "0.0013"}, {"EBxRT", "0.0004"}, {"EBxOZFL", "35.199"}, {"EBxIMPGI", "7.0423"},
    {"EBxIMPPT", "1.76"}, {"EBxIMPQT", "0.88"}, {"EBxIMPGAL", "0.22"}, {"EBxIMPPK", "0.11"},
    {"EBxIMPBUSH", "0.0275"}, {"EBxOZFLUS", "33.818"}, {"EBxUSGILL", "8.4746"}, {"EBxUSPTLI", "2.1142"},
    {"EBxUSQT", "1.057"}, {"EBxUSGAL", "0.2642"}, {"EBxUSPTDR", "1.8149"}, {"EBxUSQTDR", "0.9083"},
    {"EBxUSPK", "0.1135"}, {"EBxUSBUSH", "0.0284"}};

const Expected minusOneLitre{{"EBxCM3", "-1,000.00"}, {"EBxML", "-1,000.00"}, {"EBxDM3", "-1.00"},
    {"EBxL", "-1.00"}, {"EBxHL", "-0.01"}, {"EBxM3", "-0.001"}, {"EBxCUIN", "-61.022"},
    {"EBxCUFT", "-0.0353"}, {"EBxCUYD", "-0.0013"}, {"EBxRT", "-0.0004"}, {"EBxOZFL", "-35.199"},
    {"EBxIMPGI", "-7.0423"}, {"EBxIMPPT", "-1.76"}, {"EBxIMPQT", "-0.88"}, {"EBxIMPGAL", "-0.22"},
    {"EBxIMPPK", "-0.11"}, {"EBxIMPBUSH", "-0.0275"}, {"EBxOZFLUS", "-33.818"}, {"EBxUSGILL", "-8.4746"},
    {"EBxUSPTLI", "-2.1142"}, {"EBxUSQT", "-1.057"}, {"EBxUSGAL", "-0.2642"}, {"EBxUSPTDR", "-1.8149"},
    {"EBxUSQTDR", "-0.9083"}, {"EBxUSPK", "-0.1135"}, {"EBxUSBUSH", "-0.0284"}};

// One cubic metre typed into the cubic metre field, every field as it shows afterwards.
const Expected oneCubicMetre{{"EBxCM3", "1,000,000.00"}, {"EBxML", "1,000,000.00"}, {"EBxDM3", "1,000.00"},
    {"EBxL", "1,000.00"}, {"EBxHL", "10.00"}, {"EBxM3", "1.00"}, {"EBxCUIN", "61,022.00"},
    {"EBxCUFT", "35.314"}, {"EBxCUYD", "1.308"}, {"EBxRT", "0.3531"}, {"EBxOZFL", "35,199.00"},
    {"EBxIMPGI", "7,042.2535"}, {"EBxIMPPT", "1,760.00"}, {"EBxIMPQT", "880.00"}, {"EBxIMPGAL", "219.98"},
    {"EBxIMPPK", "110.0352"}, {"EBxIMPBUSH", "27.4959"}, {"EBxOZFLUS", "33,818.00"},
    {"EBxUSGILL", "8,474.5763"}, {"EBxUSPTLI", "2,114.1649"}, {"EBxUSQT", "1,057.00"}, {"EBxUSGAL", "264.18"},
    {"EBxUSPTDR", "1,814.882"}, {"EBxUSQTDR", "908.2652"}, {"EBxUSPK", "113.5332"}, {"EBxUSBUSH", "28.3776"}};

} // namespace

// The volume conversion and the box calculation without a window.
class VolumeTest final : public QObject
{
    Q_OBJECT

private:
    static int indexOf(const QString& name) { return test_support::fieldIndex(convert::volumeTable, name); }

    static void compareTexts(const QStringList& texts, const Expected& expected)
    {
        test_support::compareFields(convert::volumeTable, texts, expected);
    }

    static QStringList allFieldsShowing(const char* text)
    {
        QStringList texts(convert::volume::FieldCount);
        for (QString& field : texts)
            field = QLatin1String(text);
        return texts;
    }

private Q_SLOTS:
    void table()
    {
        const convert::MeasureTable& table = convert::volumeTable;
        QCOMPARE(table.fields.size(), std::size_t(26));
    }

    void cubeRootUsesASinglePrecisionThird_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        // 1000 ^ 0.3333333432674408 = 10 * exp(ln 1000 * 9.934107e-9), by hand.
        QTest::newRow("thousand comes out slightly above ten") << 1000.0 << 10.000000686226;
        QTest::newRow("negative volume has a negative edge") << -1000.0 << -10.000000686226;
        QTest::newRow("one stays one") << 1.0 << 1.0;
        QTest::newRow("zero stays zero") << 0.0 << 0.0;
    }

    void cubeRootUsesASinglePrecisionThird()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QVERIFY2(std::fabs(convert::cubeRoot(x) - expected) < 1e-11,
            qPrintable(QString::number(convert::cubeRoot(x), 'g', 17)));
    }

    void convert_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Expected>("expected");

        // One row per unit with a volume large enough that a factor off by a part in a thousand changes
        // every field's shown decimals, then the small worked examples and the reading of odd texts.
        QTest::newRow("cubic centimetres read through their own factor")
            << "EBxCM3"
            << "456789123"
            << Expected{{"EBxCM3", "456,789,123.00"}, {"EBxML", "456,789,400.00"}, {"EBxDM3", "456,789.3929"},
                   {"EBxL", "456,789.40"}, {"EBxHL", "4,567.8938"}, {"EBxM3", "456.7893"},
                   {"EBxCUIN", "27,874,201.2413"}, {"EBxCUFT", "16,131.06"}, {"EBxCUYD", "597.4805"},
                   {"EBxRT", "161.3143"}, {"EBxOZFL", "16,078,529.2106"}, {"EBxIMPGI", "3,216,826.5845"},
                   {"EBxIMPPT", "803,949.30"}, {"EBxIMPQT", "401,974.65"}, {"EBxIMPGAL", "100,484.5267"},
                   {"EBxIMPPK", "50,262.9154"}, {"EBxIMPBUSH", "12,559.8552"},
                   {"EBxOZFLUS", "15,447,703.0838"}, {"EBxUSGILL", "3,871,096.3983"},
                   {"EBxUSPTLI", "965,728.0655"}, {"EBxUSQT", "482,826.3694"}, {"EBxUSGAL", "120,674.6171"},
                   {"EBxUSPTDR", "829,018.8294"}, {"EBxUSQTDR", "414,885.8992"}, {"EBxUSPK", "51,860.7374"},
                   {"EBxUSBUSH", "12,962.6089"}};
        QTest::newRow("millilitres read through their own factor")
            << "EBxML"
            << "654321789"
            << Expected{{"EBxCM3", "654,322,088.9515"}, {"EBxML", "654,321,789.00"},
                   {"EBxDM3", "654,322.0545"}, {"EBxL", "654,322.10"}, {"EBxHL", "6,543.2206"},
                   {"EBxM3", "654.322"}, {"EBxCUIN", "39,928,040.8979"}, {"EBxCUFT", "23,106.7293"},
                   {"EBxCUYD", "855.8533"}, {"EBxRT", "231.0725"}, {"EBxOZFL", "23,031,482.2779"},
                   {"EBxIMPGI", "4,607,901.8486"}, {"EBxIMPPT", "1,151,606.83"}, {"EBxIMPQT", "575,803.415"},
                   {"EBxIMPGAL", "143,937.7673"}, {"EBxIMPPK", "71,998.4664"}, {"EBxIMPBUSH", "17,991.203"},
                   {"EBxOZFLUS", "22,127,863.5096"}, {"EBxUSGILL", "5,545,102.2246"},
                   {"EBxUSPTLI", "1,383,344.741"}, {"EBxUSQT", "691,618.4201"}, {"EBxUSGAL", "172,858.8025"},
                   {"EBxUSPTDR", "1,187,517.3548"}, {"EBxUSQTDR", "594,297.9678"}, {"EBxUSPK", "74,287.246"},
                   {"EBxUSBUSH", "18,568.1223"}};
        QTest::newRow("cubic decimetres read through their own factor")
            << "EBxDM3"
            << "345678.9"
            << Expected{{"EBxCM3", "345,679,035.9149"}, {"EBxML", "345,679,000.00"}, {"EBxDM3", "345,678.90"},
                   {"EBxL", "345,679.00"}, {"EBxHL", "3,456.7903"}, {"EBxM3", "345.679"},
                   {"EBxCUIN", "21,094,025.8449"}, {"EBxCUFT", "12,207.3093"}, {"EBxCUYD", "452.1482"},
                   {"EBxRT", "122.0759"}, {"EBxOZFL", "12,167,556.221"}, {"EBxIMPGI", "2,434,359.375"},
                   {"EBxIMPPT", "608,395.095"}, {"EBxIMPQT", "304,197.5475"}, {"EBxIMPGAL", "76,042.4733"},
                   {"EBxIMPPK", "38,036.8652"}, {"EBxIMPBUSH", "9,504.7714"},
                   {"EBxOZFLUS", "11,690,173.4788"}, {"EBxUSGILL", "2,929,483.3157"},
                   {"EBxUSPTLI", "730,822.4762"}, {"EBxUSQT", "365,382.736"}, {"EBxUSGAL", "91,321.4865"},
                   {"EBxUSPTDR", "627,366.6629"}, {"EBxUSQTDR", "313,968.2391"}, {"EBxUSPK", "39,246.0299"},
                   {"EBxUSBUSH", "9,809.5585"}};
        QTest::newRow("litres read through their own factor")
            << "EBxL"
            << "567890.12"
            << Expected{{"EBxCM3", "567,890,296.9118"}, {"EBxML", "567,890,300.00"},
                   {"EBxDM3", "567,890.2341"}, {"EBxL", "567,890.12"}, {"EBxHL", "5,678.9031"},
                   {"EBxM3", "567.8903"}, {"EBxCUIN", "34,653,802.6494"}, {"EBxCUFT", "20,054.4785"},
                   {"EBxCUYD", "742.8005"}, {"EBxRT", "200.5493"}, {"EBxOZFL", "19,989,171.1097"},
                   {"EBxIMPGI", "3,999,227.5528"}, {"EBxIMPPT", "999,486.95"}, {"EBxIMPQT", "499,743.475"},
                   {"EBxIMPGAL", "124,924.5109"}, {"EBxIMPPK", "62,487.9305"}, {"EBxIMPBUSH", "15,614.6804"},
                   {"EBxOZFLUS", "19,204,914.5881"}, {"EBxUSGILL", "4,812,629.7669"},
                   {"EBxUSPTLI", "1,200,613.7685"}, {"EBxUSQT", "600,260.0603"}, {"EBxUSGAL", "150,025.2628"},
                   {"EBxUSPTDR", "1,030,653.9247"}, {"EBxUSQTDR", "515,795.0159"}, {"EBxUSPK", "64,474.377"},
                   {"EBxUSBUSH", "16,115.3924"}};
        QTest::newRow("hectolitres read through their own factor")
            << "EBxHL"
            << "4567.891"
            << Expected{{"EBxCM3", "456,789,365.7641"}, {"EBxML", "456,789,400.00"},
                   {"EBxDM3", "456,789.3929"}, {"EBxL", "456,789.40"}, {"EBxHL", "4,567.891"},
                   {"EBxM3", "456.7893"}, {"EBxCUIN", "27,874,201.2413"}, {"EBxCUFT", "16,131.06"},
                   {"EBxCUYD", "597.4805"}, {"EBxRT", "161.3143"}, {"EBxOZFL", "16,078,529.2106"},
                   {"EBxIMPGI", "3,216,826.5845"}, {"EBxIMPPT", "803,949.30"}, {"EBxIMPQT", "401,974.65"},
                   {"EBxIMPGAL", "100,484.5267"}, {"EBxIMPPK", "50,262.9154"}, {"EBxIMPBUSH", "12,559.8552"},
                   {"EBxOZFLUS", "15,447,703.0838"}, {"EBxUSGILL", "3,871,096.3983"},
                   {"EBxUSPTLI", "965,728.0655"}, {"EBxUSQT", "482,826.3694"}, {"EBxUSGAL", "120,674.6171"},
                   {"EBxUSPTDR", "829,018.8294"}, {"EBxUSQTDR", "414,885.8992"}, {"EBxUSPK", "51,860.7374"},
                   {"EBxUSBUSH", "12,962.6089"}};
        QTest::newRow("cubic metres read through their own factor")
            << "EBxM3"
            << "789.0123"
            << Expected{{"EBxCM3", "789,012,531.9781"}, {"EBxML", "789,012,500.00"},
                   {"EBxDM3", "789,012.5711"}, {"EBxL", "789,012.60"}, {"EBxHL", "7,890.1256"},
                   {"EBxM3", "789.0123"}, {"EBxCUIN", "48,147,124.5889"}, {"EBxCUFT", "27,863.1896"},
                   {"EBxCUYD", "1,032.0284"}, {"EBxRT", "278.6382"}, {"EBxOZFL", "27,772,453.1874"},
                   {"EBxIMPGI", "5,556,426.4965"}, {"EBxIMPPT", "1,388,662.11"}, {"EBxIMPQT", "694,331.055"},
                   {"EBxIMPGAL", "173,566.9835"}, {"EBxIMPPK", "86,819.164"}, {"EBxIMPBUSH", "21,694.6455"},
                   {"EBxOZFLUS", "26,682,826.8386"}, {"EBxUSGILL", "6,686,547.1398"},
                   {"EBxUSPTLI", "1,668,102.6691"}, {"EBxUSQT", "833,986.2786"}, {"EBxUSGAL", "208,441.3388"},
                   {"EBxUSPTDR", "1,431,964.7232"}, {"EBxUSQTDR", "716,632.6635"}, {"EBxUSPK", "89,579.0829"},
                   {"EBxUSBUSH", "22,390.3222"}};
        QTest::newRow("cubic inches read through their own factor")
            << "EBxCUIN"
            << "23456789"
            << Expected{{"EBxCM3", "384,386,637.3161"}, {"EBxML", "384,386,600.00"},
                   {"EBxDM3", "384,386.6857"}, {"EBxL", "384,386.60"}, {"EBxHL", "3,843.8663"},
                   {"EBxM3", "384.3867"}, {"EBxCUIN", "23,456,789.00"}, {"EBxCUFT", "13,574.2293"},
                   {"EBxCUYD", "502.7777"}, {"EBxRT", "135.7454"}, {"EBxOZFL", "13,530,024.8134"},
                   {"EBxIMPGI", "2,706,948.0634"}, {"EBxIMPPT", "676,520.46"}, {"EBxIMPQT", "338,260.23"},
                   {"EBxIMPGAL", "84,557.3698"}, {"EBxIMPPK", "42,296.0635"}, {"EBxIMPBUSH", "10,569.0732"},
                   {"EBxOZFLUS", "12,999,186.8843"}, {"EBxUSGILL", "3,257,513.7712"},
                   {"EBxUSPTLI", "812,656.7125"}, {"EBxUSQT", "406,296.6626"}, {"EBxUSGAL", "101,547.2586"},
                   {"EBxUSPTDR", "697,616.3793"}, {"EBxUSQTDR", "349,125.00"}, {"EBxUSPK", "43,640.625"},
                   {"EBxUSBUSH", "10,907.989"}};
        QTest::newRow("cubic feet read as 1728 cubic inches")
            << "EBxCUFT"
            << "12345.67"
            << Expected{{"EBxCM3", "349,589,279.6054"}, {"EBxML", "349,589,300.00"},
                   {"EBxDM3", "349,589.3023"}, {"EBxL", "349,589.30"}, {"EBxHL", "3,495.8928"},
                   {"EBxM3", "349.5893"}, {"EBxCUIN", "21,332,637.1204"}, {"EBxCUFT", "12,345.67"},
                   {"EBxCUYD", "457.2628"}, {"EBxRT", "123.4568"}, {"EBxOZFL", "12,305,193.1107"},
                   {"EBxIMPGI", "2,461,896.3468"}, {"EBxIMPPT", "615,277.135"}, {"EBxIMPQT", "307,638.5675"},
                   {"EBxIMPGAL", "76,902.6501"}, {"EBxIMPPK", "38,467.1304"}, {"EBxIMPBUSH", "9,612.2874"},
                   {"EBxOZFLUS", "11,822,410.3133"}, {"EBxUSGILL", "2,962,621.0275"},
                   {"EBxUSPTLI", "739,089.3895"}, {"EBxUSQT", "369,515.8703"}, {"EBxUSGAL", "92,354.4963"},
                   {"EBxUSPTDR", "634,463.3054"}, {"EBxUSQTDR", "317,519.7832"}, {"EBxUSPK", "39,689.9729"},
                   {"EBxUSBUSH", "9,920.5222"}};
        QTest::newRow("cubic yards read through their own factor")
            << "EBxCUYD"
            << "654.321"
            << Expected{{"EBxCM3", "500,555,910.2414"}, {"EBxML", "500,555,900.00"},
                   {"EBxDM3", "500,555.968"}, {"EBxL", "500,555.90"}, {"EBxHL", "5,005.5591"},
                   {"EBxM3", "500.5559"}, {"EBxCUIN", "30,544,922.5112"}, {"EBxCUFT", "17,676.6313"},
                   {"EBxCUYD", "654.321"}, {"EBxRT", "176.7703"}, {"EBxOZFL", "17,619,067.3441"},
                   {"EBxIMPGI", "3,525,041.5933"}, {"EBxIMPPT", "880,978.395"}, {"EBxIMPQT", "440,489.1975"},
                   {"EBxIMPGAL", "110,112.2883"}, {"EBxIMPPK", "55,078.7749"}, {"EBxIMPBUSH", "13,763.2573"},
                   {"EBxOZFLUS", "16,927,799.6376"}, {"EBxUSGILL", "4,241,999.2055"},
                   {"EBxUSPTLI", "1,058,257.7299"}, {"EBxUSQT", "529,087.5929"}, {"EBxUSGAL", "132,236.8593"},
                   {"EBxUSPTDR", "908,449.9206"}, {"EBxUSQTDR", "454,637.517"}, {"EBxUSPK", "56,829.6896"},
                   {"EBxUSBUSH", "14,204.6002"}};
        QTest::newRow("register tons read through their own factor")
            << "EBxRT"
            << "123.456"
            << Expected{{"EBxCM3", "349,627,626.9282"}, {"EBxML", "349,627,600.00"},
                   {"EBxDM3", "349,627.5815"}, {"EBxL", "349,627.60"}, {"EBxHL", "3,496.2763"},
                   {"EBxM3", "349.6276"}, {"EBxCUIN", "21,334,976.9328"}, {"EBxCUFT", "12,346.7499"},
                   {"EBxCUYD", "457.3129"}, {"EBxRT", "123.456"}, {"EBxOZFL", "12,306,542.7724"},
                   {"EBxIMPGI", "2,462,166.3732"}, {"EBxIMPPT", "615,344.62"}, {"EBxIMPQT", "307,672.31"},
                   {"EBxIMPGAL", "76,911.0849"}, {"EBxIMPPK", "38,471.3496"}, {"EBxIMPBUSH", "9,613.3417"},
                   {"EBxOZFLUS", "11,823,707.0223"}, {"EBxUSGILL", "2,962,945.9746"},
                   {"EBxUSPTLI", "739,170.4545"}, {"EBxUSQT", "369,556.3996"}, {"EBxUSGAL", "92,364.626"},
                   {"EBxUSPTDR", "634,532.8947"}, {"EBxUSQTDR", "317,554.6094"}, {"EBxUSPK", "39,694.3262"},
                   {"EBxUSBUSH", "9,921.6103"}};
        QTest::newRow("imperial fluid ounces read through their own factor")
            << "EBxOZFL"
            << "15432109"
            << Expected{{"EBxCM3", "438,426,480.046"}, {"EBxML", "438,426,500.00"},
                   {"EBxDM3", "438,426.5329"}, {"EBxL", "438,426.50"}, {"EBxHL", "4,384.2647"},
                   {"EBxM3", "438.4265"}, {"EBxCUIN", "26,753,659.9761"}, {"EBxCUFT", "15,482.5923"},
                   {"EBxCUYD", "573.4618"}, {"EBxRT", "154.8294"}, {"EBxOZFL", "15,432,109.00"},
                   {"EBxIMPGI", "3,087,510.3433"}, {"EBxIMPPT", "771,630.585"}, {"EBxIMPQT", "385,815.2925"},
                   {"EBxIMPGAL", "96,445.0546"}, {"EBxIMPPK", "48,242.3491"}, {"EBxIMPBUSH", "12,054.9498"},
                   {"EBxOZFLUS", "14,826,706.3202"}, {"EBxUSGILL", "3,715,478.5487"},
                   {"EBxUSPTLI", "926,905.8536"}, {"EBxUSQT", "463,416.7775"}, {"EBxUSGAL", "115,823.5045"},
                   {"EBxUSPTDR", "795,692.3208"}, {"EBxUSQTDR", "398,207.5102"}, {"EBxUSPK", "49,775.9388"},
                   {"EBxUSBUSH", "12,441.5128"}};
        QTest::newRow("imperial gills read through their own factor")
            << "EBxIMPGI"
            << "3456789"
            << Expected{{"EBxCM3", "490,864,216.8686"}, {"EBxML", "490,864,200.00"},
                   {"EBxDM3", "490,864.2454"}, {"EBxL", "490,864.20"}, {"EBxHL", "4,908.6422"},
                   {"EBxM3", "490.8642"}, {"EBxCUIN", "29,953,516.3566"}, {"EBxCUFT", "17,334.379"},
                   {"EBxCUYD", "642.0504"}, {"EBxRT", "173.3477"}, {"EBxOZFL", "17,277,929.6358"},
                   {"EBxIMPGI", "3,456,789.00"}, {"EBxIMPPT", "863,921.025"}, {"EBxIMPQT", "431,960.5125"},
                   {"EBxIMPGAL", "107,980.3108"}, {"EBxIMPPK", "54,012.348"}, {"EBxIMPBUSH", "13,496.7752"},
                   {"EBxOZFLUS", "16,600,046.1497"}, {"EBxUSGILL", "4,159,866.2606"},
                   {"EBxUSPTLI", "1,037,767.9043"}, {"EBxUSQT", "518,843.4792"}, {"EBxUSGAL", "129,676.5093"},
                   {"EBxUSPTDR", "890,860.6511"}, {"EBxUSQTDR", "445,834.8944"}, {"EBxUSPK", "55,729.3618"},
                   {"EBxUSBUSH", "13,929.5729"}};
        QTest::newRow("imperial pints read through their own factor")
            << "EBxIMPPT"
            << "876543.2"
            << Expected{{"EBxCM3", "497,876,847.3386"}, {"EBxML", "497,876,800.00"},
                   {"EBxDM3", "497,876.9048"}, {"EBxL", "497,876.80"}, {"EBxHL", "4,978.7684"},
                   {"EBxM3", "497.8769"}, {"EBxCUIN", "30,381,440.7593"}, {"EBxCUFT", "17,582.0229"},
                   {"EBxCUYD", "651.2229"}, {"EBxRT", "175.8242"}, {"EBxOZFL", "17,524,767.0232"},
                   {"EBxIMPGI", "3,506,174.956"}, {"EBxIMPPT", "876,543.20"}, {"EBxIMPQT", "438,131.6225"},
                   {"EBxIMPGAL", "109,522.9481"}, {"EBxIMPPK", "54,783.9837"}, {"EBxIMPBUSH", "13,689.594"},
                   {"EBxOZFLUS", "16,837,199.1019"}, {"EBxUSGILL", "4,219,295.286"},
                   {"EBxUSPTLI", "1,052,593.75"}, {"EBxUSQT", "526,255.8238"}, {"EBxUSGAL", "131,529.1046"},
                   {"EBxUSPTDR", "903,587.7382"}, {"EBxUSQTDR", "452,204.2178"}, {"EBxUSPK", "56,525.5272"},
                   {"EBxUSBUSH", "14,128.5747"}};
        QTest::newRow("imperial quarts read through their own factor")
            << "EBxIMPQT"
            << "345678.9"
            << Expected{{"EBxCM3", "393,037,179.5972"}, {"EBxML", "393,037,200.00"},
                   {"EBxDM3", "393,037.155"}, {"EBxL", "393,037.20"}, {"EBxHL", "3,930.3719"},
                   {"EBxM3", "393.0372"}, {"EBxCUIN", "23,983,915.2556"}, {"EBxCUFT", "13,879.7152"},
                   {"EBxCUYD", "514.0926"}, {"EBxRT", "138.8003"}, {"EBxOZFL", "13,834,515.9628"},
                   {"EBxIMPGI", "2,767,867.5176"}, {"EBxIMPPT", "691,745.45"}, {"EBxIMPQT", "345,678.90"},
                   {"EBxIMPGAL", "86,460.3205"}, {"EBxIMPPK", "43,247.93"}, {"EBxIMPBUSH", "10,806.9286"},
                   {"EBxOZFLUS", "13,291,731.6069"}, {"EBxUSGILL", "3,330,823.6229"},
                   {"EBxUSPTLI", "830,945.4281"}, {"EBxUSQT", "415,440.3072"}, {"EBxUSGAL", "103,832.5642"},
                   {"EBxUSPTDR", "713,316.1298"}, {"EBxUSQTDR", "356,982.005"}, {"EBxUSPK", "44,622.7506"},
                   {"EBxUSBUSH", "11,153.4717"}};
        QTest::newRow("imperial gallons read through their own factor")
            << "EBxIMPGAL"
            << "98765.43"
            << Expected{{"EBxCM3", "448,987,901.6604"}, {"EBxML", "448,987,900.00"},
                   {"EBxDM3", "448,987.8748"}, {"EBxL", "448,987.90"}, {"EBxHL", "4,489.8791"},
                   {"EBxM3", "448.9879"}, {"EBxCUIN", "27,398,140.0152"}, {"EBxCUFT", "15,855.5589"},
                   {"EBxCUYD", "587.2762"}, {"EBxRT", "158.5592"}, {"EBxOZFL", "15,803,925.3121"},
                   {"EBxIMPGI", "3,161,886.6637"}, {"EBxIMPPT", "790,218.715"}, {"EBxIMPQT", "395,109.3575"},
                   {"EBxIMPGAL", "98,765.43"}, {"EBxIMPPK", "49,404.4791"}, {"EBxIMPBUSH", "12,345.3465"},
                   {"EBxOZFLUS", "15,183,873.0136"}, {"EBxUSGILL", "3,804,982.2564"},
                   {"EBxUSPTLI", "949,234.4741"}, {"EBxUSQT", "474,580.2169"}, {"EBxUSGAL", "118,613.6251"},
                   {"EBxUSPTDR", "814,860.0839"}, {"EBxUSQTDR", "407,800.0965"}, {"EBxUSPK", "50,975.0121"},
                   {"EBxUSBUSH", "12,741.2216"}};
        QTest::newRow("imperial pecks read through their own factor")
            << "EBxIMPPK"
            << "54321.09"
            << Expected{{"EBxCM3", "493,670,302.006"}, {"EBxML", "493,670,300.00"},
                   {"EBxDM3", "493,670.3592"}, {"EBxL", "493,670.30"}, {"EBxHL", "4,936.7031"},
                   {"EBxM3", "493.6703"}, {"EBxCUIN", "30,124,749.8094"}, {"EBxCUFT", "17,433.4734"},
                   {"EBxCUYD", "645.7208"}, {"EBxRT", "174.3387"}, {"EBxOZFL", "17,376,701.3297"},
                   {"EBxIMPGI", "3,476,551.4965"}, {"EBxIMPPT", "868,859.75"}, {"EBxIMPQT", "434,429.875"},
                   {"EBxIMPGAL", "108,597.5953"}, {"EBxIMPPK", "54,321.09"}, {"EBxIMPBUSH", "13,573.9314"},
                   {"EBxOZFLUS", "16,694,942.6281"}, {"EBxUSGILL", "4,183,646.7161"},
                   {"EBxUSPTLI", "1,043,700.4493"}, {"EBxUSQT", "521,809.5203"}, {"EBxUSGAL", "130,417.8232"},
                   {"EBxUSPTDR", "895,953.3802"}, {"EBxUSQTDR", "448,383.5718"}, {"EBxUSPK", "56,047.9465"},
                   {"EBxUSBUSH", "14,009.2032"}};
        QTest::newRow("imperial bushels read through their own factor")
            << "EBxIMPBUSH"
            << "12345.6"
            << Expected{{"EBxCM3", "448,997,349.7382"}, {"EBxML", "448,997,300.00"},
                   {"EBxDM3", "448,997.4034"}, {"EBxL", "448,997.30"}, {"EBxHL", "4,489.9734"},
                   {"EBxM3", "448.9974"}, {"EBxCUIN", "27,398,715.9103"}, {"EBxCUFT", "15,855.8922"},
                   {"EBxCUYD", "587.2885"}, {"EBxRT", "158.5625"}, {"EBxOZFL", "15,804,257.5027"},
                   {"EBxIMPGI", "3,161,953.125"}, {"EBxIMPPT", "790,235.325"}, {"EBxIMPQT", "395,117.6625"},
                   {"EBxIMPGAL", "98,770.4357"}, {"EBxIMPPK", "49,405.5176"}, {"EBxIMPBUSH", "12,345.60"},
                   {"EBxOZFLUS", "15,184,192.1709"}, {"EBxUSGILL", "3,805,062.2352"},
                   {"EBxUSPTLI", "949,254.4265"}, {"EBxUSQT", "474,590.1923"}, {"EBxUSGAL", "118,616.1183"},
                   {"EBxUSPTDR", "814,877.2119"}, {"EBxUSQTDR", "407,808.6683"}, {"EBxUSPK", "50,976.0835"},
                   {"EBxUSBUSH", "12,741.4894"}};
        QTest::newRow("US fluid ounces read through their own factor")
            << "EBxOZFLUS"
            << "16543210"
            << Expected{{"EBxCM3", "489,183,020.7195"}, {"EBxML", "489,183,000.00"},
                   {"EBxDM3", "489,182.9923"}, {"EBxL", "489,183.00"}, {"EBxHL", "4,891.8303"},
                   {"EBxM3", "489.183"}, {"EBxCUIN", "29,850,926.9329"}, {"EBxCUFT", "17,275.0096"},
                   {"EBxCUYD", "639.8514"}, {"EBxRT", "172.754"}, {"EBxOZFL", "17,218,753.517"},
                   {"EBxIMPGI", "3,444,950.9243"}, {"EBxIMPPT", "860,962.135"}, {"EBxIMPQT", "430,481.0675"},
                   {"EBxIMPGAL", "107,610.4832"}, {"EBxIMPPK", "53,827.3582"}, {"EBxIMPBUSH", "13,450.5494"},
                   {"EBxOZFLUS", "16,543,210.00"}, {"EBxUSGILL", "4,145,618.9089"},
                   {"EBxUSPTLI", "1,034,213.5967"}, {"EBxUSQT", "517,066.464"}, {"EBxUSGAL", "129,232.3732"},
                   {"EBxUSPTDR", "887,809.4941"}, {"EBxUSQTDR", "444,307.9303"}, {"EBxUSPK", "55,538.4913"},
                   {"EBxUSBUSH", "13,881.8647"}};
        QTest::newRow("US gills read through their own factor")
            << "EBxUSGILL"
            << "3210987"
            << Expected{{"EBxCM3", "378,896,581.476"}, {"EBxML", "378,896,600.00"},
                   {"EBxDM3", "378,896.5815"}, {"EBxL", "378,896.60"}, {"EBxHL", "3,788.9659"},
                   {"EBxM3", "378.8966"}, {"EBxCUIN", "23,121,027.9438"}, {"EBxCUFT", "13,380.3543"},
                   {"EBxCUYD", "495.5967"}, {"EBxRT", "133.8066"}, {"EBxOZFL", "13,336,781.2034"},
                   {"EBxIMPGI", "2,668,285.8715"}, {"EBxIMPPT", "666,858.005"}, {"EBxIMPQT", "333,429.0025"},
                   {"EBxIMPGAL", "83,349.6727"}, {"EBxIMPPK", "41,691.9667"}, {"EBxIMPBUSH", "10,418.1197"},
                   {"EBxOZFLUS", "12,813,525.0074"}, {"EBxUSGILL", "3,210,987.00"},
                   {"EBxUSPTLI", "801,049.8811"}, {"EBxUSQT", "400,493.6996"}, {"EBxUSGAL", "100,096.9021"},
                   {"EBxUSPTDR", "687,652.6202"}, {"EBxUSQTDR", "344,138.5956"}, {"EBxUSPK", "43,017.3244"},
                   {"EBxUSBUSH", "10,752.1948"}};
        QTest::newRow("US liquid pints read through their own factor")
            << "EBxUSPTLI"
            << "876543.21"
            << Expected{{"EBxCM3", "414,605,109.8068"}, {"EBxML", "414,605,100.00"},
                   {"EBxDM3", "414,605.1607"}, {"EBxL", "414,605.10"}, {"EBxHL", "4,146.0513"},
                   {"EBxM3", "414.6051"}, {"EBxCUIN", "25,300,033.9378"}, {"EBxCUFT", "14,641.3654"},
                   {"EBxCUYD", "542.3035"}, {"EBxRT", "146.417"}, {"EBxOZFL", "14,593,685.7949"},
                   {"EBxIMPGI", "2,919,754.4014"}, {"EBxIMPPT", "729,705.02"}, {"EBxIMPQT", "364,852.51"},
                   {"EBxIMPGAL", "91,204.8354"}, {"EBxIMPPK", "45,621.1625"}, {"EBxIMPBUSH", "11,399.9594"},
                   {"EBxOZFLUS", "14,021,116.1173"}, {"EBxUSGILL", "3,513,602.7542"},
                   {"EBxUSPTLI", "876,543.21"}, {"EBxUSQT", "438,237.6171"}, {"EBxUSGAL", "109,530.3819"},
                   {"EBxUSPTDR", "752,459.392"}, {"EBxUSQTDR", "376,571.4124"}, {"EBxUSPK", "47,071.4265"},
                   {"EBxUSBUSH", "11,765.519"}};
        QTest::newRow("US liquid quarts read through their own factor")
            << "EBxUSQT"
            << "456789.1"
            << Expected{{"EBxCM3", "432,122,763.9244"}, {"EBxML", "432,122,800.00"},
                   {"EBxDM3", "432,122.7901"}, {"EBxL", "432,122.80"}, {"EBxHL", "4,321.2275"},
                   {"EBxM3", "432.1227"}, {"EBxCUIN", "26,368,994.4505"}, {"EBxCUFT", "15,259.9828"},
                   {"EBxCUYD", "565.2166"}, {"EBxRT", "152.6033"}, {"EBxOZFL", "15,210,288.6773"},
                   {"EBxIMPGI", "3,043,117.9577"}, {"EBxIMPPT", "760,536.04"}, {"EBxIMPQT", "380,268.02"},
                   {"EBxIMPGAL", "95,058.3625"}, {"EBxIMPPK", "47,548.7181"}, {"EBxIMPBUSH", "11,881.6231"},
                   {"EBxOZFLUS", "14,613,527.1595"}, {"EBxUSGILL", "3,662,057.2034"},
                   {"EBxUSPTLI", "913,578.7526"}, {"EBxUSQT", "456,789.10"}, {"EBxUSGAL", "114,158.1881"},
                   {"EBxUSPTDR", "784,251.8149"}, {"EBxUSQTDR", "392,482.0618"}, {"EBxUSPK", "49,060.2577"},
                   {"EBxUSBUSH", "12,262.6281"}};
        QTest::newRow("US gallons read through their own factor")
            << "EBxUSGAL"
            << "123456.7"
            << Expected{{"EBxCM3", "467,283,834.7621"}, {"EBxML", "467,283,800.00"},
                   {"EBxDM3", "467,283.8623"}, {"EBxL", "467,283.80"}, {"EBxHL", "4,672.8384"},
                   {"EBxM3", "467.2838"}, {"EBxCUIN", "28,514,594.7133"}, {"EBxCUFT", "16,501.6617"},
                   {"EBxCUYD", "611.2073"}, {"EBxRT", "165.0204"}, {"EBxOZFL", "16,447,924.0162"},
                   {"EBxIMPGI", "3,290,731.294"}, {"EBxIMPPT", "822,419.565"}, {"EBxIMPQT", "411,209.7825"},
                   {"EBxIMPGAL", "102,793.0999"}, {"EBxIMPPK", "51,417.6765"}, {"EBxIMPBUSH", "12,848.4106"},
                   {"EBxOZFLUS", "15,802,605.0279"}, {"EBxUSGILL", "3,960,032.5742"},
                   {"EBxUSPTLI", "987,915.1031"}, {"EBxUSQT", "493,919.0228"}, {"EBxUSGAL", "123,456.70"},
                   {"EBxUSPTDR", "848,065.0522"}, {"EBxUSQTDR", "424,417.6601"}, {"EBxUSPK", "53,052.2075"},
                   {"EBxUSBUSH", "13,260.4173"}};
        QTest::newRow("US dry pints read through their own factor")
            << "EBxUSPTDR"
            << "765432.1"
            << Expected{{"EBxCM3", "421,753,269.4616"}, {"EBxML", "421,753,300.00"},
                   {"EBxDM3", "421,753.218"}, {"EBxL", "421,753.30"}, {"EBxHL", "4,217.5328"},
                   {"EBxM3", "421.7533"}, {"EBxCUIN", "25,736,228.7284"}, {"EBxCUFT", "14,893.7954"},
                   {"EBxCUYD", "551.6533"}, {"EBxRT", "148.9413"}, {"EBxOZFL", "14,845,293.7467"},
                   {"EBxIMPGI", "2,970,093.5299"}, {"EBxIMPPT", "742,285.775"}, {"EBxIMPQT", "371,142.8875"},
                   {"EBxIMPGAL", "92,777.2868"}, {"EBxIMPPK", "46,407.7114"}, {"EBxIMPBUSH", "11,596.5047"},
                   {"EBxOZFLUS", "14,262,852.4653"}, {"EBxUSGILL", "3,574,180.3496"},
                   {"EBxUSPTLI", "891,655.9857"}, {"EBxUSQT", "445,793.2183"}, {"EBxUSGAL", "111,418.7818"},
                   {"EBxUSPTDR", "765,432.10"}, {"EBxUSQTDR", "383,063.834"}, {"EBxUSPK", "47,882.9793"},
                   {"EBxUSBUSH", "11,968.3669"}};
        QTest::newRow("US dry quarts read through their own factor")
            << "EBxUSQTDR"
            << "432109.8"
            << Expected{{"EBxCM3", "475,753,027.318"}, {"EBxML", "475,753,000.00"},
                   {"EBxDM3", "475,753.0831"}, {"EBxL", "475,753.00"}, {"EBxHL", "4,757.5303"},
                   {"EBxM3", "475.753"}, {"EBxCUIN", "29,031,401.4729"}, {"EBxCUFT", "16,800.7425"},
                   {"EBxCUYD", "622.285"}, {"EBxRT", "168.0112"}, {"EBxOZFL", "16,746,030.947"},
                   {"EBxIMPGI", "3,350,373.4595"}, {"EBxIMPPT", "837,325.335"}, {"EBxIMPQT", "418,662.6675"},
                   {"EBxIMPGAL", "104,656.1518"}, {"EBxIMPPK", "52,349.5853"}, {"EBxIMPBUSH", "13,081.2789"},
                   {"EBxOZFLUS", "16,089,016.0108"}, {"EBxUSGILL", "4,031,805.3496"},
                   {"EBxUSPTLI", "1,005,820.3621"}, {"EBxUSQT", "502,870.954"}, {"EBxUSGAL", "125,684.4358"},
                   {"EBxUSPTDR", "863,435.6284"}, {"EBxUSQTDR", "432,109.80"}, {"EBxUSPK", "54,013.7411"},
                   {"EBxUSBUSH", "13,500.7529"}};
        QTest::newRow("US pecks read through their own factor")
            << "EBxUSPK"
            << "54321.9"
            << Expected{{"EBxCM3", "478,467,448.8003"}, {"EBxML", "478,467,400.00"},
                   {"EBxDM3", "478,467.4768"}, {"EBxL", "478,467.40"}, {"EBxHL", "4,784.6744"},
                   {"EBxM3", "478.4675"}, {"EBxCUIN", "29,197,039.9711"}, {"EBxCUFT", "16,896.5991"},
                   {"EBxCUYD", "625.8354"}, {"EBxRT", "168.9698"}, {"EBxOZFL", "16,841,575.3326"},
                   {"EBxIMPGI", "3,369,488.9965"}, {"EBxIMPPT", "842,102.69"}, {"EBxIMPQT", "421,051.345"},
                   {"EBxIMPGAL", "105,253.2669"}, {"EBxIMPPK", "52,648.2656"}, {"EBxIMPBUSH", "13,155.914"},
                   {"EBxOZFLUS", "16,180,811.8014"}, {"EBxUSGILL", "4,054,808.7924"},
                   {"EBxUSPTLI", "1,011,559.0645"}, {"EBxUSQT", "505,740.0814"}, {"EBxUSGAL", "126,401.5276"},
                   {"EBxUSPTDR", "868,361.9555"}, {"EBxUSQTDR", "434,575.3292"}, {"EBxUSPK", "54,321.90"},
                   {"EBxUSBUSH", "13,577.7814"}};
        QTest::newRow("US bushels read through their own factor")
            << "EBxUSBUSH"
            << "13579.2"
            << Expected{{"EBxCM3", "478,517,632.5117"}, {"EBxML", "478,517,600.00"},
                   {"EBxDM3", "478,517.6045"}, {"EBxL", "478,517.60"}, {"EBxHL", "4,785.1763"},
                   {"EBxM3", "478.5176"}, {"EBxCUIN", "29,200,102.5128"}, {"EBxCUFT", "16,898.3714"},
                   {"EBxCUYD", "625.9011"}, {"EBxRT", "168.9875"}, {"EBxOZFL", "16,843,341.8824"},
                   {"EBxIMPGI", "3,369,842.4296"}, {"EBxIMPPT", "842,191.02"}, {"EBxIMPQT", "421,095.51"},
                   {"EBxIMPGAL", "105,264.3071"}, {"EBxIMPPK", "52,653.788"}, {"EBxIMPBUSH", "13,157.294"},
                   {"EBxOZFLUS", "16,182,509.0423"}, {"EBxUSGILL", "4,055,234.1102"},
                   {"EBxUSPTLI", "1,011,665.1691"}, {"EBxUSQT", "505,793.1296"}, {"EBxUSGAL", "126,414.7862"},
                   {"EBxUSPTDR", "868,453.0399"}, {"EBxUSQTDR", "434,620.9128"}, {"EBxUSPK", "54,327.6141"},
                   {"EBxUSBUSH", "13,579.20"}};
        QTest::newRow("one litre") << "EBxL"
                                   << "1" << oneLitre;
        QTest::newRow("minus one litre") << "EBxL"
                                         << "-1" << minusOneLitre;
        QTest::newRow("one cubic metre") << "EBxM3"
                                         << "1" << oneCubicMetre;
        QTest::newRow("one US gallon shows the single-precision hub")
            << "EBxUSGAL"
            << "1"
            << Expected{{"EBxCM3", "3,785.0007"}, {"EBxML", "3,785.001"}, {"EBxDM3", "3.785"},
                   {"EBxL", "3.785"}, {"EBxHL", "0.0379"}, {"EBxM3", "0.0038"}, {"EBxCUIN", "230.9683"},
                   {"EBxCUFT", "0.1337"}, {"EBxCUYD", "0.005"}, {"EBxRT", "0.0013"}, {"EBxOZFL", "133.2282"},
                   {"EBxIMPGI", "26.6549"}, {"EBxIMPPT", "6.6616"}, {"EBxIMPQT", "3.3308"},
                   {"EBxIMPGAL", "0.8326"}, {"EBxIMPPK", "0.4165"}, {"EBxIMPBUSH", "0.1041"},
                   {"EBxOZFLUS", "128.0012"}, {"EBxUSGILL", "32.0763"}, {"EBxUSPTLI", "8.0021"},
                   {"EBxUSQT", "4.0007"}, {"EBxUSGAL", "1.00"}, {"EBxUSPTDR", "6.8693"},
                   {"EBxUSQTDR", "3.4378"}, {"EBxUSPK", "0.4297"}, {"EBxUSBUSH", "0.1074"}};
        QTest::newRow("typed field keeps text after a grouping comma")
            << "EBxL"
            << "1,500"
            << Expected{{"EBxCM3", "1,000.00"}, {"EBxML", "1,000.00"}, {"EBxDM3", "1.00"},
                   {"EBxL", "1,500.00"}, {"EBxHL", "0.01"}, {"EBxM3", "0.001"}, {"EBxCUIN", "61.022"},
                   {"EBxCUFT", "0.0353"}, {"EBxCUYD", "0.0013"}, {"EBxRT", "0.0004"}, {"EBxOZFL", "35.199"},
                   {"EBxIMPGI", "7.0423"}, {"EBxIMPPT", "1.76"}, {"EBxIMPQT", "0.88"}, {"EBxIMPGAL", "0.22"},
                   {"EBxIMPPK", "0.11"}, {"EBxIMPBUSH", "0.0275"}, {"EBxOZFLUS", "33.818"},
                   {"EBxUSGILL", "8.4746"}, {"EBxUSPTLI", "2.1142"}, {"EBxUSQT", "1.057"},
                   {"EBxUSGAL", "0.2642"}, {"EBxUSPTDR", "1.8149"}, {"EBxUSQTDR", "0.9083"},
                   {"EBxUSPK", "0.1135"}, {"EBxUSBUSH", "0.0284"}};
        QTest::newRow("typed text that is no number stays as typed")
            << "EBxCUFT"
            << "abc"
            << Expected{{"EBxCM3", "0.00"}, {"EBxML", "0.00"}, {"EBxDM3", "0.00"}, {"EBxL", "0.00"},
                   {"EBxHL", "0.00"}, {"EBxM3", "0.00"}, {"EBxCUIN", "0.00"}, {"EBxCUFT", "abc"},
                   {"EBxCUYD", "0.00"}, {"EBxRT", "0.00"}, {"EBxOZFL", "0.00"}, {"EBxIMPGI", "0.00"},
                   {"EBxIMPPT", "0.00"}, {"EBxIMPQT", "0.00"}, {"EBxIMPGAL", "0.00"}, {"EBxIMPPK", "0.00"},
                   {"EBxIMPBUSH", "0.00"}, {"EBxOZFLUS", "0.00"}, {"EBxUSGILL", "0.00"},
                   {"EBxUSPTLI", "0.00"}, {"EBxUSQT", "0.00"}, {"EBxUSGAL", "0.00"}, {"EBxUSPTDR", "0.00"},
                   {"EBxUSQTDR", "0.00"}, {"EBxUSPK", "0.00"}, {"EBxUSBUSH", "0.00"}};
        QTest::newRow("empty field gives zeros and stays empty")
            << "EBxUSPK"
            << ""
            << Expected{{"EBxCM3", "0.00"}, {"EBxML", "0.00"}, {"EBxDM3", "0.00"}, {"EBxL", "0.00"},
                   {"EBxHL", "0.00"}, {"EBxM3", "0.00"}, {"EBxCUIN", "0.00"}, {"EBxCUFT", "0.00"},
                   {"EBxCUYD", "0.00"}, {"EBxRT", "0.00"}, {"EBxOZFL", "0.00"}, {"EBxIMPGI", "0.00"},
                   {"EBxIMPPT", "0.00"}, {"EBxIMPQT", "0.00"}, {"EBxIMPGAL", "0.00"}, {"EBxIMPPK", "0.00"},
                   {"EBxIMPBUSH", "0.00"}, {"EBxOZFLUS", "0.00"}, {"EBxUSGILL", "0.00"},
                   {"EBxUSPTLI", "0.00"}, {"EBxUSQT", "0.00"}, {"EBxUSGAL", "0.00"}, {"EBxUSPTDR", "0.00"},
                   {"EBxUSQTDR", "0.00"}, {"EBxUSPK", ""}, {"EBxUSBUSH", "0.00"}};
    }

    void convert()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);

        QStringList texts(convert::volume::FieldCount);
        texts[indexOf(source)] = typed;
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeTable, texts, indexOf(source));
        QVERIFY(result);
        test_support::compareEveryField(convert::volumeTable, *result, expected);
    }

    void everyFieldIsWritten()
    {
        QStringList texts = allFieldsShowing("999");
        texts[convert::volume::Litre] = QStringLiteral("1");
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeTable, texts, convert::volume::Litre);
        QVERIFY(result);
        compareTexts(*result, oneLitre);
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("litres beyond a float") << "EBxM3"
                                               << "1E36";
        QTest::newRow("millilitres beyond a float") << "EBxM3"
                                                    << "1E33";
        QTest::newRow("negative litres beyond a float") << "EBxM3"
                                                        << "-1E36";
        QTest::newRow("cube edge beyond a float") << "EBxCM3"
                                                  << "1E200";
        QTest::newRow("typed number beyond a double") << "EBxL"
                                                      << "1E999";
        QTest::newRow("reading product beyond a double") << "EBxRT"
                                                         << "1E306";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QStringList texts(convert::volume::FieldCount);
        texts[indexOf(source)] = typed;
        QVERIFY(!convert::runConversion(convert::volumeTable, texts, indexOf(source)));
    }

    void largestVolumeStillConverts()
    {
        QStringList texts(convert::volume::FieldCount);
        texts[convert::volume::CubicMetre] = QStringLiteral("1E32");
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeTable, texts, convert::volume::CubicMetre);
        QVERIFY(result);
        QCOMPARE(result->at(convert::volume::CubicMetre),
            QStringLiteral("100,000,000,000,000,000,000,000,000,000,000.00"));
        for (const QString& text : *result) {
            QVERIFY(!text.contains(QLatin1String("inf"), Qt::CaseInsensitive));
            QVERIFY(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive));
        }
    }

    // Litres and millilitres are single-precision values: only their first seven digits are significant,
    // while the cubic centimetres, a double, show more.
    void litresShowSevenDigits()
    {
        QStringList texts(convert::volume::FieldCount);
        texts[convert::volume::CubicCentimetre] = QStringLiteral("12345678900");
        const std::optional<QStringList> result
            = convert::runConversion(convert::volumeTable, texts, convert::volume::CubicCentimetre);
        QVERIFY(result);
        const QRegularExpression sevenDigits(QStringLiteral("^12,345,6\\d0\\.00$"));
        QVERIFY2(sevenDigits.match(result->at(convert::volume::Litre)).hasMatch(),
            qPrintable(result->at(convert::volume::Litre)));
        QCOMPARE(result->at(convert::volume::Millilitre),
            QString(result->at(convert::volume::Litre))
                .replace(QLatin1String(".00"), QLatin1String(",000.00")));
        QCOMPARE(result->at(convert::volume::CubicCentimetre), QStringLiteral("12,345,678,900.00"));
    }

    void box_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("width");
        QTest::addColumn<bool>("feet");
        QTest::addColumn<Expected>("expected");

        QTest::newRow("one cubic metre box gives the cubic metre texts") << "2"
                                                                         << "0.5"
                                                                         << "1" << false << oneCubicMetre;
        QTest::newRow("one cubic foot box") << "1"
                                            << "1"
                                            << "1" << true
                                            << Expected{{"EBxCUFT", "1.00"}, {"EBxCUIN", "1,727.9443"},
                                                   {"EBxCUYD", "0.037"}, {"EBxL", "28.3167"}};
        Expected zeros;
        for (const auto& [field, text] : oneLitre)
            zeros.append(std::pair(field, "0.00"));
        QTest::newRow("a blank edge reads as zero") << " "
                                                    << "1"
                                                    << "1" << false << zeros;
        QTest::newRow("edge without a number reads as zero") << "2"
                                                             << "x"
                                                             << "1" << true << zeros;
        QTest::newRow("negative edge gives a negative volume")
            << "-2"
            << "0.5"
            << "1" << false << Expected{{"EBxL", "-1,000.00"}, {"EBxM3", "-1.00"}};
    }

    void box()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, width);
        QFETCH(bool, feet);
        QFETCH(Expected, expected);

        const convert::volume::BoxResult result = convert::convertBox(
            {length, height, width}, feet ? convert::volume::BoxUnit::Foot : convert::volume::BoxUnit::Metre);
        QCOMPARE(result.outcome, convert::volume::BoxOutcome::Converted);
        compareTexts(result.texts, expected);
    }

    void boxRefusesWhatItCannotCompute_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("width");
        QTest::addColumn<convert::volume::BoxOutcome>("outcome");

        using convert::volume::BoxOutcome;
        QTest::newRow("length missing") << ""
                                        << "1"
                                        << "1" << BoxOutcome::EdgeMissing;
        QTest::newRow("height missing") << "1"
                                        << ""
                                        << "1" << BoxOutcome::EdgeMissing;
        QTest::newRow("width missing") << "1"
                                       << "1"
                                       << "" << BoxOutcome::EdgeMissing;
        QTest::newRow("all missing") << ""
                                     << ""
                                     << "" << BoxOutcome::EdgeMissing;
        QTest::newRow("litres beyond a float") << "1E20"
                                               << "1E20"
                                               << "1E20" << BoxOutcome::TooLarge;
        QTest::newRow("product beyond a double") << "1E200"
                                                 << "1E200"
                                                 << "1" << BoxOutcome::TooLarge;
        QTest::newRow("edge beyond a double times zero") << "1E999"
                                                         << "0"
                                                         << "1" << BoxOutcome::TooLarge;
    }

    void boxRefusesWhatItCannotCompute()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, width);
        QFETCH(convert::volume::BoxOutcome, outcome);

        for (const auto unit : {convert::volume::BoxUnit::Metre, convert::volume::BoxUnit::Foot}) {
            const convert::volume::BoxResult result = convert::convertBox({length, height, width}, unit);
            QCOMPARE(result.outcome, outcome);
            QVERIFY(result.texts.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(VolumeTest)
#include "tst_volume.moc"
