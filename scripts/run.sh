#!/usr/bin/env bash
# Installs what is missing, builds Nutrova and starts it from build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
nutrova_install_deps

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target nutrova nutrova_program_files

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    echo "No display found. Nutrova is a desktop program: run it in a graphical session," >&2
    echo "or under a virtual display:  xvfb-run -a build/bin/nutrova" >&2
    exit 1
fi
exec build/bin/nutrova "$@"
