#!/usr/bin/env bash
# The whole test suite once more, built with AddressSanitizer, LeakSanitizer and UBSan; any report
# stops the test that made it and fails the stage.
set -euo pipefail
cd "$(dirname "$0")/../.."
jobs="$(nproc)"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYO_SANITIZE=ON -DTALLYO_WERROR=ON \
    -DTALLYO_BUILD_BENCH=OFF >/dev/null
cmake --build build/sanitize -j"$jobs"
# Options given from outside win; leaks are looked for in any case.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
