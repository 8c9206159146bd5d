#!/usr/bin/env bash
# Pictures of the game's screens: builds the game (optimised), walks a seeded new
# game through every screen it can reach (start, new game, club, referee, line-up,
# round, tactics, penalties, post-round, report, standings, brackets, season end),
# and saves a PNG of each into the folder given (default: capturas/).
#   ferramentas/capturas.sh [PASTA]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
destino="$(realpath -m "${1:-$raiz/capturas}")"
# The same optimised build as ./run.sh, so neither rebuilds the other's work.
build="${QUINTARO_BUILD:-$raiz/build}"
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTARO_JOGO=ON -DQUINTARO_TESTES=OFF -DQUINTARO_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target quintaro mundo_pasta 2>/dev/null || cmake --build "$build" -j2 --target quintaro
jogo="$build/jogo/quintaro"
# A real X server when there is one at hand (xvfb-run); otherwise Qt's offscreen platform.
if command -v xvfb-run >/dev/null 2>&1 && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    xvfb-run -a -s "-screen 0 1366x768x24" "$jogo" --capturas "$destino"
else
    QT_QPA_PLATFORM=offscreen "$jogo" --capturas "$destino"
fi
ls -1 "$destino"/*.png
