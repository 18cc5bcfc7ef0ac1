#!/usr/bin/env python3
"""The page in Debian's chromium, headless, driven through the DevTools protocol on a pipe:
types into the boxes, clicks, reads the results against the result tables the desktop's
end-to-end test runs (tests/cases/results.cases), replays the frame's shared cases
(tests/cases/frame.cases), and compares a screenshot at zoom 1 with the desktop's golden image.

    page_test.py PAGE_DIR CASES_DIR GOLDEN.png [ACTUAL.png]

Exits 77 (skipped) when no chromium is installed."""
import base64
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from png import read_png, write_png

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cases"))
from tables import read_tables  # noqa: E402
from variant import patched  # noqa: E402

WIDTH, HEIGHT = 482, 395
# The narrowest screen that shows the window as it is (centred); below it the units are a column.
SCREEN_WIDTH = 500

# The boxes and buttons of the main window, by unit id.
ARC_SINE = (0x1601013A, 0x16011DCC, 0x16010148, 0x1601013B)
ARC_TANGENT = (0x16010150, 0x16011DCA, 0x1601014E, 0x1601014F)
ARC_COSINE = (0x1601015A, 0x16011DC8, 0x16010158, 0x16010159)
EXPRESSION, EXPRESSION_RESULT, EVALUATE = 0x16011DCE, 0x16011DD1, 0x16011DCF
ANGLE, KNOWN = 0x16011DD4, (0x16011DE6, 0x16011DE8, 0x16011DEA)
RESULTS = (0x16011DED, 0x16011DEC, 0x16011DEB)  # opposite, hypotenuse, adjacent
SIDE_LENGTHS, ANGLE_WARNING = 0x16011DF2, 0x16011DF4
# Each group's inputs and results by its button.
GROUPS = {
    ARC_SINE[3]: (ARC_SINE[:2], ARC_SINE[2:3]),
    ARC_TANGENT[3]: (ARC_TANGENT[:2], ARC_TANGENT[2:3]),
    ARC_COSINE[3]: (ARC_COSINE[:2], ARC_COSINE[2:3]),
    EVALUATE: ((EXPRESSION,), (EXPRESSION_RESULT,)),
    SIDE_LENGTHS: ((ANGLE,) + KNOWN, RESULTS),
}


def result_tables(path):
    """The tables of results.cases, their fields as texts."""
    return {
        name: [tuple(field.decode() for field in row) for row in rows]
        for name, rows in read_tables(path).items()
    }


class Browser:
    """One chromium with its DevTools endpoint on file descriptors 3 (in) and 4 (out)."""

    def __init__(self, chromium, profile):
        to_browser, self._write = os.pipe()
        self._read, from_browser = os.pipe()

        def wire():
            os.dup2(os.dup(to_browser), 3)
            os.dup2(os.dup(from_browser), 4)

        self._process = subprocess.Popen(
            [
                chromium,
                "--headless=new",
                "--no-sandbox",
                "--disable-gpu",
                "--remote-debugging-pipe",
                "--hide-scrollbars",
                "--force-device-scale-factor=1",
                "--no-first-run",
                "--disable-extensions",
                "--disable-background-networking",
                "--user-data-dir=" + profile,
                "about:blank",
            ],
            pass_fds=(3, 4),
            preexec_fn=wire,
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        os.close(to_browser)
        os.close(from_browser)
        self._next_id = 0
        self._buffer = b""
        self.session = None

    def call(self, method, params=None, timeout=30):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if self.session:
            message["sessionId"] = self.session
        os.write(self._write, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            while b"\0" not in self._buffer:
                chunk = os.read(self._read, 1 << 16)
                if not chunk:
                    raise RuntimeError("chromium closed its DevTools pipe")
                self._buffer += chunk
            text, self._buffer = self._buffer.split(b"\0", 1)
            reply = json.loads(text)
            if reply.get("id") == self._next_id:
                if "error" in reply:
                    raise RuntimeError(method + ": " + reply["error"].get("message", ""))
                return reply.get("result", {})
        raise TimeoutError(method)

    READY = "(document.documentElement && document.documentElement.dataset.ready) || ''"

    def open(self, url, until=READY, prepare=None):
        """A new tab at url, once until is true; prepare() sets the tab up before it navigates."""
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        self.call(
            "Emulation.setDeviceMetricsOverride",
            {"width": SCREEN_WIDTH, "height": HEIGHT, "deviceScaleFactor": 1, "mobile": False},
        )
        if prepare:
            prepare()
        self.call("Page.navigate", {"url": url})
        self.wait(until)

    def reload(self):
        """The same page loaded afresh in its tab."""
        self.evaluate("window.beforeReload = true")
        self.call("Page.reload", {"ignoreCache": False})
        self.wait("!window.beforeReload && (%s)" % Browser.READY)

    def wait(self, until=READY, seconds=30):
        deadline = time.monotonic() + seconds
        while True:
            try:
                if self.evaluate(until) not in ("", None, False):
                    return
            except RuntimeError:
                pass  # between two documents, there is none to evaluate in
            if time.monotonic() > deadline:
                raise TimeoutError("the page did not get ready: " + until)
            time.sleep(0.05)

    def evaluate(self, expression, settle=False):
        """The expression's value; with settle, the value its promise settles to."""
        result = self.call(
            "Runtime.evaluate", {"expression": expression, "returnByValue": True, "awaitPromise": settle}
        )
        if "exceptionDetails" in result:
            raise RuntimeError(expression + ": " + json.dumps(result["exceptionDetails"]))
        return result["result"].get("value")

    def close(self):
        self._process.terminate()
        self._process.wait(10)


def window_left(browser):
    """Where the window starts on a screen wider than it: it is centred."""
    return browser.evaluate("document.getElementById('window').getBoundingClientRect().left")


def unit(unit_id):
    return "document.getElementById('u%x')" % unit_id


class Page:
    """What a person does: click into a box, replace its text by typing, click a button."""

    def __init__(self, browser):
        self.browser = browser

    def click(self, unit_id, place="middle"):
        """A click at the unit's middle or its left end; where it was."""
        box = self.browser.evaluate(
            "(r => [r.x + %s, r.y + r.height / 2])(%s.getBoundingClientRect())"
            % ("3" if place == "left" else "r.width / 2", unit(unit_id))
        )
        for kind in ("mousePressed", "mouseReleased"):
            self.browser.call(
                "Input.dispatchMouseEvent",
                {"type": kind, "x": box[0], "y": box[1], "button": "left", "clickCount": 1},
            )
        return box

    def type(self, unit_id, text):
        self.click(unit_id)
        self.browser.evaluate("%s.select()" % unit(unit_id))
        if text:
            self.browser.call("Input.insertText", {"text": text})
        else:
            for kind in ("keyDown", "keyUp"):
                self.browser.call(
                    "Input.dispatchKeyEvent",
                    {"type": kind, "key": "Backspace", "code": "Backspace", "windowsVirtualKeyCode": 8},
                )

    def key(self, key, code, modifiers=0):
        """A key down and up; modifiers 8 is Shift."""
        for kind in ("keyDown", "keyUp"):
            self.browser.call(
                "Input.dispatchKeyEvent",
                {
                    "type": kind,
                    "key": key,
                    "code": key,
                    "modifiers": modifiers,
                    "windowsVirtualKeyCode": code,
                    "text": key if kind == "keyDown" and key == " " else "",
                },
            )

    def hover(self, unit_id):
        """Leaves the window, then comes to rest over the box."""
        box = self.browser.evaluate(
            "(r => [r.x + r.width / 2, r.y + r.height / 2])(%s.getBoundingClientRect())" % unit(unit_id)
        )
        for x, y in ((SCREEN_WIDTH - 1, HEIGHT - 1), (box[0], box[1])):
            self.browser.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})

    def accessible_name(self, unit_id):
        element = self.browser.call("Runtime.evaluate", {"expression": unit(unit_id)})["result"]["objectId"]
        node = self.browser.call("DOM.describeNode", {"objectId": element})["node"]["backendNodeId"]
        tree = self.browser.call(
            "Accessibility.getPartialAXTree", {"backendNodeId": node, "fetchRelatives": False}
        )
        return tree["nodes"][0].get("name", {}).get("value", "")

    def text(self, unit_id):
        return self.browser.evaluate("%s.value" % unit(unit_id))

    def shown(self, unit_id):
        return self.browser.evaluate("%s.style.visibility !== 'hidden'" % unit(unit_id))


class TouchPage(Page):
    """The same person on a phone: a finger taps where the box shows once scrolled into view."""

    def click(self, unit_id, place="middle"):
        self.tap(unit(unit_id))

    def tap(self, element, scroll=True):
        """A tap at the element's middle, once in view (scroll) or where it is."""
        box = self.browser.evaluate(
            "(e => (%s, (r => [r.x + r.width / 2, r.y + r.height / 2])(e.getBoundingClientRect())))(%s)"
            % ("e.scrollIntoView({block: 'center'})" if scroll else "0", element)
        )
        for kind, points in (("touchStart", [{"x": box[0], "y": box[1]}]), ("touchEnd", [])):
            self.browser.call("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})


class Checks:
    def __init__(self):
        self.failures = []
        self.count = 0

    def equal(self, actual, expected, what):
        self.count += 1
        if actual != expected:
            self.failures.append("%s: %r, expected %r" % (what, actual, expected))


def check_cases(page, tables, checks):
    for name, (first, second, result, button) in (
        ("arcsine", ARC_SINE),
        ("arctangent", ARC_TANGENT),
        ("arccosine", ARC_COSINE),
    ):
        if len(tables.get(name, [])) < 3:
            checks.failures.append(name + ": the table was not found in results.cases")
        for a, b, expected in tables.get(name, []):
            page.type(first, a)
            page.type(second, b)
            page.click(button)
            checks.equal(page.text(result), expected, "%s %s / %s" % (name, a, b))
            checks.equal(page.text(first), a, "%s keeps its input" % name)
    if len(tables.get("evaluate", [])) < 3:
        checks.failures.append("evaluate: the table was not found in results.cases")
    for expression, expected in tables.get("evaluate", []):
        page.type(EXPRESSION, expression)
        page.click(EVALUATE)
        checks.equal(page.text(EXPRESSION_RESULT), expected, "evaluate %s" % expression)
    if len(tables.get("sides", [])) < 3:
        checks.failures.append("sides: the table was not found in results.cases")
    for row in tables.get("sides", []):
        for box in (ANGLE,) + KNOWN + RESULTS:
            page.type(box, "")
        for box, text in zip((ANGLE,) + KNOWN, row[:4]):
            page.type(box, text)
        page.click(SIDE_LENGTHS)
        checks.equal(tuple(page.text(box) for box in RESULTS), row[4:], "sides %s" % ", ".join(row[:4]))
        checks.equal(page.shown(ANGLE_WARNING), False, "no warning for %s" % row[0])
    # No angle: the warning shows, in red at any width, and the results stay.
    page.type(ANGLE, "")
    page.click(SIDE_LENGTHS)
    checks.equal(page.shown(ANGLE_WARNING), True, "the warning without an angle")
    checks.equal(red_pixels(page.browser, ANGLE_WARNING) > 10, True, "the warning in red")


def red_pixels(browser, unit_id):
    """How many pixels of the unit's place on screen are red, with any note set aside."""
    rect = browser.evaluate(
        "(e => (e.scrollIntoView({block: 'nearest'}), (r => ({x: r.x + scrollX, y: r.y + scrollY,"
        " width: r.width, height: r.height, scale: 1}))(e.getBoundingClientRect())))(%s)" % unit(unit_id)
    )
    notes = "document.querySelectorAll('.note').forEach(n => n.style.opacity = '%s')"
    browser.evaluate(notes % "0")
    with tempfile.NamedTemporaryFile(suffix=".png") as shot:
        shot.write(
            base64.b64decode(browser.call("Page.captureScreenshot", {"format": "png", "clip": rect})["data"])
        )
        shot.flush()
        width, height, rows = read_png(shot.name)
    browser.evaluate(notes % "")
    return sum(
        1 for row in rows for x in range(width) if row[3 * x] - max(row[3 * x + 1], row[3 * x + 2]) > 80
    )


def check_accessible_names(page, checks):
    # Every box is named as on the desktop, so a screen reader can tell the three 对边长度 apart.
    names = page.browser.evaluate(
        "Array.from(document.querySelectorAll('#window input'))"
        ".map(e => e.getAttribute('aria-label') || '')"
    )
    checks.equal(len(names), 18, "edit boxes")
    checks.equal(len(set(names)), len(names), "every box has a name of its own")
    checks.equal(
        page.browser.evaluate("%s.getAttribute('aria-label')" % unit(ARC_SINE[0])),
        "反正弦 对边长度",
        "the first box is named by its group and label",
    )
    checks.equal(
        page.browser.evaluate("%s.querySelector('[role]').getAttribute('role')" % unit(ANGLE_WARNING)),
        "alert",
        "the warning is announced",
    )
    # Each box is linked to the label it stands by, whose painted caption is text for a screen
    # reader, and the name assistive technology computes is still the desktop's.
    for box, caption in ((ARC_SINE[0], "对边长度"), (EXPRESSION, "输入三角函数"), (RESULTS[1], "斜边长度")):
        label = page.browser.evaluate("document.querySelector('label[for=u%x]').textContent" % box)
        checks.equal(label, caption, "the label of %x" % box)
    names = [
        page.accessible_name(box)
        for box in ARC_SINE[:3] + ARC_COSINE[:3] + (EXPRESSION, ANGLE) + KNOWN + RESULTS
    ]
    checks.equal([name for name in names if " " not in name], [], "computed names keep the group")
    checks.equal(page.accessible_name(ARC_SINE[0]), "反正弦 对边长度", "the computed name of the first box")


def check_hover(page, checks):
    # Hovering a box shows its standing reason, else how it got its text, else what it takes,
    # and its whole text after that when the text is wider than the box and not already said;
    # worked out again on each hover.
    cases = (
        (((ANGLE, ""),), None, ANGLE, "角度，以度为单位；也可以写算式，例如 30+15"),
        (
            ((ARC_COSINE[0], "1"), (ARC_COSINE[1], "1")),
            ARC_COSINE[3],
            ARC_COSINE[2],
            "arccos(1 ÷ 1) = -2.572381737566e-009°\n= 0°00′00.00″",
        ),
        (
            ((ARC_COSINE[0], "1"), (ARC_COSINE[1], "2")),
            ARC_COSINE[3],
            ARC_COSINE[2],
            "arccos(1 ÷ 2) = 59.99999999914°\n= 60°00′00.00″",
        ),
        (
            ((ARC_COSINE[0], "0"), (ARC_COSINE[1], "1")),
            ARC_COSINE[3],
            ARC_COSINE[2],
            "arccos(0 ÷ 1) = 90°\n= 90°00′00.00″",
        ),
        (((EXPRESSION, "1/0"),), EVALUATE, EXPRESSION_RESULT, "除以 0 或过小的数"),
        (((EXPRESSION, "1/3"),), EVALUATE, EXPRESSION_RESULT, ""),
        (
            ((ANGLE, "30"), (KNOWN[0], "1.000000000000000000001")),
            SIDE_LENGTHS,
            RESULTS[0],
            "已知边，照输入抄写\n1.000000000000000000001",
        ),
        (
            ((EXPRESSION, "1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1"),),
            None,
            EXPRESSION,
            "函数 sin cos tg ctg（角度以度为单位）；运算符 ^ * / + -；可以用括号\n1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1",
        ),
    )
    for typed, button, box, expected in cases:
        for typed_box, text in typed:
            page.type(typed_box, text)
        if button:
            page.click(button)
        page.hover(box)
        checks.equal(
            page.browser.evaluate("%s.title" % unit(box)), expected, "hovering %x after %r" % (box, typed)
        )


def check_reading_tree(page, units, tab_order, checks):
    """Assistive technology meets the boxes and buttons in the Tab order, each box named by its
    label, inside no application, and hears each result politely."""
    nodes = page.browser.call("Accessibility.getFullAXTree")["nodes"]
    by_id = {node["nodeId"]: node for node in nodes}
    walked, stack = [], [nodes[0]]
    while stack:
        node = stack.pop()
        walked.append(node)
        stack.extend(by_id[child] for child in reversed(node.get("childIds", [])) if child in by_id)
    role = lambda node: node.get("role", {}).get("value", "")
    name = lambda node: node.get("name", {}).get("value", "")
    names = [name(node) for node in walked if role(node) in ("textbox", "button")]
    expected = [
        page.browser.evaluate("%s.getAttribute('aria-label') || %s.textContent" % (unit(u), unit(u)))
        for u in tab_order
    ]
    checks.equal(names, expected, "the tree in the Tab order")
    checks.equal([role(node) for node in walked if role(node) == "application"], [], "no application")
    checks.equal(
        [
            node["nodeId"]
            for node in walked
            if role(node) == "Canvas" and not name(node) and not node.get("ignored")
        ],
        [],
        "unnamed canvases",
    )
    unlabelled = page.browser.evaluate(
        "Array.from(document.querySelectorAll('#window input')).filter(e => !e.labels.length"
        " || !e.getAttribute('aria-label').endsWith(e.labels[0].textContent)).map(e => e.id)"
    )
    checks.equal(unlabelled, [], "boxes not named by their label")
    page.type(EXPRESSION, "1+1")
    page.click(EVALUATE)
    time.sleep(0.1)
    nodes = page.browser.call("Accessibility.getFullAXTree")["nodes"]
    live = {
        node["nodeId"]
        for node in nodes
        if {"name": "live", "value": {"type": "token", "value": "polite"}} in node.get("properties", [])
    }
    said = [name(node) for node in nodes if role(node) == "StaticText" and node.get("parentId") in live]
    checks.equal(said, ["函数计算 函数计算结果 2"], "the result said politely")


def check_focus_ring(page, checks):
    # A read-only result shows where the focus is, as a typed box does.
    def shot():
        rect = page.browser.evaluate(
            "(r => ({x: r.x - 2, y: r.y - 2, width: r.width + 4, height: r.height + 4, scale: 1}))"
            "(%s.getBoundingClientRect())" % unit(ARC_SINE[2])
        )
        return page.browser.call("Page.captureScreenshot", {"format": "png", "clip": rect})["data"]

    page.browser.evaluate("%s.focus()" % unit(ARC_SINE[0]))
    unfocused = shot()
    page.browser.evaluate("%s.focus()" % unit(ARC_SINE[2]))
    checks.equal(shot() != unfocused, True, "a ring on the focused read-only box")


def check_phone(browser, url, tables, shot_path, checks):
    """Wherever the pointer is a finger or the window does not fit, the window is one column of
    groups: nothing off the side, every control a finger's size with text a phone need not zoom;
    the tables by taps, and a note in view; a screenshot of the first screen is written beside
    shot_path."""

    def metrics(width, height=844, finger=True):
        browser.call(
            "Emulation.setDeviceMetricsOverride",
            {"width": width, "height": height, "deviceScaleFactor": 3, "mobile": finger},
        )
        browser.call("Emulation.setTouchEmulationEnabled", {"enabled": finger, "maxTouchPoints": 5})

    browser.open(url, prepare=lambda: metrics(390))
    controls = (
        "Array.from(document.querySelectorAll('#window input, #window button')).map(e => (r => [e.id, r.left >= 0"
        " && r.right <= innerWidth, r.height >= 44, parseFloat(getComputedStyle(e).fontSize) >= 16])"
        "(e.getBoundingClientRect())).filter(c => !(c[1] && c[2] && c[3]))"
    )
    in_column = "document.getElementById('window').classList.contains('narrow')"
    # Phones upright and on their side, a tablet, and a mouse's screens narrower, lower, or as
    # large as the window, each come to from a screen laid out the other way. The page answers
    # the resize event, which comes after the new size.
    screens = (
        (360, 780, True, True),
        (390, 844, True, True),
        (430, 932, True, True),
        (844, 390, True, True),
        (768, 1024, True, True),
        (SCREEN_WIDTH - 1, 844, False, True),
        (1280, HEIGHT - 1, False, True),
        (SCREEN_WIDTH, HEIGHT, False, False),
        (1280, 800, False, False),
    )
    for width, height, finger, column in screens:
        for screen in ((1280, 800, False) if column else (360, 780, True), (width, height, finger)):
            metrics(*screen)
            deadline = time.monotonic() + 5
            while (
                browser.evaluate(in_column) != (screen[2] or screen[0] < SCREEN_WIDTH or screen[1] < HEIGHT)
                and time.monotonic() < deadline
            ):
                time.sleep(0.05)
        at = "%dx%d%s" % (width, height, " by finger" if finger else "")
        checks.equal(browser.evaluate(in_column), column, "one column at " + at)
        if column:
            checks.equal(
                browser.evaluate("document.documentElement.scrollWidth <= innerWidth"),
                True,
                "no sideways scroll at " + at,
            )
            checks.equal(browser.evaluate(controls), [], "controls off the side, short or small at " + at)
    metrics(390)
    page = TouchPage(browser)
    check_cases(page, tables, checks)
    page.type(EXPRESSION, "1/0")
    page.click(EVALUATE)
    note = browser.evaluate(
        "(n => n && (r => [r.left >= 0 && r.right <= innerWidth && r.top >= 0 && r.bottom <= innerHeight,"
        " (b => r.bottom <= b.top || r.top >= b.bottom)(%s.getBoundingClientRect())])"
        "(n.getBoundingClientRect()))(document.querySelector('.note'))" % unit(EVALUATE)
    )
    checks.equal(note, [True, True], "the note in view, off its button")
    check_notes_cover_nothing(page, checks)
    check_keys_row(page, checks)
    check_long_notes(page, checks)
    browser.evaluate("scrollTo(0, 0)")
    with open(os.path.splitext(shot_path)[0] + "_phone.png", "wb") as f:
        f.write(
            base64.b64decode(
                browser.call(
                    "Page.captureScreenshot",
                    {"format": "png", "clip": {"x": 0, "y": 0, "width": 390, "height": 844, "scale": 1 / 3}},
                )["data"]
            )
        )


def main_window_units(path):
    """The ids of the main window's units by the cases' names (edit1, button1), from the header
    the program addresses them by."""
    units = {}
    with open(path, encoding="utf-8") as f:
        for value, window_name in re.findall(
            r"constexpr uint32_t k\w+ = (0x[0-9A-Fa-f]+);\s*// (\S+)", f.read()
        ):
            units[window_name.replace("编辑框", "edit").replace("按钮", "button")] = int(value, 16)
    return units


def check_keys(page, tables, units, checks):
    # Enter on a focused button clicks it, as Space does; Enter in a box clicks its group's button.
    rows = tables.get("enter", [])
    if len(rows) < 3:
        checks.failures.append("enter: the table was not found in results.cases")
    for first, first_text, second, second_text, button, result, expected in rows:
        page.type(units[first], first_text)
        page.type(units[second], second_text)
        page.browser.evaluate("%s.value = ''" % unit(units[result]))
        page.browser.evaluate("%s.focus()" % unit(units[button]))
        page.key("Enter", 13)
        checks.equal(page.text(units[result]), expected, "Enter on %s" % button)
    page.browser.evaluate("%s.value = ''" % unit(ARC_SINE[2]))
    page.type(ARC_SINE[0], "1")
    page.type(ARC_SINE[1], "2")
    page.browser.evaluate("%s.focus()" % unit(ARC_SINE[3]))
    page.key(" ", 32)
    checks.equal(page.text(ARC_SINE[2]), "30.00000000086", "Space clicks it")
    # Why a result is empty is its description and what hovering it shows, at once, where the
    # pointer may already rest, until an input of the group changes.
    texts = "[%s.title, %s.getAttribute('aria-description')]" % (
        unit(EXPRESSION_RESULT),
        unit(EXPRESSION_RESULT),
    )
    page.type(EXPRESSION, "1/0")
    page.key("Enter", 13)
    checks.equal(page.browser.evaluate(texts), ["除以 0 或过小的数"] * 2, "the empty result says why")
    page.type(EXPRESSION, "sin(30)")
    checks.equal(page.browser.evaluate(texts), ["", None], "typing takes the reason away")


def check_tab_walk(page, stops, what, checks):
    """From the first stop, Tab visits the stops in turn and wraps; Shift+Tab goes back the same way."""
    page.click(stops[0])
    visited = []
    for _ in range(len(stops) + 1):
        visited.append(page.browser.evaluate("document.activeElement.id"))
        page.key("Tab", 9)
    checks.equal(visited, ["u%x" % u for u in stops + stops[:1]], what + " in turn, and round")
    page.browser.evaluate("%s.focus()" % unit(stops[0]))
    backwards = []
    for _ in range(len(stops)):
        page.key("Tab", 9, modifiers=8)
        backwards.append(page.browser.evaluate("document.activeElement.id"))
    checks.equal(backwards, ["u%x" % u for u in reversed(stops)], what + ": Shift+Tab goes back the same way")


def read_cases(path):
    """The frame's shared cases: (name, [(verb, words)])."""
    cases = []
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            if line.startswith("case "):
                cases.append((line[5:], []))
            elif line and not line.startswith("#") and cases:
                verb, _, words = line.partition(" ")
                cases[-1][1].append((verb, words))
    return cases


KEYS = {"Tab": 9, "Return": 13, "Escape": 27}
# The shown note, checked where it stands: at its unit's edge (within a pixel or two) beside
# it, and off the pointer.
NOTE = """((unit, x, y) => {
    const notes = Array.from(document.querySelectorAll('.note')).filter(n => n.offsetParent);
    if (notes.length !== 1) return notes.length + ' notes';
    const n = notes[0].getBoundingClientRect(), u = unit.getBoundingClientRect(), near = (a, b) => Math.abs(a - b) <= 2;
    const across = n.left < u.right && u.left < n.right, along = n.top < u.bottom && u.top < n.bottom;
    if (!(across && (near(n.top, u.bottom) || near(n.bottom, u.top)) || along && (near(n.left, u.right) || near(n.right, u.left))))
        return 'not beside ' + unit.id;
    return n.left <= x && x <= n.right && n.top <= y && y <= n.bottom ? 'under the pointer' : '';
})(%s, %s, %s)"""


# The failure the page shows in place of the window, empty while there is none.
FAILURE = "(document.getElementById('failure') || {dataset: {}}).dataset.failure || ''"


def open_variant(browser, page_dir, how, unit):
    """The page served with its program's window template changed as a variant step says, open
    once it has failed or is ready; the server, for the caller to stop."""
    path = os.environ.get("ANGLARIX_TEMPLATE") or os.path.join(
        page_dir, "..", "program", "data", "MainWindowTemplate.bin"
    )
    with open(path, "rb") as f:
        template = f.read()
    with open(os.path.join(page_dir, "anglarix.wasm"), "rb") as f:
        program = f.read()
    server = serve(page_dir, altered={"anglarix.wasm": (program, patched(program, template, how, unit))})
    browser.open(
        "http://127.0.0.1:%d/" % server.server_address[1], until="(%s) || (%s)" % (FAILURE, Browser.READY)
    )
    return server


def check_frame_cases(browser, path, units, checks, page_dir, url):
    """The frame's shared cases on the page, each on a fresh load, by the pointer and keys; a
    case on a variant of the template on the page served so, after which the page is opened
    again."""
    cases = read_cases(path)
    checks.equal(len(cases) >= 10, True, "the frame cases read from " + path)
    page = Page(browser)
    for name, steps in cases:
        varied = steps and steps[0][0] == "variant"
        server = open_variant(browser, page_dir, *steps[0][1].split()) if varied else None
        if not varied:
            browser.reload()
        pointer = (-1, -1)
        for verb, words in steps:
            what = "%s: %s %s" % (name, verb, words)
            first, _, rest = words.partition(" ")
            if verb == "click":
                pointer = page.click(units[first], rest or "middle")
            elif verb == "type":
                browser.call("Input.insertText", {"text": words})
            elif verb == "key":
                shifted = first.startswith("shift+")
                key = first[6:] if shifted else first
                page.key("Enter" if key == "Return" else key, KEYS[key], modifiers=8 if shifted else 0)
            elif verb == "wait":
                time.sleep(int(first) / 1000)
            elif verb == "expect":
                checks.equal(page.text(units[first]), rest, what)
            elif verb == "focus":
                checks.equal(browser.evaluate("document.activeElement.id"), "u%x" % units[first], what)
            elif verb == "note":
                checks.equal(browser.evaluate(NOTE % (unit(units[first]), pointer[0], pointer[1])), "", what)
            elif verb == "no-note":
                checks.equal(browser.evaluate("document.querySelectorAll('.note').length"), 0, what)
            elif verb == "tab-order":
                check_tab_walk(page, [units[word] for word in words.split()], what, checks)
            elif verb == "variant":
                pass  # taken when the case started
            elif verb == "error-box":
                error = browser.evaluate(
                    "(e => e ? e.textContent : '')(document.querySelector('#window .error'))"
                )
                checks.equal(words in error, True, what + ": the box says %r" % error)
            elif verb == "exit" and first != "0":
                checks.equal(
                    [browser.evaluate("document.documentElement.dataset.exit"), browser.evaluate(FAILURE)],
                    [first, "stopped"],
                    what + ": stopped with the status",
                )
            elif verb == "exit":
                ended = (
                    "[document.documentElement.dataset.exit, document.querySelectorAll('#window > :not(.ended)').length,"
                    " (e => e && e.offsetHeight > 0 && /[\u4e00-\u9fff]/.test(e.textContent))(document.querySelector('.ended'))]"
                )
                checks.equal(
                    browser.evaluate(ended), [first, 0, True], what + ": the window gone, the end said"
                )
            else:
                checks.failures.append(what + ": a step the page does not know")
        if server:
            server.shutdown()
            server.server_close()
            browser.open(url)


def check_lone_surrogates(page, checks):
    """A lone surrogate reads as U+FFFD, as on the desktop, never joined with what follows it."""
    for typed, expected in (("3\ud800*2", "6"), ("2*\udc003", "6")):
        page.browser.evaluate("%s.value = %s" % (unit(EXPRESSION), json.dumps(typed)))
        page.click(EVALUATE)
        checks.equal(page.text(EXPRESSION_RESULT), expected, "a lone surrogate in %r" % typed)


def check_long_texts(page, checks):
    """Three clicks on a 4 MB expression: the engine gives its working memory back or reuses it,
    so the page's memory (which never shrinks) stays within what one click needs: the text's
    copies on its way to the engine and the engine's few times the text."""
    page.browser.evaluate("%s.value = 'tg(1)+'.repeat(699050) + '1'" % unit(EXPRESSION))
    for _ in range(3):
        page.click(EVALUATE)
    checks.equal(page.text(EXPRESSION_RESULT), "12202.96255194", "4 MB of tg(1)+")
    memory = page.browser.evaluate("HEAP8.length") / 2**20
    print("page_test: %.0f MB of memory after three clicks on 4 MB" % memory)
    checks.equal(memory <= 64, True, "%.0f MB after three clicks on 4 MB, within 64 MB" % memory)
    page.hover(EXPRESSION)
    hover = page.browser.evaluate("%s.title" % unit(EXPRESSION))
    checks.equal(
        (len(hover) <= 300, " … " in hover), (True, True), "a hover text of %d characters" % len(hover)
    )


# What a phone's keypad lacks, from the row of keys over it: the box, the keyboard's text and the
# row's keys in turn, and what the box then holds.
ROW = (
    (ANGLE, ("30", "+", "15"), "30+15"),
    (
        EXPRESSION,
        ("sin(", "30", ")", "*", "2", "^", "(", "1", "-", "3", "/", "3", ")", "+", "ctg(", "45", ")"),
        "sin(30)*2^(1-3/3)+ctg(45)",
    ),
)
KEYS_ROW = """(k => !k ? 'no row' : k.hidden ? 'hidden' : (r => [r.bottom <= innerHeight, r.top >= document.activeElement.getBoundingClientRect().bottom,
    Array.from(k.children).filter(b => b.offsetHeight < 44 || b.offsetWidth < 32).length])(k.getBoundingClientRect()))
    (document.getElementById('keys'))"""


def check_keys_row(page, checks):
    """Whatever a box takes can be typed on a phone: the row of keys over the keyboard types at
    the caret and leaves the focus in the box, each key a finger's size, in view, below the box;
    it goes when the box is left."""
    keys = (
        page.browser.evaluate(
            "Array.from(document.querySelectorAll('#keys button')).map(b => b.dataset.text)"
        )
        or []
    )
    for box, steps, expected in ROW:
        page.type(box, "")
        for step in steps:
            if step in keys:
                page.tap("document.querySelector('#keys [data-text=\"%s\"]')" % step, scroll=False)
            else:
                page.browser.call("Input.insertText", {"text": step})
        checks.equal(
            [
                page.text(box),
                page.browser.evaluate("document.activeElement.id"),
                page.browser.evaluate(KEYS_ROW),
            ],
            [expected, "u%x" % box, [True, True, 0]],
            "typed from the keys row into %x" % box,
        )
    page.click(EVALUATE)
    checks.equal(page.browser.evaluate(KEYS_ROW), "hidden", "no keys row once a button is pressed")


# The window's elements a note stands over.
COVERED = """(n => n ? Array.from(document.querySelectorAll('#window > *')).filter(e => e !== n &&
    (r => (m => r.width && m.left < r.right && r.left < m.right && m.top < r.bottom && r.top < m.bottom)
    (n.getBoundingClientRect()))(e.getBoundingClientRect())).map(e => e.id) : 'no note')(document.querySelector('.note'))"""
# Notes on a phone: what an input takes, a result too wide for its box, and why a result is empty.
NOTES = (
    (((ANGLE, ""),), None, ANGLE),
    (
        ((ANGLE, "30"), (KNOWN[0], "1." + "0" * 60 + "1"), (KNOWN[1], ""), (KNOWN[2], "")),
        SIDE_LENGTHS,
        RESULTS[0],
    ),
    (((EXPRESSION, "1/0"),), EVALUATE, None),
)


def check_notes_cover_nothing(page, checks):
    """On a phone a note covers no control nor label: the column makes room for it."""
    for typed, button, tapped in NOTES:
        for box, text in typed:
            page.type(box, text)
        if button:
            page.click(button)
        if tapped:
            page.click(tapped)
        checks.equal(page.browser.evaluate(COVERED), [], "what a note covers after %r" % (typed,))


SAID = "document.getElementById('said').textContent"
REGIONS = "Array.from(document.querySelectorAll('[aria-live]')).map(e => e.textContent)"
# Clicks one after another and what each is heard as: the same words again, and the solver's
# sides in reading order, each named.
HEARD = (
    (((ARC_SINE[0], "3"), (ARC_SINE[1], "5")), ARC_SINE[3], "反正弦 计算角度 36.8698976469"),
    (((ARC_SINE[0], "6"), (ARC_SINE[1], "10")), ARC_SINE[3], "反正弦 计算角度 36.8698976469"),
    (((EXPRESSION, "sin(30)"),), EVALUATE, "函数计算 函数计算结果 0.499999999987"),
    ((), EVALUATE, "函数计算 函数计算结果 0.499999999987"),
    (
        ((ANGLE, "30"), (KNOWN[0], "1"), (KNOWN[1], ""), (KNOWN[2], "")),
        SIDE_LENGTHS,
        "计算结果 对边长度 1；计算结果 斜边长度 2.000000000052；计算结果 邻边长度 1.732050807629",
    ),
    (((ANGLE, "5-5"),), SIDE_LENGTHS, "计算结果 对边长度 1；计算结果 斜边长度 边长太大，溢出；计算结果 邻边长度 边长太大，溢出"),
)


def check_heard(page, checks):
    """Every click is heard, the same words again too, in reading order, each after its box's name."""
    for typed, button, expected in HEARD:
        for box, text in typed:
            page.type(box, text)
        before = page.browser.evaluate(REGIONS)
        page.click(button)
        time.sleep(0.1)
        after = page.browser.evaluate(REGIONS)
        checks.equal((after != before, "".join(after)), (True, expected), "heard after %r" % (typed,))


def check_long_notes(page, checks):
    """A tapped box of a megabyte shows a note of a few lines at once, shortened in the middle,
    and a sentence for a screen reader; a thousand clicks as fast as they come are heard as one."""
    browser = page.browser
    browser.evaluate("%s.value = '1+'.repeat(524288)" % unit(EXPRESSION))
    started = time.monotonic()
    page.click(EXPRESSION)
    elapsed = time.monotonic() - started
    lines = browser.evaluate(
        "(n => n && n.offsetHeight / parseFloat(getComputedStyle(n).lineHeight))"
        "(document.querySelector('.note'))"
    )
    # The time is reported, not judged: a loaded machine would make a judgement of it flaky.
    checks.equal(
        lines is not None and lines < 5,
        True,
        "a tapped megabyte: a note of %s lines in %.2f s" % (lines, elapsed),
    )
    time.sleep(0.1)
    said = browser.evaluate(SAID)
    checks.equal(len(said) <= 100, True, "a tapped megabyte says %d characters" % len(said))
    page.type(EXPRESSION, "1/0")
    page.click(EVALUATE)
    time.sleep(0.1)
    once = browser.evaluate(SAID)
    browser.evaluate("for (let i = 0; i < 1000; ++i) %s.click()" % unit(EVALUATE))
    time.sleep(0.1)
    checks.equal(browser.evaluate(SAID), once, "a thousand fast clicks say what one does")


def check_bad_input(page, tables, units, checks):
    """The bad inputs of results.cases (64 KB pastes, binary text) give the desktop's results,
    about as quickly: each click within ten times the desktop's, and a quarter of a second,
    when ANGLARIX_CLICK_TIMES names the file its run wrote; otherwise within 5 s."""
    rows = tables.get("bad-input", [])
    if len(rows) < 3:
        checks.failures.append("bad-input: the table was not found in results.cases")
    desktop = []
    if os.path.exists(os.environ.get("ANGLARIX_CLICK_TIMES", "")):
        with open(os.environ["ANGLARIX_CLICK_TIMES"]) as f:
            desktop = [int(line) / 1000 for line in f if line.strip()]
    for index, (piece, count, tail, box, others, button, kept, *results) in enumerate(rows):
        box, button, count, kept = units[box], units[button], int(count), int(kept)
        inputs, outputs = GROUPS[button]
        for other in inputs:
            if other != box:
                page.type(other, others)
        for output in outputs:
            page.browser.evaluate("%s.value = ''" % unit(output))
        page.type(box, piece * count + tail)
        started = time.monotonic()
        page.click(button)
        elapsed = time.monotonic() - started
        what = "%r x %d into %x" % (piece[:8], count, box)
        checks.equal(len(page.text(box)), kept, what + ": the characters the box keeps")
        checks.equal([page.text(output) for output in outputs], results, what)
        budget = 10 * desktop[index] + 0.25 if index < len(desktop) else 5
        print(
            "page_test: %s clicked in %.0f ms on the page%s"
            % (
                what,
                1000 * elapsed,
                ", %.0f ms on the desktop" % (1000 * desktop[index]) if index < len(desktop) else "",
            )
        )
        checks.equal(
            elapsed <= budget, True, "%s answered in %.2f s, within %.2f s" % (what, elapsed, budget)
        )
    page.type(EXPRESSION, "1+1")
    page.click(EVALUATE)
    checks.equal(page.text(EXPRESSION_RESULT), "2", "the page still answers after bad input")


def check_keyboards(page, checks):
    # A phone offers digits for a side or an angle and letters for an expression, and neither
    # capitalises nor corrects what is typed; results ask for no keyboard.
    expected = {}
    for button, (inputs, results) in GROUPS.items():
        expected.update({box: "text" if button == EVALUATE else "decimal" for box in inputs})
        expected.update({box: "" for box in results})
    checks.equal(
        {box: page.browser.evaluate("%s.inputMode" % unit(box)) for box in expected}, expected, "keyboards"
    )
    checks.equal(
        page.browser.evaluate(
            "Array.from(document.querySelectorAll('#window input')).filter(e => e.getAttribute('autocapitalize') !== 'off'"
            " || e.getAttribute('autocorrect') !== 'off' || e.spellcheck || e.enterKeyHint !== 'go').map(e => e.id)"
        ),
        [],
        "boxes that capitalise, correct or lack the Go key",
    )


def check_installable(browser, checks):
    """The manifest names the page and its icons, every icon loads at its size, and chromium
    finds nothing in the way of installing it once the service worker runs."""
    browser.evaluate("navigator.serviceWorker.ready.then(() => true)", settle=True)
    manifest = browser.call("Page.getAppManifest")
    checks.equal(manifest.get("errors"), [], "manifest errors")
    data = json.loads(manifest.get("data") or "{}")
    checks.equal(
        [bool(data.get(key)) for key in ("name", "short_name", "start_url", "display")],
        [True] * 4,
        "the manifest has a name, a short name, a start and a display",
    )
    icons = sorted((icon["sizes"], icon.get("purpose", "any")) for icon in data.get("icons", []))
    checks.equal(
        icons, [("192x192", "any"), ("512x512", "any"), ("512x512", "maskable")], "the manifest's icons"
    )
    sizes = browser.evaluate(
        "Promise.all(%s.map(icon => new Promise(done => { const image = new Image();"
        ' image.onload = () => done(image.naturalWidth + "x" + image.naturalHeight);'
        ' image.onerror = () => done(""); image.src = icon.src; })))' % json.dumps(data.get("icons", [])),
        settle=True,
    )
    checks.equal(sizes, [icon["sizes"] for icon in data.get("icons", [])], "icons load at their sizes")
    checks.equal(
        browser.evaluate(
            "fetch(document.querySelector('link[rel=icon]').href).then(r => r.status)", settle=True
        ),
        200,
        "the favicon",
    )
    try:
        errors = browser.call("Page.getInstallabilityErrors")["installabilityErrors"]
        checks.equal([error["errorId"] for error in errors], [], "installability errors")
    except RuntimeError:
        pass  # a chromium without the call


def check_offline(browser, server, tables, checks):
    """Once the service worker has the page's files, the page starts again with no server, no
    network and no HTTP cache, and computes."""
    browser.evaluate(
        "navigator.serviceWorker.ready.then(() => navigator.serviceWorker.controller ? true : new Promise("
        "done => navigator.serviceWorker.addEventListener('controllerchange', () => done(true))))",
        settle=True,
    )
    server.shutdown()
    server.server_close()
    browser.call("Network.enable")
    browser.call("Network.setCacheDisabled", {"cacheDisabled": True})
    browser.call(
        "Network.emulateNetworkConditions",
        {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1},
    )
    browser.reload()  # not one that ignores caches, which passes the worker by
    checks.equal(
        browser.evaluate("!!navigator.serviceWorker.controller"), True, "offline, the worker serves the page"
    )
    page = Page(browser)
    for expression, expected in tables.get("evaluate", [])[:3]:
        page.type(EXPRESSION, expression)
        page.click(EVALUATE)
        checks.equal(page.text(EXPRESSION_RESULT), expected, "offline, evaluate %s" % expression)


def check_load_failures(browser, page_dir, shot_path, checks):
    """Each way the page can fail to start shows its message where the window would be,
    Chinese and then English; a screenshot of each is written beside shot_path. Each is served
    from an origin of its own, where no service worker has kept the files."""
    shown = FAILURE

    def refuse():
        browser.call("Network.enable")
        browser.call("Network.setBlockedURLs", {"urls": ["*anglarix.wasm"]})

    def no_webassembly():
        browser.call("Page.enable")
        browser.call("Page.addScriptToEvaluateOnNewDocument", {"source": "delete window.WebAssembly"})

    # The way, the failure it shows, how it is served (None: the page opened from the disk), what
    # is set up before loading and done after, the error box text shown in the window, and what
    # both texts name for a person to do. The damaged template's table is a byte shorter than its
    # one window's id and slot.
    damaged = {"anglarix.wasm": (bytes.fromhex("0800000001000152"), bytes.fromhex("0700000001000152"))}
    ways = (
        ("opened from the disk", "disk", None, None, None, "", "anglarix.html"),
        ("the .wasm missing", "missing", {"missing": ("anglarix.wasm",)}, None, None, "", "anglarix.wasm"),
        ("the .wasm refused", "missing", {}, refuse, None, "", "anglarix.wasm"),
        ("no WebAssembly", "no-wasm", {}, no_webassembly, None, "", "WebAssembly"),
        ("a trap in the program", "stopped", {}, None, "setTimeout(() => Module._free(0x7ffffff0))", "", ""),
        ("a damaged template", "stopped", {"altered": damaged}, None, None, "载入窗口模板数据段出错", ""),
    )
    for way, kind, served, prepare, after, box, names in ways:
        server = serve(page_dir, **served) if served is not None else None
        try:
            address = (
                "http://127.0.0.1:%d/" % server.server_address[1]
                if server
                else "file://" + os.path.abspath(os.path.join(page_dir, "index.html"))
            )
            browser.open(address, until=Browser.READY if after else shown, prepare=prepare)
            if after:
                browser.evaluate(after)
                browser.wait(shown, 10)
        finally:
            if server:
                server.shutdown()
                server.server_close()
        error = browser.evaluate("(e => e ? e.textContent : '')(document.querySelector('#window .error'))")
        checks.equal(box in error and bool(error) == bool(box), True, way + ": the error box %r" % error)
        checks.equal(browser.evaluate(shown), kind, way)
        lines = browser.evaluate(
            "Array.from(document.querySelectorAll('#failure p')).map(p => [p.lang, p.innerText])"
        )
        checks.equal([lang for lang, _ in lines[:2]], ["zh-CN", "en"], way + ": Chinese, then English")
        checks.equal(
            len(lines) >= 2 and bool(re.search("[\u4e00-\u9fff]", lines[0][1])) and lines[1][1].isascii(),
            True,
            way + ": the texts",
        )
        # Whoever downloaded the files has no build tree to run a command in.
        checks.equal(
            [text for _, text in lines[:2] if names not in text or re.search(r"\bmake\b", text)],
            [],
            way + ": texts that do not name %s, or name a build command" % names,
        )
        checks.equal(
            browser.evaluate(
                "(r => r.height > 0 && r.top >= 0 && r.top < innerHeight)"
                "(document.getElementById('failure').getBoundingClientRect())"
            ),
            True,
            way + ": in view",
        )
        shot = browser.call("Page.captureScreenshot", {"format": "png"})
        with open("%s_%s.png" % (os.path.splitext(shot_path)[0], re.sub(r"\W+", "_", way)), "wb") as f:
            f.write(base64.b64decode(shot["data"]))


def label_sheet():
    """The labels the desktop's label test paints into tests/forms/golden/label_sheet.png, as
    the page's descriptions: effects, alignments, wrap, the note, borders, an overlong line,
    gradient frames and the eight gradient backgrounds."""
    face, grey = 0xFF000000, 0xC0C0C0

    def label(text, left, top, width, height, **props):
        unit = {
            "text": text,
            "left": left,
            "top": top,
            "width": width,
            "height": height,
            "textEffect": 0,
            "border": 0,
            "gradientBorderWidth": 8,
            "gradientBorder": [0x808080, 0xFFFFFF, 0x808080],
            "textColour": 0,
            "background": face,
            "gradientMode": 0,
            "gradientBackground": [0x808080, 0xFFFFFF, 0x808080],
            "alignment": 0,
            "verticalAlignment": 1,
            "wordWrap": 0,
        }
        unit.update(props)
        return unit

    units = [
        label(
            "效果 Effect",
            4 + e * 114,
            4,
            110,
            24,
            textEffect=e,
            background=grey,
            alignment=1,
            textColour=0x00FFFF if e == 3 else 0x800000,
        )
        for e in range(4)
    ]
    units += [
        label("对齐 Ag", 4 + h * 76, 34 + v * 34, 72, 30, alignment=h, verticalAlignment=v, background=0xFFFFFF)
        for v in range(3)
        for h in range(3)
    ]
    units += [
        label(
            "word wrap 自动换行的标签文字\r\n第二段",
            236 + h * 76,
            34,
            72,
            98,
            wordWrap=1,
            alignment=h,
            verticalAlignment=2,
            background=0xFFFFFF,
        )
        for h in range(3)
    ]
    units.append(
        label(
            "注：正弦值等于角对边除以角斜边；\r\n    余弦值等于角邻边除以角斜边；\r\n" "    正切值等于角对边除以角邻边。\r\n\r\n三角函数示例：sin(10),正切用tg表示",
            4,
            140,
            216,
            64,
            wordWrap=1,
            background=grey,
        )
    )
    units += [label("边框", 228 + (b - 1) * 46, 140, 42, 28, border=b) for b in range(1, 6)]
    units.append(label("一行放不下的标题", 228, 176, 60, 28, alignment=1))
    units.append(label("渐变边框", 4, 212, 110, 40, border=6, alignment=1))
    units.append(
        label(
            "渐变边框",
            118,
            212,
            110,
            40,
            border=6,
            alignment=1,
            gradientBorderWidth=12,
            gradientBorder=[0x0000FF, face, 0xFF0000],
        )
    )
    units.append(
        label("渐变边框", 232, 212, 110, 40, border=6, alignment=1, gradientBorder=[face, face, 0x808080])
    )
    units += [
        label(
            "渐变",
            4 + (m - 1) % 4 * 114,
            260 + (m - 1) // 4 * 48,
            110,
            44,
            gradientMode=m,
            gradientBackground=[0x0000FF, 0xFFFFFF, 0x008000],
            fontHeight=-14,
            fontWeight=700,
            fontItalic=1,
            fontFace="宋体",
        )
        for m in range(1, 9)
    ]
    return units


# Each label's display list from the program's rules, as the page computes it for a label of
# the window, then the label built from its description; the lists go back to the test.
SHEET = """(units => {
    const fields = ['width', 'height', 'border', 'textColour', 'background', 'alignment', 'verticalAlignment',
                    'wordWrap', 'textEffect', 'gradientBorderWidth', 'gradientBorder', 'gradientMode',
                    'gradientBackground', 'fontHeight', 'fontWeight', 'fontItalic'];
    const text = t => {
        const bytes = new TextEncoder().encode(t + '\\0'), at = Module._malloc(bytes.length);
        HEAPU8.set(bytes, at);
        return at;
    };
    const sheet = document.createElement('div');
    sheet.style.cssText = 'left: 0; top: 0; width: 464px; height: 356px; z-index: 1000; background: #c0c0c0';
    const lists = units.map(unit => {
        const numbers = [].concat(...fields.map(key => unit[key] || 0)).map(n => n | 0);
        const at = Module._malloc(4 * numbers.length), caption = text(unit.text), face = text(unit.fontFace || '');
        HEAP32.set(numbers, at >> 2);
        const list = UTF8ToString(Module._PagePaintLabel(at, caption, face));
        [at, caption, face].forEach(address => Module._free(address));
        unit.paint = JSON.parse(list);
        const label = Module.makeLabel(unit);
        label.style.cssText = 'position: absolute; left: ' + unit.left + 'px; top: ' + unit.top + 'px';
        sheet.appendChild(label);
        return list;
    });
    document.getElementById('window').appendChild(sheet);
    return lists;
})(%s)"""


def check_label_sheet(browser, golden_path, actual_path, checks):
    """The page paints the desktop's label sheet from the same display lists, compared exactly:
    glyphs within the screenshot's tolerance; borders, gradient frames and the text-free right
    half of the gradient backgrounds exactly."""
    units = label_sheet()
    lists = browser.evaluate(SHEET % json.dumps(units))
    # The desktop's label test writes its lists beside its picture, one a line.
    with open(os.path.splitext(golden_path)[0] + ".paint.json", encoding="utf-8") as f:
        desktop = f.read().splitlines()
    checks.equal(len(lists), len(desktop), "display lists of the label sheet")
    for index, (page_list, desktop_list) in enumerate(zip(lists, desktop)):
        checks.equal(
            page_list,
            desktop_list,
            "the display list of label %d, the same on the page and the desktop" % index,
        )
    shot = browser.call(
        "Page.captureScreenshot",
        {
            "format": "png",
            "clip": {"x": window_left(browser), "y": 0, "width": 464, "height": 356, "scale": 1},
        },
    )
    with open(actual_path, "wb") as f:
        f.write(base64.b64decode(shot["data"]))
    border_widths = [0, 2, 3, 1, 5, 1]
    exact = []
    for index, unit in enumerate(units):
        if unit["gradientMode"]:
            half = unit["width"] // 2
            exact.append(
                dict(unit, id=index, left=unit["left"] + half, width=unit["width"] - half, edge=half)
            )
        elif unit["border"] == 6:
            exact.append(dict(unit, id=index, edge=unit["gradientBorderWidth"]))
        elif unit["border"]:
            exact.append(dict(unit, id=index, edge=border_widths[unit["border"]]))
    compare_with_golden(actual_path, golden_path, exact, checks)


def check_zoom(browser, checks):
    # At another pixel ratio the painted units are painted again at that ratio, so they stay crisp.
    browser.call(
        "Emulation.setDeviceMetricsOverride",
        {"width": SCREEN_WIDTH, "height": HEIGHT, "deviceScaleFactor": 2, "mobile": False},
    )
    blurred = (
        "Array.from(document.querySelectorAll('#window canvas'))"
        ".filter(c => c.offsetWidth && c.width !== 2 * c.offsetWidth).length"
    )
    deadline = time.monotonic() + 5
    while browser.evaluate(blurred) and time.monotonic() < deadline:
        browser.call(
            "Page.captureScreenshot", {"format": "png"}
        )  # headless renders, and reports the change, for a shot
    checks.equal(browser.evaluate(blurred), 0, "canvases painted at twice the pixels")


def compare_with_golden(actual_path, golden_path, shapes, checks):
    """Glyphs may render differently (antialiasing, hinting, a pixel's shift); the shapes'
    edges, the bars and frames, may not differ at all: `edge` pixels deep, 2 unless given."""
    width, height, golden = read_png(golden_path)
    actual_width, actual_height, actual = read_png(actual_path)
    checks.equal((actual_width, actual_height), (width, height), "screenshot size")
    if (actual_width, actual_height) != (width, height):
        return
    far = 0
    diff = [bytearray(3 * width) for _ in range(height)]
    for y in range(height):
        for x in range(3 * width):
            value = actual[y][x]
            diff[y][x] = 255 - min(255, 2 * abs(golden[y][x] - value))
            if abs(golden[y][x] - value) <= 96:
                continue
            # Far from the same place and from each neighbour in the golden image.
            near = any(
                abs(golden[ny][nx] - value) <= 96
                for ny in range(max(0, y - 1), min(height, y + 2))
                for nx in range(max(x % 3, x - 3), min(3 * width, x + 4), 3)
            )
            far += not near
    # The glyphs' antialiased edges (the desktop draws them without) come to about 1.1 %.
    checks.equal(
        far <= 0.015 * 3 * width * height,
        True,
        "screenshot: %d of %d samples far from the golden image" % (far, 3 * width * height),
    )
    before = len(checks.failures)
    for shape in shapes:
        differing = []
        left, top = max(0, shape["left"]), max(0, shape["top"])
        right, bottom = min(width, shape["left"] + shape["width"]), min(
            height, shape["top"] + shape["height"]
        )
        for y in range(top, bottom):
            for x in range(left, right):
                edge = min(x - left, right - 1 - x, y - top, bottom - 1 - y) < shape.get("edge", 2)
                if edge and any(abs(golden[y][3 * x + c] - actual[y][3 * x + c]) > 8 for c in range(3)):
                    differing.append((x, y))
        checks.equal(differing[:3], [], "the edges of shape %x" % shape["id"])
    if len(checks.failures) > before or far > 0.015 * 3 * width * height:
        diff_path = os.path.splitext(actual_path)[0] + "_diff.png"
        write_png(diff_path, width, height, diff)
        print("page_test: the screenshot is %s, its difference %s" % (actual_path, diff_path))


class Quiet(http.server.SimpleHTTPRequestHandler):
    missing = ()
    altered = {}

    def log_message(self, *args):
        pass

    def do_GET(self):
        name = os.path.basename(self.path.split("?")[0])
        if name in self.missing:
            self.send_error(404)
        elif name in self.altered:
            with open(os.path.join(self.directory, name), "rb") as f:
                body = f.read().replace(*self.altered[name])
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(name))
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        else:
            super().do_GET()


def serve(page_dir, missing=(), altered=None):
    """A server of page_dir on a port of its own (so an origin of its own), started; the files
    named in missing are not found, those in altered have the first bytes given replaced by the
    second."""
    handler = functools.partial(
        type("Serving", (Quiet,), {"missing": missing, "altered": altered or {}}), directory=page_dir
    )
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def main():
    if len(sys.argv) < 4:
        print(__doc__)
        return 2
    page_dir, cases_dir, golden = sys.argv[1:4]
    actual_path = sys.argv[4] if len(sys.argv) > 4 else os.path.join(tempfile.gettempdir(), "page_actual.png")
    chromium = shutil.which("chromium")
    if not chromium:
        print("page_test: no chromium installed; skipped")
        return 77
    server = serve(page_dir)
    checks = Checks()
    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(chromium, profile)
        try:
            url = "http://127.0.0.1:%d/" % server.server_address[1]
            browser.open(url)
            # The diagram is decoded by the browser after the page is interactive.
            deadline = time.monotonic() + 10
            while (
                browser.evaluate("document.documentElement.dataset.painted || ''") != "true"
                and time.monotonic() < deadline
            ):
                time.sleep(0.05)
            shapes = browser.evaluate(
                "Array.from(document.querySelectorAll('#window > canvas:not(.picture)')).map(c => ({id: parseInt(c.id.slice(1), 16),"
                " left: c.offsetLeft, top: c.offsetTop, width: c.offsetWidth, height: c.offsetHeight,"
                " hidden: getComputedStyle(c).display === 'none' || getComputedStyle(c).clipPath !== 'none'}))"
            )
            shot = browser.call(
                "Page.captureScreenshot",
                {
                    "format": "png",
                    "clip": {"x": window_left(browser), "y": 0, "width": WIDTH, "height": HEIGHT, "scale": 1},
                },
            )
            with open(actual_path, "wb") as f:
                f.write(base64.b64decode(shot["data"]))
            compare_with_golden(actual_path, golden, [s for s in shapes if not s["hidden"]], checks)
            page = Page(browser)
            check_keyboards(page, checks)
            check_installable(browser, checks)
            check_accessible_names(page, checks)
            tables = result_tables(os.path.join(cases_dir, "results.cases"))
            units = main_window_units(
                os.path.join(cases_dir, "..", "..", "program", "data", "MainWindowUnits.h")
            )
            frame_cases = os.path.join(cases_dir, "frame.cases")
            check_frame_cases(browser, frame_cases, units, checks, page_dir, url)
            browser.reload()
            check_keys(page, tables, units, checks)
            tab_order = [
                units[name]
                for _, steps in read_cases(frame_cases)
                for verb, words in steps
                if verb == "tab-order"
                for name in words.split()
            ]
            check_reading_tree(page, units, tab_order, checks)
            check_focus_ring(page, checks)
            check_hover(page, checks)
            check_heard(page, checks)
            check_cases(page, tables, checks)
            check_bad_input(page, tables, units, checks)
            check_lone_surrogates(page, checks)
            check_long_texts(page, checks)
            check_label_sheet(
                browser,
                os.path.join(os.path.dirname(golden), "label_sheet.png"),
                os.path.splitext(actual_path)[0] + "_labels.png",
                checks,
            )
            check_zoom(browser, checks)
            # The single file from the disk runs the same tables.
            browser.open("file://" + os.path.abspath(os.path.join(page_dir, "anglarix.html")))
            check_cases(Page(browser), tables, checks)
            check_load_failures(browser, page_dir, actual_path, checks)
            check_phone(browser, url, tables, actual_path, checks)
            browser.open(url)
            check_offline(browser, server, tables, checks)
        finally:
            browser.close()
            server.shutdown()
            server.server_close()
    for failure in checks.failures:
        print("FAIL " + failure)
    print("page_test: %d checks, %d failed" % (checks.count, len(checks.failures)))
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main())
