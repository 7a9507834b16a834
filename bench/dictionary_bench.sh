#!/bin/sh
# Makes the 145,000-entry dictionary from Debian's wportuguese word list and
# runs the dictionary benchmark on it, printing medians. Not part of the
# build or the tests.
#
#   bench/dictionary_bench.sh [BUILD_DIR]    (default: build)
set -eu
build=${1:-build}
[ $# -gt 0 ] && shift
if ! dpkg -s wportuguese >/dev/null 2>&1; then
  apt-get install -y wportuguese
fi
work="$build/bench-data"
mkdir -p "$work"
"$build/bin/minivocabra-gerador" /usr/share/dict/portuguese "$work/grande.txt" 145000
start=$(date +%s.%N)
"$build/bin/minivocabra-builder" "$work/grande.txt" "$work/dados"
end=$(date +%s.%N)
echo "building the data: $(awk "BEGIN { printf \"%.1f\", $end - $start }") s"
du -sh "$work/dados"
MINIVOCABRA_BENCH_DATA="$work/dados" "$build/bin/dictionary_bench" \
  --benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@"
