#!/usr/bin/env python3
"""Writes the page's files beside the linked anglarix.js and anglarix.wasm: index.html, the web
app manifest, the icons (drawn by tools/DrawIcon.cpp), the service worker with its cache named
after a hash of everything it keeps, and anglarix.html, the single file that carries the script
and the .wasm inside it and so runs opened from the disk, offline.

    write_page.py SOURCE_DIR ICON_DIR PAGE_DIR"""
import base64
import hashlib
import json
import os
import re
import sys

ICONS = ("32.png", "192.png", "512.png", "maskable-512.png")
COPIED = ("index.html", "manifest.webmanifest")
# What the service worker keeps: the page by its directory's address and by name, and its files.
KEPT = ("./", "index.html", "anglarix.js", "anglarix.wasm", "manifest.webmanifest") + tuple(
    "icons/" + i for i in ICONS
)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def inline_script(text):
    """A script as the body of a <script> element: the HTML parser ends that element at the
    first '</script' and treats '<!--' specially, so neither may appear in it."""
    for bad in ("</script", "<!--"):
        if bad in text.lower():
            raise ValueError("the script holds %r and cannot be inlined" % bad)
    return text


def single_file(index, script, wasm, favicon):
    """index.html with the script and the .wasm in it, the favicon as a data address, and no
    manifest (an installed page is the served one)."""
    loads = (
        "<script>(function (text) {\n"
        "  const bytes = new Uint8Array(text.length);\n"
        "  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);\n"
        "  Module.wasmBinary = bytes;\n"
        '})(atob("%s"));</script>\n'
        "<script>%s</script>" % (base64.b64encode(wasm).decode("ascii"), inline_script(script))
    )
    html, count = re.subn(r'<script src="anglarix\.js"[^>]*></script>', lambda _: loads, index)
    if count != 1:
        raise ValueError("index.html loads anglarix.js %d times, expected once" % count)
    html = re.sub(r'<link rel="(manifest|apple-touch-icon)"[^>]*>\n', "", html)
    icon = "data:image/png;base64," + base64.b64encode(favicon).decode("ascii")
    return html.replace('href="icons/32.png"', 'href="%s"' % icon)


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    source_dir, icon_dir, page_dir = sys.argv[1:]
    os.makedirs(os.path.join(page_dir, "icons"), exist_ok=True)
    for name in COPIED:
        write(os.path.join(page_dir, name), read(os.path.join(source_dir, name)))
    for name in ICONS:
        write(os.path.join(page_dir, "icons", name), read(os.path.join(icon_dir, name)))

    version = hashlib.sha256()
    for name in KEPT[1:]:
        version.update(name.encode() + b"\0" + read(os.path.join(page_dir, name)))
    worker = read(os.path.join(source_dir, "service-worker.js")).decode("utf-8")
    worker = worker.replace("@VERSION@", version.hexdigest()[:16]).replace("@FILES@", json.dumps(list(KEPT)))
    write(os.path.join(page_dir, "service-worker.js"), worker.encode("utf-8"))

    index = read(os.path.join(source_dir, "index.html")).decode("utf-8")
    script = read(os.path.join(page_dir, "anglarix.js")).decode("utf-8")
    html = single_file(
        index, script, read(os.path.join(page_dir, "anglarix.wasm")), read(os.path.join(icon_dir, "32.png"))
    )
    write(os.path.join(page_dir, "anglarix.html"), html.encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
