#!/usr/bin/env bash
# Installs what is missing, builds Nutrova with its tests and runs every test
# headless; then builds the tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them once more.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
nutrova_install_deps

export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUTROVA_WERROR=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

if [ "${NUTROVA_SKIP_SANITIZERS:-0}" != "1" ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUTROVA_WERROR=ON \
        -DNUTROVA_SANITIZE=ON -DNUTROVA_BUILD_BENCH=OFF
    cmake --build build-asan -j2
    ctest --test-dir build-asan --output-on-failure -j2
fi
