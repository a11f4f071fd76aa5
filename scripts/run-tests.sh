#!/usr/bin/env bash
# Installs what Tapwright needs, builds everything and runs every test; then runs the core
# tests and the fuzz corpora again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# fuzzes every file reader for a bounded time when clang is installed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh -DTAPWRIGHT_BUILD_TESTS=ON -DTAPWRIGHT_BUILD_BENCH=ON

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

# The sanitizer build: the core alone (no desktop program), its tests and the replay of every
# fuzz corpus. Any memory error, leak or undefined behaviour ends the test that met it.
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
# -O1 with line tables only halves the build against -O2 -g; the reports still name the
# function and line.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DTAPWRIGHT_SANITIZE=ON \
    -DTAPWRIGHT_BUILD_GUI=OFF -DTAPWRIGHT_BUILD_BENCH=OFF -DTAPWRIGHT_WERROR="$werror"
cmake --build build-asan --parallel "$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"

# Thirty seconds per reader keeps the whole run well inside a CI job; set FUZZ_SECONDS for a
# longer search.
if command -v clang++ >/dev/null 2>&1; then
    FUZZ_SECONDS="${FUZZ_SECONDS:-30}" bash fuzz/run-fuzzers.sh
else
    echo "clang++ is not installed: the fuzz run is skipped."
fi
