#!/usr/bin/env bash
# Installs what the benchmark programs need and builds the given targets of them in Release
# (build/bench); shared by scripts/bench.sh and scripts/screenshots.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/packages.txt) xvfb xauth
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DTALLYO_BUILD_TESTS=OFF -DTALLYO_BUILD_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)" --target "$@" >build/bench/build.log 2>&1 \
    || { cat build/bench/build.log; exit 1; }
