#!/usr/bin/env python3
"""Reads the stream files that `loomset demo --out DIR` writes, one per manager, prints what each
holds and, with --svg OUT, draws every record on one sheet with the standard library alone.

    PYTHONPATH=build/python python3 examples/demo_files.py DIR [--svg OUT]
"""
import argparse
import pathlib
from xml.sax.saxutils import escape

import loomset

PANEL, MARGIN = 160, 16


def needle_points(motif, start=(0.0, 0.0)):
    """The motif laid once along its own reference line: (x, y, jump) for each needle point."""
    x, y = start
    points = [(x, y, 0)]
    for dx, dy, jump in motif.place(start, (x + motif.reference[0], y + motif.reference[1])):
        x, y = x + dx, y + dy
        points.append((x, y, jump))
    return points


def shapes_of(record):
    """The record as lines: ('line', points, dashed) and ('curve', segments) in its own units."""
    if isinstance(record, loomset.ProgrammedPattern):
        shapes, row = [], 0.0
        for _, motif in record.description:
            points = needle_points(motif, (0.0, row))
            for a, b in zip(points, points[1:]):
                shapes.append(("line", [a[:2], b[:2]], b[2] != 0))
            row -= max(abs(motif.reference[0]), 1.0) / 2
        return shapes
    if isinstance(record, loomset.WavePattern):
        return [("curve", record.pattern.segments)]
    if isinstance(record, loomset.VectorPattern):
        return [("curve", curve) for curve in record.curves if curve]
    # A fill pattern: four rows of stitches, each row shifted by its offset.
    length, offsets = record.stitch_length or 1.0, record.old_offsets or [0.0]
    return [("line", [(offsets[row % len(offsets)] * length + i * length, -row * length / 2),
                      (offsets[row % len(offsets)] * length + (i + 0.8) * length,
                       -row * length / 2)], record.random)
            for row in range(4) for i in range(4)]


def panel(record, left, top):
    """The SVG of one record, fitted into the square at (left, top), and its label."""
    shapes = shapes_of(record)
    points = [p for s in shapes for p in (s[1] if s[0] == "line" else
                                          [q for segment in s[1] for q in segment])]
    xs, ys = [p[0] for p in points] or [0.0], [p[1] for p in points] or [0.0]
    size = max(max(xs) - min(xs), max(ys) - min(ys), 1e-9)
    scale = (PANEL - 2 * MARGIN) / size

    def at(p):  # SVG's y grows downwards
        return (f"{left + MARGIN + (p[0] - min(xs)) * scale:.2f},"
                f"{top + PANEL - MARGIN - (p[1] - min(ys)) * scale:.2f}")

    out = [f'<rect x="{left}" y="{top}" width="{PANEL}" height="{PANEL}" fill="none" '
           f'stroke="#ccc"/>',
           f'<text x="{left + 4}" y="{top + 12}" font-size="10">{escape(record.name_text)} '
           f'({record.family})</text>']
    for shape in shapes:
        if shape[0] == "line":
            dash = ' stroke-dasharray="3,2"' if shape[2] else ""
            out.append(f'<polyline points="{" ".join(map(at, shape[1]))}" fill="none" '
                       f'stroke="#246"{dash}/>')
        else:
            path = " ".join(f"M{at(s[0])} C{at(s[1])} {at(s[2])} {at(s[3])}" for s in shape[1])
            out.append(f'<path d="{path}" fill="none" stroke="#a42"/>')
    return "\n".join(out)


def describe(record):
    """One line on what a record holds, in the library's terms."""
    if isinstance(record, loomset.FillPattern):
        return (f"stitch length {record.stitch_length:g}, " +
                ("random" if record.random else f"offsets {record.old_offsets}"))
    if isinstance(record, loomset.ProgrammedPattern):
        return "; ".join(f"thread {loomset.name_text(thread)}: {len(motif.entries)} entries along "
                         f"{motif.reference}" for thread, motif in record.description)
    if isinstance(record, loomset.WavePattern):
        return f"{len(record.pattern.segments)} segments along {record.pattern.reference}"
    return f"dimension {record.dimension}, {sum(map(len, record.curves))} segments"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dir", type=pathlib.Path, help="where `loomset demo` wrote its files")
    parser.add_argument("--svg", type=pathlib.Path, help="draw every record into this file")
    args = parser.parse_args()
    records = []
    for name, manager in loomset.managers.items():
        found = loomset.read_file(args.dir / f"{name}.stream", manager.family)
        print(f"{name}: {len(found)} {manager.family} patterns")
        for record in found:
            print(f"  {record.name_text}: {describe(record)}")
        records += found
    if args.svg:
        columns = 5
        rows = (len(records) + columns - 1) // columns
        body = [panel(r, (i % columns) * PANEL, (i // columns) * PANEL)
                for i, r in enumerate(records)]
        args.svg.write_text(f'<svg xmlns="http://www.w3.org/2000/svg" width="{columns * PANEL}" '
                            f'height="{rows * PANEL}" font-family="sans-serif">\n' +
                            "\n".join(body) + "\n</svg>\n", encoding="utf-8")
        print(f"drew {args.svg}: {len(records)} records")


if __name__ == "__main__":
    main()
