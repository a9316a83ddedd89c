#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

// What the benchmark's probes share: a monotonic clock, waiting until a window has been painted, the peak
// memory of the process, and the phases of a profiled start-up.
namespace bench {

// CLOCK_MONOTONIC in nanoseconds.
qint64 monotonicNs();

// The CPU time of the calling thread, in nanoseconds: what it took of a shared machine's cores, whatever
// else ran meanwhile.
qint64 threadCpuNs();

// Runs the event loop until `window` has been painted and the painting has been handed to the screen.
void waitForFirstPaint(QWidget* window);

// Opens the dialog `make` makes as the program opens its dialogs, modal over the whole program, waits
// until it has been painted and returns it with the time from before it was made to the end of that
// paint, and the CPU time this thread took meanwhile where `cpuNs` is given.
std::unique_ptr<QDialog> openAndPaint(
    const std::function<std::unique_ptr<QDialog>()>& make, qint64* elapsedNs, qint64* cpuNs = nullptr);

// Opens a dialog once and then `again` times more, each time made anew, painted and closed, and reports
// the first opening as open_first_ns and the median of the others as open_again_ns, and their CPU
// times as open_first_cpu_ns and open_again_cpu_ns.
void reportOpenings(const std::function<std::unique_ptr<QDialog>()>& make, int again);

// Notes the first paint event of `window` as the phase "paint begins" (see phase()).
void markFirstPaintEvent(QWidget* window);

// The peak resident set size so far (VmHWM) of this process, or of the process `pid` while it runs or
// before it is reaped, in KiB; 0 where it cannot be read.
qint64 peakResidentKiB(qint64 pid = 0);

// Writes one result line, "key value", to standard output for the runner.
void report(const char* key, qint64 value);

// Ends a phase of a profiled start-up, named for what was done in it. Under callgrind the costs of the
// phase are written as a dump of their own; otherwise its wall-clock time is printed (phase NAME NS).
void phase(const char* name);

} // namespace bench
