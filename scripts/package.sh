#!/usr/bin/env bash
# Builds the Debian package of TROCHIX from the Release build (installing what is missing),
# has lintian check it (an error stops the run; warnings are shown) and tries both the
# installed tree and the unpacked package (tests/install/installed_tree.sh). The package is
# left in build/release/package/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" package
build="$root/build/release"
# The folder scripts/run.sh and CI build, installed under /usr as Debian packages are.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
# Everything, as CI builds it: CPack installs only after building every target.
cmake --build "$build" -j2
rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
debs=("$build"/package/trochix_*.deb)
deb=${debs[0]}
[[ ${#debs[@]} -eq 1 && -f "$deb" ]] || { echo "cpack wrote no package" >&2; exit 1; }
echo "== lintian $(basename "$deb")"
lintian --fail-on error --info "$deb"
"$root/tests/install/installed_tree.sh" "$build" "$deb"
echo "Package: $deb"
