#!/usr/bin/env bash
# Builds Tolvane and starts it in the current folder (the database lives there).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup-deps.sh" build
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" --target tolvane -j"$(nproc)"
exec "$here/build/src/tolvane" "$@"
