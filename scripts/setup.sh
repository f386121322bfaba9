#!/usr/bin/env bash
# Installs the Debian packages that building, testing, packaging and playing
# need, only those that are missing. Sourced by run.sh and test.sh.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config clang-format clang-tidy
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libgl-dev zlib1g-dev libvorbis-dev
    qt6-tools-dev qt6-l10n-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core qt6-translations-l10n
    dpkg-dev file desktop-file-utils appstream
    debhelper fakeroot lintian devscripts
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
