#!/usr/bin/env bash
# Installs what is needed, builds Quadrivo with its tests and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${QUADRIVO_CMAKE_ARGS:-} > /dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2 "$@"
