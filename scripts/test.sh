#!/usr/bin/env bash
# Installs what is missing, builds everything in build/, and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
cd "$top/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j2
