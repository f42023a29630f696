#!/usr/bin/env bash
# Builds the fuzz targets with clang under the address and undefined-
# behaviour sanitizers (the "fuzz" preset of CMakePresets.json) and runs
# each for the given number of seconds (default 60), with its corpus in
# build-fuzz/corpus/<target> and the seeds of fuzz/seeds/<target>.  Each
# target's figures are printed: executions, coverage (edges reached),
# the corpus size and the findings.  Crashing inputs of the latest run, and
# inputs that take longer than 10 seconds (a hang), land in
# build-fuzz/findings/<target>/; copy each into fuzz/seeds/<target> (which
# the tests replay) before fixing it.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$top/build-fuzz}
seconds=${1:-60}
shift || true
(cd "$top" && cmake --preset fuzz -B "$build" >/dev/null)
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
  log="$build/findings/$t.log"
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=1048576 -timeout=10 \
    -artifact_prefix="$build/findings/$t/" -print_final_stats=1 \
    "$build/corpus/$t" "${seeds[@]}" >"$log" 2>&1 || true
  grep -E '^(stat::number_of_executed_units|stat::new_units_added|==.*ERROR|SUMMARY|ALARM)' "$log" || true
  # The last status line: "#N DONE cov: C ft: F corp: U/S ..."
  grep -E '^#[0-9]+[[:space:]]+(DONE|pulse|NEW|REDUCE)' "$log" | tail -1 | sed 's/^/   last: /' || true
  echo "   corpus: $(ls "$build/corpus/$t" | wc -l) files"
  echo "   findings: $(ls "$build/findings/$t" | wc -l)"
done
