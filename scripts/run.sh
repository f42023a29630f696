#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the bundled
# sample season in build/sample: the desktop program when there is a
# display, otherwise the command line's summaries of the sample teams and
# the first sample game.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
scorewick="$top/build/src/cli/scorewick"
cd "$top/build/sample"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$scorewick"
fi
echo "No display: summaries of the sample season (run scorewick in build/sample with a display for the desktop program)."
for team in *.tem; do "$scorewick" inspect "$team"; echo; done
exec "$scorewick" inspect "$(ls ./*.gam | head -n 1)"
