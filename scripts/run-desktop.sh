#!/usr/bin/env bash
# Installs what Tapwright needs, builds it and starts the desktop program. Arguments are
# passed to the program (a project file to open, for example). Without any, it opens a copy
# of the example lowpass in build/examples/ with its frequency response, so that a first
# start shows a designed filter, and saving it changes the copy rather than the example kept
# in the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh -DTAPWRIGHT_BUILD_TESTS=OFF -DTAPWRIGHT_BUILD_BENCH=OFF

if (($# == 0)); then
    mkdir -p build/examples
    for example in resources/examples/*.tws resources/examples/*.twa; do
        [[ -e "build/examples/${example##*/}" ]] || cp "$example" build/examples/
    done
    set -- build/examples/lowpass.tws --response
fi
exec build/tapwright "$@"
