#!/usr/bin/env python3
"""The tree's include arrows against ARCHITECTURE.md's layer table, with no build.

Every C++ file belongs to the layer whose table entry is the longest one naming it (a folder
`core/props/` names its whole subtree, a stem `calc/Procedures` names `program/Procedures.h` and
`.cpp`). An `#include "..."` may reach only the file's own layer and the layers its row lists;
a layer marked "no" under Qt may not include a Qt header. Every CMake include directory is
`${ANGLARIX_ROOT}`, so each target has the one root the include paths are written from.

Before checking the tree, the check plants every arrow the table forbids and requires each to be
refused, so a table or a parser that lets everything through fails too.

    layering.py ROOT [--column "before the move"]
"""
import argparse
import os
import re
import sys

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
QT_HEADER = re.compile(r"^Qt?[A-Z]")  # <QString>, <QtWidgets/...>


def parse_layers(architecture_text, column):
    """Reads the table under "## Layers": [(name, [entries], {allowed}, qt_allowed)]."""
    section = re.search(r"^## Layers\n(.*?)(?=^## |\Z)", architecture_text, re.M | re.S)
    if not section:
        raise SystemExit('ARCHITECTURE.md has no "## Layers" section')
    rows = [
        line.strip().strip("|").split("|") for line in section.group(1).splitlines() if line.startswith("|")
    ]
    header = [cell.strip() for cell in rows[0]]
    try:
        at = {name: header.index(name) for name in ("layer", "may include", "Qt", column)}
    except ValueError as missing:
        raise SystemExit("the layer table lacks a column: %s" % missing)
    layers = []
    for row in rows[2:]:
        cells = [cell.strip() for cell in row]
        entries = re.findall(r"`([^`]+)`", cells[at[column]])
        allowed = {name.strip() for name in cells[at["may include"]].split(",") if name.strip()}
        layers.append((cells[at["layer"]], entries, allowed, cells[at["Qt"]] == "yes"))
    names = {layer[0] for layer in layers}
    for name, entries, allowed, _ in layers:
        unknown = allowed - names - {"*"}
        if unknown or not entries:
            raise SystemExit("layer %s: unknown layers %s or no folders" % (name, sorted(unknown)))
    return layers


def layer_of(path, layers):
    """The layer of the longest entry naming `path` (relative, '/'-separated), or None."""
    best, best_length = None, -1
    for name, entries, _, _ in layers:
        for entry in entries:
            if entry.endswith("/"):
                names_it = path.startswith(entry)
            else:
                names_it = path == entry or path.startswith(entry + ".")
            if names_it and len(entry) > best_length:
                best, best_length = name, len(entry)
    return best


def sources(root):
    """Relative paths of the C++ files, leaving out build trees and hidden folders."""
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = sorted(d for d in subfolders if not d.startswith((".", "build")))
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def includes(root, path):
    """(quoted, target) per include; a quoted target is resolved as the compiler would: beside
    the file first, then from the root."""
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
        text = f.read()
    for quote, target in INCLUDE.findall(text):
        if quote == '"':
            beside = os.path.normpath(os.path.join(os.path.dirname(path), target))
            if os.path.isfile(os.path.join(root, beside)):
                target = beside.replace(os.sep, "/")
        yield quote == '"', target


def arrow_faults(path, quoted, target, layers):
    """Why one include runs against the table, or None."""
    rows = {name: (allowed, qt) for name, _, allowed, qt in layers}
    source = layer_of(path, layers)
    if source is None:
        return "%s: in no layer of the table" % path
    allowed, qt = rows[source]
    if not quoted:
        if not qt and QT_HEADER.match(target):
            return "%s (%s) includes the Qt header <%s>" % (path, source, target)
        return None
    destination = layer_of(target, layers)
    if destination is None or destination == source or "*" in allowed or destination in allowed:
        return None
    return "%s (%s) includes %s (%s)" % (path, source, target, destination)


CMAKE_INCLUDE_CALL = re.compile(r"\b(target_)?include_directories\s*\(([^)]*)\)", re.I)
CMAKE_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "SYSTEM", "BEFORE", "AFTER"}
ROOT = "${ANGLARIX_ROOT}"


def include_root_faults(name, text):
    """Every include directory a CMake file names must be the root, written as ${ANGLARIX_ROOT}."""
    faults = []
    text = re.sub(r"#[^\n]*", "", text)
    for call in CMAKE_INCLUDE_CALL.finditer(text):
        words = call.group(2).split()
        if call.group(1):
            words = words[1:]  # the target
        for word in words:
            if word not in CMAKE_KEYWORDS and word != ROOT:
                faults.append("%s: include directory %s is not %s" % (name, word, ROOT))
    for flag in re.findall(r"(?<![\w-])-I(\S+)", text):
        if flag != ROOT:
            faults.append("%s: -I%s is not %s" % (name, flag, ROOT))
    return faults


def cmake_files(root):
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = sorted(d for d in subfolders if not d.startswith((".", "build")))
        for name in sorted(files):
            if name == "CMakeLists.txt" or name.endswith(".cmake"):
                yield os.path.join(folder, name)


def planted_arrows_pass(layers):
    """Every arrow the table forbids, and a Qt header in every layer without Qt; returns the
    planted ones the check lets through."""

    def some_path(entries, name):
        entry = entries[0]
        return entry + name if entry.endswith("/") else entry + ("" if "." in entry else ".h")

    passed = []
    for source, source_entries, allowed, qt in layers:
        if "*" in allowed:
            continue
        path = some_path(source_entries, "Planted.cpp")
        if layer_of(path, layers) != source:
            passed.append("%s does not map back to %s" % (path, source))
        for destination, entries, _, _ in layers:
            if destination != source and destination not in allowed:
                target = some_path(entries, "Planted.h")
                if arrow_faults(path, True, target, layers) is None:
                    passed.append("%s -> %s" % (path, target))
        if not qt and arrow_faults(path, False, "QWidget", layers) is None:
            passed.append("%s -> <QWidget>" % path)
    if arrow_faults("nowhere/Planted.cpp", True, "nowhere/Planted.h", layers) is None:
        passed.append("a file in no layer")
    if not include_root_faults(
        "planted",
        "target_include_directories(x PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})\n"
        "add_custom_command(OUTPUT y COMMAND c++ -I${CMAKE_SOURCE_DIR} y.cpp)",
    ):
        passed.append("an include directory other than the root")
    return passed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("--column", default="folders", help="the table column that maps folders to layers")
    args = parser.parse_args()
    root = os.path.abspath(args.root)
    with open(os.path.join(root, "ARCHITECTURE.md"), encoding="utf-8") as f:
        layers = parse_layers(f.read(), args.column)

    passed = planted_arrows_pass(layers)
    for arrow in passed:
        print("planted and not refused: %s" % arrow)

    faults, arrows = [], 0
    for path in sources(root):
        if layer_of(path, layers) is None:
            faults.append("%s: in no layer of the table" % path)
            continue
        for quoted, target in includes(root, path):
            arrows += quoted
            fault = arrow_faults(path, quoted, target, layers)
            if fault:
                faults.append(fault)
    for name in cmake_files(root):
        with open(name, encoding="utf-8") as f:
            faults += include_root_faults(os.path.relpath(name, root), f.read())
    for fault in dict.fromkeys(faults):
        print(fault)
    print("%d quoted includes in %d layers; %d against the table" % (arrows, len(layers), len(faults)))
    return 1 if faults or passed or arrows == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
