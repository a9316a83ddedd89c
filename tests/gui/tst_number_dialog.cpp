#include "convert/outcome.h"
#include "gui/help.h"
#include "gui/topic_dialog.h"
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
#include <QTest>

#include <functional>

using convert::Problem;
using test_support::SeenModal;

Q_DECLARE_METATYPE(convert::Problem)

namespace {

// Field names in the order binary, octal, decimal, hexadecimal, roman, then the two address fields.
const QStringList fieldNames
    = test_support::strings({"ebxBin", "ebxOct", "ebxDec", "ebxHex", "ebxRom", "ebxHexAddr", "ebxKanAddr"});

// Texts written "binary|octal|decimal|hexadecimal|roman|hexadecimal address|kanonical address".
QStringList texts(const char* joined)
{
    return QString::fromUtf8(joined).split(u'|');
}

} // namespace

// What the number systems dialog adds to the conversions of numbers/: which field Return reads and which
// fields it writes, the messages it shows, and that the two groups keep to themselves.
class TestNumberDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void captionsAndLabels();
    void returnConverts_data();
    void returnConverts();
    void keypadEnterConverts();
    void networkAddress_data();
    void networkAddress();
    void refusedInputChangesNothing_data();
    void refusedInputChangesNothing();
    void invalidNumeralShowsUpperCasedWhileTold();
    void helpAfterAMessage();

private:
    QLineEdit* field(const QString& name) const;
    QStringList fieldTexts() const;
    void setFieldTexts(const QStringList& texts);
    // Runs the action while a watcher answers every modal window that opens over the dialog, so that an
    // unexpected message turns into a failed comparison instead of a hang.
    QList<SeenModal> answeringModals(const std::function<void()>& action);
    QList<SeenModal> typeAndReturn(const QString& name, const QString& text);

    std::unique_ptr<gui::TopicDialog> m_dialog;
};

void TestNumberDialog::init()
{
    m_dialog = gui::createDialog(test_support::topic("Number"), nullptr);
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

void TestNumberDialog::captionsAndLabels()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Number Conversions"));

    struct Expected
    {
        const char* label;
        const char* text;
        const char* buddy; // nullptr: a base label, in the default colour
    };
    const Expected labels[] = {
        {"lblBinary", "Binary", "ebxBin"},
        {"lblOctal", "Octal", "ebxOct"},
        {"lblDecimal", "Decimal", "ebxDec"},
        {"lblHexadecimal", "Hexadecimal", "ebxHex"},
        {"lblRoman", "Roman", "ebxRom"},
        {"lblHexAddr", "Hexadecimal", "ebxHexAddr"},
        {"lblKanAddr", "Kanonical", "ebxKanAddr"},
        {"lblBase2", "Base 2", nullptr},
        {"lblBase8", "Base 8", nullptr},
        {"lblBase10", "Base 10", nullptr},
        {"lblBase16", "Base 16", nullptr},
    };
    const QColor darkBlue(0, 0, 128);
    for (const Expected& expected : labels) {
        auto* label = m_dialog->findChild<QLabel*>(QString::fromLatin1(expected.label));
        QVERIFY2(label, expected.label);
        QCOMPARE(label->text(), QString::fromLatin1(expected.text));
        QCOMPARE(label->palette().color(QPalette::WindowText) == darkBlue, expected.buddy != nullptr);
        if (expected.buddy)
            QCOMPARE(label->buddy(), field(QString::fromLatin1(expected.buddy)));
    }

    auto* numberFrame = m_dialog->findChild<QGroupBox*>(QStringLiteral("fraNumbers"));
    QVERIFY(numberFrame);
    QVERIFY(numberFrame->title().isEmpty());
    auto* addressFrame = m_dialog->findChild<QGroupBox*>(QStringLiteral("fraNetworkAddress"));
    QVERIFY(addressFrame);
    QCOMPARE(addressFrame->title(), QStringLiteral("Network Address"));
}

void TestNumberDialog::returnConverts_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("decimal fills the other number fields")
        << QStringLiteral("ebxDec") << QStringLiteral("255") << texts("11111111|377|255|FF|CCLV");
    QTest::newRow("binary keeps what was typed")
        << QStringLiteral("ebxBin") << QStringLiteral("1111101000") << texts("1111101000|1750|1000|3E8|M");
    QTest::newRow("octal fills the other number fields")
        << QStringLiteral("ebxOct") << QStringLiteral("377") << texts("11111111|377|255|FF|CCLV");
    QTest::newRow("hexadecimal shows upper-cased")
        << QStringLiteral("ebxHex") << QStringLiteral("1f") << texts("00011111|37|31|1F|XXXI");
    QTest::newRow("roman shows upper-cased") << QStringLiteral("ebxRom") << QStringLiteral("mcmxciv")
                                             << texts("011111001010|3712|1994|7CA|MCMXCIV");
}

void TestNumberDialog::returnConverts()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    // Whatever the number fields held before is overwritten; the address fields are never touched.
    setFieldTexts(texts("1|1|1|1|I|0123456789ab|kept"));
    QCOMPARE(typeAndReturn(fieldName, typed).size(), 0);
    QCOMPARE(fieldTexts(), expected + texts("0123456789ab|kept"));
}

void TestNumberDialog::keypadEnterConverts()
{
    QLineEdit* decimal = field(QStringLiteral("ebxDec"));
    QTest::keyClicks(decimal, QStringLiteral("255"));
    const QList<SeenModal> seen
        = answeringModals([decimal] { QTest::keyClick(decimal, Qt::Key_Enter, Qt::KeypadModifier); });
    QCOMPARE(seen.size(), 0);
    QCOMPARE(field(QStringLiteral("ebxHex"))->text(), QStringLiteral("FF"));
}

void TestNumberDialog::networkAddress_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hexadecimal to kanonical, lower case stays in the typed field")
        << QStringLiteral("ebxHexAddr") << QStringLiteral("0123456789ab") << QStringLiteral("ebxKanAddr")
        << QStringLiteral("084C2A6E195D");
    QTest::newRow("kanonical to hexadecimal")
        << QStringLiteral("ebxKanAddr") << QStringLiteral("00000384C2A6") << QStringLiteral("ebxHexAddr")
        << QStringLiteral("00000C123456");
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
}

void TestNumberDialog::refusedInputChangesNothing_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Problem>("problem");

    QTest::newRow("too long a text, not upper-cased either")
        << QStringLiteral("ebxHex") << QStringLiteral("abcdefab") << Problem::HexadecimalTooLong;
    QTest::newRow("decimal outside the 32-bit range")
        << QStringLiteral("ebxDec") << QStringLiteral("9E9") << Problem::DecimalOutOfRange;
    QTest::newRow("network address that is not one")
        << QStringLiteral("ebxKanAddr") << QStringLiteral("00-00-0C-12-34-56")
        << Problem::KanonicalAddressInvalid;
}

void TestNumberDialog::refusedInputChangesNothing()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(Problem, problem);

    QVERIFY(typeAndReturn(QStringLiteral("ebxDec"), QStringLiteral("1994")).isEmpty());
    QVERIFY(typeAndReturn(QStringLiteral("ebxHexAddr"), QStringLiteral("00000C123456")).isEmpty());
    QLineEdit* target = field(fieldName);
    target->clear();
    QTest::keyClicks(target, typed);
    const QStringList before = fieldTexts();

    const QList<SeenModal> seen = answeringModals([target] { QTest::keyClick(target, Qt::Key_Return); });
    const convert::Message message = convert::messageFor(problem);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().text, message.text);
    QCOMPARE(seen.first().title, message.title);
    QCOMPARE(seen.first().helpCaption, message.title);
    QVERIFY(seen.first().icon == QMessageBox::NoIcon);
    QCOMPARE(seen.first().buttonCount, 1);
    QCOMPARE(seen.first().fieldTexts, before);
    QCOMPARE(fieldTexts(), before);
    QVERIFY(m_dialog->isVisible());
}

// The numeral is questioned, not refused: while the message is read it already shows upper-cased and the
// other fields are as they were; then they show the conversion of 0.
void TestNumberDialog::invalidNumeralShowsUpperCasedWhileTold()
{
    QVERIFY(typeAndReturn(QStringLiteral("ebxDec"), QStringLiteral("255")).isEmpty());
    const QList<SeenModal> seen = typeAndReturn(QStringLiteral("ebxRom"), QStringLiteral("( 21 M's)"));
    const convert::Message message = convert::messageFor(Problem::InvalidRomanNumeral);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().text, message.text);
    QCOMPARE(seen.first().helpCaption, message.title);
    QCOMPARE(seen.first().fieldTexts, texts("11111111|377|255|FF|( 21 M'S)||"));
    QCOMPARE(fieldTexts(), texts("0000|0|0|0|( 21 M'S)||"));
}

// A message leaves its title in the help caption; Help shows the quick help under its own caption again.
void TestNumberDialog::helpAfterAMessage()
{
    QCOMPARE(typeAndReturn(QStringLiteral("ebxDec"), QStringLiteral("1000000000")).size(), 1);
    QVERIFY(gui::helpStrings().caption != test_support::help_texts::caption);

    auto* help = m_dialog->findChild<QPushButton*>(QStringLiteral("Command2"));
    const QList<SeenModal> seen = answeringModals([help] { QTest::mouseClick(help, Qt::LeftButton); });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().objectName, QStringLiteral("frmQuickTip"));
    QCOMPARE(seen.first().title, test_support::help_texts::caption);
}

QTEST_MAIN(TestNumberDialog)
#include "tst_number_dialog.moc"
