#!/bin/bash
# Builds the fuzz targets with clang in their own folder and runs each for a
# bounded time over a copy of the seed corpus.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$1
seconds=${2:-30}
CC=clang CXX=clang++ cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELVAR_FUZZ=ON >/dev/null
cmake --build "$build" >/dev/null
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$src"/fuzz/corpus/* "$corpus"/
"$build"/fuzz/fuzz_leer_apuesta -max_total_time="$seconds" -max_len=70000 -print_final_stats=1 "$corpus" 2>&1 |
    tail -n 12
