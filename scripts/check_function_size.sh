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

# The compile commands of src/ for clang: without the compiler's
# dependency flags and the build's precompiled Qt headers, which are the
# compiler's own and which clang cannot read (each file includes what it
# uses, as a build without them shows).  A precompiled header made by clang
# saves nothing here: clang-tidy visits every declaration it holds.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$build/compile_commands.json" "$top/src/" "$work" <<'PY'
import json, shlex, sys
database, src, work = sys.argv[1:]
entries = []
for e in json.load(open(database)):
    if not (e["file"].startswith(src) and e["file"].endswith(".cpp")):
        continue
    args = e["arguments"] if "arguments" in e else shlex.split(e["command"])
    kept, i = [], 0
    while i < len(args):
        if args[i] in ("-MD", "-MMD", "-Winvalid-pch"):
            i += 1
        elif args[i] in ("-MT", "-MF", "-MQ"):
            i += 2
        elif args[i] == "-include" and args[i + 1].endswith("cmake_pch.hxx"):
            i += 2
        else:
            kept.append(args[i])
            i += 1
    entries.append({"directory": e["directory"], "file": e["file"], "arguments": kept})
json.dump(entries, open(work + "/compile_commands.json", "w"))
PY

config="{Checks: '-*,readability-function-size,readability-function-cognitive-complexity',
  CheckOptions: [{key: readability-function-size.LineThreshold, value: 80},
                 {key: readability-function-cognitive-complexity.Threshold, value: 40},
                 {key: readability-function-cognitive-complexity.DescribeBasicIncrements,
                  value: false}]}"
# Every source of src/ the build compiles; the headers of src/ they include
# are checked with them.
mapfile -t files < <(python3 -c 'import json, sys
for e in json.load(open(sys.argv[1])): print(e["file"])' "$work/compile_commands.json" | sort -u)
if [ ${#files[@]} -eq 0 ]; then
  echo "no source of src/ in $build/compile_commands.json" >&2
  exit 1
fi
printf '%s\n' "${files[@]}" |
  xargs -P "$jobs" -n 4 "$tidy" -p "$work" --quiet --config="$config" \
    --header-filter="^$top/src/" >"$work/out" 2>"$work/err" || true
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
      over[key] = over[key] " complexity " what
    }
    pending = key
    next
  }
  pending != "" && /note: [0-9]+ lines including/ {
    what = $0; sub(/.*note: /, "", what); sub(/ .*/, "", what)
    over[pending] = over[pending] " lines " what
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
echo "every function of src/ (${#files[@]} files) is within 80 lines and a cognitive" \
  "complexity of 40, but for the $listed listed in scripts/function_size_exceptions.txt"
