#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./ferramentas/dependencias.sh
cmake -S . -B build-testes -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_SANITIZERS=ON
cmake --build build-testes
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-testes
ctest --output-on-failure -j "$(nproc)" "$@"
