#!/usr/bin/env bash
# Sets up a Debian 12 machine (as root), then builds and runs every test twice: a normal build
# and one with AddressSanitizer and UndefinedBehaviorSanitizer. Last, every fuzz target runs
# briefly on its seeds (FUZZ_SECONDS each, 15 by default).
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALVANE_SANITIZE=ON -DTALVANE_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"

echo "== Sanitizer build =="
ctest --test-dir build-asan -j "$jobs" --output-on-failure
echo "== Normal build =="
ctest --test-dir build -j "$jobs" --output-on-failure
echo "== Fuzz targets on their seeds =="
FUZZ_SECONDS=${FUZZ_SECONDS:-15} tools/fuzz.sh
