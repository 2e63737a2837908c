#!/usr/bin/env bash
# Builds Tolvane with its tests and runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup-deps.sh" test
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TESTS=ON >/dev/null
cmake --build "$here/build" -j"$(nproc)"
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600
