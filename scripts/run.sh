#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the bundled
# sample season in build/sample.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build"
cd "$top/build/sample"
for team in *.tem; do "$top/build/src/cli/scorewick" inspect "$team"; echo; done
game=$(ls *.gam | head -n 1)
exec "$top/build/src/cli/scorewick" inspect "$game"
