#!/usr/bin/env bash
# Installs what is missing, builds Tallyo 97 with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/packages.txt)
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

echo "== build and test"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYO_WERROR=ON >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"
