#!/usr/bin/env bash
# Installs what is missing, builds, and runs the test suite.
#   ./test.sh            plain build in build/ and every test; first, that the
#                        core includes nothing but itself and the standard library
#   ./test.sh --asan     AddressSanitizer and UBSan in build-asan/, every test
#   ./test.sh --tsan     ThreadSanitizer in build-tsan/: the unit tests (the
#                        engine and its command storms) and the integration
#                        tests (real threads, SDL, decoders, the program's
#                        shutdown). The Qt UI tests are left out: Qt's own
#                        locking is invisible to TSan, so every queued call
#                        between threads would be reported.
#   ./test.sh --windows  the Windows build in build-win/ (MinGW-w64), and its
#                        tests (CTest label "windows") under Wine
#   ./test.sh --web      the web build in build-web/ (Emscripten, libc++): the
#                        core's unit tests under Node and the page's test in
#                        headless Chromium (CTest label "web")
# Each installs only the Debian packages its run needs (scripts/setup.sh);
# MinGW-w64 and Wine come only with --windows.
# FUDA_JOBS=N sets how many compilers and tests run at once (default: the
# number of processors), e.g. FUDA_JOBS=2 ./test.sh on a shared machine.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

variant="${1:-}"
case "$variant" in
  ""|--asan|--tsan) ensure_packages run build test package ;;
esac
case "$variant" in
  "")
    tests/core_includes.sh
    configure_and_build build
    cd build
    ctest --output-on-failure -j"$(build_jobs)"
    ;;
  --asan)
    configure_and_build build-asan -DFUDA_SANITIZE=address -DFUDA_BUILD_BENCH=OFF
    cd build-asan
    # Leaks inside fontconfig and the graphics stack, loaded by Qt, are theirs.
    export LSAN_OPTIONS="suppressions=$PWD/../tests/sanitizers/lsan.supp:print_suppressions=0"
    export ASAN_OPTIONS="detect_leaks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # The tests held to the wall clock run after the others, one at a time,
    # so the sanitizer's slowness on a busy machine cannot break their bound.
    ctest --output-on-failure -j"$(build_jobs)" -LE timed
    ctest --output-on-failure -L timed
    ;;
  --tsan)
    configure_and_build build-tsan -DFUDA_SANITIZE=thread -DFUDA_BUILD_BENCH=OFF \
      --target unit_tests integration_tests
    cd build-tsan
    export TSAN_OPTIONS="suppressions=$PWD/../tests/sanitizers/tsan.supp:halt_on_error=1:second_deadlock_stack=1"
    ctest --output-on-failure -j"$(build_jobs)" -L 'unit|integration' -LE timed
    ctest --output-on-failure -L integration -L timed
    ;;
  --windows)
    scripts/windows-build.sh --test
    ;;
  --web)
    scripts/web-build.sh --test
    ctest --test-dir build-web --output-on-failure -L web
    ;;
  *)
    echo "usage: ./test.sh [--asan|--tsan|--windows|--web]" >&2
    exit 2
    ;;
esac
