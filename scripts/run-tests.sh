#!/usr/bin/env bash
# Installs what Tapwright needs, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh -DTAPWRIGHT_BUILD_TESTS=ON -DTAPWRIGHT_BUILD_BENCH=ON

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
