#!/usr/bin/env bash
# Times the program's start: the splash on screen, the main window shown and
# the start page painted, in milliseconds from the launch; medians of N runs
# (default 9). Runs under Xvfb with fresh settings, data and runtime folders
# each time (a copy running elsewhere holds the single-instance lock of the
# shared runtime folder).
#   bench/startup_bench.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
# One X server for every run, so its own start is not counted.
display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
out=$(mktemp)
for _ in $(seq "$runs"); do
  cfg=$(mktemp -d)
  mkdir -m 700 "$cfg/runtime"
  DISPLAY=$display XDG_CONFIG_HOME=$cfg XDG_DATA_HOME=$cfg/dados XDG_RUNTIME_DIR=$cfg/runtime \
    MINIVOCABRA_T0=$(date +%s%N) \
    build/bin/minivocabra 2>&1 | grep -E '^(splash|janela|pagina) ' >>"$out" || true
  rm -rf "$cfg"
done
for m in splash janela pagina; do
  grep "^$m " "$out" | awk '{print $2}' | sort -n | awk -v m=$m '{v[NR]=$1} END {if (NR) printf "%s median %.1f ms (%d runs)\n", m, v[int((NR+1)/2)], NR}'
done
rm -f "$out"
