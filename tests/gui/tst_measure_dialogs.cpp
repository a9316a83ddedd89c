#include "convert/linear.h"
#include "convert/misc.h"
#include "convert/outcome.h"
#include "convert/surface.h"
#include "convert/volume.h"
#include "convert/weight.h"
#include "gui/topic_dialog.h"
#include "support/dialog_test.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QSet>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(const convert::Measure*)

// What the five measure dialogs do alike: each field shows its own unit, keys other than Return convert
// nothing, and a value out of range is told in one message and changes no field. What each conversion
// computes is the logic's, tested on its own; here it only tells what each field must show. That Return in a
// field leaves the dialog open, and that Done closes it, is the keyboard test's.
namespace {

using test_support::requiredField;
using test_support::strings;

// Each dialog's fields in the order of its units.
const QStringList linearFields
    = strings({"EBxCM", "EBxM", "EBxKM", "EBxIN", "EBxFT", "EBxYD", "EBxMI", "EBxNMI"});

const QStringList surfaceFields
    = strings({"EbxQM", "EbxARE", "EbxQKM", "EbxHA", "EbxSQFT", "EbxSQYD", "EbxACRE", "EbxSQMI", "EbxCL"});

const QStringList volumeFields = strings(
    {"EBxCM3", "EBxML", "EBxDM3", "EBxL", "EBxHL", "EBxM3", "EBxCUIN", "EBxCUFT", "EBxCUYD", "EBxRT",
        "EBxOZFL", "EBxIMPGI", "EBxIMPPT", "EBxIMPQT", "EBxIMPGAL", "EBxIMPPK", "EBxIMPBUSH", "EBxOZFLUS",
        "EBxUSGILL", "EBxUSPTLI", "EBxUSQT", "EBxUSGAL", "EBxUSPTDR", "EBxUSQTDR", "EBxUSPK", "EBxUSBUSH"});

const QStringList weightFields = strings({"EBxG", "EBxKG", "EBxQ", "EBxT", "EBxGR", "EBxDWT", "EBxOZ",
    "EBxTROZ", "EBxTRLB", "EBxLB", "EBxST", "EBxUSQR", "EBxQR", "EBxUSCWT", "EBxCWT", "EBxSHTN", "EBxLTN"});

const QStringList miscFields = strings({"ebxCelsius", "ebxFahrenheit", "ebxKelvin", "ebxReaumur", "ebxBtu",
    "ebxMegajoule", "ebxKWh", "ebxTherm", "ebxPS", "ebxKW", "ebxMilesGallon", "ebxLtr100km"});

std::unique_ptr<gui::TopicDialog> openDialog(const QString& key)
{
    std::unique_ptr<gui::TopicDialog> dialog
        = gui::createDialog(test_support::topic(qPrintable(key)), nullptr);
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        QTest::qFail(qPrintable(key + QStringLiteral(" did not become active")), __FILE__, __LINE__);
    return dialog;
}

// Types `value` into the field `source` and a text of its own into every other field, key by key and
// with a slip mended by Backspace, then leaves each field with Tab; nothing presses Return. Gives what was
// typed, field by field. The other fields' texts differ from each other, so that a field showing another
// field's text is seen.
QStringList typeIntoEveryField(
    QWidget* dialog, const QStringList& fields, const QString& source, const QString& value)
{
    QStringList typed;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString text = fields[i] == source ? value : QStringLiteral("%1.5").arg(i + 1);
        QLineEdit* field = requiredField(dialog, fields[i]);
        field->setFocus();
        QTest::keyClicks(field, text + QLatin1Char('x'));
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Tab);
        typed << text;
    }
    return typed;
}

} // namespace

class TestMeasureDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void returnShowsEachUnitInItsOwnField_data();
    void returnShowsEachUnitInItsOwnField();
    void outOfRangeIsToldOnceAndChangesNoField_data();
    void outOfRangeIsToldOnceAndChangesNoField();

private:
    test_support::ModalWatchdog m_watchdog;
};

// A message where none is awaited, such as one raised by a key other than Return, would block the test;
// the watchdog closes it and the test fails.
void TestMeasureDialogs::init()
{
    m_watchdog.start();
}

void TestMeasureDialogs::cleanup()
{
    m_watchdog.stop();
    QVERIFY2(m_watchdog.unexpected().isEmpty(),
        qPrintable(QStringLiteral("unexpected ") + m_watchdog.unexpected()));
}

void TestMeasureDialogs::returnShowsEachUnitInItsOwnField_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<const convert::Measure*>("measure");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("typed");
    QTest::newRow("a length in feet, through the yard to every other length")
        << "Linear" << &convert::linearMeasure << linearFields << "EBxFT"
        << "98765.4321";
    QTest::newRow("an area in hectares, through the square metre to every other area")
        << "Surface" << &convert::surfaceMeasure << surfaceFields << "EbxHA"
        << "8765.4321";
    QTest::newRow("a volume in imperial gallons, through the cube edge to every other volume")
        << "Volume" << &convert::volumeMeasure << volumeFields << "EBxIMPGAL"
        << "7654.321";
    QTest::newRow("a weight in avoirdupois pounds, through the gram to every other weight")
        << "Weight" << &convert::weightMeasure << weightFields << "EBxLB"
        << "98765.4321";
    QTest::newRow("energy in kilowatt hours; the other groups are only formatted")
        << "Misc" << &convert::miscMeasure << miscFields << "ebxKWh"
        << "1234.5678";
}

// One conversion per dialog, with something in every field, compares what every field shows.
void TestMeasureDialogs::returnShowsEachUnitInItsOwnField()
{
    QFETCH(QString, key);
    QFETCH(const convert::Measure*, measure);
    QFETCH(QStringList, fields);
    QFETCH(QString, source);
    QFETCH(QString, typed);
    const std::unique_ptr<gui::TopicDialog> dialog = openDialog(key);
    const QStringList before = typeIntoEveryField(dialog.get(), fields, source, typed);
    // No key but Return converts: every field shows what was typed into it.
    QCOMPARE(test_support::fieldTexts(dialog.get(), fields), before);

    const convert::Outcome<QStringList> expected
        = convert::runConversion(*measure, before, static_cast<int>(fields.indexOf(source)));
    QVERIFY2(expected.value && !expected.problem, "the logic refuses the row's value");
    // Only texts that differ tell the fields apart.
    QCOMPARE(QSet<QString>(expected.value->cbegin(), expected.value->cend()).size(), fields.size());

    QLineEdit* field = requiredField(dialog.get(), source);
    const QList<test_support::SeenModal> seen
        = test_support::answerModals(dialog.get(), [field] { QTest::keyClick(field, Qt::Key_Return); });
    QVERIFY(seen.isEmpty());
    QCOMPARE(test_support::fieldTexts(dialog.get(), fields), *expected.value);
}

void TestMeasureDialogs::outOfRangeIsToldOnceAndChangesNoField_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("typed");
    QTest::newRow("kilometres whose centimetres leave the doubles") << "Linear" << linearFields << "EBxKM"
                                                                    << "1E306";
    QTest::newRow("square kilometres whose square metres leave the doubles")
        << "Surface" << surfaceFields << "EbxQKM"
        << "1E305";
    QTest::newRow("cubic metres whose litres leave the single-precision numbers")
        << "Volume" << volumeFields << "EBxM3"
        << "1E36";
    QTest::newRow("long tons whose grams leave the single-precision numbers")
        << "Weight" << weightFields << "EBxLTN"
        << "1E33";
    QTest::newRow("so few litres per 100 km that the miles per gallon leave the doubles")
        << "Misc" << miscFields << "ebxLtr100km"
        << "1E-320";
}

void TestMeasureDialogs::outOfRangeIsToldOnceAndChangesNoField()
{
    QFETCH(QString, key);
    QFETCH(QStringList, fields);
    QFETCH(QString, source);
    QFETCH(QString, typed);
    const std::unique_ptr<gui::TopicDialog> dialog = openDialog(key);
    const QStringList before = typeIntoEveryField(dialog.get(), fields, source, typed);

    QLineEdit* field = requiredField(dialog.get(), source);
    const QList<test_support::SeenModal> seen
        = test_support::answerModals(dialog.get(), [field] { QTest::keyClick(field, Qt::Key_Return); });
    QCOMPARE(seen.size(), 1);
    const convert::Message message = convert::messageFor(convert::Problem::ResultOutOfRange);
    QCOMPARE(seen[0].title, message.title);
    QCOMPARE(seen[0].text, message.text);
    QCOMPARE(seen[0].buttonCount, 1);
    QVERIFY2(seen[0].icon.has_value(), "no message box");
    QCOMPARE(*seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(test_support::fieldTexts(dialog.get(), fields), before);
    QVERIFY(dialog->isVisible());
}

QTEST_MAIN(TestMeasureDialogs)
#include "tst_measure_dialogs.moc"
