#!/usr/bin/env bash
# Builds and runs the game on a fresh machine. Arguments go to the program, for example
#   scripts/run.sh --size 3            (a larger window)
#   scripts/run.sh --autoplay --games 1 (watch the computer play both seats)
# The player and settings files live in the per-user data folder, created on first run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
"$top/scripts/setup.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTORN_ONLY= >/dev/null
cmake --build "$build" -j "$(nproc)" --target vantorn vantorn_packs_beside_program >/dev/null
exec "$build/src/app/vantorn" "$@"
