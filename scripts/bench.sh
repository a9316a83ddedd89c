#!/usr/bin/env bash
# Builds the benchmark in Release and runs it under Xvfb: Tallyo 97's start-up beside a bare Qt window and
# beside the main window's design floor, timed from outside through the X server; each dialog's opening
# beside its design floor; the busiest conversion of each dialog and peak memory. Prints the machine and
# one table with every figure, ratio and target, as Markdown.
#   scripts/bench.sh [STARTS] [RUNNER OPTIONS]  STARTS of each program, 40 by default; 20 pairs of each
#                                               dialog; see tallyo97_bench --help
#   scripts/bench.sh --profile [KEY...]         counts the instructions of each phase under callgrind: of
#                                               the start-ups of the three programs, or of the opening
#                                               of the dialogs named (linear ... misc) and of their floors
#                                               (build/bench/profile)
#   scripts/bench.sh --floors FOLDER            shows every window beside its design floor, compares their
#                                               pixels at scale factors 1 and 2 and writes the pictures
#   scripts/bench.sh --describe [KEY...]        the program's dialogs as rows of their floors' tables
set -euo pipefail
cd "$(dirname "$0")/.."
# A real X server rather than the offscreen platform, so painting goes the way it goes on a desktop; no
# window manager, so nothing but the program itself decides when its window is mapped and drawn.
unset QT_QPA_PLATFORM
screen="-screen 0 1280x1024x24"
xvfb=(xvfb-run -a -s "$screen")
quiet() { grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2 || true; }
bin=build/bench/bench

case "${1:-}" in
--profile)
    shift
    scripts/build-bench.sh tallyo97_startup_profile
    out=build/bench/profile
    rm -rf "$out" && mkdir -p "$out"
    runs=()
    if [ $# -eq 0 ]; then
        runs=(tallyo floor design-floor)
    else
        for key in "$@"; do runs+=("dialog $key" "floor-dialog $key"); done
    fi
    for run in "${runs[@]}"; do
        name=${run// /-}
        # One dump per phase and thread; the phases are marked by the probe itself.
        # shellcheck disable=SC2086
        "${xvfb[@]}" valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out/$name.out" \
            "$bin/tallyo97_startup_profile" $run >/dev/null 2> >(grep -v '^==' | quiet)
    done
    for run in "${runs[@]}"; do
        name=${run// /-}
        echo "## $run: instructions of the main thread, by phase (millions)"
        sum=0
        for dump in $(ls "$out/$name".out.*-01 | sort -t. -k3 -n); do
            phase=$(sed -n 's/^desc: Trigger: Client Request: //p' "$dump")
            total=$(sed -n 's/^totals: //p' "$dump")
            sum=$((sum + total))
            awk -v n="$total" -v p="$phase" -v d="${dump##*.}" 'BEGIN { printf "%8.2f  %s (%s)\n", n / 1e6, p, d }'
        done
        awk -v n="$sum" 'BEGIN { printf "%8.2f  process start to the last paint, main thread\n", n / 1e6 }'
        for dump in "$out/$name".out-0*; do
            [ "$(sed -n 's/^thread: //p' "$dump")" = 1 ] && continue
            awk -v n="$(sed -n 's/^totals: //p' "$dump")" -v t="$(sed -n 's/^thread: //p' "$dump")" \
                'BEGIN { printf "%8.2f  thread %s, whole run\n", n / 1e6, t }'
        done
        echo
    done
    echo "Inclusive costs of a phase: callgrind_annotate --inclusive=yes $out/NAME.out.N-01"
    exit 0
    ;;
--floors)
    folder=${2:?usage: scripts/bench.sh --floors FOLDER}
    scripts/build-bench.sh tallyo97_floor_check
    status=0
    echo "### Scale factor 1, X server"
    "${xvfb[@]}" "$bin/floors/tallyo97_floor_check" "$folder/scale1" 2> >(quiet) || status=1
    echo "### Scale factor 2, X server"
    QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" "$bin/floors/tallyo97_floor_check" \
        "$folder/scale2" 2> >(quiet) || status=1
    echo "### Scale factor 1, offscreen platform (windows active, with the keyboard focus shown)"
    QT_QPA_PLATFORM=offscreen "$bin/floors/tallyo97_floor_check" "$folder/offscreen" 2> >(quiet) || status=1
    exit $status
    ;;
--describe)
    shift
    scripts/build-bench.sh tallyo97_describe_windows
    "${xvfb[@]}" "$bin/floors/tallyo97_describe_windows" --floor "$@" 2> >(quiet)
    exit 0
    ;;
esac

scripts/build-bench.sh tallyo97_bench
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
memory=$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo "Machine: $(nproc) cores ($cpu), $memory memory, $(uname -sr), Qt $qt, Xvfb ${screen#-screen 0 } with the xcb platform."
echo "Load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)."
echo
"${xvfb[@]}" "$bin/tallyo97_bench" "${1:-40}" "${@:2}" 2> >(quiet)
echo
echo "Load average after the run: $(cut -d' ' -f1-3 /proc/loadavg)."
