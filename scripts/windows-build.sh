#!/usr/bin/env bash
# Cross-compiles the Windows build with MinGW-w64 into build-win/: the core,
# its Windows side and the core's unit tests, statically linked; and makes the
# Wine prefix the tests run in.
#   scripts/windows-build.sh          build
#   scripts/windows-build.sh --test   build, then run the tests under Wine
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

ensure_packages build test windows
configure_and_build build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DFUDA_BUILD_QT=OFF -DFUDA_BUILD_BENCH=OFF
scripts/windows-wine.sh build-win
if [ "${1:-}" = "--test" ]; then
  ctest --test-dir build-win --output-on-failure -L windows
fi
