#!/usr/bin/env python3
"""Measures the contrast of every text in a window's picture.

    scripts/checks/contrast.py PICTURE.png [TEXTS.tsv] [--min 4.5]

TEXTS.tsv (written beside the picture by `siltmere_screenshots DIR --texts`)
lists where each text lies: name, x, y, width, height. In each area the
background is the commonest colour and the text's colour the pixel that
stands out most from it (the ink at the middle of a stroke, not its
anti-aliased edge). Prints one line per text with the WCAG 2 contrast ratio
of the two and exits 1 when any is below --min.
"""
import argparse
import collections
import sys

from PIL import Image


def luminance(rgb):
    def linear(c):
        c = c / 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def measure(image, box):
    x, y, w, h = box
    area = image.crop((x, y, x + w, y + h))
    counts = collections.Counter(area.getdata())
    if not counts:
        return None
    back = counts.most_common(1)[0][0]
    ink = max(counts, key=lambda c: ratio(c, back))
    return back, ink, ratio(back, ink)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("picture")
    parser.add_argument("texts", nargs="?")
    parser.add_argument("--min", type=float, default=4.5)
    args = parser.parse_args()
    texts = args.texts or args.picture[: -len(".png")] + ".texts.tsv"
    image = Image.open(args.picture).convert("RGB")
    low = 0
    with open(texts, encoding="utf-8") as rows:
        for line in rows:
            name, *numbers = line.rstrip("\n").split("\t")
            x, y, w, h = (int(n) for n in numbers)
            # Clip to the picture: a box may reach past the window's edge.
            x0, y0 = max(x, 0), max(y, 0)
            x1, y1 = min(x + w, image.width), min(y + h, image.height)
            if x1 <= x0 or y1 <= y0:
                continue
            found = measure(image, (x0, y0, x1 - x0, y1 - y0))
            if found is None:
                continue
            back, ink, r = found
            flag = "LOW" if r < args.min else "ok"
            low += r < args.min
            print(f"{r:6.2f} {flag:3} {name:28} back #{back[0]:02x}{back[1]:02x}{back[2]:02x}"
                  f" text #{ink[0]:02x}{ink[1]:02x}{ink[2]:02x}")
    print(f"{low} text(s) below {args.min}:1", file=sys.stderr)
    return 1 if low else 0


if __name__ == "__main__":
    sys.exit(main())
