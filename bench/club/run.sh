#!/usr/bin/env bash
# Load benchmark of vantorn-club: wrk against ReadTopList and ReadTables on loopback,
# 10 seconds with 50 connections each, on a fresh database seeded with a full top list and
# seated tables. Prints requests per second and the latency distribution.
# Usage: bench/club/run.sh BUILD_DIR   (not run by ctest)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: run.sh BUILD_DIR}
club="$build/server/vantorn-club"
duration=${DURATION:-10s}
connections=${CONNECTIONS:-50}
work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/avatars"
base=$(( 30000 + RANDOM % 20000 ))
"$club" --db "$work/club.db" --http 127.0.0.1:0 --relay-base "$base" --ftp-dir "$work/avatars" > "$work/out" &
pid=$!
for _ in $(seq 100); do grep -q ready "$work/out" 2>/dev/null && break; sleep 0.05; done
port=$(sed -n 's/.*http=\([0-9]*\).*/\1/p' "$work/out")
url="http://127.0.0.1:$port"
post() { curl -s -A TolvMirkPanuz --data-binary "$2" "$url$1" > /dev/null; }

# Seed: twelve entries in the desktop list, a player waiting at every table, two at table 1.
for i in $(seq 12); do
  post /games "gid=5&nick=Player$i&city=Omsk&country=1-001&score=$((i * 7))&R7=M&R8=5.7f&R9=#&R10=#*"
done
for t in $(seq 10); do
  post /tournament "clienton1=0&gid=5&num=$t&can=1&nick1=Seat$t&score1=$t&kon1=1&rating1=1000&country1=Russia&city1=Omsk&sex1=M&ip1=127.0.0.1"
done
post /tournament "clienton2=0&gid=5&num=1&can=1&nick2=Second&score2=3&kon2=1&rating2=990&country2=USA&city2=Rome&sex2=W&ip2=127.0.0.1"

for name in ReadTopList ReadTables; do
  if [ "$name" = ReadTopList ]; then path=/games; body="gid=5"; else path=/tournament; body="readtable10=5&gid=5"; fi
  echo "== $name ($path, $body): wrk -t2 -c$connections -d$duration"
  BODY="$body" wrk -t2 -c"$connections" -d"$duration" --latency -s "$here/post.lua" "$url$path"
done
