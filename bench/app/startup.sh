#!/usr/bin/env bash
# Start-up benchmark of the desktop program under Xvfb: the time from process start to the
# first painted window and to the painted menu (--no-intro), and the peak memory after three
# seconds on the menu. Usage: bench/app/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: startup.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-10}
data=$(mktemp -d)
trap 'rm -rf "$data"; [ -n "${xp:-}" ] && kill "$xp" 2>/dev/null' EXIT
"$build/tools/files/vantorn-files" init "$data" >/dev/null

fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1600x1100x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 & xp=$!
read -r display < "$fifo"; rm -f "$fifo"
export DISPLAY=":$display" VANTORN_STARTUP_REPORT=1

windows=(); menus=(); peaks=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  out=$("$build/src/app/vantorn" --data-dir "$data" --no-intro 2>/dev/null)
  w=$(awk '/^window/ {print $2}' <<<"$out"); m=$(awk '/^menu/ {print $2}' <<<"$out")
  p=$(awk '/^peak/ {print $3}' <<<"$out")
  windows+=($(( (w - start) / 1000000 ))); menus+=($(( (m - start) / 1000000 ))); peaks+=("$p")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "runs $runs: first painted window $(median "${windows[@]}") ms, painted menu $(median "${menus[@]}") ms, peak memory $(( $(median "${peaks[@]}") / 1024 )) MiB (medians)"
