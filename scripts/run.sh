#!/usr/bin/env bash
# Installs what is missing, builds Tallyo 97 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/packages.txt)
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTALLYO_BUILD_TESTS=OFF -DTALLYO_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target tallyo97
exec build/release/tallyo97
