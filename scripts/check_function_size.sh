#!/usr/bin/env bash
# Every function of src/ short and plain enough to read at a sitting: at
# most 80 lines and a cognitive complexity of at most 40, as clang-tidy
# measures them (readability-function-size, -cognitive-complexity).  Lists
# the functions over either and fails if there are any.
#
#   scripts/check_function_size.sh [BUILD_DIR]   (default: build)
#
# scripts/function_size_exceptions.txt names the functions not yet split
# (a file and a function a line): they are let through while they are
# over, and the check fails once one of them is not, so that the list only
# shrinks.
#
# It reads the compile commands of a configured build (CMake writes
# BUILD_DIR/compile_commands.json when it configures; nothing needs to be
# built), so it can run beside the build or the tests.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
tidy=$(command -v clang-tidy || true)
if [ -z "$tidy" ]; then
  echo "clang-tidy is not installed: scripts/deps.sh installs it" >&2
  exit 1
fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "no $build/compile_commands.json: configure the build first" >&2
  exit 1
fi
jobs=${SCOREWICK_TIDY_JOBS:-$(nproc)}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
config="{Checks: '-*,readability-function-size,readability-function-cognitive-complexity',
  CheckOptions: [{key: readability-function-size.LineThreshold, value: 80},
                 {key: readability-function-cognitive-complexity.Threshold, value: 40},
                 {key: readability-function-cognitive-complexity.DescribeBasicIncrements,
                  value: false}]}"
# Every source of src/ the build compiles, a dozen compiled alike to a run
# so that the headers they share are read once; the headers of src/ they
# include are checked with them.  A precompiled header made by clang would
# save nothing here: clang-tidy visits every declaration it holds.
checked=$(python3 "$top/scripts/function_size_runs.py" "$build/compile_commands.json" \
  "$top/src/" "$work" "$jobs" "$tidy" "$config" "^$top/src/" 2>"$work/err")
if [ "${checked:-0}" -eq 0 ]; then
  cat "$work/err" >&2
  echo "no source of src/ in $build/compile_commands.json" >&2
  exit 1
fi
# clang-tidy fails on a file it cannot parse: that is a failure of the check
# too, not a pass.
if grep -q "error:" "$work/out" "$work/err"; then
  grep -h "error:" "$work/out" "$work/err" | sort -u >&2
  echo "clang-tidy could not read every file" >&2
  exit 1
fi
# Each function over, once, as "file function: what is over".
found=$(awk -v top="$top/" -v q="'" '
  index($0, "warning: function " q) {
    file = $1; sub(/:.*/, "", file); sub(top, "", file)
    name = substr($0, index($0, q) + 1); name = substr(name, 1, index(name, q) - 1)
    key = file " " name
    if ($0 ~ /cognitive complexity of/) {
      what = $0; sub(/.*cognitive complexity of /, "", what); sub(/ .*/, "", what)
      if (!seen[key, "c" what]++) over[key] = over[key] " complexity " what
    }
    pending = key
    next
  }
  pending != "" && /note: [0-9]+ lines including/ {
    what = $0; sub(/.*note: /, "", what); sub(/ .*/, "", what)
    if (!seen[pending, "l" what]++) over[pending] = over[pending] " lines " what
  }
  /warning:|error:/ { pending = "" }
  END { for (k in over) print k ":" over[k] }' "$work/out" | sort -u)
# The functions let through while they are over: "file function" a line.
exceptions="$top/scripts/function_size_exceptions.txt"
allowed=$( (grep -v '^#' "$exceptions" 2>/dev/null || true) | sed '/^ *$/d' | sort -u)
over_now=$(printf '%s\n' "$found" | sed 's/:.*//; /^$/d' | sort -u)
new=$(comm -23 <(printf '%s\n' "$over_now") <(printf '%s\n' "$allowed") | sed '/^$/d')
gone=$(comm -13 <(printf '%s\n' "$over_now") <(printf '%s\n' "$allowed") | sed '/^$/d')
status=0
if [ -n "$new" ]; then
  printf '%s\n' "$found" |
    awk -F: 'NR == FNR { want[$0] = 1; next } ($1 in want)' <(printf '%s\n' "$new") - >&2
  echo "functions of src/ over 80 lines or a cognitive complexity of 40: split them into" \
    "named steps" >&2
  status=1
fi
if [ -n "$gone" ]; then
  printf '%s\n' "$gone" >&2
  echo "no longer over (or gone): take them out of scripts/function_size_exceptions.txt" >&2
  status=1
fi
[ $status -eq 0 ] || exit 1
listed=$(printf '%s\n' "$allowed" | sed '/^$/d' | wc -l)
echo "every function of src/ ($checked files) is within 80 lines and a cognitive" \
  "complexity of 40, but for the $listed listed in scripts/function_size_exceptions.txt"
