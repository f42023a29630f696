#!/usr/bin/env bash
# The researchers' reference reader on the files the export writes.
#
# Builds the reference reader's tools from their source (the tarball kept
# beside the repository, ../shared/peers, never part of the program) and
# runs its box score maker over:
#   - the twenty clubs' 2019 season, imported and written out again: every
#     game's box score, line by line, against the one it makes of the
#     original files (the lines that differ, with their causes, are the
#     golden list tests/interop/data/retrosheet-2019/peer-differences.txt);
#   - the sample season and a simulated season of 200 games: it reads every
#     game (no sanity check fails), and every game's score by innings,
#     batting and pitching lines equal our box score's.
# Without the tarball or the tools to build it the check is skipped
# (exit 77), never failed.
#
#   peer_check.sh SOURCE_DIR WORK PEER_LINES SIM SAMPLE_DIR
set -euo pipefail
source_dir=$1 work=$2 peer_lines=$3 sim=$4 sample=$5
tarball=$(cd "$source_dir/.." && pwd)/shared/peers/chadwick-6d8195c.tgz
if [ ! -f "$tarball" ]; then
  echo "skipped: the reference reader's source is not at $tarball"
  exit 77
fi
for tool in autoreconf make cc; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is missing to build the reference reader (scripts/deps.sh installs it)"
    exit 77
  fi
done
mkdir -p "$work"
reader=$work/reader
# Built once a build folder; again when the tarball changes.
stamp=$(cksum <"$tarball" | cut -d' ' -f1)
if [ ! -x "$reader/bin/cwbox" ] || [ "$(cat "$reader/stamp" 2>/dev/null)" != "$stamp" ]; then
  rm -rf "$work/src" "$reader"
  mkdir -p "$work/src"
  tar -xzf "$tarball" -C "$work/src"
  top=$(find "$work/src" -maxdepth 2 -name configure.ac -printf '%h\n' | head -1)
  (cd "$top" && autoreconf -fi && ./configure --prefix="$reader" --disable-shared &&
    make -j2 && make install) >"$work/build.log" 2>&1 || {
    echo "the reference reader did not build; see $work/build.log"
    exit 1
  }
  echo "$stamp" >"$reader/stamp"
fi
cwbox=$reader/bin/cwbox

# Box scores of every event file of a folder into OUT/EVENTFILE.box; the
# reader's warnings into OUT/warnings.txt.
boxes() {
  local folder=$1 out=$2
  mkdir -p "$out"
  : >"$out/warnings.txt"
  for f in "$folder"/*.EV?; do
    local name season
    name=$(basename "$f")
    season=${name:0:4}
    (cd "$folder" && "$cwbox" -y "$season" "$name" 2>>"$out/warnings.txt" >"$out/$name.box")
  done
}

failed=0
# Every game read: the reader skips a game that fails its sanity check.
no_warnings() {
  if grep -E "Sanity check fails|ERROR|Parse error|Play-by-play error" "$1/warnings.txt"; then
    echo "the reference reader refused games of $2"
    failed=1
  fi
}

# The twenty clubs' season: the reader's box scores of the files written
# against those of the originals.
data=$source_dir/tests/interop/data/retrosheet-2019
rm -rf "$work/season" "$work/original"
mkdir -p "$work/season"
"$peer_lines" retro "$work/season" "$data"
boxes "$work/season" "$work/season"
no_warnings "$work/season" "the season written"
mkdir -p "$work/original"
cp "$data"/*.EV? "$data"/*.ROS "$data"/TEAM2019 "$work/original/"
boxes "$work/original" "$work/original"
"$peer_lines" texts "$work/original" "$work/season" "$work/season/ids.txt" >"$work/differences.txt"
tail -1 "$work/differences.txt"
if ! diff -u "$data/peer-differences.txt" \
  <(grep -v "games differ$" "$work/differences.txt") >"$work/differences.diff"; then
  echo "the reader's box scores differ otherwise than tests/interop/data/retrosheet-2019/peer-differences.txt says:"
  head -40 "$work/differences.diff"
  failed=1
fi

# The sample season and a simulated season: the reader's lines are ours.
for season in sample simulated; do
  games=$work/$season-games
  out=$work/$season
  rm -rf "$games" "$out"
  mkdir -p "$games" "$out"
  if [ "$season" = sample ]; then
    cp "$sample"/*.gam "$games/"
  else
    "$sim" --teams "$sample" --games 200 --seed 37 --out "$games" >/dev/null
  fi
  "$peer_lines" write "$out" "$games"/*.gam
  boxes "$out" "$out"
  no_warnings "$out" "the $season season"
  "$peer_lines" lines "$out" >"$out/lines.txt" || {
    echo "the reader's box scores of the $season season differ from ours:"
    head -20 "$out/lines.txt"
    failed=1
  }
  tail -1 "$out/lines.txt"
done
exit $failed
