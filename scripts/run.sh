#!/bin/bash
# Installs what is missing, builds Quelvar and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVAR_TESTS=OFF
cmake --build build/release
exec build/release/quelvar
