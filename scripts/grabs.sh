#!/usr/bin/env bash
# Pictures of every window, each dialog as it opens and after use, at scale factors 1 and 2 and at a font
# 20 % larger, taken with the offscreen platform so that they depend on nothing but the build; and the
# comparison of two such sets, to show that a change leaves what the program shows the same.
#   scripts/grabs.sh FOLDER              takes the pictures with this checkout (build/bench)
#   scripts/grabs.sh --compare OLD NEW   lists every picture that differs or is missing; fails if any
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--compare" ]; then
    old=$2 new=$3 differ=0 same=0
    while IFS= read -r picture; do
        if cmp -s "$old/$picture" "$new/$picture"; then
            same=$((same + 1))
        else
            echo "differs or missing: $picture"
            differ=$((differ + 1))
        fi
    done < <(cd "$old" && find . -name '*.png' | sort)
    echo "$same pictures the same, $differ differ"
    [ "$differ" -eq 0 ]
    exit
fi
folder=${1:?usage: scripts/grabs.sh FOLDER}
scripts/build-bench.sh tallyo97_screenshot
export QT_QPA_PLATFORM=offscreen
build/bench/bench/tallyo97_screenshot --every "$folder/scale1"
QT_SCALE_FACTOR=2 build/bench/bench/tallyo97_screenshot --every "$folder/scale2"
build/bench/bench/tallyo97_screenshot --every "$folder/larger-font" 1.2
echo "Pictures in $folder: $(find "$folder" -name '*.png' | wc -l)"
