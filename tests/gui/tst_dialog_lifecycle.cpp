#include "gui/topic_dialog.h"
#include "support/topics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>

#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define TALLYO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TALLYO_ADDRESS_SANITIZER 1
#endif
#endif

#ifndef TALLYO_ADDRESS_SANITIZER
#include <malloc.h>
#endif

// Opening and closing every dialog a thousand times in one process, as the main window does it: created
// fresh, shown, closed with Done (or the window's close button), destroyed. Nothing may stay behind: no
// widget outlives its dialog; in an ordinary build the resident size does not grow once the first
// openings have filled Qt's caches, and under AddressSanitizer LeakSanitizer finds no lost memory.
namespace {

constexpr int warmUpOpenings = 100;

#ifdef TALLYO_ADDRESS_SANITIZER
// One lost block is enough for LeakSanitizer, which looks when the test ends, and every opening takes
// ten times as long there. Freed memory waits in AddressSanitizer's quarantine, so the resident size
// says nothing; and a leak check halfway would only report a block that fontconfig allocates once and
// frees at the end.
constexpr int openings = 200;
#else
constexpr int openings = 1000;
// Far below what the dialogs of 900 openings take (each holds dozens of widgets), far above the noise
// of the allocator.
constexpr qint64 allowedGrowth = 2 * 1024 * 1024;

qint64 residentBytes()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : -1;
}
#endif

QAbstractButton* doneButton(QDialog* dialog)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->objectName() == QLatin1String("Command1")
            || button->objectName() == QLatin1String("btnDone"))
            return button;
    }
    return nullptr;
}

// One opening; false when the dialog did not open or did not close.
bool openAndClose(const gui::Topic& topic, int round)
{
    std::unique_ptr<QDialog> dialog = gui::createDialog(topic, nullptr);
    if (!dialog)
        return false;
    dialog->show();
    QCoreApplication::processEvents();
    if (!dialog->isVisible())
        return false;
    // Mostly Done, now and then the window's own close button.
    QAbstractButton* done = doneButton(dialog.get());
    if (done && round % 10 != 0)
        done->click();
    else
        dialog->close();
    const bool closed = !dialog->isVisible();
    dialog.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed;
}

} // namespace

class TestDialogLifecycle final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingAThousandTimesLeavesNothingBehind_data();
    void openingAThousandTimesLeavesNothingBehind();
};

void TestDialogLifecycle::openingAThousandTimesLeavesNothingBehind_data()
{
    test_support::addTopicRows();
}

void TestDialogLifecycle::openingAThousandTimesLeavesNothingBehind()
{
    QFETCH(const gui::Topic*, topic);
    int round = 0;
    for (; round < warmUpOpenings; ++round)
        QVERIFY2(openAndClose(*topic, round), qPrintable(QStringLiteral("opening %1").arg(round)));
    const qsizetype widgets = QApplication::allWidgets().size();
#ifndef TALLYO_ADDRESS_SANITIZER
    const qint64 resident = residentBytes();
    QVERIFY(resident > 0);
#endif
    for (; round < openings; ++round)
        QVERIFY2(openAndClose(*topic, round), qPrintable(QStringLiteral("opening %1").arg(round)));
    QCOMPARE(QApplication::allWidgets().size(), widgets);
#ifndef TALLYO_ADDRESS_SANITIZER
    const qint64 growth = residentBytes() - resident;
    qInfo("resident size after %d more openings: %+lld bytes", openings - warmUpOpenings, growth);
    QVERIFY2(
        growth < allowedGrowth, qPrintable(QStringLiteral("resident size grew by %1 bytes").arg(growth)));
#endif
}

QTEST_MAIN(TestDialogLifecycle)
#include "tst_dialog_lifecycle.moc"
