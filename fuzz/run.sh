#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of
# seconds (default 60), with its corpus in build-fuzz/corpus/<target>.
# Crashing inputs of the latest run, and inputs that take longer than 10
# seconds (a hang), land in build-fuzz/findings/<target>/; copy each into a
# plain test before fixing it.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$top/build-fuzz}
seconds=${1:-60}
shift || true
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSCOREWICK_FUZZ=ON -DSCOREWICK_GUI=OFF -DSCOREWICK_TESTS=OFF -DSCOREWICK_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$top"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
ninja -C "$build" "${targets[@]}" >/dev/null
for t in "${targets[@]}"; do
  rm -rf "$build/findings/$t"
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  seeds=()
  [ -d "$top/fuzz/seeds/$t" ] && seeds=("$top/fuzz/seeds/$t")
  echo "== $t: $seconds s"
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=1048576 -timeout=10 \
    -artifact_prefix="$build/findings/$t/" -print_final_stats=1 \
    "$build/corpus/$t" "${seeds[@]}" 2>&1 | grep -E '^(stat::number_of_executed_units|stat::new_units_added|==.*ERROR|SUMMARY|ALARM)' || true
  echo "   findings: $(ls "$build/findings/$t" | wc -l)"
done
