#!/usr/bin/env bash
# Makes docs/main-window.png, the README's picture of the main window: the end-to-end test of
# the desktop program plays a new user who designs and optimises a lowpass, and keeps a
# picture of the main window once the editor says PASS. It runs under a virtual X server so
# that the window is drawn as on a desktop, with the system's fonts and style.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh -DTAPWRIGHT_BUILD_TESTS=ON

# The picture is drawn beside the old one, which it replaces only once it is complete.
mkdir -p docs
picture="$PWD/docs/main-window.png"
staging="$(mktemp --suffix=.png -p "$PWD/docs" .main-window.XXXXXX)"
trap 'rm -f "$staging"' EXIT

# Qt's own file dialogs, whatever desktop the machine has, so that the test can answer them.
QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= TAPWRIGHT_SCREENSHOT="$staging" \
    xvfb-run -a -s "-screen 0 1280x800x24" \
    build/tests/gui/tapwright_gui_tests \
    --gtest_filter='EndToEndTest.NewUserDesignsOptimizesExportsSavesAndReopensALowpass'

if [[ ! -s "$staging" ]]; then
    echo "the test made no picture" >&2
    exit 1
fi
mv -f "$staging" "$picture"
trap - EXIT
echo "wrote $picture"
