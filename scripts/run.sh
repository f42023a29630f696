#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the bundled
# sample season in build/sample.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
cd "$top/build/sample"
for team in *.tem; do "$top/build/src/cli/scorewick" inspect "$team"; echo; done
game=$(ls *.gam | head -n 1)
exec "$top/build/src/cli/scorewick" inspect "$game"
