#!/usr/bin/env bash
# Builds and runs the program on a fresh machine.
# Until the desktop program exists this plays the simulator's demonstration game with its trace.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
"$top/scripts/setup.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
exec "$build/tools/sim/vantorn-sim" --games 1 --seed 1 --trace "$@"
