#!/usr/bin/env bash
# Configures and builds Tapwright into build/ (Release). Extra arguments go to CMake's
# configure step. Warnings are errors when CI is set.
set -euo pipefail
cd "$(dirname "$0")/.."

werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAPWRIGHT_WERROR="$werror" "$@"
cmake --build build --parallel "$(nproc)"
