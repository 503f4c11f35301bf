#!/usr/bin/env bash
# Time from process start to the main window shown on screen, with the default options,
# in a fresh copy of data/ on a virtual display. Prints the median of the runs in ms.
# Usage: bench/startup_time.sh [DRAWLET_BINARY] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
drawlet=$(realpath "${1:-$root/build/src/drawlet}")
runs=${2:-7}

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
openbox >/dev/null 2>&1 &
sleep 0.5

times=()
for _ in $(seq "$runs"); do
  rm -rf "$work/run" && mkdir "$work/run" && cp -r "$root/data" "$work/run/"
  start=$(date +%s%N)
  (cd "$work/run" && exec "$drawlet") >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name '^Drawlet 0\.10$' >/dev/null 2>&1; do sleep 0.005; done
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "start-up to shown window: median " a[int((NR+1)/2)] " ms over " NR " runs (min " a[1] ", max " a[NR] ")"}'
