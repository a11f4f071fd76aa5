#!/usr/bin/env bash
# Installs what Tapwright needs, builds it and starts the desktop program. Arguments are
# passed to the program (a project file to open, for example).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh -DTAPWRIGHT_BUILD_TESTS=OFF -DTAPWRIGHT_BUILD_BENCH=OFF
exec build/tapwright "$@"
