"""The calculator's window as a screen reader walks it over AT-SPI.

Started by atspi_tree_test.sh inside Xvfb and a private D-Bus session: runs anglarix, finds it
on the AT-SPI desktop by its process id and checks that every unit a person can see is there
with its name and role, that each box is labelled by the label to its left, that the shapes
are not there, and that the warning and the notes at the boxes are read. Ends the program
with Escape.
"""
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

# What a person reads in the window, label by label (the hidden warning apart).
LABELS = [
    "对边长度",
    "斜边长度",
    "计算角度",
    "对边长度",
    "邻边长度",
    "计算角度",
    "邻边长度",
    "斜边长度",
    "计算角度",
    "输入三角函数",
    "函数计算结果",
    "已知数据",
    "角度",
    "对边长度",
    "斜边长度",
    "邻边长度",
    "计算结果",
    "对边长度",
    "斜边长度",
    "邻边长度",
    "注：正弦值等于角对边除以角斜边；\n    余弦值等于角邻边除以角斜边；\n" "    正切值等于角对边除以角邻边。\n\n三角函数示例：sin(10),正切用tg表示",
]
WARNING = "角度必须输入"
BOXES = [
    "反正弦 对边长度",
    "反正弦 斜边长度",
    "反正弦 计算角度",
    "反正切 对边长度",
    "反正切 邻边长度",
    "反正切 计算角度",
    "反余弦 邻边长度",
    "反余弦 斜边长度",
    "反余弦 计算角度",
    "函数计算 输入三角函数",
    "函数计算 函数计算结果",
    "已知数据 角度",
    "已知数据 对边长度",
    "已知数据 斜边长度",
    "已知数据 邻边长度",
    "计算结果 对边长度",
    "计算结果 斜边长度",
    "计算结果 邻边长度",
]
BUTTONS = ["求反正弦角度", "求反正切角度", "求反余弦角度", "函数计算", "边长计算"]
DIAGRAM = "三角形示意图"
BOX_ROLES = (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT)
UNIT_COUNT = 46  # 52 units less the six shapes
ESCAPE_KEYSYM = 0xFF1B

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)
    return condition


def wait_for(predicate, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            result = predicate()
        except Exception:  # the bus or the application is not up yet
            result = None
        if result:
            return result
        time.sleep(0.2)
    return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def targets(node, relation_type):
    found = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == relation_type:
            found += [relation.getTarget(i) for i in range(relation.getNTargets())]
    return found


def find_frame(pid):
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is None or app.get_process_id() != pid:
            continue
        app.set_cache_mask(Atspi.Cache.NONE)  # states change while the test runs
        windows = [window for window in children(app) if window.childCount > 0]
        return windows[0] if len(windows) == 1 else None
    return None


def check_tree(frame):
    check(
        frame.getRole() == pyatspi.ROLE_FRAME and frame.name == "Anglarix",
        "the window is a %s named %r" % (frame.getRoleName(), frame.name),
    )
    units = children(frame)
    for unit in units:
        check(unit.childCount == 0, "%s %r has children" % (unit.getRoleName(), unit.name))
    check(
        len(units) == UNIT_COUNT, "%d units in the frame, expected %d (no shapes)" % (len(units), UNIT_COUNT)
    )
    by_role = {}
    for unit in units:
        by_role.setdefault(unit.getRole(), []).append(unit)
    known = (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_IMAGE) + BOX_ROLES
    for role, nodes in by_role.items():
        check(role in known, "unexpected role %s: %r" % (nodes[0].getRoleName(), [n.name for n in nodes]))

    labels = by_role.get(pyatspi.ROLE_LABEL, [])
    visible_labels = [label for label in labels if showing(label)]
    check(
        sorted(label.name for label in visible_labels) == sorted(LABELS),
        "visible labels read %r" % sorted(label.name for label in visible_labels),
    )
    warnings = [label for label in labels if label.name == WARNING]
    check(len(warnings) == 1 and not showing(warnings[0]), "the warning is there and not showing at first")

    boxes = [unit for role in BOX_ROLES for unit in by_role.get(role, [])]
    check(sorted(box.name for box in boxes) == sorted(BOXES), "boxes are named %r" % [b.name for b in boxes])
    for box in boxes:
        check_box_label(box, visible_labels)

    buttons = by_role.get(pyatspi.ROLE_PUSH_BUTTON, [])
    check(
        sorted(b.name for b in buttons) == sorted(BUTTONS), "buttons are named %r" % [b.name for b in buttons]
    )
    images = by_role.get(pyatspi.ROLE_IMAGE, [])
    check(len(images) == 1 and images[0].name == DIAGRAM, "the diagram is the one image, named %s" % DIAGRAM)
    if images:
        check("斜边" in images[0].description, "the diagram's description says which side is which")
    return boxes, buttons, warnings


# A box is labelled by the label on its row just to its left, whose text is the box name's
# last word, and that label says it is the box's label.
def check_box_label(box, labels):
    labelled_by = targets(box, pyatspi.RELATION_LABELLED_BY)
    if not check(len(labelled_by) == 1, "%s is labelled by %d labels" % (box.name, len(labelled_by))):
        return
    label = labelled_by[0]
    check(
        label.getRole() == pyatspi.ROLE_LABEL and label.name == box.name.split(" ")[-1],
        "%s is labelled by %s %r" % (box.name, label.getRoleName(), label.name),
    )
    b, l = extents(box), extents(label)
    same_row = lambda e: abs(e.y - b.y) <= 2
    check(same_row(l) and l.x + l.width <= b.x + 1, "%s: its label is not on its left" % box.name)
    between = [o for o in labels if same_row(extents(o)) and l.x < extents(o).x < b.x]
    check(not between, "%s: another label lies between it and its label" % box.name)
    label_for = targets(label, pyatspi.RELATION_LABEL_FOR)
    check(
        len(label_for) == 1 and label_for[0].name == box.name and extents(label_for[0]).x == b.x,
        "label %r is the label for %r" % (label.name, [t.name for t in label_for]),
    )


def named(nodes, name):
    return next(node for node in nodes if node.name == name)


def press(buttons, name):
    action = named(buttons, name).queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if check("Press" in names, "%s offers the actions %r" % (name, names)):
        action.doAction(names.index("Press"))


# A screen reader user fills in a side without the angle and presses 边长计算.
def check_warning_is_read(boxes, buttons, warning):
    named(boxes, "已知数据 对边长度").queryEditableText().setTextContents("1")
    press(buttons, "边长计算")
    check(wait_for(lambda: showing(warning), 5), "the warning shows after 边长计算 without an angle")


# The notes at the boxes are read as their descriptions: what an input takes, and why a
# result is what it is once a click leaves a reason.
def check_notes_are_descriptions(boxes, buttons):
    check("度" in named(boxes, "已知数据 角度").description, "the angle box's description names degrees")
    check("sin" in named(boxes, "函数计算 输入三角函数").description, "the expression box's description names sin")
    result = named(boxes, "反正弦 计算角度")
    before = result.description
    named(boxes, "反正弦 对边长度").queryEditableText().setTextContents("2")
    named(boxes, "反正弦 斜边长度").queryEditableText().setTextContents("1")
    press(buttons, "求反正弦角度")
    check(
        wait_for(lambda: result.description not in ("", before), 5),
        "a side longer than the hypotenuse gives the result box a reason as its description",
    )


def close(program, frame):
    box = next(unit for unit in children(frame) if unit.getRole() in BOX_ROLES)
    box.queryComponent().grabFocus()
    wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED), 5)
    pyatspi.Registry.generateKeyboardEvent(ESCAPE_KEYSYM, None, pyatspi.KEY_SYM)
    try:
        status = program.wait(10)
    except subprocess.TimeoutExpired:
        status = None
    check(status == 0, "Escape ended the program with status %r, expected 0" % status)


def main():
    anglarix = sys.argv[1]
    # The harness's timeout ends this script with SIGTERM: the program still goes.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: timed out"))
    program = subprocess.Popen([anglarix])
    try:
        frame = wait_for(lambda: find_frame(program.pid), 30)
        if not check(frame is not None, "anglarix did not appear on the AT-SPI desktop"):
            return 1
        boxes, buttons, warnings = check_tree(frame)
        if warnings:
            check_warning_is_read(boxes, buttons, warnings[0])
        check_notes_are_descriptions(boxes, buttons)
        close(program, frame)
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    if failures:
        return 1
    print(
        "ok: %d units read, labelled and related; the warning and the notes are read; no shapes" % UNIT_COUNT
    )
    return 0


if __name__ == "__main__":
    sys.exit(main())
