#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tapwright needs.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-svg-dev libqt6svg6-dev qt6-qpa-plugins libgl1-mesa-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev nlohmann-json3-dev
    pkg-config libfftw3-dev
    xvfb xauth
    file
    clang libclang-rt-14-dev
    pkg-config libfftw3-dev
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
