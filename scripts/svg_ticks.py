#!/usr/bin/env python3
"""Reads the tick labels of a graph's SVG picture back as numbers.

    svg_ticks.py picture.svg [--check]

Labels in plain decimals (or, for older pictures, in E notation) count as numbers.
Prints one line for each axis: "x:" for the row of numbers under the plot, "y:" for the numbers
beside it, top to bottom. With --check, the status is 1 unless each axis has 3 to 10 labels at
one step of 1, 2 or 5 times a power of ten.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"
NUMBER = re.compile(r"^[-\u2212]?\d+(\.\d+)?([eE][-+]?\d+)?$")


def transform_of(element, outer):
    """The affine map (a, b, c, d, e, f) of the element's transform after the outer one."""
    a, b, c, d, e, f = outer
    text = element.get("transform", "")
    for name, args in re.findall(r"(\w+)\s*\(([^)]*)\)", text):
        v = [float(x) for x in re.split(r"[\s,]+", args.strip()) if x]
        if name == "matrix":
            m = v
        elif name == "translate":
            m = [1, 0, 0, 1, v[0], v[1] if len(v) > 1 else 0]
        elif name == "scale":
            m = [v[0], 0, 0, v[1] if len(v) > 1 else v[0], 0, 0]
        else:
            continue
        a, b, c, d, e, f = (a * m[0] + c * m[1], b * m[0] + d * m[1],
                            a * m[2] + c * m[3], b * m[2] + d * m[3],
                            a * m[4] + c * m[5] + e, b * m[4] + d * m[5] + f)
    return a, b, c, d, e, f


def numeric_texts(element, outer=(1, 0, 0, 1, 0, 0), found=None):
    """(x, y, value) of every text that is a plain number, in picture coordinates."""
    found = [] if found is None else found
    here = transform_of(element, outer)
    if element.tag == SVG + "text":
        words = "".join(element.itertext()).strip()
        if NUMBER.match(words):
            x, y = float(element.get("x", 0)), float(element.get("y", 0))
            a, b, c, d, e, f = here
            found.append((a * x + c * y + e, b * x + d * y + f,
                          float(words.replace("\u2212", "-"))))
    for child in element:
        numeric_texts(child, here, found)
    return found


def axes(labels):
    """The x axis is the row holding the most labels; the y axis is the rest, top to bottom."""
    rows = {}
    for x, y, value in labels:
        rows.setdefault(round(y), []).append((x, y, value))
    merged = {}
    for key in sorted(rows):
        near = next((k for k in merged if abs(k - key) <= 2), key)
        merged.setdefault(near, []).extend(rows[key])
    row = max(merged.values(), key=len) if merged else []
    x_axis = [v for _, _, v in sorted(row)]
    beside = sorted((l for l in labels if l not in row), key=lambda l: l[1])
    y_axis = [v for _, _, v in beside]
    return x_axis, y_axis


def nice(values):
    if not 3 <= len(values) <= 10:
        return False
    steps = [b - a for a, b in zip(values, values[1:])]
    step = abs(steps[0])
    if step == 0 or any(abs(abs(s) - step) > 1e-6 * step for s in steps):
        return False
    mantissa = step / 10 ** math.floor(math.log10(step))
    return any(abs(mantissa - m) < 1e-6 for m in (1, 2, 5))


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    x_axis, y_axis = axes(numeric_texts(ET.parse(argv[1]).getroot()))
    ok = True
    for name, values in (("x", x_axis), ("y", y_axis)):
        print(f"{name}: " + " ".join(f"{v:g}" for v in values))
        ok = ok and nice(values)
    return 0 if ok or "--check" not in argv else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
