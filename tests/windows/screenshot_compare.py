#!/usr/bin/env python3
"""Compares a window on an Xvfb screen with a golden picture, allowing for another system's text
rendering: both are blurred by a pixel, then at most 1% of the pixels may differ
by more than 20% in any channel. Wine's own buttons centre their captions by the bitmap
strikes' advances where Qt uses the outlines', and a few glyphs of the strikes differ from the
outlines' (about 0.85% of the main window); a box, border or picture out of place is well beyond
it. The screen is read from Xvfb's frame buffer file (-fbdir).
    screenshot_compare.py SCREEN_XWD X Y GOLDEN_PNG ACTUAL_PNG
writes the window's picture to ACTUAL_PNG and exits 1 when it is too far from GOLDEN_PNG."""
import math
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "web"))
from png import read_png, write_png  # noqa: E402

ALLOWED_SHARE = 0.01
ALLOWED_DIFFERENCE = 0.20 * 255


def read_xwd(path, left, top, width, height):
    """The RGB rows of a rectangle of a 24/32-bit TrueColor XWD dump (Xvfb's frame buffer)."""
    with open(path, "rb") as f:
        data = f.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, depth, screen_width, screen_height = fields[0], fields[3], fields[4], fields[5]
    bits_per_pixel, bytes_per_line, ncolors = fields[11], fields[12], fields[19]
    if bits_per_pixel != 32 or depth < 24:
        raise ValueError("%s: %d bits per pixel, depth %d" % (path, bits_per_pixel, depth))
    if left < 0 or top < 0 or left + width > screen_width or top + height > screen_height:
        raise ValueError("the window is not wholly on the screen")
    pixels = header_size + 12 * ncolors
    byte_order = fields[7]  # 0 = LSB first: B G R x in memory
    rows = []
    for y in range(top, top + height):
        start = pixels + y * bytes_per_line + 4 * left
        line = data[start : start + 4 * width]
        row = bytearray(3 * width)
        for x in range(width):
            b, g, r = (
                (line[4 * x], line[4 * x + 1], line[4 * x + 2])
                if byte_order == 0
                else (line[4 * x + 3], line[4 * x + 2], line[4 * x + 1])
            )
            row[3 * x : 3 * x + 3] = bytes((r, g, b))
        rows.append(bytes(row))
    return rows


def blurred(rows, width, height):
    """A Gaussian blur of one pixel (sigma 1, as ImageMagick's -blur 0x1), separable, edges
    clamped: each channel of each pixel."""
    weights = [math.exp(-d * d / 2.0) for d in range(-2, 3)]
    weights = [w / sum(weights) for w in weights]
    across = []
    for row in rows:
        out = [0.0] * (3 * width)
        for x in range(width):
            for k, w in enumerate(weights):
                nx = 3 * max(0, min(width - 1, x + k - 2))
                for c in range(3):
                    out[3 * x + c] += w * row[nx + c]
        across.append(out)
    result = []
    for y in range(height):
        near = [(w, across[max(0, min(height - 1, y + k - 2))]) for k, w in enumerate(weights)]
        result.append([sum(w * r[i] for w, r in near) for i in range(3 * width)])
    return result


def main():
    screen, left, top, golden_path, actual_path = (
        sys.argv[1],
        int(sys.argv[2]),
        int(sys.argv[3]),
        sys.argv[4],
        sys.argv[5],
    )
    width, height, golden = read_png(golden_path)
    actual = read_xwd(screen, left, top, width, height)
    write_png(actual_path, width, height, actual)
    a, g = blurred(actual, width, height), blurred(golden, width, height)
    far = sum(
        1
        for y in range(height)
        for x in range(width)
        if max(abs(a[y][3 * x + c] - g[y][3 * x + c]) for c in range(3)) > ALLOWED_DIFFERENCE
    )
    share = far / float(width * height)
    print(
        "%d of %d pixels (%.2f%%) differ from the golden picture by more than 20%%"
        % (far, width * height, 100 * share)
    )
    return 0 if share <= ALLOWED_SHARE else 1


if __name__ == "__main__":
    sys.exit(main())
