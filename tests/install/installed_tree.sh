#!/usr/bin/env bash
# Tries TROCHIX as it is installed: `cmake --install` into a temporary prefix, and the Debian
# package unpacked into another. In each tree the programs must run from there alone (no path
# into the build folder), write what the build's own programs write, and every installed file
# must be what the desktop and man expect; the package must name its libraries and apt must
# find them all.
#   tests/install/installed_tree.sh BUILD_DIR PACKAGE.deb
set -euo pipefail
build=$(cd "$1" && pwd)
deb=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/trochix-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
# Neither program may need a display for what is asked here.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export ASAN_OPTIONS=detect_leaks=0 LC_ALL=C MANWIDTH=80

fail() {
    echo "installed tree: $*" >&2
    exit 1
}

# Two exports alike from line `from` on: line 2 holds the time of the run, lines 1 and 5 the
# model's name and angle label, which a file names otherwise than the example it holds.
same_rows() {
    cmp -s <(tail -n "+$3" "$1") <(tail -n "+$3" "$2")
}

version=$("$build/trochix-batch" --version)
version=${version#trochix-batch }
mime_type=application/x-trochix-cam

# What the build's programs write, to compare the installed ones with, written as they are.
mkdir "$work/expected"
(cd "$work/expected" && "$build/trochix-batch" --example 1 --recalc --export-all all.txt &&
    "$build/trochix" --example 1 --draw --out cam.svg) 2>/dev/null

check_tree() {
    local prefix=$1 what=$2 out="$work/out-$2"
    mkdir -p "$out"
    echo "== $what: $prefix"
    for program in trochix trochix-batch; do
        [[ -x "$prefix/bin/$program" ]] || fail "$what: bin/$program is missing"
        if readelf -d "$prefix/bin/$program" | grep -E 'R(UN)?PATH' | grep -q "$build"; then
            fail "$what: bin/$program still looks for libraries in the build folder"
        fi
        [[ $("$prefix/bin/$program" --version) == "$program $version" ]] ||
            fail "$what: $program --version is not $version"
    done

    # The programs run from the tree, as the issue's commands do.
    (cd "$out" && "$prefix/bin/trochix-batch" --example 1 --recalc --export-all all.txt \
        2>batch.err) || fail "$what: trochix-batch failed: $(cat "$out/batch.err")"
    same_rows "$out/all.txt" "$work/expected/all.txt" 3 ||
        fail "$what: the installed trochix-batch wrote another export"
    (cd "$out" && "$prefix/bin/trochix" --example 1 --draw --out cam.svg 2>draw.err) ||
        fail "$what: trochix --draw failed: $(cat "$out/draw.err")"
    cmp -s "$out/cam.svg" "$work/expected/cam.svg" ||
        fail "$what: the installed trochix drew another picture"
    "$prefix/bin/trochix" --example 1 --draw --out "$out/cam.png" 2>/dev/null
    [[ $(head -c 8 "$out/cam.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
        fail "$what: trochix --draw --out cam.png wrote no PNG"

    # The examples: each one a model file that reads back to the example it was saved from.
    local examples=("$prefix"/share/trochix/examples/*.cam)
    [[ ${#examples[@]} -eq 5 ]] || fail "$what: ${#examples[@]} example files, not 5"
    local n=0
    for file in "${examples[@]}"; do
        n=$((n + 1))
        [[ $(basename "$file") == "$n-"* ]] || fail "$what: example $n is $(basename "$file")"
        "$prefix/bin/trochix-batch" --open "$file" --recalc --export-all "$out/open$n.txt" \
            2>/dev/null || fail "$what: $file does not open"
        "$prefix/bin/trochix-batch" --example "$n" --recalc --export-all "$out/example$n.txt" \
            2>/dev/null
        same_rows "$out/open$n.txt" "$out/example$n.txt" 6 ||
            fail "$what: $file computes otherwise than example $n"
    done

    # The desktop's files.
    local desktop="$prefix/share/applications/trochix.desktop"
    desktop-file-validate "$desktop" || fail "$what: trochix.desktop is not valid"
    grep -qx "Exec=trochix %f" "$desktop" || fail "$what: the desktop entry passes no file"
    grep -qx "MimeType=$mime_type;" "$desktop" || fail "$what: the desktop entry has no type"
    grep -qx "Icon=trochix" "$desktop" || fail "$what: the desktop entry has no icon"
    local icon="$prefix/share/icons/hicolor/scalable/apps/trochix.svg"
    xmllint --noout "$icon" && grep -q '<svg' "$icon" || fail "$what: trochix.svg is no SVG"
    # The file type, through the tool that builds the desktop's type database from it.
    rm -rf "$work/mime" && mkdir -p "$work/mime"
    cp -r "$prefix/share/mime/packages" "$work/mime/"
    XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>"$out/mime.err" && [[ ! -s "$out/mime.err" ]] ||
        fail "$what: update-mime-database refused trochix.xml: $(cat "$out/mime.err")"
    grep -qx "50:$mime_type:\*.cam" "$work/mime/globs2" ||
        fail "$what: *.cam is not $mime_type: $(cat "$work/mime/globs2")"

    # The manual pages render without a warning, and each names its program.
    for program in trochix trochix-batch; do
        local page="$prefix/share/man/man1/$program.1.gz"
        [[ -f "$page" ]] || fail "$what: $program.1.gz is missing"
        local shown
        shown=$(man --warnings -l "$page" 2>"$out/man.err") && [[ ! -s "$out/man.err" ]] ||
            fail "$what: man -l $page: $(cat "$out/man.err")"
        grep -q "^ *$program - " <<<"$shown" || fail "$what: $program(1) has no NAME line"
        grep -q -- "--version" <<<"$shown" || fail "$what: $program(1) lists no options"
    done
    [[ -f "$prefix/share/doc/trochix/copyright" ]] || fail "$what: no copyright file"
    gzip -t "$prefix/share/doc/trochix/changelog.gz" || fail "$what: no changelog"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_tree "$work/prefix" install

dpkg-deb -x "$deb" "$work/deb"
check_tree "$work/deb/usr" package
# The package's own fields.
[[ $(dpkg-deb -f "$deb" Package) == trochix ]] || fail "the package is not named trochix"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "the package is not version $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6printsupport6 \
               libqt6svg6 libocct-foundation libocct-data-exchange libc6 libstdc\\+\\+6; do
    grep -Eq "(^|, )$library" <<<"$depends" || fail "the package does not depend on $library"
done
# apt finds everything the package depends on (a simulation: nothing is installed).
apt-get -s install "$deb" >"$work/apt.log" 2>&1 && grep -q "^Inst trochix " "$work/apt.log" ||
    fail "apt would not install the package: $(cat "$work/apt.log")"
echo "installed tree: both trees run and hold every file"
