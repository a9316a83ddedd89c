#include "convert/outcome.h"
#include "gui/topic_dialog.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <utility>

// Every field of every dialog, found generically, gets texts no one should type, typed key by key as a
// user would or pasted where a keyboard cannot produce them. After each Return the dialog is still open,
// no field shows "inf" or "nan", and either the whole conversion happened or no field changed.
namespace {

// A text that no conversion writes, so that every field a conversion writes shows as changed.
const QString untouched = QStringLiteral("#");

struct HostileInput
{
    const char* intent;
    QString text;
};

QList<HostileInput> hostileInputs()
{
    return {
        {"empty", QString()},
        {"blanks", QStringLiteral("   ")},
        {"minus sign alone", QStringLiteral("-")},
        {"point alone", QStringLiteral(".")},
        {"exponent without digits", QStringLiteral("1e")},
        {"beyond the largest double", QStringLiteral("1E309")},
        {"beyond the most negative double", QStringLiteral("-1E309")},
        {"smallest subnormal", QStringLiteral("4.9E-324")},
        {"tiny, but not zero", QStringLiteral("1E-310")},
        {"largest double", QStringLiteral("1.7976931348623157E308")},
        {"beyond single precision", QStringLiteral("1E39")},
        {"ampersand-H without digits", QStringLiteral("&H")},
        {"64-bit hexadecimal", QStringLiteral("&HFFFFFFFFFFFFFFFF")},
        {"long octal", QStringLiteral("&O77777777777777777777")},
        {"NaN", QStringLiteral("NaN")},
        {"Infinity", QStringLiteral("Infinity")},
        {"negative inf", QStringLiteral("-inf")},
        {"zero", QStringLiteral("0")},
        {"negative", QStringLiteral("-5")},
        {"grouped", QStringLiteral("1,234.5")},
        {"beyond 32 bits", QStringLiteral("2147483648")},
        {"twenty-one roman symbols", QString(21, u'M')},
        {"100,000 digits", QString(100000, u'9')},
        {"5,000 zeros after the point", QStringLiteral("0.") + QString(5000, u'0') + u'1'},
        {"Arabic-Indic digits", QStringLiteral("\u0661\u0662\u0663")},
        {"Devanagari digits", QStringLiteral("\u0967\u0968")},
        {"full-width digits", QStringLiteral("\uff11\uff12")},
        {"right-to-left marks", QStringLiteral("\u200f12\u200f")},
        {"right-to-left override", QStringLiteral("\u202e34.5")},
        {"emoji", QStringLiteral("\U0001F600")},
        {"emoji between digits", QStringLiteral("1\U0001F4A92")},
        {"lone surrogate", QChar(0xd800) + QStringLiteral("7")},
        {"control characters", QStringLiteral("\x01\x02\x1b")},
        {"carriage return inside", QStringLiteral("1\r2")},
        {"NUL before digits", QChar(0) + QStringLiteral("5")},
    };
}

QString shown(const QString& text)
{
    return text.size() > 40 ? text.left(40) + QStringLiteral("...(%1)").arg(text.size()) : text;
}

bool showsInfinityOrNan(const QString& text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

bool isDisplayText(const QString& text)
{
    static const QRegularExpression display(
        QStringLiteral("^-?(0|[1-9][0-9]{0,2}(,[0-9]{3})*)\\.[0-9]{2,4}$"));
    return display.match(text).hasMatch();
}

// The fields a user can type into.
QList<QLineEdit*> textFields(QWidget* dialog)
{
    QList<QLineEdit*> fields;
    for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
        if (field->isVisible() && field->isEnabled() && !field->isReadOnly())
            fields.append(field);
    }
    return fields;
}

QStringList textsOf(const QList<QLineEdit*>& fields)
{
    QStringList texts;
    for (const QLineEdit* field : fields)
        texts.append(field->text());
    return texts;
}

// Types a text key by key. Printable ASCII goes through its own key, everything else as the text of a
// key the keyboard does not name, as an input method would deliver it; the field drops what it does not
// take from a keyboard (control characters, marks, surrogates).
void typeText(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            QTest::keyClick(field, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Runs `action` and answers the message boxes it brings up; tells what they said ("title: text"). A
// window that is not a message box is answered too and reported as unexpected.
QStringList messagesOf(QWidget* dialog, const std::function<void()>& action)
{
    QStringList said;
    for (const test_support::SeenModal& seen : test_support::answerModals(dialog, action)) {
        if (!seen.icon) {
            said.append(QStringLiteral("unexpected window ") + seen.objectName);
            continue;
        }
        said.append(seen.title + QStringLiteral(": ") + seen.text);
        if (seen.buttonCount != 1)
            said.append(QStringLiteral("a message with more than one button"));
    }
    return said;
}

// What one trial did: the texts before and after Return in one field, and the messages shown.
struct Trial
{
    QString dialog;
    QString field;
    QString how;
    QString input;
    QStringList before;
    QStringList after;
    QStringList messages;
    bool stillOpen = true;
};

class HostileInputRun final
{
public:
    explicit HostileInputRun(const gui::Topic& topic)
        : m_dialog(gui::createDialog(topic, nullptr))
    { }

    QDialog* dialog() const { return m_dialog.get(); }

    // The fields that Return in `source` writes: the ones that no longer show the marker after a plain
    // conversion. Return in a field that does not convert writes none.
    QList<bool> writtenBy(const QList<QLineEdit*>& fields, qsizetype source)
    {
        // One, as a number, a roman numeral and a network address.
        for (const QString& probe :
            {QStringLiteral("1"), QStringLiteral("I"), QStringLiteral("000000000001")}) {
            const Trial trial = enter(fields, source, probe, QStringLiteral("probe"));
            if (!trial.messages.isEmpty())
                continue;
            QList<bool> written;
            for (qsizetype i = 0; i < fields.size(); ++i)
                written.append(i != source && trial.after[i] != untouched);
            return written;
        }
        return QList<bool>(fields.size(), false);
    }

    // Puts the marker into every field, enters the input into one field and presses Return there.
    Trial enter(const QList<QLineEdit*>& fields, qsizetype source, const QString& input, const QString& how)
    {
        for (QLineEdit* field : fields)
            field->setText(untouched);
        QLineEdit* field = fields[source];
        field->clear();
        field->setFocus();
        if (how == QLatin1String("pasted"))
            field->insert(input);
        else
            typeText(field, input);
        Trial trial{m_dialog->objectName(), field->objectName(), how, input, textsOf(fields), {}, {}, true};
        trial.messages = messagesOf(m_dialog.get(), [field] { QTest::keyClick(field, Qt::Key_Return); });
        trial.after = textsOf(fields);
        trial.stillOpen = m_dialog->isVisible();
        return trial;
    }

private:
    std::unique_ptr<QDialog> m_dialog;
};

// Everything wrong with one trial, empty when it went as it should.
QStringList faultsOf(
    const Trial& trial, const QList<QLineEdit*>& fields, qsizetype source, const QList<bool>& written)
{
    QStringList faults;
    const QString where
        = QStringLiteral("%1.%2, %3 \"%4\": ").arg(trial.dialog, trial.field, trial.how, shown(trial.input));
    if (!trial.stillOpen)
        faults.append(where + QStringLiteral("Return closed the dialog"));
    if (trial.messages.size() > 1)
        faults.append(where + QStringLiteral("more than one message: ") + trial.messages.join(u'|'));
    for (const QString& message : trial.messages) {
        if (message.startsWith(QLatin1String("unexpected"))
            || message.startsWith(QLatin1String("a message with")) || showsInfinityOrNan(message))
            faults.append(where + message);
    }
    const QString typed = trial.before[source];
    qsizetype changed = 0;
    qsizetype writes = 0;
    for (qsizetype i = 0; i < trial.after.size(); ++i) {
        const QString& text = trial.after[i];
        if (i == source) {
            if (text != typed && text != typed.toUpper() && !isDisplayText(text))
                faults.append(where + QStringLiteral("the field itself shows \"%1\"").arg(shown(text)));
            continue;
        }
        if (showsInfinityOrNan(text))
            faults.append(
                where + QStringLiteral("%1 shows \"%2\"").arg(fields[i]->objectName(), shown(text)));
        const bool isChanged = text != untouched;
        changed += isChanged ? 1 : 0;
        writes += written[i] ? 1 : 0;
        if (isChanged && !written[i])
            faults.append(
                where + fields[i]->objectName() + QStringLiteral(" changed outside the conversion"));
    }
    if (changed != 0 && changed != writes)
        faults.append(
            where + QStringLiteral("a partial result: %1 of %2 fields written").arg(changed).arg(writes));
    // A refused input changes nothing; only an invalid roman numeral still converts, as 0.
    const bool refused
        = !trial.messages.isEmpty() && !trial.messages.constFirst().startsWith(QLatin1String("Input check"));
    if (refused && changed != 0)
        faults.append(
            where + QStringLiteral("fields changed despite the message ") + trial.messages.constFirst());
    return faults;
}

QString failureReport(const QStringList& faults)
{
    return QStringLiteral("%1 faults, the first ones:\n").arg(faults.size()) + faults.mid(0, 25).join(u'\n');
}

} // namespace

class TestHostileInput final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFieldWithstandsHostileInput_data();
    void everyFieldWithstandsHostileInput();
    void boxCalculatorWithstandsHostileEdges();
    void everyListWithstandsTheKeyboard_data();
    void everyListWithstandsTheKeyboard();
};

void TestHostileInput::everyFieldWithstandsHostileInput_data()
{
    test_support::addTopicRows();
}

void TestHostileInput::everyFieldWithstandsHostileInput()
{
    QFETCH(const gui::Topic*, topic);
    HostileInputRun run(*topic);
    QDialog* dialog = run.dialog();
    QVERIFY(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QList<QLineEdit*> fields = textFields(dialog);
    if (fields.isEmpty())
        QSKIP("This dialog has no text fields.");

    QStringList faults;
    int trials = 0;
    for (qsizetype source = 0; source < fields.size(); ++source) {
        const QList<bool> written = run.writtenBy(fields, source);
        for (const HostileInput& input : hostileInputs()) {
            // Very long texts are pasted; a keyboard delivers the rest key by key, and whatever it cannot
            // deliver is pasted as well.
            bool pasteToo = input.text.size() > 200;
            if (!pasteToo) {
                const Trial typed = run.enter(fields, source, input.text, QStringLiteral("typed"));
                faults += faultsOf(typed, fields, source, written);
                pasteToo = typed.before[source] != input.text;
                ++trials;
            }
            if (pasteToo) {
                const Trial pasted = run.enter(fields, source, input.text, QStringLiteral("pasted"));
                faults += faultsOf(pasted, fields, source, written);
                ++trials;
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(failureReport(faults)));
    QVERIFY(trials >= fields.size() * hostileInputs().size());
}

void TestHostileInput::boxCalculatorWithstandsHostileEdges()
{
    HostileInputRun run(test_support::topic("Volume"));
    QDialog* dialog = run.dialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto* compute = dialog->findChild<QPushButton*>(QStringLiteral("btnCompute"));
    QVERIFY(compute);
    const QList<QLineEdit*> edges = {dialog->findChild<QLineEdit*>(QStringLiteral("ebxLength")),
        dialog->findChild<QLineEdit*>(QStringLiteral("ebxHeight")),
        dialog->findChild<QLineEdit*>(QStringLiteral("ebxWidth"))};
    QVERIFY(!edges.contains(nullptr));
    QList<QLineEdit*> units;
    for (QLineEdit* field : textFields(dialog)) {
        if (!edges.contains(field))
            units.append(field);
    }

    auto computeWith = [&](const QString& edge, const QString& unit) {
        for (QLineEdit* field : units)
            field->setText(untouched);
        for (QLineEdit* field : edges)
            field->setText(edge);
        dialog->findChild<QAbstractButton*>(unit)->click();
        const QStringList messages
            = messagesOf(dialog, [compute] { QTest::mouseClick(compute, Qt::LeftButton); });
        return std::pair{textsOf(units), messages};
    };

    const convert::Message missing = convert::messageFor(convert::Problem::BoxEdgeMissing);
    const QString emptyEdge = missing.title + QStringLiteral(": ") + missing.text;
    QStringList faults;
    for (const QString& unit : {QStringLiteral("optMeter"), QStringLiteral("optFeet")}) {
        for (const HostileInput& input : hostileInputs()) {
            const auto [after, messages] = computeWith(input.text, unit);
            const QString where = QStringLiteral("box of \"%1\" in %2: ").arg(shown(input.text), unit);
            const auto changed = std::count_if(
                after.cbegin(), after.cend(), [](const QString& text) { return text != untouched; });
            if (changed != 0 && changed != units.size())
                faults.append(where + QStringLiteral("a partial result, %1 fields").arg(changed));
            if (!messages.isEmpty() && changed != 0)
                faults.append(where + QStringLiteral("fields changed despite ") + messages.join(u'|'));
            if (input.text.isEmpty() != (messages == QStringList{emptyEdge}))
                faults.append(where + QStringLiteral("messages: ") + messages.join(u'|'));
            for (const QString& text : after) {
                if (showsInfinityOrNan(text) || (text != untouched && !isDisplayText(text)))
                    faults.append(where + QStringLiteral("a unit field shows \"%1\"").arg(shown(text)));
            }
            if (!dialog->isVisible())
                faults.append(where + QStringLiteral("the dialog closed"));
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(failureReport(faults)));
}

void TestHostileInput::everyListWithstandsTheKeyboard_data()
{
    test_support::addTopicRows();
}

// Lists and drop-down lists take every key a user may press in them. No label or entry ever shows inf
// or nan, the dialog stays open, and lists that share a frame are linked and show the same position.
void TestHostileInput::everyListWithstandsTheKeyboard()
{
    QFETCH(const gui::Topic*, topic);
    std::unique_ptr<QDialog> dialog = gui::createDialog(*topic, nullptr);
    QVERIFY(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QList<QWidget*> lists;
    for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>()) {
        if (view->isVisible())
            lists.append(view);
    }
    const QList<QComboBox*> combos = dialog->findChildren<QComboBox*>();
    for (QComboBox* combo : combos)
        lists.append(combo);
    if (lists.isEmpty())
        QSKIP("This dialog has no lists.");

    const QList<Qt::Key> keys = {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Down,
        Qt::Key_Home, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Left};
    const QStringList typed = {QStringLiteral("d"), QStringLiteral("1"), QStringLiteral("NaN"),
        QStringLiteral("zzz"), QStringLiteral("4\u00bd"), QStringLiteral("\u0661")};

    QStringList faults;
    auto check = [&](QWidget* list, const QString& what) {
        const QString where
            = QStringLiteral("%1.%2 after %3: ").arg(dialog->objectName(), list->objectName(), what);
        if (!dialog->isVisible())
            faults.append(where + QStringLiteral("the dialog closed"));
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (showsInfinityOrNan(label->text()))
                faults.append(where + QStringLiteral("a label shows ") + label->text());
        }
        for (const QComboBox* combo : combos) {
            if (showsInfinityOrNan(combo->currentText()))
                faults.append(where + QStringLiteral("a list shows ") + combo->currentText());
            for (const QComboBox* sibling : combos) {
                if (sibling->parentWidget() == combo->parentWidget()
                    && sibling->currentIndex() != combo->currentIndex())
                    faults.append(where
                        + QStringLiteral("%1 and %2 differ").arg(combo->objectName(), sibling->objectName()));
            }
        }
    };

    for (QWidget* list : lists) {
        list->setFocus();
        for (const Qt::Key key : keys) {
            QTest::keyClick(list, key);
            check(list, QKeySequence(key).toString());
        }
        for (const QString& text : typed) {
            typeText(list, text);
            check(list, QStringLiteral("typing ") + text);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(failureReport(faults)));
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
