#!/usr/bin/env python3
"""Writes a manual page whose synopsis and options are the program's own --help text.

    manpage.py PROGRAM TEMPLATE OUT.1 NAME=VALUE...

The template's @SYNOPSIS@ and @OPTIONS@ become the usage text in roff, its other @NAME@s the
values given; OUT.1 and OUT.1.gz (compressed as gzip -9n does) are written. The usage text is
read as the programs lay it out:

    usage: prog ...                 the synopsis, up to the first blank line
      --option ARG   what it does   an option; lines indented under the text continue it
      prog --other ...              an indented line of a command, kept as it is
    Plain text.                     a paragraph; a line after one ending in '.' starts anew

Words are never hyphenated or moved between the two parts, so that what man shows is the
usage text word for word (tests/app/man_pages.py checks it).
"""
import gzip
import os
import re
import subprocess
import sys
import time

OPTION = re.compile(r"^  (-\S.*?)  +(\S.*)$")
ALONE = re.compile(r"^  (-\S.*\S)$")  # an option with its text on the lines below


def escape(text):
    text = text.replace("\\", "\\e")
    for plain, roff in (("-", "\\-"), ("'", "\\(aq"), ("`", "\\(ga"), ("^", "\\(ha"),
                        ("~", "\\(ti")):
        text = text.replace(plain, roff)
    # A line may not start with a control character.
    return "\\&" + text if text.startswith(".") else text


def tag(text):
    # The option words in bold, their values as typed.
    return " ".join("\\fB" + escape(w) + "\\fR" if w.startswith("-") else escape(w)
                    for w in text.split(" "))


def usage_of(program):
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(name, None)
    run = subprocess.run([program, "--help"], capture_output=True, text=True, env=env,
                         timeout=60)
    if run.returncode != 0 or not run.stdout.startswith("usage: "):
        sys.exit(f"{program} --help gave status {run.returncode}: {run.stderr}")
    return run.stdout.rstrip("\n").split("\n")


def synopsis(lines):
    lines = [lines[0][len("usage: "):]] + [l[len("usage: "):] if l.startswith(" " * 7) else l
                                            for l in lines[1:]]
    return "\n".join([".nf"] + [escape(l) for l in lines] + [".fi"])


def options(lines):
    out = []
    mode = None  # "item", "text", "verbatim"
    last_text = ""
    for line in lines:
        if not line.strip():
            out.append(".PP")
            mode = None
            continue
        item = OPTION.match(line) or ALONE.match(line)
        if item:
            if mode == "verbatim":
                out.append(".fi")
            out += [".TP", tag(item.group(1))]
            if item.lastindex == 2:
                out.append(escape(item.group(2)))
            mode = "item"
        elif mode == "item" and line.startswith("   "):
            out.append(escape(line.strip()))
        elif line.startswith(" "):
            if mode != "verbatim":
                if mode == "item":
                    out.append(".PP")
                out.append(".nf")
            out.append(escape(line))
            mode = "verbatim"
        else:
            if mode == "verbatim":
                out.append(".fi")
            if mode in ("item", "verbatim"):
                out.append(".PP")
            elif mode == "text" and last_text.endswith("."):
                out.append(".br")
            out.append(escape(line))
            last_text = line
            mode = "text"
    if mode == "verbatim":
        out.append(".fi")
    while out and out[-1] == ".PP":
        out.pop()
    return "\n".join(out)


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    program, template, out = sys.argv[1:4]
    lines = usage_of(program)
    blank = lines.index("") if "" in lines else len(lines)
    date = time.gmtime(int(os.environ.get("SOURCE_DATE_EPOCH", time.time())))
    values = {"SYNOPSIS": synopsis(lines[:blank]), "OPTIONS": options(lines[blank + 1:]),
              "DATE": time.strftime("%Y-%m-%d", date)}
    for pair in sys.argv[4:]:
        name, _, value = pair.partition("=")
        values[name] = value
    with open(template, encoding="utf-8") as f:
        page = f.read()
    page = re.sub(r"@([A-Z_]+)@", lambda m: values[m.group(1)], page)
    with open(out, "w", encoding="utf-8") as f:
        f.write(page)
    # No name and no time in the header, the most compression: as Debian wants its pages.
    with open(out + ".gz", "wb") as f:
        f.write(gzip.compress(page.encode("utf-8"), compresslevel=9, mtime=0))


if __name__ == "__main__":
    main()
