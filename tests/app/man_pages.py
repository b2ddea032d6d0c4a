#!/usr/bin/env python3
"""Checks that a manual page, as man shows it, holds the program's --help word for word.

    man_pages.py PROGRAM PAGE.1

The SYNOPSIS section must be the usage text up to its first blank line (less "usage:"), the
OPTIONS section the rest, in the same words and order; every option that starts a line of
the usage must start a line of the page; groff must not warn.
"""
import os
import re
import shutil
import subprocess
import sys


def fail(why):
    sys.exit(f"{sys.argv[2]}: {why}")


def words(lines):
    return " ".join(" ".join(lines).split())


def section(rendered, name):
    out, inside = [], False
    for line in rendered:
        if re.match(r"^[A-Z][A-Z ]*$", line):
            inside = line == name
            continue
        if inside:
            out.append(line)
    if not out:
        fail(f"no {name} section")
    return out


def main():
    program, page = sys.argv[1:3]
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0", LC_ALL="C", MANWIDTH="80")
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "MAN_KEEP_FORMATTING"):
        env.pop(name, None)
    usage = subprocess.run([program, "--help"], capture_output=True, text=True, env=env,
                           check=True).stdout.rstrip("\n").split("\n")
    if not shutil.which("man"):
        fail("man is not installed (scripts/install-deps.sh installs man-db)")
    shown = subprocess.run(["man", "--warnings", "-l", page], capture_output=True, text=True,
                           env=env)
    if shown.returncode != 0 or shown.stderr:
        fail(f"man -l gave status {shown.returncode}: {shown.stderr}")
    rendered = shown.stdout.split("\n")

    blank = usage.index("")
    expected_synopsis = words([usage[0][len("usage:"):]] + usage[1:blank])
    expected_options = words(usage[blank + 1:])
    for name, expected in (("SYNOPSIS", expected_synopsis), ("OPTIONS", expected_options)):
        got = words(section(rendered, name))
        if got != expected:
            at = next((i for i, (a, b) in enumerate(zip(got, expected)) if a != b),
                      min(len(got), len(expected)))
            fail(f"{name} differs from --help at character {at}:\n"
                 f"  page: ...{got[max(0, at - 40):at + 40]}\n"
                 f"  help: ...{expected[max(0, at - 40):at + 40]}")

    starts = {line.strip().split("  ")[0] for line in section(rendered, "OPTIONS")}
    for line in usage[blank + 1:]:
        option = re.match(r"^  (-\S.*?)(  |$)", line)
        if option and option.group(1) not in starts:
            fail(f"the option {option.group(1)} does not start a line of the page")
    print(f"{page}: SYNOPSIS and OPTIONS are {program} --help")


if __name__ == "__main__":
    main()
