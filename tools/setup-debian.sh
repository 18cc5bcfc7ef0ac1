#!/usr/bin/env bash
# Installs what the build, the tests and the benchmarks need on Debian 12. Packages already
# present are skipped, so a second run costs one dpkg query.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
  clang libclang-rt-14-dev
  fonts-wqy-zenhei
  desktop-file-utils appstream lintian dpkg-dev file
  xvfb xauth xdotool xclip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
