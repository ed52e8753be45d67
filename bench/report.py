#!/usr/bin/env python3
"""Prints the benchmark figures of one run (Google Benchmark's JSON) as a table, each against
its baseline from the same run, with the target it is held to."""
import json
import sys


def main(path):
    with open(path) as f:
        run = json.load(f)
    # The median of the repetitions where there are several, else the single run.
    medians = {b["run_name"]: b for b in run["benchmarks"] if b.get("aggregate_name") == "median"}
    bench = medians or {b["name"]: b for b in run["benchmarks"]}

    def ns(name):
        b = bench[name]
        scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
        return b["real_time"] * scale

    def mbs(name):
        return bench[name]["bytes_per_second"] / 1e6

    rows = []

    def row(what, figure, ratio, target, met):
        rows.append((what, figure, ratio, target, "yes" if met else "NO"))

    base = ns("BM_PlacementBaseline")
    for m in (0, 1):
        for r in (0, 1):
            t = ns(f"BM_Placement/mirrored:{m}/reverse:{r}")
            what = "placement, 12 entries" + (", mirrored" if m else "") + (", reverse" if r else "")
            row(what, f"{t:.1f} ns", f"{t / base:.2f}x", "<= 1.5x baseline", t / base <= 1.5)
    row("placement baseline (2x2 matrix)", f"{base:.1f} ns", "1.00x", "", True)
    for r in (0, 1):
        t = ns(f"BM_BezierPlacement/reverse:{r}")
        row("Bezier placement, 4 segments" + (", reverse" if r else ""), f"{t:.1f} ns", "", "", True)
    for n in (100, 1000, 10000):
        for hit in (1, 0):
            t = ns(f"BM_Lookup/patterns:{n}/hit:{hit}")
            b = ns(f"BM_LookupBaseline/patterns:{n}/hit:{hit}")
            target = "<= 2x unordered_map" if n == 1000 else ""
            row(f"lookup, {n} patterns, {'hit' if hit else 'miss'}", f"{t:.1f} ns",
                f"{t / b:.2f}x", target, n != 1000 or t / b <= 2.0)
    copy = mbs("BM_StreamBaseline")
    w = mbs("BM_StreamWrite/patterns:10000")
    hot = mbs("BM_StreamWrite/patterns:100")
    fresh = mbs("BM_StreamWriteFresh")
    r = mbs("BM_StreamRead")
    row("stream write, 10,000 programmed patterns", f"{w:.0f} MB/s", f"{copy / w:.1f}x memcpy",
        ">= 1000 MB/s", w >= 1000)
    row("stream write, 100 patterns in cache", f"{hot:.0f} MB/s", "", "", True)
    row("stream write into a new stream", f"{fresh:.0f} MB/s", "", "", True)
    row("stream read, 10,000 programmed patterns", f"{r:.0f} MB/s", f"{copy / r:.1f}x memcpy",
        ">= 500 MB/s", r >= 500)
    row("memcpy of the same bytes", f"{copy:.0f} MB/s", "", "", True)
    walk = {n: ns(f"BM_ListWalk/elements:{n}") for n in (50000, 100000, 200000, 400000)}
    for n, t in walk.items():
        row(f"list walk by index, {n:,} elements", f"{t / 1e6:.2f} ms", f"{t / n:.1f} ns/element",
            "", True)
    for n in (50000, 100000, 200000):
        ratio = walk[2 * n] / walk[n]
        target = "about 2x (linear)" if n == 100000 else ""
        row(f"list walk, {2 * n:,} / {n:,} elements", f"{ratio:.2f}x", "", target,
            n != 100000 or 1.6 <= ratio <= 2.5)
    widths = [max(len(str(x[i])) for x in rows + [HEADER]) for i in range(5)]
    for line in [HEADER] + rows:
        print("  ".join(str(c).ljust(w) for c, w in zip(line, widths)).rstrip())
    ctx = run["context"]
    print(f"\n{ctx.get('host_name', '')}: {ctx['num_cpus']} CPUs at {ctx['mhz_per_cpu']} MHz, "
          f"{ctx['library_build_type']} Google Benchmark; {ctx['date']}")


HEADER = ("measure", "figure", "ratio", "target", "met")

if __name__ == "__main__":
    main(sys.argv[1])
