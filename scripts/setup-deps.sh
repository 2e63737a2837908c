#!/usr/bin/env bash
# Installs the Debian packages Tolvane needs, only when some are missing.
#   scripts/setup-deps.sh build   - to build and run the program
#   scripts/setup-deps.sh test    - also the tools the tests check against
#   scripts/setup-deps.sh bench   - also the peers the benchmarks race
set -euo pipefail
build_pkgs="cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n libsqlite3-dev libfreexl-dev libgtest-dev libbenchmark-dev fonts-arphic-uming fonts-liberation fonts-dejavu-core"
test_pkgs="zint zbar-tools poppler-utils python3-xlrd python3-xlwt python3-olefile cups printer-driver-cups-pdf xvfb xauth xdotool sqlite3 imagemagick"
bench_pkgs="libzint-dev glabels"
want="$build_pkgs"
case "${1:-build}" in
  test) want="$build_pkgs $test_pkgs" ;;
  bench) want="$build_pkgs $test_pkgs $bench_pkgs" ;;
esac
missing=""
for p in $want; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing >/dev/null
fi
