#!/usr/bin/env bash
# The normal build, warnings as errors, and the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/../.."
jobs="$(nproc)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYO_WERROR=ON >/dev/null
cmake --build build/test -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j"$jobs"
