#include "bench/probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <ctime>

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
