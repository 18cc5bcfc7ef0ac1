#!/usr/bin/env python3
"""A program whose built-in window template is changed as a case's `variant` step says, so that
a real program (the Linux window, anglarix.exe, the page's .wasm) runs a template other than its
own. The change keeps the template's length, so the program's bytes are replaced in place.

    variant.py PROGRAM TEMPLATE OUT damage UNIT

    damage UNIT   the unit's stored properties no longer read: their version word is set past
                  every kind's maximum (UNIT as the cases name it: edit1 for 编辑框1, button1)

TEMPLATE is the template the build wrote (MainWindowTemplate.bin), which PROGRAM holds.
"""
import os
import struct
import sys


def template_name(unit):
    for short, name in (("edit", "编辑框"), ("button", "按钮")):
        if unit.startswith(short):
            return (name + unit[len(short) :]).encode("gbk")
    return unit.encode("gbk")


def property_data_at(template, unit):
    """The offset of the unit's property data in the template: its record (a length, then a body
    of the kind code, the event owner, 16 reserved bytes and the name) found by its name and read
    field by field."""
    name = template_name(unit) + b"\0"
    at = template.find(b"\0" * 16 + name)
    if at < 0 or template.find(b"\0" * 16 + name, at + 1) >= 0:
        raise SystemExit("variant.py: the template has not exactly one unit %s" % unit)
    (length,) = struct.unpack_from("<I", template, at - 12)
    end = at - 8 + length  # the body starts with the kind code and the event owner
    at += 16 + len(name)

    def skip_counted(size):
        (count,) = struct.unpack_from("<I", template, at)
        return at + 4 + size * count

    at = template.index(b"\0", at) + 1  # the second text
    at += 4 + 16 + 4 + 4  # object slot, place, reserved, parent
    at = skip_counted(4)  # the child list
    at = skip_counted(1)  # the mouse pointer
    at = template.index(b"\0", at) + 1  # the tag
    at += 4 * 3  # reserved, state flags, focus rank
    at = skip_counted(8)  # the event bindings
    at += 4 * 5
    if at + 4 > end:
        raise SystemExit("variant.py: %s keeps no stored properties (every default)" % unit)
    return at


def variant(template, how, unit):
    if how != "damage":
        raise SystemExit("variant.py: unknown variant %s" % how)
    changed = bytearray(template)
    at = property_data_at(template, unit)
    changed[at : at + 4] = b"\xff\xff\xff\xff"
    return bytes(changed)


def leb128(data, at):
    value = shift = 0
    while True:
        byte = data[at]
        at += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, at


def wasm_segments(module):
    """(address in memory, offset in the module, length) of each active data segment of a
    WebAssembly module: its data lies in these pieces, split where runs of zeros were left out."""
    at = 8
    while at < len(module):
        section = module[at]
        size, at = leb128(module, at + 1)
        if section != 11:
            at += size
            continue
        count, at = leb128(module, at)
        segments = []
        for _ in range(count):
            flags, at = leb128(module, at)
            if flags != 0 or module[at] != 0x41:  # active, memory 0, i32.const address
                raise SystemExit("variant.py: a data segment of a kind this does not read")
            address, at = leb128(module, at + 1)  # small, positive addresses: LEB128 as unsigned
            at += 1  # end
            length, at = leb128(module, at)
            segments.append((address, at, length))
            at += length
        return segments
    return []


def patched(program, template, how, unit):
    """The program with the variant's change made where its template lies: in one piece in a
    native program; in a WebAssembly module, across its data segments, at the addresses the
    template's first bytes give."""
    changed = variant(template, how, unit)
    where = program.find(template)
    if where >= 0 and program.find(template, where + 1) < 0:
        return program[:where] + changed + program[where + len(template) :]
    if not program.startswith(b"\0asm"):
        raise SystemExit("variant.py: the template is not in the program once")
    segments = wasm_segments(program)
    starts = [
        (address + at - offset)
        for address, offset, length in segments
        for at in [program.find(template[:64], offset, offset + length)]
        if at >= 0
    ]
    if len(starts) != 1:
        raise SystemExit("variant.py: the template's start is not in the module once")
    out = bytearray(program)
    for i in (i for i, (a, b) in enumerate(zip(template, changed)) if a != b):
        address = starts[0] + i
        for start, offset, length in segments:
            if start <= address < start + length:
                out[offset + address - start] = changed[i]
                break
        else:
            if changed[i] != 0:
                raise SystemExit("variant.py: a changed byte lies where the module keeps zeros")
    return bytes(out)


def main(program_path, template_path, out_path, how, unit):
    with open(program_path, "rb") as f:
        program = f.read()
    with open(template_path, "rb") as f:
        template = f.read()
    with open(out_path, "wb") as f:
        f.write(patched(program, template, how, unit))
    os.chmod(out_path, 0o755)


if __name__ == "__main__":
    if len(sys.argv) != 6:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
