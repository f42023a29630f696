#!/usr/bin/env bash
# Installs what is missing, builds everything in build/, and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build"
cd "$top/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j2
