#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, two at a time; any crash,
# sanitizer report, leak or violated property fails the stage. FUZZ_SECONDS sets the time per target
# (30 by default); target names on the command line pick some of them (fuzz_roman ...).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh clang-14 libclang-rt-14-dev
seconds="${FUZZ_SECONDS:-30}"
build=build/fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYO_FUZZ=ON \
    -DTALLYO_BUILD_TESTS=OFF -DTALLYO_BUILD_BENCH=OFF -DTALLYO_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target tallyo_fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/fuzz_*.cpp; do
        name="${source##*/}"
        targets+=("${name%.cpp}")
    done
fi

# New inputs go to a working corpus in the build tree, so the committed seeds stay as they are; a finding
# is kept under fuzz/findings/ (ignored by git) to be replayed with "$build/fuzz/<target> <file>".
run_target() {
    local target="$1" seconds="$2" build="$3"
    local corpus="$build/corpus/$target" log="$build/logs/$target.log"
    mkdir -p "$corpus" "$build/logs" "fuzz/findings/$target"
    if UBSAN_OPTIONS=print_stacktrace=1 "$build/fuzz/$target" "$corpus" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="fuzz/findings/$target/" >"$log" 2>&1; then
        local runs
        runs="$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')"
        echo "$target: $runs runs in ${seconds}s, no finding"
    else
        echo "$target: FINDING (log $log)"
        grep -E -A12 'Property violated|ERROR:|runtime error' "$log" | head -40
        return 1
    fi
}
export -f run_target
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_target "$@"' _ {} "$seconds" "$build"
