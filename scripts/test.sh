#!/usr/bin/env bash
# Installs what is missing, then runs every check stage in order: the build with warnings as errors and
# the whole test suite headless, then the further stages (sanitizers, fuzzing, packaging).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/packages.txt)
export QT_QPA_PLATFORM=offscreen
for stage in scripts/stages/*.sh; do
    echo "== ${stage##*/}"
    bash "$stage"
done
