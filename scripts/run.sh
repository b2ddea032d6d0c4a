#!/usr/bin/env bash
# Builds TROCHIX (installing what is missing) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/release" -j2 --target trochix trochix-batch
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "TROCHIX is built but there is no display to show it on."
    echo "Run it from a desktop session, or under a virtual display:"
    echo "    xvfb-run -a $root/build/release/trochix"
    exit 0
fi
exec "$root/build/release/trochix" "$@"
