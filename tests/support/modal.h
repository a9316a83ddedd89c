#pragma once

#include "gui/help.h"
#include "support/dialog_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

namespace test_support {

// A modal window that opened over a dialog while a test acted on it, and how things stood then.
struct SeenModal
{
    QString objectName;
    QString title;
    QString text; // a message box's text, or the quick-help window's tip
    QString topic; // the quick-help window's topic
    QString helpCaption; // the application's help caption while the window was open
    QString focused; // the window's control that had the focus
    std::optional<QMessageBox::Icon> icon; // empty when the window is no message box
    int buttonCount = 0;
    QStringList fieldTexts; // the dialog's fields named in ModalRecording::fieldNames
};

// What a ModalRecorder reads besides the window itself, how it answers, and for how long it watches.
struct ModalRecording
{
    QStringList fieldNames = {}; // fields of the dialog to read while a window is open
    bool pressReturn = false; // answer with the Return key, as a keyboard user does, instead of OK
    int timeoutMs = 5000; // how long to keep watching, in real time
    // Acts on each window instead of answering it: drives a dialog the test opened, and closes it.
    std::function<void(QWidget*)> act = {};
};

// Watches, from construction until destruction or until its time is up, for modal windows opening over
// `dialog` (over anything when `dialog` is null). It notes what each one shows and answers it with its
// OK button (a message box's OK, the quick-help window's btnOK), with Return, or with the recording's own
// action. A window the answer leaves open is noted and answered again at the next look, so the test sees
// more windows than it expects; one still open when time is up is closed, so that the test fails instead
// of hanging. Windows open and are answered inside the event loop of the call that opened them, so when
// that call returns, every window it opened has been seen.
class ModalRecorder final
{
public:
    explicit ModalRecorder(QWidget* dialog, ModalRecording recording = {})
        : m_dialog(dialog)
        , m_recording(std::move(recording))
        , m_deadline(m_recording.timeoutMs)
    {
        // One poll at a time: answering a window may spin an event loop, and a repeating timer would
        // look again from inside it.
        m_poll.setSingleShot(true);
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { poll(); });
        m_poll.start();
        ++recordersWatching();
    }

    ~ModalRecorder() { --recordersWatching(); }

    Q_DISABLE_COPY_MOVE(ModalRecorder)

    const QList<SeenModal>& seen() const { return m_seen; }

    // How many recorders are waiting for windows just now; while one is, a window is expected.
    static int watching() { return recordersWatching(); }

private:
    static int& recordersWatching()
    {
        static int count = 0;
        return count;
    }

    bool isOverTheDialog(const QWidget* modal) const
    {
        return modal && modal != m_dialog && modal->isVisible();
    }

    void poll()
    {
        if (QWidget* modal = QApplication::activeModalWidget(); isOverTheDialog(modal))
            m_seen.append(answer(modal));
        if (!m_deadline.hasExpired()) {
            m_poll.start();
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget(); isOverTheDialog(modal)) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }

    SeenModal answer(QWidget* modal) const
    {
        SeenModal seen;
        seen.objectName = modal->objectName();
        seen.title = modal->windowTitle();
        seen.helpCaption = gui::helpStrings().caption;
        if (QWidget* focus = modal->focusWidget())
            seen.focused = focus->objectName();
        if (auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            seen.text = label->text();
        if (auto* topic = modal->findChild<QLabel*>(QStringLiteral("txtTopic")))
            seen.topic = topic->text();
        if (auto* tip = modal->findChild<QPlainTextEdit*>(QStringLiteral("txtTip")))
            seen.text = tip->toPlainText();
        seen.buttonCount = static_cast<int>(modal->findChildren<QPushButton*>().size());
        if (m_dialog && !m_recording.fieldNames.isEmpty())
            seen.fieldTexts = fieldTexts(m_dialog, m_recording.fieldNames);

        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box)
            seen.icon = box->icon();
        if (m_recording.act) {
            m_recording.act(modal);
        } else if (m_recording.pressReturn) {
            QTest::keyClick(modal, Qt::Key_Return);
        } else {
            QAbstractButton* ok = box ? box->button(QMessageBox::Ok) : nullptr;
            if (!ok)
                ok = modal->findChild<QPushButton*>(QStringLiteral("btnOK"));
            if (ok)
                ok->click();
        }
        return seen;
    }

    QPointer<QWidget> m_dialog;
    ModalRecording m_recording;
    QDeadlineTimer m_deadline;
    QTimer m_poll;
    QList<SeenModal> m_seen;
};

// Runs `action` (a click or key press that may open modal windows and wait for them) while a
// ModalRecorder answers every window over `dialog`, and tells what those windows showed.
inline QList<SeenModal> answerModals(
    QWidget* dialog, const std::function<void()>& action, ModalRecording recording = {})
{
    const ModalRecorder recorder(dialog, std::move(recording));
    action();
    return recorder.seen();
}

// Closes any modal window that opens while no ModalRecorder waits for one and keeps its title, so that an
// unexpected window fails the test (check unexpected() in cleanup) instead of blocking it.
class ModalWatchdog final
{
public:
    ModalWatchdog()
    {
        m_timer.setInterval(100);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && ModalRecorder::watching() == 0) {
                m_unexpected = modal->windowTitle();
                modal->close();
            }
        });
    }

    Q_DISABLE_COPY_MOVE(ModalWatchdog)

    void start()
    {
        m_unexpected.clear();
        m_timer.start();
    }

    void stop() { m_timer.stop(); }

    QString unexpected() const { return m_unexpected; }

private:
    QTimer m_timer;
    QString m_unexpected;
};

} // namespace test_support
