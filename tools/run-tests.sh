#!/bin/bash
# Builds and runs the whole suite twice: a normal build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer that halts on the first error.
set -e
cd "$(dirname "$0")/.."
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DLILYFRONT_SANITIZE=ON
cmake --build build-asan -j2
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j2
