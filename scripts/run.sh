#!/usr/bin/env bash
# Installs what is needed, builds Quadrivo, lays out the program folder build/Quadrivo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build
exec build/Quadrivo/quadrivo "$@"
