#!/usr/bin/env python3
"""Writes the program's icon file from the PNG sizes the icon drawing made: one ICO entry per
picture, each the PNG file itself, as Windows Vista and later read them.
    make_icon.py OUT.ico SQUARE.png..."""
import struct
import sys


def main():
    out, paths = sys.argv[1], sys.argv[2:]
    images = []
    for path in paths:
        with open(path, "rb") as f:
            data = f.read()
        width, height = struct.unpack(">II", data[16:24])
        if data[:8] != b"\x89PNG\r\n\x1a\n" or width != height or not 0 < width <= 256:
            sys.exit("%s: not a square PNG of 256 pixels or fewer" % path)
        images.append((width, data))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, bodies = b"", b""
    # A side of 256 is written as 0.
    for size, data in images:
        entries += struct.pack(
            "<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset + len(bodies)
        )
        bodies += data
    with open(out, "wb") as f:
        f.write(header + entries + bodies)


if __name__ == "__main__":
    main()
