#!/usr/bin/env python3
"""Writes the program's icon file from the PNG sizes the icon drawing made (program/data/icons):
one ICO entry per size, each the PNG file itself, as Windows Vista and later read them.
    make_icon.py ICON_DIR OUT.ico SIZE..."""
import struct
import sys


def main():
    icon_dir, out, sizes = sys.argv[1], sys.argv[2], [int(s) for s in sys.argv[3:]]
    images = []
    for size in sizes:
        with open('%s/%d.png' % (icon_dir, size), 'rb') as f:
            data = f.read()
        width, height = struct.unpack('>II', data[16:24])
        if data[:8] != b'\x89PNG\r\n\x1a\n' or (width, height) != (size, size) or size > 256:
            sys.exit('%s/%d.png: not a %d-pixel square PNG' % (icon_dir, size, size))
        images.append((size, data))
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, bodies = b'', b''
    for size, data in images:
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset + len(bodies))
        bodies += data
    with open(out, 'wb') as f:
        f.write(header + entries + bodies)


if __name__ == '__main__':
    main()
