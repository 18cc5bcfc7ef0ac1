#!/usr/bin/env bash
# Installs what a make target needs on Debian 12, by profile:
#   run      building and starting the programs (make run, make install)
#   package  run, and building the Debian package (make package)
#   web      building the page with emscripten (make web, make web-run)
#   windows  cross-building the Windows programs, installer and zip, and running them under
#            Wine (make windows)
#   test     package, web, windows, and the tests, formatters, validators, benchmarks and
#            fuzzing tools, the browser the page's test drives and the page's audits (make test;
#            the default)
# Packages already present are skipped, so a second run costs one dpkg query.
set -euo pipefail

run=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev libedit-dev gettext libxcb1-dev
  fonts-wqy-zenhei
)
package=(dpkg-dev file)
# emscripten finds acorn through NODE_PATH; the host compiler writes the GBK tables; the node
# tests build GoogleTest from its sources; python3 serves the page.
web=(emscripten node-acorn g++ googletest python3)
# The posix flavour of mingw-w64 has std::thread and friends; the host compiler writes the GBK
# tables and msgfmt the messages; wine64 runs the tests (Debian's wine is its launcher); nsis
# writes the installer.
windows=(cmake ninja-build make g++ gettext googletest g++-mingw-w64-x86-64-posix wine wine64 nsis)
test=(
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
  clang libclang-rt-14-dev clang-format-14 black
  xvfb xauth xdotool xclip openbox x11-utils
  dbus at-spi2-core python3-pyatspi
  desktop-file-utils appstream lintian locales
  chromium
)

case "${1:-test}" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  web) packages=(cmake ninja-build make "${web[@]}") ;;
  windows) packages=("${windows[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${web[@]}" "${windows[@]}" "${test[@]}") ;;
  *) echo "usage: $0 [run|package|web|windows|test]" >&2; exit 2 ;;
esac

# The page's audits: Lighthouse and axe-core from npm at the versions tools/audits/ locks, kept
# outside the checkout; reinstalled only when the lock changes. Node.js comes with the machine,
# npm from Debian where it did not.
audits=/usr/local/lib/anglarix-audits
audits_lock="$(dirname "$0")/audits/package-lock.json"
want_audits=false
if [ "${1:-test}" = test ] && ! cmp -s "$audits_lock" "$audits/installed-lock.json"; then
  want_audits=true
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && [ "$want_audits" = false ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if [ "$want_audits" = true ]; then
  echo "setup: installing Lighthouse and axe-core into $audits"
  $sudo mkdir -p "$audits"
  $sudo cp "$(dirname "$0")"/audits/{package.json,package-lock.json,.npmrc} "$audits/"
  (cd "$audits" && $sudo npm ci --no-audit --no-fund --loglevel=error)
  $sudo cp "$audits_lock" "$audits/installed-lock.json"
fi
