#!/usr/bin/env bash
# Builds the file readers' libFuzzer targets with clang into build-fuzz/ and runs each one for
# a bounded time: FUZZ_SECONDS (60 by default) per target, FUZZ_JOBS targets at once (the
# number of processors by default). Each target starts from its checked-in corpus; the inputs
# it adds go to build-fuzz/corpus/<reader>/, a crashing input to build-fuzz/crashes/<reader>/,
# and its output to build-fuzz/logs/<reader>.log. Fails when any target found a crash.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
jobs="${FUZZ_JOBS:-$(nproc)}"
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAPWRIGHT_FUZZ=ON -DTAPWRIGHT_BUILD_TESTS=OFF -DTAPWRIGHT_BUILD_BENCH=OFF \
    -DTAPWRIGHT_BUILD_GUI=OFF
cmake --build "$build" --parallel "$(nproc)"

mkdir -p "$build/logs"

# One target: the readers' inputs are small, so longer ones only slow the search down; the
# replay tests still run the long seeds whole.
fuzz_one() {
    local reader="$1"
    mkdir -p "$build/corpus/$reader" "$build/crashes/$reader"
    "$build/fuzz/fuzz_$reader" "$build/corpus/$reader" "fuzz/corpus/$reader" \
        -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=1024 \
        -malloc_limit_mb=64 -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$reader/" >"$build/logs/$reader.log" 2>&1
}

readers=()
for target in "$build"/fuzz/fuzz_*; do
    readers+=("${target##*/fuzz_}")
done

failed=()
running=0
declare -A pids
for reader in "${readers[@]}"; do
    if ((running >= jobs)); then
        wait -n || true
        running=$((running - 1))
    fi
    fuzz_one "$reader" &
    pids[$reader]=$!
    running=$((running + 1))
done

printf '%-14s %12s %8s %8s  %s\n' target executions seconds corpus result
for reader in "${readers[@]}"; do
    result=ok
    wait "${pids[$reader]}" || { result="CRASH (see $build/logs/$reader.log)"; failed+=("$reader"); }
    log="$build/logs/$reader.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
    printf '%-14s %12s %8s %8s  %s\n' "$reader" "${runs:-?}" "${took:-?}" \
        "$(find "$build/corpus/$reader" "fuzz/corpus/$reader" -type f | wc -l)" "$result"
done

echo "fuzzing: $((${#readers[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if ((${#failed[@]} > 0)); then
    echo "Fuzzing found crashes in: ${failed[*]}" >&2
    for reader in "${failed[@]}"; do
        tail -n 40 "$build/logs/$reader.log" >&2
    done
    exit 1
fi
