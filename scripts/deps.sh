#!/usr/bin/env bash
# Installs the Debian 12 packages Nutrova needs to build, run and test, when any
# is missing. Sourced by run.sh and test.sh.
set -euo pipefail

NUTROVA_PACKAGES=(
    g++ cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev libqt6svg6 libqt6sql6-sqlite
    libqt6opengl6-dev libgl-dev qt6-qpa-plugins
    libsodium-dev libbenchmark-dev
    fonts-dejavu-core clang-format
    xvfb xauth imagemagick
)

nutrova_install_deps() {
    local missing=()
    for p in "${NUTROVA_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
