#pragma once

#include <QtGlobal>

class QWidget;

// What the benchmark's probes share: a clock that every process of the machine reads alike, waiting
// until a window has been painted, and the peak memory of the process.
namespace bench {

// CLOCK_MONOTONIC in nanoseconds; the runner and the probes it starts compare their readings.
qint64 monotonicNs();

// Runs the event loop until `window` has been painted and the painting has been handed to the screen.
void waitForFirstPaint(QWidget* window);

// CPU time (user and system) this process has used so far, in nanoseconds.
qint64 cpuTimeNs();

// The peak resident set size of this process so far (VmHWM), in KiB; 0 where it cannot be read.
qint64 peakResidentKiB();

// Writes one result line, "key value", to standard output for the runner.
void report(const char* key, qint64 value);

} // namespace bench
