#!/usr/bin/env bash
# Builds the benchmark in Release and runs it once under Xvfb: start-up beside a bare Qt window (the
# floor), the opening and painting of every dialog, the busiest conversion of each, and peak memory.
# Prints the machine and the figures as Markdown. Optional argument: the number of runs (15).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-bench.sh tallyo97_bench
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
memory=$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo "Machine: $(nproc) cores ($cpu), $memory memory, $(uname -sr), Qt $qt, Xvfb with the xcb platform."
echo
# A real X server rather than the offscreen platform, so painting goes the way it goes on a desktop.
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench/tallyo97_bench "${1:-15}" 2> >(grep -v XDG_RUNTIME_DIR >&2)
