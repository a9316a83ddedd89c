#!/usr/bin/env bash
# Runs the fuzz targets for longer by hand: scripts/fuzz-long.sh [seconds per target] [target...]
# (600 seconds by default). The working corpus under build/fuzz/corpus/ grows from one run to the next.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
[ $# -gt 0 ] && shift
FUZZ_SECONDS="$seconds" exec bash scripts/stages/30-fuzz.sh "$@"
