#include "convert/outcome.h"
#include "gui/volume_dialog.h"
#include "support/dialog_test.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

struct Unit
{
    const char* field;
    const char* caption;
    const char* abbreviation;
};

// Column by column, top to bottom.
const Unit units[] = {{"EBxCM3", "Cubic Centimeter", "cm3"}, {"EBxML", "Milliliter", "ml"},
    {"EBxDM3", "Cubic Decimeter", "dm3"}, {"EBxL", "Liter", "l"}, {"EBxHL", "Hectoliter", "hl"},
    {"EBxM3", "Cubic Meter", "m3"}, {"EBxCUIN", "Cubic Inch", "cu.in."}, {"EBxCUFT", "Cubic Feet", "cu.ft."},
    {"EBxCUYD", "Cubic Yard", "cu.yd."}, {"EBxRT", "Register Ton", "rt."},
    {"EBxOZFL", "Fluid Ounces", "imp.floz."}, {"EBxIMPGI", "Imperial Gill", "imp.gi."},
    {"EBxIMPPT", "Imperial Pint", "imp.pt."}, {"EBxIMPQT", "Imperial Quart", "imp.qt."},
    {"EBxIMPGAL", "Imperial Gallon", "imp.gal."}, {"EBxIMPPK", "Imperial Peck", "imp.pk."},
    {"EBxIMPBUSH", "Imperial Bushel", "imp.bsh."}, {"EBxOZFLUS", "Fluid Ounces", "us.floz."},
    {"EBxUSGILL", "US. Gill", "us.gi."}, {"EBxUSPTLI", "US. Pint", "us.pt."},
    {"EBxUSQT", "US. Quart", "us.qt."}, {"EBxUSGAL", "US. Gallon", "us.gal."},
    {"EBxUSPTDR", "US. Pint", "us.pt."}, {"EBxUSQTDR", "US. Quart", "us.qt."},
    {"EBxUSPK", "US. Peck", "us.pk."}, {"EBxUSBUSH", "US. Bushel", "us.bsh."}};

const char* const edges[] = {"ebxLength", "ebxHeight", "ebxWidth"};

} // namespace

using test_support::answerModals;
using test_support::field;
using test_support::fieldTexts;
using test_support::labelFor;
using test_support::labelRightOf;
using test_support::ModalRecorder;
using test_support::placeOf;
using test_support::SeenModal;
using test_support::strings;
using test_support::typeAndReturn;

// The volume dialog's own texts and its box calculator. What it shares with the other measure dialogs is
// tested over all of them (tst_measure_dialogs, tst_keyboard, tst_accessibility).
class TestVolumeDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowIsCaptionedVolumeAndLiquidMeasure();
    void everyFieldIsLabelledWithItsUnit();
    void columnsAreHeadedInDarkRed();
    void boxCalculatorShowsItsTexts();
    void boxInMetresGivesWhatTheSameVolumeTypedGives();
    void boxInFeet();
    void boxWithAnEmptyEdgeIsToldAndChangesNothing_data();
    void boxWithAnEmptyEdgeIsToldAndChangesNothing();
    void boxWithABlankEdgeGivesZeros();
    void returnInABoxFieldDoesNothing();

private:
    void computeBox(const QString& length, const QString& height, const QString& width);

    std::unique_ptr<gui::VolumeDialog> m_dialog;
};

void TestVolumeDialog::init()
{
    m_dialog = std::make_unique<gui::VolumeDialog>(test_support::topic("Volume"));
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void TestVolumeDialog::cleanup()
{
    m_dialog.reset();
}

void TestVolumeDialog::computeBox(const QString& length, const QString& height, const QString& width)
{
    const QString texts[] = {length, height, width};
    for (int i = 0; i < 3; ++i) {
        field(m_dialog.get(), edges[i])->clear();
        QTest::keyClicks(field(m_dialog.get(), edges[i]), texts[i]);
    }
    QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("btnCompute")), Qt::LeftButton);
}

void TestVolumeDialog::windowIsCaptionedVolumeAndLiquidMeasure()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Volume and Liquid Measure"));
}

// In the captionless frame, above each field its caption in dark blue, right of it its abbreviation.
void TestVolumeDialog::everyFieldIsLabelledWithItsUnit()
{
    auto* frame = m_dialog->findChild<QFrame*>(QStringLiteral("Frame4"));
    QVERIFY(frame);
    const QString format = QStringLiteral("%1 %2: \"%3\" in %4, then \"%5\"");
    QStringList seen;
    QStringList expected;
    for (const Unit& unit : units) {
        QLineEdit* edit = test_support::requiredField(m_dialog.get(), unit.field);
        const QLabel* caption = labelFor(m_dialog.get(), edit);
        QVERIFY2(caption, unit.field);
        seen << format.arg(QLatin1String(unit.field),
            frame->isAncestorOf(edit) ? QStringLiteral("in Frame4") : QStringLiteral("outside Frame4"),
            caption->text(), caption->palette().color(QPalette::WindowText).name(),
            labelRightOf(m_dialog.get(), edit));
        expected << format.arg(QLatin1String(unit.field), QStringLiteral("in Frame4"),
            QString::fromUtf8(unit.caption), QStringLiteral("#000080"), QString::fromUtf8(unit.abbreviation));
    }
    QCOMPARE(seen, expected);
}

void TestVolumeDialog::columnsAreHeadedInDarkRed()
{
    QStringList headings;
    for (QLabel* label : m_dialog->findChildren<QLabel*>()) {
        if (label->palette().color(QPalette::WindowText) == QColor(128, 0, 0) && label->font().bold())
            headings << label->text();
    }
    QCOMPARE(headings,
        strings({"Metric", "British/US", "British Imperial", "US Custom (liquid)", "US Custom (dry)"}));
}

// What the box calculator shows and how it stands inside its frame; where the frame stands is the layout
// test's.
void TestVolumeDialog::boxCalculatorShowsItsTexts()
{
    auto* box = m_dialog->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    QVERIFY(box);
    QCOMPARE(box->title(), QStringLiteral("Specify a box"));
    const char* const captions[] = {"Length", "Height", "Width"};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* edit = field(m_dialog.get(), edges[i]);
        QVERIFY2(edit && box->isAncestorOf(edit), edges[i]);
        QVERIFY2(labelFor(m_dialog.get(), edit), edges[i]);
        QCOMPARE(labelFor(m_dialog.get(), edit)->text(), QLatin1String(captions[i]));
    }
    int times = 0;
    for (QLabel* label : box->findChildren<QLabel*>())
        times += label->text() == QLatin1String("X");
    QCOMPARE(times, 2);
    QCOMPARE(m_dialog->findChild<QRadioButton*>(QStringLiteral("optMeter"))->text(), QStringLiteral("Meter"));
    QCOMPARE(m_dialog->findChild<QRadioButton*>(QStringLiteral("optFeet"))->text(), QStringLiteral("Feet"));
    QCOMPARE(
        m_dialog->findChild<QPushButton*>(QStringLiteral("btnCompute"))->text(), QStringLiteral("Compute"));

    // The edges in a row, then Meter above Feet, then Compute.
    QWidget* dialog = m_dialog.get();
    QCOMPARE(placeOf(dialog, "ebxLength").top(), placeOf(dialog, "ebxWidth").top());
    QVERIFY(placeOf(dialog, "ebxLength").right() < placeOf(dialog, "ebxHeight").left());
    QVERIFY(placeOf(dialog, "ebxHeight").right() < placeOf(dialog, "ebxWidth").left());
    QVERIFY(placeOf(dialog, "ebxWidth").right() < placeOf(dialog, "optMeter").left());
    QCOMPARE(placeOf(dialog, "optMeter").left(), placeOf(dialog, "optFeet").left());
    QVERIFY(placeOf(dialog, "optMeter").bottom() <= placeOf(dialog, "optFeet").top());
    QVERIFY(placeOf(dialog, "optMeter").right() < placeOf(dialog, "btnCompute").left());
}

// A box of 2 x 0.5 x 1 metres shows in all 26 fields, Cubic Meter included, exactly what 1 typed into
// Cubic Meter shows; the three edges keep their texts.
void TestVolumeDialog::boxInMetresGivesWhatTheSameVolumeTypedGives()
{
    typeAndReturn(field(m_dialog.get(), "EBxM3"), QStringLiteral("1"));
    const QStringList oneCubicMetre = fieldTexts(m_dialog.get(), units, &Unit::field);
    QCOMPARE(field(m_dialog.get(), "EBxCM3")->text(), QStringLiteral("1,000,000.00"));
    typeAndReturn(field(m_dialog.get(), "EBxUSGAL"), QStringLiteral("7"));
    QVERIFY(fieldTexts(m_dialog.get(), units, &Unit::field) != oneCubicMetre);

    computeBox(QStringLiteral("2"), QStringLiteral("0.5"), QStringLiteral("1"));
    QCOMPARE(fieldTexts(m_dialog.get(), units, &Unit::field), oneCubicMetre);
    QCOMPARE(fieldTexts(m_dialog.get(), edges), strings({"2", "0.5", "1"}));
}

void TestVolumeDialog::boxInFeet()
{
    QTest::mouseClick(m_dialog->findChild<QRadioButton*>(QStringLiteral("optFeet")), Qt::LeftButton);
    QVERIFY(!m_dialog->findChild<QRadioButton*>(QStringLiteral("optMeter"))->isChecked());
    computeBox(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"));
    QCOMPARE(fieldTexts(m_dialog.get(), strings({"EBxCUFT", "EBxCUIN", "EBxCUYD", "EBxL"})),
        strings({"1.00", "1,727.9443", "0.037", "28.3167"}));
}

void TestVolumeDialog::boxWithAnEmptyEdgeIsToldAndChangesNothing_data()
{
    QTest::addColumn<QStringList>("edgeTexts");
    QTest::newRow("length empty") << strings({"", "3", "3"});
    QTest::newRow("height empty") << strings({"3", "", "3"});
    QTest::newRow("width empty") << strings({"3", "3", ""});
}

void TestVolumeDialog::boxWithAnEmptyEdgeIsToldAndChangesNothing()
{
    QFETCH(QStringList, edgeTexts);
    typeAndReturn(field(m_dialog.get(), "EBxL"), QStringLiteral("1"));
    const QStringList before = fieldTexts(m_dialog.get(), units, &Unit::field);

    const QList<SeenModal> seen
        = answerModals(m_dialog.get(), [&] { computeBox(edgeTexts[0], edgeTexts[1], edgeTexts[2]); });
    QCOMPARE(seen.size(), 1);
    const convert::Message message = convert::messageFor(convert::Problem::BoxEdgeMissing);
    QCOMPARE(seen.first().title, message.title);
    QCOMPARE(seen.first().text, message.text);
    QCOMPARE(seen.first().buttonCount, 1);
    QCOMPARE(fieldTexts(m_dialog.get(), units, &Unit::field), before);
    QCOMPARE(fieldTexts(m_dialog.get(), edges), edgeTexts);
    QVERIFY(m_dialog->isVisible());
}

// A blank is not an empty edge: it reads as 0.
void TestVolumeDialog::boxWithABlankEdgeGivesZeros()
{
    typeAndReturn(field(m_dialog.get(), "EBxL"), QStringLiteral("1"));
    computeBox(QStringLiteral(" "), QStringLiteral("2"), QStringLiteral("2"));
    QCOMPARE(fieldTexts(m_dialog.get(), units, &Unit::field), QStringList(26, QStringLiteral("0.00")));
}

void TestVolumeDialog::returnInABoxFieldDoesNothing()
{
    const ModalRecorder modals(m_dialog.get());
    for (const char* name : edges) {
        QLineEdit* edge = field(m_dialog.get(), name);
        edge->setFocus();
        QTest::keyClicks(edge, QStringLiteral("2"));
        QTest::keyClick(edge, Qt::Key_Return);
        QTest::keyClick(edge, Qt::Key_Enter);
        QCOMPARE(edge->text(), QStringLiteral("2"));
    }
    // A message would have opened, and been answered, inside the key press; what it posted runs now.
    QCoreApplication::processEvents();
    QVERIFY(modals.seen().isEmpty());
    QCOMPARE(fieldTexts(m_dialog.get(), units, &Unit::field), QStringList(26));
}

QTEST_MAIN(TestVolumeDialog)
#include "tst_volume_dialog.moc"
