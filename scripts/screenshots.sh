#!/usr/bin/env bash
# Builds Tallyo 97 and takes the README's screenshots under Xvfb with the program's own windows:
# docs/screenshots/main.png (the main window), docs/screenshots/linear.png (the linear dialog after
# one kilometre was converted) and docs/screenshots/volume-dark.png (the volume dialog after one litre was
# converted, under a dark desktop theme).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-bench.sh tallyo97_screenshot
mkdir -p docs/screenshots
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build/bench/bench/tallyo97_screenshot docs/screenshots \
    2> >(grep -v XDG_RUNTIME_DIR >&2)
echo "Wrote docs/screenshots/main.png, linear.png and volume-dark.png"
