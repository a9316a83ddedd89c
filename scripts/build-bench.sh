#!/usr/bin/env bash
# Installs what the benchmark programs need and builds the given targets of them in Release
# (build/bench); shared by scripts/bench.sh and scripts/screenshots.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
# xcb and its DAMAGE extension let the runner see from outside when a window is mapped and painted;
# valgrind profiles the start-up (scripts/bench.sh --profile).
scripts/deps.sh $(cat scripts/packages.txt) xvfb xauth pkg-config libxcb1-dev libxcb-damage0-dev valgrind
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DTALLYO_BUILD_TESTS=OFF -DTALLYO_BUILD_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)" --target "$@" >build/bench/build.log 2>&1 \
    || { cat build/bench/build.log; exit 1; }
