#!/usr/bin/env bash
# Runs a window test on a virtual X screen under a real window manager
# (Xvfb and openbox), where a window's frame arrives some time after the
# window shows.  Without Xvfb or openbox the test is skipped (status 77),
# never failed.
#   under_window_manager.sh TEST_BINARY [TEST ARGUMENTS...]
set -u
binary=$1
shift
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  echo "Xvfb or openbox is not installed: skipped"
  exit 77
fi
work=$(mktemp -d)
xvfb=""
wm=""
finish() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start: skipped"
  cat "$work/xvfb.log"
  exit 77
fi
export DISPLAY=":$(head -n 1 "$work/display")"
# Qt asks the window manager what it supports when the test starts: wait
# until openbox has taken the screen.
HOME="$work" openbox --sm-disable --startup "touch $work/ready" >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 1 100); do
  [ -e "$work/ready" ] && break
  sleep 0.05
done
if [ ! -e "$work/ready" ]; then
  echo "openbox did not start: skipped"
  cat "$work/openbox.log"
  exit 77
fi
QT_QPA_PLATFORM=xcb "$binary" "$@"
