#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""How far discone's predicted SWR is from an independent axial model.

For each case (a design frequency, a number of rods and their diameter),
discone prints its table (--swr) at a few frequencies from the design
frequency up; this script then builds its own NEC-2 deck of the same antenna
for each of those frequencies, from the dimensions discone prints and the
antenna as docs/nec-model.md defines it (the feed region's radius, where the
rods start, the hub and collar), but with nothing else of discone's: every
rod written out (no symmetry), one source on a pin on the axis, segments
fitted to that frequency alone, at most a twentieth of a wavelength, or for
thick rods as long as 8 of their radii (NEC-2's rule of thumb for the
thin-wire kernel) up to a tenth of a wavelength. nec2c
runs it with the whole sphere sampled every 5 degrees and prints its own
average gain; the impedance times that average gain gives the reference
SWR. The table it prints (Markdown) is the one in docs/nec-model.md.

    tools/axial-agreement.py [--discone build/app/discone] [--jobs 2]

It needs nec2c on PATH and takes a few minutes on two cores.
"""

import argparse
import concurrent.futures
import math
import statistics
import subprocess

C = 299.792458  # metres times MHz

# (rods, design MHz, rod diameter mm, highest multiple, frequencies)
CASES = [
    (3, 146, 2, 10, 11),
    (3, 25, 0.05, 10, 11),
    (4, 146, 2, 10, 11),
    (4, 440, 2, 10, 11),
    (8, 146, 2, 10, 11),
    (8, 50, 1, 10, 11),
    (16, 146, 2, 10, 11),
    (16, 146, 6, 10, 11),
    (16, 25, 2, 10, 11),
    (16, 1296, 1, 10, 11),
    (32, 146, 2, 5, 8),
    (64, 146, 2, 3, 6),
]


def design(program, mhz):
    """The printed dimensions in metres."""
    out = subprocess.run([program, "--cm", str(mhz)], capture_output=True, text=True,
                         check=True).stdout
    cm = dict(line.split("\t") for line in out.splitlines())
    return {key: float(value) / 100 for key, value in cm.items() if key != "mesh-spacing"}


def table(program, mhz, rods, diameter, multiple, points):
    """discone's (MHz, SWR) rows."""
    out = subprocess.run(
        [program, "--cm", str(mhz), "--swr", "--radials", str(rods), "--wire-diameter",
         str(diameter), "--to", str(multiple * mhz), "--points", str(points)],
        capture_output=True, text=True, check=True).stdout
    return [(float(f[0]), float(f[3])) for f in
            (line.split("\t") for line in out.splitlines() if not line.startswith("#"))]


def tapered(length, first, longest):
    """Segment lengths from `first`, each at most 1.3 times the one before
    and at most `longest`, scaled to fill `length`."""
    out, s = [], min(first, longest)
    while sum(out) < length:
        out.append(s)
        s = min(1.3 * s, longest)
    scale = length / sum(out)
    return [x * scale for x in out]


def axial_deck(d, rods, diameter, mhz):
    """The independent deck: every rod written out, the pin on the axis."""
    a = diameter / 2000
    gap = d["disc-spacing"]
    p = min(a, gap / 8)  # the feed region's radius
    top, disc, skirt = d["minimum-diameter"] / 2, d["disc-diameter"] / 2, d["skirt-diameter"] / 2
    zd = d["height-to-disc"]
    zc = zd - gap
    r_in = max(top, 3 * rods * a / (2 * math.pi))
    longest = max(C / mhz / 20, min(8 * a, C / mhz / 10))
    cards, tag = [], 0

    def wire(start, end, radius, lengths):
        nonlocal tag
        total = math.dist(start, end)
        done = 0
        for length in lengths:
            t0, t1 = done / total, (done + length) / total
            done += length
            a0 = [s + (e - s) * t0 for s, e in zip(start, end)]
            a1 = [s + (e - s) * t1 for s, e in zip(start, end)]
            tag += 1
            cards.append("GW %d 1 %s %.9g" % (tag, " ".join("%.9g" % v for v in a0 + a1), radius))
        return lengths[-1]

    def feed_region(length):
        n = max(1, round(length / gap))
        while n > 1 and length / n < 4 * p:
            n -= 1
        return [length / n] * n

    for k in range(rods):
        c, s = math.cos(2 * math.pi * k / rods), math.sin(2 * math.pi * k / rods)

        def at(r, z):
            return [r * c, r * s, z]

        last = wire(at(0, zd), at(r_in, zd), p, feed_region(r_in))
        wire(at(r_in, zd), at(disc, zd), a, tapered(disc - r_in, max(1.3 * last, 8 * a), longest))
        last = wire(at(0, zc), at(top, zc), p, feed_region(top))
        rods_from = at(top, zc)
        if r_in > top:
            t = (r_in - top) / (skirt - top)
            collar = at(r_in, zc * (1 - t))
            last = wire(rods_from, collar, p,
                        tapered(math.dist(rods_from, collar), 1.3 * last, longest))
            rods_from = collar
        wire(rods_from, at(skirt, 0), a,
             tapered(math.dist(rods_from, at(skirt, 0)), max(1.3 * last, 8 * a), longest))
    tag += 1
    pin = tag
    cards.append("GW %d 1 0 0 %.9g 0 0 %.9g %.9g" % (pin, zc, zd, p))
    return "\n".join(["CM independent axial model", "CE"] + cards + [
        "GE 0", "PT -1 0 0 0", "EX 0 %d 1 0 1 0" % pin, "FR 0 1 0 0 %.9g 0" % mhz,
        "RP 0 37 73 1001 0 0 5 5", "EN"]) + "\n"


def reference_swr(deck):
    out = subprocess.run(["nec2c", "-i/dev/stdin", "-o/dev/stdout"], input=deck,
                         capture_output=True, text=True, check=True).stdout
    lines = out.splitlines()
    row = lines[next(i for i, l in enumerate(lines) if "ANTENNA INPUT PARAMETERS" in l) + 3]
    f = row.split()
    z = complex(float(f[6]), float(f[7]))
    gain = float(next(l for l in lines if "AVERAGE POWER GAIN" in l).split()[3])
    reflection = abs((z * gain - 50) / (z * gain + 50))
    return (1 + reflection) / (1 - reflection)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--discone", default="build/app/discone")
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()
    rows = []
    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        for rods, mhz, diameter, multiple, points in CASES:
            d = design(args.discone, mhz)
            ours = table(args.discone, mhz, rods, diameter, multiple, points)
            theirs = pool.map(reference_swr,
                              [axial_deck(d, rods, diameter, f) for f, _ in ours])
            errors = [(abs(s / r - 1) * 100, f / mhz) for (f, s), r in zip(ours, theirs)]
            worst = max(errors)
            rows.append("| %d | %g MHz, %g mm | %.0f f | %.2f %% | %.2f %% at %.1f f |" % (
                rods, mhz, diameter, multiple, statistics.median(e for e, _ in errors),
                worst[0], worst[1]))
            print(rows[-1], flush=True)
    print()
    print("| rods | design, rods | swept to | median difference | largest |")
    print("|---|---|---|---|---|")
    print("\n".join(rows))


if __name__ == "__main__":
    main()
