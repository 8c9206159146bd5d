#!/usr/bin/env bash
# Builds the optimised game with its game folder and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./ferramentas/dependencias.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTARO_TESTES=OFF -DQUINTARO_BENCH=ON
cmake --build build
exec ./build/jogo/quintaro "$@"
