#!/usr/bin/env bash
# Builds the benchmark in Release and runs it under Xvfb: Tallyo 97's start-up beside a bare Qt window
# (the floor) in interleaved pairs, timed from outside through the X server, then the opening and
# painting of every dialog, the busiest conversion of each, and peak memory. Prints the machine and the
# figures as Markdown.
#   scripts/bench.sh [PAIRS] [RUNNER OPTIONS]   PAIRS defaults to 40; see tallyo97_bench --help
#   scripts/bench.sh --profile                  counts the instructions of each start-up phase of both
#                                               programs under callgrind (build/bench/profile)
set -euo pipefail
cd "$(dirname "$0")/.."
# A real X server rather than the offscreen platform, so painting goes the way it goes on a desktop; no
# window manager, so nothing but the program itself decides when its window is mapped and drawn.
unset QT_QPA_PLATFORM
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")
quiet() { grep -v XDG_RUNTIME_DIR >&2 || true; }

if [ "${1:-}" = "--profile" ]; then
    scripts/build-bench.sh tallyo97_startup_profile
    out=build/bench/profile
    rm -rf "$out" && mkdir -p "$out"
    for who in tallyo floor; do
        # One dump per phase and thread; the phases are marked by the probe itself.
        "${xvfb[@]}" valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out/$who.out" \
            build/bench/bench/tallyo97_startup_profile "$who" >/dev/null 2> >(grep -v '^==' | quiet)
    done
    for who in tallyo floor; do
        echo "## $who: instructions of the main thread, by phase (millions)"
        sum=0
        for dump in $(ls "$out/$who".out.*-01 | sort -t. -k3 -n); do
            phase=$(sed -n 's/^desc: Trigger: Client Request: //p' "$dump")
            total=$(sed -n 's/^totals: //p' "$dump")
            sum=$((sum + total))
            awk -v n="$total" -v p="$phase" 'BEGIN { printf "%8.2f  %s\n", n / 1e6, p }'
        done
        awk -v n="$sum" 'BEGIN { printf "%8.2f  process start to first paint, main thread\n", n / 1e6 }'
        for dump in "$out/$who".out-0*; do
            [ "$(sed -n 's/^thread: //p' "$dump")" = 1 ] && continue
            awk -v n="$(sed -n 's/^totals: //p' "$dump")" -v t="$(sed -n 's/^thread: //p' "$dump")" \
                'BEGIN { printf "%8.2f  thread %s, whole run\n", n / 1e6, t }'
        done
        echo
    done
    echo "Inclusive costs of each phase: callgrind_annotate --inclusive=yes $out/tallyo.out.N-01"
    exit 0
fi

scripts/build-bench.sh tallyo97_bench
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
memory=$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo "Machine: $(nproc) cores ($cpu), $memory memory, $(uname -sr), Qt $qt, Xvfb with the xcb platform."
echo "Load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)."
echo
"${xvfb[@]}" build/bench/bench/tallyo97_bench "${1:-40}" "${@:2}" 2> >(quiet)
