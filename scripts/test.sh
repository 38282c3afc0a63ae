#!/usr/bin/env bash
# The project's whole test run on a fresh machine: setup, configure, build, ctest.
# Usage: scripts/test.sh [BUILD_DIR]   (VANTORN_SANITIZE=ON for the address+undefined build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$top/build"}
sanitize=${VANTORN_SANITIZE:-OFF}
"$top/scripts/setup.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTORN_SANITIZE="$sanitize" -DVANTORN_ONLY= >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
