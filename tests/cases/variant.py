#!/usr/bin/env python3
"""A program whose built-in window template is changed as a case's `variant` step says, so that
a real program (the Linux window, anglarix.exe, the page's .wasm) runs a template other than its
own. The change keeps the template's length, so the program's bytes are replaced in place.

    variant.py PROGRAM TEMPLATE OUT damage UNIT

    damage UNIT   the unit's stored properties no longer read: their version word is set past
                  every kind's maximum (UNIT as the cases name it: edit1 for 编辑框1, button1)

TEMPLATE is the template the build wrote (MainWindowTemplate.bin), found once in PROGRAM.
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


def main(program_path, template_path, out_path, how, unit):
    with open(program_path, "rb") as f:
        program = f.read()
    with open(template_path, "rb") as f:
        template = f.read()
    where = program.find(template)
    if where < 0 or program.find(template, where + 1) >= 0:
        raise SystemExit("variant.py: the template is not in the program exactly once")
    with open(out_path, "wb") as f:
        f.write(program[:where] + variant(template, how, unit) + program[where + len(template) :])
    os.chmod(out_path, 0o755)


if __name__ == "__main__":
    if len(sys.argv) != 6:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
