#include "convert/weight.h"

#include "support/conversion_test.h"

#include <QTest>

// Field name and the text it must show; fields not named are not checked.
using Expected = QList<std::pair<const char*, const char*>>;

// The weight conversion without a window.
class WeightTest final : public QObject
{
    Q_OBJECT

private:
    static int indexOf(const QString& name) { return test_support::fieldIndex(convert::weightTable, name); }

    static std::optional<QStringList> typeAndConvert(const QString& source, const QString& typed)
    {
        return test_support::typeAndConvert(convert::weightTable, source, typed);
    }

private Q_SLOTS:
    void table()
    {
        const convert::MeasureTable& table = convert::weightTable;
        QCOMPARE(table.fields.size(), std::size_t(17));
    }

    void convert_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Expected>("expected");

        // One row per unit with a weight large enough that a factor off by a part in a thousand changes
        // every field's shown decimals, then the small worked examples and the reading of odd texts.
        QTest::newRow("grams keep the typed digits, kilograms show seven")
            << "EBxG"
            << "123456789"
            << Expected{{"EBxG", "123,456,789.00"}, {"EBxKG", "123,456.80"}, {"EBxQ", "1,234.5679"},
                   {"EBxT", "123.4568"}, {"EBxGR", "1,899,335,261.5385"}, {"EBxDWT", "79,393,435.3698"},
                   {"EBxOZ", "4,354,736.9312"}, {"EBxTROZ", "3,969,161.2654"}, {"EBxTRLB", "330,768.7559"},
                   {"EBxLB", "272,175.8585"}, {"EBxST", "19,441.1327"}, {"EBxUSQR", "10,887.0343"},
                   {"EBxQR", "9,720.5633"}, {"EBxUSCWT", "2,721.7586"}, {"EBxCWT", "2,430.1418"},
                   {"EBxSHTN", "136.0879"}, {"EBxLTN", "121.5071"}};
        QTest::newRow("grams written from the hub show seven digits")
            << "EBxKG"
            << "123456789"
            << Expected{{"EBxG", "123,456,800,000.00"}, {"EBxKG", "123,456,789.00"},
                   {"EBxQ", "1,234,567.9053"}, {"EBxT", "123,456.7905"}, {"EBxGR", "1,899,335,238,892.31"},
                   {"EBxDWT", "79,393,434,423.1511"}, {"EBxOZ", "4,354,736,879.2945"},
                   {"EBxTROZ", "3,969,161,218.107"}, {"EBxTRLB", "330,768,751.984"},
                   {"EBxLB", "272,175,855.2355"}, {"EBxST", "19,441,132.5168"},
                   {"EBxUSQR", "10,887,034.2094"}, {"EBxQR", "9,720,563.197"}, {"EBxUSCWT", "2,721,758.5524"},
                   {"EBxCWT", "2,430,141.7559"}, {"EBxSHTN", "136,087.9276"}, {"EBxLTN", "121,507.0878"}};
        QTest::newRow("metric quintals read through their own factor")
            << "EBxQ"
            << "3456.789"
            << Expected{{"EBxG", "345,678,900.00"}, {"EBxKG", "345,678.90"}, {"EBxQ", "3,456.789"},
                   {"EBxT", "345.6789"}, {"EBxGR", "5,318,137,107.6923"}, {"EBxDWT", "222,301,551.1254"},
                   {"EBxOZ", "12,193,259.6825"}, {"EBxTROZ", "11,113,648.1481"}, {"EBxTRLB", "926,152.2337"},
                   {"EBxLB", "762,092.1709"}, {"EBxST", "54,435.1551"}, {"EBxUSQR", "30,483.6868"},
                   {"EBxQR", "27,217.569"}, {"EBxUSCWT", "7,620.9217"}, {"EBxCWT", "6,804.3949"},
                   {"EBxSHTN", "381.0461"}, {"EBxLTN", "340.2197"}};
        QTest::newRow("tons read through their own factor")
            << "EBxT"
            << "234.5678"
            << Expected{{"EBxG", "234,567,800.00"}, {"EBxKG", "234,567.80"}, {"EBxQ", "2,345.6781"},
                   {"EBxT", "234.5678"}, {"EBxGR", "3,608,735,507.6923"}, {"EBxDWT", "150,847,464.9518"},
                   {"EBxOZ", "8,273,996.7549"}, {"EBxTROZ", "7,541,403.2922"}, {"EBxTRLB", "628,460.3769"},
                   {"EBxLB", "517,133.9177"}, {"EBxST", "36,938.137"}, {"EBxUSQR", "20,685.3567"},
                   {"EBxQR", "18,469.0627"}, {"EBxUSCWT", "5,171.3392"}, {"EBxCWT", "4,617.2675"},
                   {"EBxSHTN", "258.567"}, {"EBxLTN", "230.8634"}};
        QTest::newRow("grains read through their own factor")
            << "EBxGR"
            << "5432109876"
            << Expected{{"EBxG", "353,087,100.00"}, {"EBxKG", "353,087.10"}, {"EBxQ", "3,530.8714"},
                   {"EBxT", "353.0871"}, {"EBxGR", "5,432,109,876.00"}, {"EBxDWT", "227,065,682.3151"},
                   {"EBxOZ", "12,454,572.6984"}, {"EBxTROZ", "11,351,824.0741"}, {"EBxTRLB", "946,000.5466"},
                   {"EBxLB", "778,424.5225"}, {"EBxST", "55,601.7516"}, {"EBxUSQR", "31,136.9809"},
                   {"EBxQR", "27,800.867"}, {"EBxUSCWT", "7,784.2452"}, {"EBxCWT", "6,950.2195"},
                   {"EBxSHTN", "389.2123"}, {"EBxLTN", "347.511"}};
        QTest::newRow("pennyweights read through their own factor")
            << "EBxDWT"
            << "234567890"
            << Expected{{"EBxG", "364,753,100.00"}, {"EBxKG", "364,753.10"}, {"EBxQ", "3,647.5306"},
                   {"EBxT", "364.7531"}, {"EBxGR", "5,611,585,476.9231"}, {"EBxDWT", "234,567,890.00"},
                   {"EBxOZ", "12,866,068.9947"}, {"EBxTROZ", "11,726,885.8025"}, {"EBxTRLB", "977,256.193"},
                   {"EBxLB", "804,143.4946"}, {"EBxST", "57,438.821"}, {"EBxUSQR", "32,165.7398"},
                   {"EBxQR", "28,719.4015"}, {"EBxUSCWT", "8,041.4349"}, {"EBxCWT", "7,179.8532"},
                   {"EBxSHTN", "402.0717"}, {"EBxLTN", "358.9927"}};
        QTest::newRow("avoirdupois ounces read through their own factor")
            << "EBxOZ"
            << "12345678"
            << Expected{{"EBxG", "350,000,000.00"}, {"EBxKG", "350,000.00"}, {"EBxQ", "3,499.9997"},
                   {"EBxT", "350.00"}, {"EBxGR", "5,384,614,892.3077"}, {"EBxDWT", "225,080,365.2733"},
                   {"EBxOZ", "12,345,678.00"}, {"EBxTROZ", "11,252,570.9877"}, {"EBxTRLB", "937,729.3231"},
                   {"EBxLB", "771,618.4765"}, {"EBxST", "55,115.6055"}, {"EBxUSQR", "30,864.7391"},
                   {"EBxQR", "27,557.7941"}, {"EBxUSCWT", "7,716.1848"}, {"EBxCWT", "6,889.4512"},
                   {"EBxSHTN", "385.8092"}, {"EBxLTN", "344.4726"}};
        QTest::newRow("troy ounces read through their own factor")
            << "EBxTROZ"
            << "11223344"
            << Expected{{"EBxG", "349,090,900.00"}, {"EBxKG", "349,090.90"}, {"EBxQ", "3,490.9088"},
                   {"EBxT", "349.0909"}, {"EBxGR", "5,370,628,923.0769"}, {"EBxDWT", "224,495,742.7653"},
                   {"EBxOZ", "12,313,611.2875"}, {"EBxTROZ", "11,223,344.00"}, {"EBxTRLB", "935,293.6701"},
                   {"EBxLB", "769,614.2789"}, {"EBxST", "54,972.4485"}, {"EBxUSQR", "30,784.5712"},
                   {"EBxQR", "27,486.2156"}, {"EBxUSCWT", "7,696.1428"}, {"EBxCWT", "6,871.5566"},
                   {"EBxSHTN", "384.8071"}, {"EBxLTN", "343.5778"}};
        QTest::newRow("troy pounds read through their own factor")
            << "EBxTRLB"
            << "987654.3"
            << Expected{{"EBxG", "368,634,100.00"}, {"EBxKG", "368,634.10"}, {"EBxQ", "3,686.3408"},
                   {"EBxT", "368.6341"}, {"EBxGR", "5,671,293,538.4615"}, {"EBxDWT", "237,063,717.0418"},
                   {"EBxOZ", "13,002,965.7848"}, {"EBxTROZ", "11,851,661.5226"}, {"EBxTRLB", "987,654.30"},
                   {"EBxLB", "812,699.6949"}, {"EBxST", "58,049.9782"}, {"EBxUSQR", "32,507.9878"},
                   {"EBxQR", "29,024.98"}, {"EBxUSCWT", "8,126.9969"}, {"EBxCWT", "7,256.2478"},
                   {"EBxSHTN", "406.3498"}, {"EBxLTN", "362.8124"}};
        QTest::newRow("avoirdupois pounds read through their own factor")
            << "EBxLB"
            << "765432.1"
            << Expected{{"EBxG", "347,193,900.00"}, {"EBxKG", "347,193.90"}, {"EBxQ", "3,471.9389"},
                   {"EBxT", "347.1939"}, {"EBxGR", "5,341,444,430.7692"}, {"EBxDWT", "223,275,812.2187"},
                   {"EBxOZ", "12,246,697.9894"}, {"EBxTROZ", "11,162,354.9383"}, {"EBxTRLB", "930,211.1981"},
                   {"EBxLB", "765,432.10"}, {"EBxST", "54,673.7231"}, {"EBxUSQR", "30,617.285"},
                   {"EBxQR", "27,336.853"}, {"EBxUSCWT", "7,654.3212"}, {"EBxCWT", "6,834.2159"},
                   {"EBxSHTN", "382.7161"}, {"EBxLTN", "341.7108"}};
        QTest::newRow("stones read through their own factor")
            << "EBxST"
            << "54321.76"
            << Expected{{"EBxG", "344,958,800.00"}, {"EBxKG", "344,958.80"}, {"EBxQ", "3,449.5882"},
                   {"EBxT", "344.9588"}, {"EBxGR", "5,307,058,707.6923"}, {"EBxDWT", "221,838,466.881"},
                   {"EBxOZ", "12,167,859.4709"}, {"EBxTROZ", "11,090,496.9136"}, {"EBxTRLB", "924,222.9331"},
                   {"EBxLB", "760,504.6297"}, {"EBxST", "54,321.76"}, {"EBxUSQR", "30,420.1852"},
                   {"EBxQR", "27,160.8711"}, {"EBxUSCWT", "7,605.0463"}, {"EBxCWT", "6,790.2204"},
                   {"EBxSHTN", "380.2523"}, {"EBxLTN", "339.511"}};
        QTest::newRow("US quarters read through their own factor")
            << "EBxUSQR"
            << "34567.8"
            << Expected{{"EBxG", "391,991,900.00"}, {"EBxKG", "391,991.90"}, {"EBxQ", "3,919.9194"},
                   {"EBxT", "391.9919"}, {"EBxGR", "6,030,645,169.2308"}, {"EBxDWT", "252,084,846.3023"},
                   {"EBxOZ", "13,826,876.0494"}, {"EBxTROZ", "12,602,621.3992"},
                   {"EBxTRLB", "1,050,235.3326"}, {"EBxLB", "864,194.9946"}, {"EBxST", "61,728.2139"},
                   {"EBxUSQR", "34,567.80"}, {"EBxQR", "30,864.0972"}, {"EBxUSCWT", "8,641.9499"},
                   {"EBxCWT", "7,716.0273"}, {"EBxSHTN", "432.0975"}, {"EBxLTN", "385.8014"}};
        QTest::newRow("British quarters read through their own factor")
            << "EBxQR"
            << "27182.8"
            << Expected{{"EBxG", "345,237,300.00"}, {"EBxKG", "345,237.30"}, {"EBxQ", "3,452.3731"},
                   {"EBxT", "345.2373"}, {"EBxGR", "5,311,343,261.5385"}, {"EBxDWT", "222,017,563.9871"},
                   {"EBxOZ", "12,177,682.963"}, {"EBxTROZ", "11,099,450.6173"}, {"EBxTRLB", "924,969.0871"},
                   {"EBxLB", "761,118.6088"}, {"EBxST", "54,365.6149"}, {"EBxUSQR", "30,444.7444"},
                   {"EBxQR", "27,182.80"}, {"EBxUSCWT", "7,611.1861"}, {"EBxCWT", "6,795.7024"},
                   {"EBxSHTN", "380.5593"}, {"EBxLTN", "339.7851"}};
        QTest::newRow("centals read through their own factor")
            << "EBxUSCWT"
            << "8765.43"
            << Expected{{"EBxG", "397,592,900.00"}, {"EBxKG", "397,592.90"}, {"EBxQ", "3,975.929"},
                   {"EBxT", "397.5929"}, {"EBxGR", "6,116,813,784.6154"}, {"EBxDWT", "255,686,749.8392"},
                   {"EBxOZ", "14,024,440.776"}, {"EBxTROZ", "12,782,693.4156"}, {"EBxTRLB", "1,065,241.5752"},
                   {"EBxLB", "876,543.0078"}, {"EBxST", "62,610.2148"}, {"EBxUSQR", "35,061.7203"},
                   {"EBxQR", "31,305.0976"}, {"EBxUSCWT", "8,765.43"}, {"EBxCWT", "7,826.2775"},
                   {"EBxSHTN", "438.2715"}, {"EBxLTN", "391.3139"}};
        QTest::newRow("hundredweights read through their own factor")
            << "EBxCWT"
            << "7654.32"
            << Expected{{"EBxG", "388,857,100.00"}, {"EBxKG", "388,857.10"}, {"EBxQ", "3,888.5706"},
                   {"EBxT", "388.8571"}, {"EBxGR", "5,982,416,246.1539"}, {"EBxDWT", "250,068,846.3023"},
                   {"EBxOZ", "13,716,298.2716"}, {"EBxTROZ", "12,501,834.3621"},
                   {"EBxTRLB", "1,041,836.2778"}, {"EBxLB", "857,283.7616"}, {"EBxST", "61,234.5544"},
                   {"EBxUSQR", "34,291.3505"}, {"EBxQR", "30,617.2676"}, {"EBxUSCWT", "8,572.8376"},
                   {"EBxCWT", "7,654.32"}, {"EBxSHTN", "428.6419"}, {"EBxLTN", "382.716"}};
        QTest::newRow("short tons read through their own factor")
            << "EBxSHTN"
            << "432.109"
            << Expected{{"EBxG", "392,002,400.00"}, {"EBxKG", "392,002.40"}, {"EBxQ", "3,920.0237"},
                   {"EBxT", "392.0024"}, {"EBxGR", "6,030,805,661.5385"}, {"EBxDWT", "252,091,554.9839"},
                   {"EBxOZ", "13,827,244.0212"}, {"EBxTROZ", "12,602,956.7901"},
                   {"EBxTRLB", "1,050,263.2823"}, {"EBxLB", "864,217.9933"}, {"EBxST", "61,729.8567"},
                   {"EBxUSQR", "34,568.7197"}, {"EBxQR", "30,864.9186"}, {"EBxUSCWT", "8,642.1799"},
                   {"EBxCWT", "7,716.2327"}, {"EBxSHTN", "432.109"}, {"EBxLTN", "385.8116"}};
        QTest::newRow("long tons read through their own factor")
            << "EBxLTN"
            << "345.678"
            << Expected{{"EBxG", "351,224,700.00"}, {"EBxKG", "351,224.80"}, {"EBxQ", "3,512.2474"},
                   {"EBxT", "351.2247"}, {"EBxGR", "5,403,457,476.9231"}, {"EBxDWT", "225,867,997.4277"},
                   {"EBxOZ", "12,388,879.5767"}, {"EBxTROZ", "11,291,947.5309"}, {"EBxTRLB", "941,010.7544"},
                   {"EBxLB", "774,318.63"}, {"EBxST", "55,308.4736"}, {"EBxUSQR", "30,972.7452"},
                   {"EBxQR", "27,654.2281"}, {"EBxUSCWT", "7,743.1863"}, {"EBxCWT", "6,913.5597"},
                   {"EBxSHTN", "387.1593"}, {"EBxLTN", "345.678"}};
        QTest::newRow("one kilogram")
            << "EBxKG"
            << "1"
            << Expected{{"EBxG", "1,000.00"}, {"EBxKG", "1.00"}, {"EBxQ", "0.01"}, {"EBxT", "0.001"},
                   {"EBxGR", "15,384.6154"}, {"EBxDWT", "643.0868"}, {"EBxOZ", "35.2734"},
                   {"EBxTROZ", "32.1502"}, {"EBxTRLB", "2.6792"}, {"EBxLB", "2.2046"}, {"EBxST", "0.1575"},
                   {"EBxUSQR", "0.0882"}, {"EBxQR", "0.0787"}, {"EBxUSCWT", "0.022"}, {"EBxCWT", "0.0197"},
                   {"EBxSHTN", "0.0011"}, {"EBxLTN", "0.001"}};
        QTest::newRow("one avoirdupois pound")
            << "EBxLB"
            << "1"
            << Expected{{"EBxG", "453.592"}, {"EBxKG", "0.4536"}, {"EBxQ", "0.0045"}, {"EBxT", "0.0005"},
                   {"EBxGR", "6,978.3386"}, {"EBxDWT", "291.699"}, {"EBxOZ", "15.9997"},
                   {"EBxTROZ", "14.5831"}, {"EBxTRLB", "1.2153"}, {"EBxLB", "1.00"}, {"EBxST", "0.0714"},
                   {"EBxUSQR", "0.04"}, {"EBxQR", "0.0357"}, {"EBxUSCWT", "0.01"}, {"EBxCWT", "0.0089"},
                   {"EBxSHTN", "0.0005"}, {"EBxLTN", "0.0004"}};
        QTest::newRow("one metric quintal")
            << "EBxQ"
            << "1"
            << Expected{{"EBxG", "100,000.00"}, {"EBxKG", "100.00"}, {"EBxQ", "1.00"}, {"EBxT", "0.10"},
                   {"EBxGR", "1,538,461.5385"}, {"EBxDWT", "64,308.6817"}, {"EBxOZ", "3,527.3369"},
                   {"EBxTROZ", "3,215.0206"}, {"EBxTRLB", "267.9227"}, {"EBxLB", "220.4624"},
                   {"EBxST", "15.7473"}, {"EBxUSQR", "8.8185"}, {"EBxQR", "7.8737"}, {"EBxUSCWT", "2.2046"},
                   {"EBxCWT", "1.9684"}, {"EBxSHTN", "0.1102"}, {"EBxLTN", "0.0984"}};
        QTest::newRow("one British quarter")
            << "EBxQR"
            << "1"
            << Expected{{"EBxG", "12,700.58"}, {"EBxKG", "12.7006"}, {"EBxQ", "0.127"}, {"EBxT", "0.0127"},
                   {"EBxGR", "195,393.5397"}, {"EBxDWT", "8,167.5756"}, {"EBxOZ", "447.9922"},
                   {"EBxTROZ", "408.3263"}, {"EBxTRLB", "34.0277"}, {"EBxLB", "28.00"}, {"EBxST", "2.00"},
                   {"EBxUSQR", "1.12"}, {"EBxQR", "1.00"}, {"EBxUSCWT", "0.28"}, {"EBxCWT", "0.25"},
                   {"EBxSHTN", "0.014"}, {"EBxLTN", "0.0125"}};
        QTest::newRow("one long ton")
            << "EBxLTN"
            << "1"
            << Expected{{"EBxG", "1,016,046.00"}, {"EBxKG", "1,016.046"}, {"EBxQ", "10.1605"},
                   {"EBxT", "1.016"}, {"EBxGR", "15,631,476.9231"}, {"EBxDWT", "653,405.7878"},
                   {"EBxOZ", "35,839.3651"}, {"EBxTROZ", "32,666.088"}, {"EBxTRLB", "2,722.2178"},
                   {"EBxLB", "2,239.9998"}, {"EBxST", "160.00"}, {"EBxUSQR", "89.60"}, {"EBxQR", "80.00"},
                   {"EBxUSCWT", "22.40"}, {"EBxCWT", "20.00"}, {"EBxSHTN", "1.12"}, {"EBxLTN", "1.00"}};
        QTest::newRow("minus one kilogram")
            << "EBxKG"
            << "-1"
            << Expected{{"EBxG", "-1,000.00"}, {"EBxKG", "-1.00"}, {"EBxQ", "-0.01"}, {"EBxT", "-0.001"},
                   {"EBxGR", "-15,384.6154"}, {"EBxDWT", "-643.0868"}, {"EBxOZ", "-35.2734"},
                   {"EBxTROZ", "-32.1502"}, {"EBxTRLB", "-2.6792"}, {"EBxLB", "-2.2046"},
                   {"EBxST", "-0.1575"}, {"EBxUSQR", "-0.0882"}, {"EBxQR", "-0.0787"}, {"EBxUSCWT", "-0.022"},
                   {"EBxCWT", "-0.0197"}, {"EBxSHTN", "-0.0011"}, {"EBxLTN", "-0.001"}};
        QTest::newRow("empty field gives zeros and stays empty")
            << "EBxST"
            << ""
            << Expected{{"EBxG", "0.00"}, {"EBxKG", "0.00"}, {"EBxQ", "0.00"}, {"EBxT", "0.00"},
                   {"EBxGR", "0.00"}, {"EBxDWT", "0.00"}, {"EBxOZ", "0.00"}, {"EBxTROZ", "0.00"},
                   {"EBxTRLB", "0.00"}, {"EBxLB", "0.00"}, {"EBxST", ""}, {"EBxUSQR", "0.00"},
                   {"EBxQR", "0.00"}, {"EBxUSCWT", "0.00"}, {"EBxCWT", "0.00"}, {"EBxSHTN", "0.00"},
                   {"EBxLTN", "0.00"}};
        QTest::newRow("typed text that is no number stays as typed")
            << "EBxOZ"
            << "ounces"
            << Expected{{"EBxG", "0.00"}, {"EBxKG", "0.00"}, {"EBxQ", "0.00"}, {"EBxT", "0.00"},
                   {"EBxGR", "0.00"}, {"EBxDWT", "0.00"}, {"EBxOZ", "ounces"}, {"EBxTROZ", "0.00"},
                   {"EBxTRLB", "0.00"}, {"EBxLB", "0.00"}, {"EBxST", "0.00"}, {"EBxUSQR", "0.00"},
                   {"EBxQR", "0.00"}, {"EBxUSCWT", "0.00"}, {"EBxCWT", "0.00"}, {"EBxSHTN", "0.00"},
                   {"EBxLTN", "0.00"}};
        QTest::newRow("typed field keeps text after a grouping comma")
            << "EBxG"
            << "1,500"
            << Expected{{"EBxG", "1,500.00"}, {"EBxKG", "0.001"}, {"EBxQ", "0.00"}, {"EBxT", "0.00"},
                   {"EBxGR", "15.3846"}, {"EBxDWT", "0.6431"}, {"EBxOZ", "0.0353"}, {"EBxTROZ", "0.0322"},
                   {"EBxTRLB", "0.0027"}, {"EBxLB", "0.0022"}, {"EBxST", "0.0002"}, {"EBxUSQR", "0.0001"},
                   {"EBxQR", "0.0001"}, {"EBxUSCWT", "0.00"}, {"EBxCWT", "0.00"}, {"EBxSHTN", "0.00"},
                   {"EBxLTN", "0.00"}};
    }

    void convert()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(Expected, expected);

        const std::optional<QStringList> result = typeAndConvert(source, typed);
        QVERIFY(result);
        test_support::compareEveryField(convert::weightTable, *result, expected);
    }

    void everyOtherFieldIsWritten()
    {
        QStringList texts(convert::weight::FieldCount);
        for (QString& text : texts)
            text = QStringLiteral("5");
        texts[convert::weight::Stone] = QStringLiteral("1");
        const std::optional<QStringList> result
            = convert::runConversion(convert::weightTable, texts, convert::weight::Stone);
        QVERIFY(result);
        // 1 stone = 14 lb = 6350.288 g.
        QCOMPARE(result->at(convert::weight::Pound), QStringLiteral("14.00"));
        QCOMPARE(result->at(convert::weight::Gram), QStringLiteral("6,350.288"));
        QCOMPARE(result->at(convert::weight::Stone), QStringLiteral("1.00"));
    }

    void tooLargeChangesNothing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("grams beyond a float") << "EBxG"
                                              << "1E39";
        QTest::newRow("negative grams beyond a float") << "EBxG"
                                                       << "-1E39";
        QTest::newRow("long tons beyond a float in grams") << "EBxLTN"
                                                           << "1E33";
        QTest::newRow("typed number beyond a double") << "EBxKG"
                                                      << "1E400";
    }

    void tooLargeChangesNothing()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QVERIFY(!typeAndConvert(source, typed));
    }

    void largestWeightStillConverts()
    {
        const std::optional<QStringList> result
            = typeAndConvert(QStringLiteral("EBxKG"), QStringLiteral("3E35"));
        QVERIFY(result);
        // The gram text carries the single-precision hub's seven digits.
        QCOMPARE(result->at(convert::weight::Gram),
            QStringLiteral("300,000,000,000,000,000,000,000,000,000,000,000,000.00"));
    }
};

QTEST_GUILESS_MAIN(WeightTest)
#include "tst_weight.moc"
