#include "gui/help.h"
#include "gui/number_dialog.h"
#include "support/dialog_test.h"
#include "support/help_texts.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

// Field names in the order binary, octal, decimal, hexadecimal, roman, then the two address fields.
const QStringList fieldNames = {
    QStringLiteral("ebxBin"),
    QStringLiteral("ebxOct"),
    QStringLiteral("ebxDec"),
    QStringLiteral("ebxHex"),
    QStringLiteral("ebxRom"),
    QStringLiteral("ebxHexAddr"),
    QStringLiteral("ebxKanAddr"),
};

} // namespace

using test_support::SeenModal;

class TestNumberDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensInItsDesignedState();
    void captionsAndBaseLabels();
    void focusOrder();
    void returnConverts_data();
    void returnConverts();
    void returnLeavesTheDialogOpen_data();
    void returnLeavesTheDialogOpen();
    void keypadEnterConverts();
    void refusedInputChangesNothing_data();
    void refusedInputChangesNothing();
    void invalidNumeral_data();
    void invalidNumeral();
    void networkAddress_data();
    void networkAddress();
    void invalidNetworkAddress_data();
    void invalidNetworkAddress();
    void helpAfterAValidationMessage();
    void doneClosesTheDialog();

private:
    QLineEdit* field(const QString& name) const;
    QStringList fieldTexts() const;
    void setFieldTexts(const QStringList& texts);
    // Runs the action while a watcher answers every modal window that opens over the dialog, so that an
    // unexpected message turns into a failed comparison instead of a hang.
    QList<SeenModal> answeringModals(const std::function<void()>& action);
    // Return in the field after typing there refuses the text with one message and changes no field.
    void checkRefused(
        const QString& fieldName, const QString& typed, const QString& message, const QString& title);
    QList<SeenModal> typeAndReturn(const QString& name, const QString& text);

    std::unique_ptr<gui::NumberDialog> m_dialog;
};

void TestNumberDialog::init()
{
    m_dialog = std::make_unique<gui::NumberDialog>(test_support::topic("Number"));
    m_dialog->show();
    QApplication::setActiveWindow(m_dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void TestNumberDialog::cleanup()
{
    m_dialog.reset();
}

QLineEdit* TestNumberDialog::field(const QString& name) const
{
    return test_support::requiredField(m_dialog.get(), name);
}

QStringList TestNumberDialog::fieldTexts() const
{
    return test_support::fieldTexts(m_dialog.get(), fieldNames);
}

void TestNumberDialog::setFieldTexts(const QStringList& texts)
{
    for (qsizetype i = 0; i < fieldNames.size(); ++i)
        field(fieldNames.at(i))->setText(texts.at(i));
}

QList<SeenModal> TestNumberDialog::answeringModals(const std::function<void()>& action)
{
    return test_support::answerModals(m_dialog.get(), action, {.fieldNames = fieldNames});
}

QList<SeenModal> TestNumberDialog::typeAndReturn(const QString& name, const QString& text)
{
    QLineEdit* target = field(name);
    target->setFocus();
    return answeringModals([target, &text] { test_support::typeAndReturn(target, text); });
}

void TestNumberDialog::opensInItsDesignedState()
{
    QCOMPARE(m_dialog->objectName(), QStringLiteral("frmNumber"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Number Conversions"));
    QCOMPARE(fieldTexts(), QStringList(7, QString()));
    QCOMPARE(QApplication::focusWidget(), field(QStringLiteral("ebxDec")));

    auto* done = m_dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* help = m_dialog->findChild<QPushButton*>(QStringLiteral("Command2"));
    QVERIFY(done);
    QVERIFY(help);
    QCOMPARE(done->text(), QStringLiteral("&Done"));
    QCOMPARE(help->text(), QStringLiteral("&Help"));
    QVERIFY(!done->autoDefault());
    QVERIFY(!help->autoDefault());
    QVERIFY(!done->isDefault());
    QVERIFY(!help->isDefault());
}

void TestNumberDialog::captionsAndBaseLabels()
{
    struct Expected
    {
        const char* label;
        const char* text;
        const char* buddy;
        bool darkBlue;
    };
    const Expected labels[] = {
        {"lblBinary", "Binary", "ebxBin", true},
        {"lblOctal", "Octal", "ebxOct", true},
        {"lblDecimal", "Decimal", "ebxDec", true},
        {"lblHexadecimal", "Hexadecimal", "ebxHex", true},
        {"lblRoman", "Roman", "ebxRom", true},
        {"lblHexAddr", "Hexadecimal", "ebxHexAddr", true},
        {"lblKanAddr", "Kanonical", "ebxKanAddr", true},
        {"lblBase2", "Base 2", nullptr, false},
        {"lblBase8", "Base 8", nullptr, false},
        {"lblBase10", "Base 10", nullptr, false},
        {"lblBase16", "Base 16", nullptr, false},
    };
    const QColor darkBlue(0, 0, 128);
    for (const Expected& expected : labels) {
        auto* label = m_dialog->findChild<QLabel*>(QString::fromLatin1(expected.label));
        QVERIFY2(label, expected.label);
        QCOMPARE(label->text(), QString::fromLatin1(expected.text));
        QCOMPARE(label->palette().color(QPalette::WindowText) == darkBlue, expected.darkBlue);
        if (expected.buddy) {
            QLineEdit* buddy = field(QString::fromLatin1(expected.buddy));
            QCOMPARE(label->buddy(), buddy);
        }
    }
    QCOMPARE(field(QStringLiteral("ebxBin"))->accessibleName(), QStringLiteral("Binary"));
    QCOMPARE(field(QStringLiteral("ebxOct"))->accessibleName(), QStringLiteral("Octal"));
    QCOMPARE(field(QStringLiteral("ebxDec"))->accessibleName(), QStringLiteral("Decimal"));
    QCOMPARE(field(QStringLiteral("ebxHex"))->accessibleName(), QStringLiteral("Hexadecimal"));
    QCOMPARE(field(QStringLiteral("ebxRom"))->accessibleName(), QStringLiteral("Roman"));
    QCOMPARE(
        field(QStringLiteral("ebxHexAddr"))->accessibleName(), QStringLiteral("Hexadecimal network address"));
    QCOMPARE(
        field(QStringLiteral("ebxKanAddr"))->accessibleName(), QStringLiteral("Kanonical network address"));

    auto* addressFrame = m_dialog->findChild<QGroupBox*>(QStringLiteral("fraNetworkAddress"));
    QVERIFY(addressFrame);
    QCOMPARE(addressFrame->title(), QStringLiteral("Network Address"));
    auto* numberFrame = m_dialog->findChild<QGroupBox*>(QStringLiteral("fraNumbers"));
    QVERIFY(numberFrame);
    QVERIFY(numberFrame->title().isEmpty());
}

void TestNumberDialog::focusOrder()
{
    QCOMPARE(QApplication::focusWidget(), field(QStringLiteral("ebxDec")));
    const QStringList expected = {
        QStringLiteral("ebxBin"),
        QStringLiteral("ebxOct"),
        QStringLiteral("ebxHex"),
        QStringLiteral("ebxRom"),
        QStringLiteral("Command2"),
        QStringLiteral("Command1"),
        QStringLiteral("ebxHexAddr"),
        QStringLiteral("ebxKanAddr"),
        QStringLiteral("ebxDec"),
    };
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    QCOMPARE(visited, expected);
}

void TestNumberDialog::returnConverts_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected"); // binary, octal, decimal, hexadecimal, roman

    const auto fields = [](const char* texts) { return QString::fromLatin1(texts).split(u'|'); };
    QTest::newRow("decimal 255 fills every other field")
        << QStringLiteral("ebxDec") << QStringLiteral("255") << fields("11111111|377|255|FF|CCLV");
    QTest::newRow("decimal -1 as a bit pattern, no roman numeral")
        << QStringLiteral("ebxDec") << QStringLiteral("-1")
        << fields("11111111111111111111111111111111|37777777777|-1|FFFFFFFF|");
    QTest::newRow("decimal half rounds to even, typed text kept")
        << QStringLiteral("ebxDec") << QStringLiteral("12.5") << fields("1100|14|12.5|C|XII");
    QTest::newRow("empty decimal field") << QStringLiteral("ebxDec") << QString() << fields("0000|0||0|");
    QTest::newRow("binary field keeps what was typed")
        << QStringLiteral("ebxBin") << QStringLiteral("101") << fields("101|5|5|5|V");
    QTest::newRow("octal 8 counts with its face value")
        << QStringLiteral("ebxOct") << QStringLiteral("18") << fields("00010000|18|16|10|XVI");
    QTest::newRow("hexadecimal field is upper-cased")
        << QStringLiteral("ebxHex") << QStringLiteral("fffffff")
        << fields("1111111111111111111111111111|1777777777|268435455|FFFFFFF|( 268435 M's)CDLV");
    QTest::newRow("empty hexadecimal field leaves binary empty")
        << QStringLiteral("ebxHex") << QString() << fields("|0|0||");
    QTest::newRow("roman field is upper-cased and read") << QStringLiteral(
        "ebxRom") << QStringLiteral("mcmxciv") << fields("011111001010|3712|1994|7CA|MCMXCIV");
}

void TestNumberDialog::returnConverts()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    // Whatever the fields held before is overwritten; the address fields are never touched.
    setFieldTexts({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
        QStringLiteral("I"), QStringLiteral("0123456789ab"), QStringLiteral("kept")});
    const QList<SeenModal> seen = typeAndReturn(fieldName, typed);
    QCOMPARE(seen.size(), 0);
    QCOMPARE(fieldTexts(), (expected + QStringList{QStringLiteral("0123456789ab"), QStringLiteral("kept")}));
}

void TestNumberDialog::returnLeavesTheDialogOpen_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("messages");
    for (const QString& name : fieldNames)
        QTest::newRow(qPrintable(name + QStringLiteral(" empty")))
            << name << QString() << (name.contains(u"Addr") ? 1 : 0);
    QTest::newRow("refused decimal") << QStringLiteral("ebxDec") << QStringLiteral("9E9") << 1;
}

void TestNumberDialog::returnLeavesTheDialogOpen()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(int, messages);

    // Shown as the main window shows it: modal, with its own result.
    m_dialog->hide();
    m_dialog->open();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    QSignalSpy finished(m_dialog.get(), &QDialog::finished);
    const QList<SeenModal> seen = typeAndReturn(fieldName, typed);
    QCOMPARE(seen.size(), messages);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(finished.count(), 0);
}

void TestNumberDialog::keypadEnterConverts()
{
    QLineEdit* decimal = field(QStringLiteral("ebxDec"));
    QTest::keyClicks(decimal, QStringLiteral("255"));
    const QList<SeenModal> seen
        = answeringModals([decimal] { QTest::keyClick(decimal, Qt::Key_Enter, Qt::KeypadModifier); });
    QCOMPARE(seen.size(), 0);
    QCOMPARE(field(QStringLiteral("ebxHex"))->text(), QStringLiteral("FF"));
    QVERIFY(m_dialog->isVisible());
}

void TestNumberDialog::refusedInputChangesNothing_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QString decimalRange
        = QStringLiteral("Sorry, no decimal values outside -2147483648 to 2147483647 please.");
    QTest::newRow("binary with 27 digits")
        << QStringLiteral("ebxBin") << QStringLiteral("1").repeated(27)
        << QStringLiteral("Sorry, no binary values with more than 26 digits please.");
    QTest::newRow("octal with 11 digits")
        << QStringLiteral("ebxOct") << QStringLiteral("77777777777")
        << QStringLiteral("Sorry, no octal values with more than 10 digits please.");
    QTest::newRow("decimal with 10 digits")
        << QStringLiteral("ebxDec") << QStringLiteral("1000000000")
        << QStringLiteral("Sorry, no decimal values with more than 9 digits please.");
    QTest::newRow("lower-case hexadecimal with 8 digits stays as typed")
        << QStringLiteral("ebxHex") << QStringLiteral("abcdefab")
        << QStringLiteral("Sorry, no hexadecimal values with more than 7 digits please.");
    QTest::newRow("roman with 21 characters")
        << QStringLiteral("ebxRom") << QStringLiteral("m").repeated(21)
        << QStringLiteral("Sorry, no roman numbers with more than 20 digits please.");
    QTest::newRow("decimal 9E9") << QStringLiteral("ebxDec") << QStringLiteral("9E9") << decimalRange;
    QTest::newRow("decimal 1E300") << QStringLiteral("ebxDec") << QStringLiteral("1E300") << decimalRange;
    QTest::newRow("decimal -3E9") << QStringLiteral("ebxDec") << QStringLiteral("-3E9") << decimalRange;
    QTest::newRow("decimal just above the range")
        << QStringLiteral("ebxDec") << QStringLiteral("2.15E9") << decimalRange;
}

void TestNumberDialog::refusedInputChangesNothing()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    QVERIFY(typeAndReturn(QStringLiteral("ebxDec"), QStringLiteral("255")).isEmpty());
    QVERIFY(typeAndReturn(QStringLiteral("ebxHexAddr"), QStringLiteral("00000C123456")).isEmpty());
    checkRefused(fieldName, typed, message, QStringLiteral("Input restriction"));
}

void TestNumberDialog::checkRefused(
    const QString& fieldName, const QString& typed, const QString& message, const QString& title)
{
    field(fieldName)->clear();
    QTest::keyClicks(field(fieldName), typed);
    const QStringList before = fieldTexts();

    const QList<SeenModal> seen
        = answeringModals([this, &fieldName] { QTest::keyClick(field(fieldName), Qt::Key_Return); });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, title);
    QCOMPARE(seen.first().text, message);
    QCOMPARE(seen.first().helpCaption, title);
    QVERIFY(seen.first().icon == QMessageBox::NoIcon);
    QCOMPARE(seen.first().buttonCount, 1);
    QCOMPARE(seen.first().fieldTexts, before);
    QCOMPARE(fieldTexts(), before);
    QCOMPARE(field(fieldName)->text(), typed);
}

void TestNumberDialog::invalidNumeral_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("upperCased");

    QTest::newRow("digit after a symbol") << QStringLiteral("X1") << QStringLiteral("X1");
    QTest::newRow("lower case is upper-cased before the check")
        << QStringLiteral("x1") << QStringLiteral("X1");
    QTest::newRow("count form typed back") << QStringLiteral("( 21 M's)") << QStringLiteral("( 21 M'S)");
    QTest::newRow("blank between symbols") << QStringLiteral("x i") << QStringLiteral("X I");
}

void TestNumberDialog::invalidNumeral()
{
    QFETCH(QString, typed);
    QFETCH(QString, upperCased);

    QVERIFY(typeAndReturn(QStringLiteral("ebxDec"), QStringLiteral("255")).isEmpty());
    const QList<SeenModal> seen = typeAndReturn(QStringLiteral("ebxRom"), typed);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, QStringLiteral("Input check"));
    QCOMPARE(seen.first().text, QStringLiteral("Sorry, this is not a valid roman number."));
    QCOMPARE(seen.first().helpCaption, QStringLiteral("Input check"));
    QVERIFY(seen.first().icon == QMessageBox::NoIcon);
    QCOMPARE(seen.first().buttonCount, 1);
    // While the message is up the numeral already shows upper-cased and nothing else has changed.
    QCOMPARE(seen.first().fieldTexts,
        (QStringList{QStringLiteral("11111111"), QStringLiteral("377"), QStringLiteral("255"),
            QStringLiteral("FF"), upperCased, QString(), QString()}));
    QCOMPARE(fieldTexts(),
        (QStringList{QStringLiteral("0000"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
            upperCased, QString(), QString()}));
}

void TestNumberDialog::networkAddress_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hexadecimal to kanonical")
        << QStringLiteral("ebxHexAddr") << QStringLiteral("00000C123456") << QStringLiteral("ebxKanAddr")
        << QStringLiteral("00000384C2A6");
    QTest::newRow("kanonical to hexadecimal")
        << QStringLiteral("ebxKanAddr") << QStringLiteral("00000384C2A6") << QStringLiteral("ebxHexAddr")
        << QStringLiteral("00000C123456");
    QTest::newRow("lower case stays in the typed field")
        << QStringLiteral("ebxHexAddr") << QStringLiteral("0123456789ab") << QStringLiteral("ebxKanAddr")
        << QStringLiteral("084C2A6E195D");
    QTest::newRow("thirteenth character is dropped")
        << QStringLiteral("ebxHexAddr") << QStringLiteral("00000C1234567") << QStringLiteral("ebxKanAddr")
        << QStringLiteral("00000384C2A6");
    QTest::newRow("all ones") << QStringLiteral("ebxKanAddr") << QStringLiteral("FFFFFFFFFFFF")
                              << QStringLiteral("ebxHexAddr") << QStringLiteral("FFFFFFFFFFFF");
}

void TestNumberDialog::networkAddress()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, otherName);
    QFETCH(QString, expected);

    QVERIFY(typeAndReturn(QStringLiteral("ebxDec"), QStringLiteral("255")).isEmpty());
    const QStringList numbersBefore = fieldTexts().mid(0, 5);
    QCOMPARE(typeAndReturn(fieldName, typed).size(), 0);
    QCOMPARE(field(otherName)->text(), expected);
    QCOMPARE(field(fieldName)->text(), typed);
    QCOMPARE(fieldTexts().mid(0, 5), numbersBefore);
    QVERIFY(m_dialog->isVisible());
}

void TestNumberDialog::invalidNetworkAddress_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QString hexadecimal = QStringLiteral("Please enter a 12 digit hexadecimal value.");
    const QString kanonical = QStringLiteral("Please enter a 12 digit kanonical value.");
    QTest::newRow("eleven characters")
        << QStringLiteral("ebxHexAddr") << QStringLiteral("00000C12345") << hexadecimal;
    QTest::newRow("hyphens") << QStringLiteral("ebxHexAddr") << QStringLiteral("00-00-0C-12-34-56")
                             << hexadecimal;
    QTest::newRow("empty kanonical field") << QStringLiteral("ebxKanAddr") << QString() << kanonical;
    QTest::newRow("letter after F in the kanonical field")
        << QStringLiteral("ebxKanAddr") << QStringLiteral("00000G84C2A6") << kanonical;
}

void TestNumberDialog::invalidNetworkAddress()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    QVERIFY(typeAndReturn(QStringLiteral("ebxDec"), QStringLiteral("1994")).isEmpty());
    QVERIFY(typeAndReturn(QStringLiteral("ebxHexAddr"), QStringLiteral("FFFFFFFFFFFF")).isEmpty());
    checkRefused(fieldName, typed, message, QStringLiteral("Input Validation"));
}

void TestNumberDialog::helpAfterAValidationMessage()
{
    QCOMPARE(typeAndReturn(QStringLiteral("ebxDec"), QStringLiteral("1000000000")).size(), 1);
    QCOMPARE(gui::helpStrings().caption, QStringLiteral("Input restriction"));
    const QStringList before = fieldTexts();

    auto* help = m_dialog->findChild<QPushButton*>(QStringLiteral("Command2"));
    const QList<SeenModal> seen = answeringModals([help] { QTest::mouseClick(help, Qt::LeftButton); });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().objectName, QStringLiteral("frmQuickTip"));
    QCOMPARE(seen.first().title, QStringLiteral(" Tallyo 97 - QuickHelp"));
    QCOMPARE(gui::helpStrings().topic, QStringLiteral("Number Conversion Dialog"));
    QCOMPARE(gui::helpStrings().text, test_support::help_texts::numbers);
    QVERIFY(seen.first().text.startsWith(QStringLiteral("Select a field and type in any according value.")));
    QVERIFY(seen.first().text.endsWith(QStringLiteral("Network Address: = 12 digits hexadecimal/kanonical")));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(fieldTexts(), before);
}

void TestNumberDialog::doneClosesTheDialog()
{
    m_dialog->hide();
    m_dialog->open();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    QSignalSpy finished(m_dialog.get(), &QDialog::finished);
    QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!m_dialog->isVisible());
}

QTEST_MAIN(TestNumberDialog)
#include "tst_number_dialog.moc"
