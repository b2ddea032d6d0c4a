#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing (python3-ezdxf
# reads the drawings back in the tests; OpenCASCADE writes and reads the STEP models, its
# CMake targets naming the threading library of libtbb-dev).
# python3 writes the manual pages from the programs' --help at build time, man-db shows them
# in the tests.
# With "fuzz": also clang and its runtime libraries (libFuzzer for clang 14 is in
# libclang-rt-14-dev), for scripts/fuzz.sh.
# With "package": what scripts/package.sh needs to build, check and try the Debian package
# (dpkg-shlibdeps of dpkg-dev finds its dependencies; lintian checks it; desktop-file-utils
# and shared-mime-info check the desktop entry and the file type, libxml2-utils the icon).
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
          libgtest-dev libbenchmark-dev xvfb xauth python3-ezdxf
          libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
          libocct-data-exchange-dev libtbb-dev python3 man-db)
if [[ "${1:-}" == "fuzz" ]]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi
if [[ "${1:-}" == "package" ]]; then
    packages+=(dpkg-dev lintian desktop-file-utils shared-mime-info libxml2-utils)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_=""
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo_=sudo
fi
export DEBIAN_FRONTEND=noninteractive
if ! $sudo_ apt-get install -y --no-install-recommends "${missing[@]}"; then
    $sudo_ apt-get update
    $sudo_ apt-get install -y --no-install-recommends "${missing[@]}"
fi
