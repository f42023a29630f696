#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need
# (only those missing; needs root or sudo).
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libcli11-dev libbenchmark-dev
  fonts-liberation2 poppler-utils
  # the layout every C++ file keeps (scripts/check_format.sh)
  clang-format
  # every function's size and complexity (scripts/check_function_size.sh)
  clang-tidy
  # to build the researchers' reference reader in the export's peer check
  autoconf automake libtool make
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A virtual screen with a window manager, for the window-placing test; the
# test is skipped without them, so failing to install them is no failure.
optional_missing=()
for p in xvfb openbox; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    optional_missing+=("$p")
done
if [ ${#optional_missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  { "${sudo_cmd[@]}" apt-get update -qq &&
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${optional_missing[@]}"; } ||
    echo "xvfb and openbox not installed: the window manager test will be skipped"
fi
