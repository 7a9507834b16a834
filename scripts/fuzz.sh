#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/, and runs each for SECONDS
# (default 60), starting from its seed corpus.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (targets: the folders of fuzz/corpus)
#
# The inputs libFuzzer finds go to build-fuzz/corpus/<target>, its log to
# build-fuzz/logs/<target>.log. A crash stops the script and leaves the input
# in build-fuzz/crashes/<target>/: add it to fuzz/corpus/<target>/, where the
# normal build's fuzz tests replay it, and fix the fault.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: $0 [SECONDS] [TARGET...]" >&2
  exit 2
fi
if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
for t in "${targets[@]}"; do
  [ -d "fuzz/corpus/$t" ] || { echo "no fuzz target '$t'" >&2; exit 2; }
done

# clang 14 and its runtimes (libFuzzer and the sanitizers), and the
# symbolizer for readable stack traces.
scripts/install-deps.sh
missing=()
for p in clang-14 libclang-rt-14-dev llvm-14; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
  -DMINIVOCABRA_LIBFUZZER=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
export UBSAN_OPTIONS=print_stacktrace=1
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/crashes/$t" build-fuzz/logs
  log="build-fuzz/logs/$t.log"
  echo "fuzz_$t: ${seconds}s"
  if ! "build-fuzz/bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -artifact_prefix="build-fuzz/crashes/$t/" "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$t found a fault; the input is in build-fuzz/crashes/$t/" >&2
    exit 1
  fi
  grep -E "^Done [0-9]+ runs" "$log" || tail -n 1 "$log"
done
