#!/bin/bash
# Installs what is missing, builds with the sanitizers and runs every test:
# unit and shell tests offscreen, end-to-end tests on an Xvfb server that the
# tests start themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick x11-utils clang libclang-rt-14-dev \
    dbus at-spi2-core python3-pyatspi libx11-dev libxfixes-dev desktop-file-utils appstream dpkg-dev librsvg2-bin weston qt6-wayland lintian \
    clang-16
# The whole tree once with the other compiler, warnings as errors: it must
# build with either.
cmake -S . -B build/clang -G Ninja -DCMAKE_CXX_COMPILER=clang++-16 -DCMAKE_BUILD_TYPE=Release -DQUELVAR_WERROR=ON
cmake --build build/clang
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELVAR_SANITIZE=ON -DQUELVAR_WERROR=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure
