#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
#   ./test.sh            plain build in build/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages
configure_and_build build
cd build
ctest --output-on-failure -j"$(nproc)"
