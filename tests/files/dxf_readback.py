#!/usr/bin/python3
# Reads a DXF file with ezdxf, an independent reader, and prints its entities one per line:
#   LINE layer x0 y0 x1 y1 | ARC layer cx cy r a0 a1 | CIRCLE layer cx cy r | POINT layer x y
# and first "VERSION v" and "LAYERS name,name,...". Exits 1 when the file does not read or
# its audit finds errors.
import sys

import ezdxf
from ezdxf import recover

doc, auditor = recover.readfile(sys.argv[1])
if auditor.has_errors:
    for e in auditor.errors:
        print("AUDIT", e.message)
    sys.exit(1)
print("VERSION", doc.dxfversion)
print("LAYERS", ",".join(sorted(layer.dxf.name for layer in doc.layers)))
for e in doc.modelspace():
    t = e.dxftype()
    d = e.dxf
    if t == "LINE":
        v = (d.start.x, d.start.y, d.end.x, d.end.y)
    elif t == "ARC":
        v = (d.center.x, d.center.y, d.radius, d.start_angle, d.end_angle)
    elif t == "CIRCLE":
        v = (d.center.x, d.center.y, d.radius)
    elif t == "POINT":
        v = (d.location.x, d.location.y)
    else:
        v = ()
    print(t, d.layer, " ".join(repr(float(x)) for x in v))
