#!/usr/bin/env bash
# The memory of the program's process tree (the program and the page
# engine's processes), in MiB: after start and after 20 typed look-ups, in a
# 640 x 490 window and maximised on a 1280 x 1024 screen (the first run's
# state). Runs the build's program as a user would (no engine flags of the
# caller's) under Xvfb with openbox and fresh settings each time, and types
# with xdotool. Two figures each, medians of N runs (default 3):
# - PSS summed over the tree;
# - the tree alone: each page it maps counted once (memory_tree), which is
#   its PSS on a machine where nothing else maps the same libraries. Other
#   programs running meanwhile (tests, other engines) lower the first only.
# MODES picks the windows (default "small maximised"); PROGRAM another build.
#   bench/memory_bench.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
program=${PROGRAM:-build/bin/minivocabra}
measure=build/bin/memory_tree
export QTWEBENGINE_DISABLE_SANDBOX=1
[ -n "${KEEP_FLAGS:-}" ] || unset QTWEBENGINE_CHROMIUM_FLAGS
unset QT_QPA_PLATFORM

display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null' EXIT
sleep 1

words=(casa amor chuva azul barco cidade banana amigo abelha bola
       cama carro beleza campo alegria chave bolo braco canto cabeca)

# Waits until the tree's PSS has stopped moving (at most 20 s), then prints
# "<PSS KiB> <alone KiB>".
settle() {
  local last=0 now i
  for i in $(seq 40); do
    sleep 0.5
    now=$("$measure" "$1" | cut -d' ' -f1)
    if [ $i -gt 6 ] && [ $((now - last)) -lt 512 ] && [ $((last - now)) -lt 512 ]; then break; fi
    last=$now
  done
  "$measure" "$1"
}

# One run: prints "<start PSS> <start alone> <look-ups PSS> <look-ups alone>
# <searches saved>", in KiB.
run() {
  local mode=$1 cfg data
  cfg=$(mktemp -d)
  data=$(mktemp -d)
  mkdir -p "$cfg/minivocabra" "$data/notas"
  # A notes folder it can write; the window as on a first run (maximised),
  # or 640 x 490 at (100, 100) (15 twips a pixel at 96 dpi).
  {
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Corvanta\\MiniVocabra]\n'
    printf '"Instalacao"="1"\n"DirNotas"="%s"\n' "$data/notas"
    if [ "$mode" = small ]; then
      printf '"JanelaMax"="0"\n"JanelaX"="1500"\n"JanelaY"="1500"\n"JanelaW"="9600"\n"JanelaH"="7350"\n'
    fi
  } >"$cfg/minivocabra/HKEY_CURRENT_USER.reg"
  XDG_CONFIG_HOME=$cfg XDG_DATA_HOME=$data "$program" >/dev/null 2>&1 &
  local pid=$! started looked win saved
  sleep 2
  started=$(settle $pid)
  win=$(xdotool search --pid $pid --onlyvisible --name '^Minivocabra$' | tail -1)
  xdotool windowactivate --sync "$win" >/dev/null
  for w in "${words[@]}"; do
    xdotool type --delay 30 "$w"
    sleep 0.8  # past the typing timer: the entry is shown
    xdotool key --delay 20 ctrl+a BackSpace
    sleep 0.1
  done
  looked=$(settle $pid)
  # Closing saves the last searches: the proof that the look-ups were made.
  xdotool windowactivate --sync "$win" key alt+F4 >/dev/null 2>&1 || true
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
  saved=$(grep -c '^"HistTit' "$cfg/minivocabra/HKEY_CURRENT_USER.reg" 2>/dev/null || true)
  rm -rf "$cfg" "$data"
  echo "$started $looked ${saved:-0}"
}

median() { sort -n | awk '{v[NR]=$1} END {printf "%.0f", v[int((NR+1)/2)] / 1024}'; }

for mode in ${MODES:-small maximised}; do
  out=$(mktemp)
  for _ in $(seq "$runs"); do
    run "$mode" >>"$out"
    [ -z "${VERBOSE:-}" ] || tail -1 "$out" >&2
  done
  label=$([ "$mode" = small ] && echo "640 x 490" || echo "maximised 1280 x 1024")
  col() { awk -v c="$1" '{print $c}' "$out" | median; }
  printf '%s: after start %s MiB (alone %s), after 20 look-ups %s MiB (alone %s); %d runs, fewest searches saved %s of 4\n' \
    "$label" "$(col 1)" "$(col 2)" "$(col 3)" "$(col 4)" "$runs" "$(awk '{print $5}' "$out" | sort -n | head -1)"
  rm -f "$out"
done
