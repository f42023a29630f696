#!/usr/bin/env bash
# Every C++ source of the repository as clang-format lays it out (the
# style is .clang-format): lists the files that differ and fails if any do.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed: scripts/deps.sh installs it" >&2
  exit 1
fi
if git rev-parse --git-dir >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests tools bench fuzz \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
# One run over every file; it names each place that differs.
report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1 >/dev/null || true)
unformatted=$(printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$unformatted" ] || [ -n "$report" ]; then
  if [ -n "$unformatted" ]; then
    printf '%s differs from its clang-format layout\n' $unformatted >&2
  else
    printf '%s\n' "$report" >&2
  fi
  echo "run: clang-format -i FILE (or git clang-format before committing)" >&2
  exit 1
fi
echo "every C++ file (${#files[@]}) is formatted"
