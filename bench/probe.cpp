#include "bench/probe.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define TALLYO_CALLGRIND 1
#endif

namespace bench {

namespace {

// Notes the first paint event of a window. A window's paint event comes first in a paint pass, and the
// pass finishes and is flushed within the same event, so once the loop returns to us the screen has it.
class PaintWatcher final : public QObject
{
public:
    PaintWatcher(QWidget* window, bool markPhase)
        : QObject(window)
        , m_markPhase(markPhase)
    {
        window->installEventFilter(this);
    }

    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            if (m_markPhase)
                phase("until the first paint event");
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_markPhase;
    bool m_painted = false;
};

} // namespace

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void waitForFirstPaint(QWidget* window)
{
    QPointer<PaintWatcher> watcher = new PaintWatcher(window, false);
    while (watcher && !watcher->painted())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (watcher) {
        window->removeEventFilter(watcher);
        delete watcher;
    }
}

std::unique_ptr<QDialog> openAndPaint(
    const std::function<std::unique_ptr<QDialog>()>& make, qint64* elapsedNs, qint64* cpuNs)
{
    const qint64 cpuStarted = threadCpuNs();
    const qint64 started = monotonicNs();
    std::unique_ptr<QDialog> dialog = make();
    // As exec() shows it, without the nested event loop that would wait for the dialog to close.
    dialog->setModal(true);
    dialog->show();
    waitForFirstPaint(dialog.get());
    *elapsedNs = monotonicNs() - started;
    if (cpuNs)
        *cpuNs = threadCpuNs() - cpuStarted;
    return dialog;
}

void reportOpenings(const std::function<std::unique_ptr<QDialog>()>& make, int again)
{
    std::vector<qint64> times;
    std::vector<qint64> cpuTimes;
    for (int i = 0; i <= again; ++i) {
        qint64 elapsed = 0;
        qint64 cpu = 0;
        openAndPaint(make, &elapsed, &cpu).reset();
        // Lets the closed dialog's window go before the next is made.
        QCoreApplication::processEvents();
        times.push_back(elapsed);
        cpuTimes.push_back(cpu);
    }
    const auto laterMedian = [](const std::vector<qint64>& all) {
        std::vector<qint64> later(all.begin() + 1, all.end());
        std::sort(later.begin(), later.end());
        return later[later.size() / 2];
    };
    report("open_first_ns", times.front());
    report("open_first_cpu_ns", cpuTimes.front());
    if (times.size() > 1) {
        report("open_again_ns", laterMedian(times));
        report("open_again_cpu_ns", laterMedian(cpuTimes));
    }
}

void markFirstPaintEvent(QWidget* window)
{
    new PaintWatcher(window, true);
}

qint64 peakResidentKiB(qint64 pid)
{
    // The kernel's files report no size, so they are read whole rather than line by line up to the end.
    QFile status(pid == 0 ? QStringLiteral("/proc/self/status") : QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void report(const char* key, qint64 value)
{
    std::printf("%s %lld\n", key, static_cast<long long>(value));
    std::fflush(stdout);
}

void phase(const char* name)
{
#ifdef TALLYO_CALLGRIND
    if (RUNNING_ON_VALGRIND) {
        CALLGRIND_DUMP_STATS_AT(name);
        return;
    }
#endif
    static qint64 last = 0;
    const qint64 now = monotonicNs();
    if (last != 0)
        std::printf("phase %s %lld\n", name, static_cast<long long>(now - last));
    else
        std::printf("phase %s\n", name);
    std::fflush(stdout);
    last = now;
}

} // namespace bench
