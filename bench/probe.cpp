#include "bench/probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace bench {

namespace {

// Notes the first paint event of a window. A window's paint event comes first in a paint pass, and the
// pass finishes and is flushed within the same event, so once the loop returns to us the screen has it.
class PaintWatcher final : public QObject
{
public:
    explicit PaintWatcher(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return QObject::eventFilter(watched, event);
    }

private:
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
    QPointer<PaintWatcher> watcher = new PaintWatcher(window);
    while (watcher && !watcher->painted())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (watcher) {
        window->removeEventFilter(watcher);
        delete watcher;
    }
}

qint64 cpuTimeNs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<qint64>(used.tv_sec) * 1000000000 + used.tv_nsec;
}

qint64 peakResidentKiB()
{
    // The kernel's files report no size, so they are read whole rather than line by line up to the end.
    QFile status(QStringLiteral("/proc/self/status"));
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

} // namespace bench
