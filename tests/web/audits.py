#!/usr/bin/env python3
"""The built page against Lighthouse (accessibility, best practices and SEO, as a phone and as a
desktop) and axe-core (at 1280 and 390 px: as it loads, with a warning and a note showing, and
while a box is typed into): every category 100 and no axe violation.

    audits.py PAGE_DIR [TOOLS_DIR]

TOOLS_DIR holds the node_modules that tools/setup-debian.sh installs from tools/audits/
(/usr/local/lib/anglarix-audits by default). Exits 77 (skipped) when chromium, Lighthouse or
axe-core is not installed."""
import json
import os
import shutil
import subprocess
import sys
import tempfile

from page_test import ANGLE, SIDE_LENGTHS, Browser, Page, TouchPage, serve

CATEGORIES = ("accessibility", "best-practices", "seo")
# Chromium as the page's test starts it: no network of its own, nothing fetched in the background.
FLAGS = (
    "--headless=new --no-sandbox --disable-gpu --disable-background-networking --disable-component-update"
    " --disable-sync --no-first-run"
)
# The form factors: Lighthouse's presets, and the screens axe reads the page on.
FORMS = (("mobile", (), 390, 844, True), ("desktop", ("--preset=desktop",), 1280, 800, False))


def lighthouse(tool, url, extra):
    """{category: score} and the titles of the weighted audits that did not pass."""
    with tempfile.TemporaryDirectory() as folder:
        report = os.path.join(folder, "report.json")
        subprocess.run(
            [
                tool,
                url,
                "--only-categories=" + ",".join(CATEGORIES),
                "--chrome-flags=" + FLAGS,
                "--output=json",
                "--output-path=" + report,
                "--quiet",
            ]
            + list(extra),
            check=True,
            timeout=300,
            env=dict(os.environ, CHROME_PATH=shutil.which("chromium")),
        )
        with open(report, encoding="utf-8") as f:
            result = json.load(f)
    scores = {name: result["categories"][name]["score"] for name in CATEGORIES}
    failing = [
        result["audits"][ref["id"]]["id"]
        for name in CATEGORIES
        for ref in result["categories"][name]["auditRefs"]
        if ref["weight"] > 0 and (result["audits"][ref["id"]]["score"] or 0) < 1
    ]
    return scores, failing


AXE = """axe.run(document, {resultTypes: ['violations']}).then(result => result.violations.map(v =>
    v.id + ' (' + v.impact + '): ' + v.nodes.map(n => n.target.join(' ')).slice(0, 4).join(', ')))"""


def axe_violations(browser, axe_source, url, width, height, mobile):
    """axe's violations as the page loads, with the warning and a note showing, and while a box
    is typed into (on a phone, with the row of keys over the keyboard)."""

    def metrics():
        browser.call(
            "Emulation.setDeviceMetricsOverride",
            {"width": width, "height": height, "mobile": mobile, "deviceScaleFactor": 3 if mobile else 1},
        )
        browser.call("Emulation.setTouchEmulationEnabled", {"enabled": mobile, "maxTouchPoints": 5})

    browser.open(url, prepare=metrics)
    browser.evaluate(axe_source)
    found = {"loaded": browser.evaluate(AXE, settle=True)}
    page = (TouchPage if mobile else Page)(browser)
    page.type(ANGLE, "")
    page.click(SIDE_LENGTHS)
    found["warned"] = browser.evaluate(AXE, settle=True)
    page.click(ANGLE)
    browser.call("Input.insertText", {"text": "30"})
    found["typing"] = browser.evaluate(AXE, settle=True)
    return found


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    page_dir = sys.argv[1]
    tools = sys.argv[2] if len(sys.argv) > 2 else "/usr/local/lib/anglarix-audits"
    tool = os.path.join(tools, "node_modules", ".bin", "lighthouse")
    axe = os.path.join(tools, "node_modules", "axe-core", "axe.min.js")
    chromium = shutil.which("chromium")
    if not (chromium and os.access(tool, os.X_OK) and os.path.exists(axe)):
        print("audits: chromium, Lighthouse or axe-core is not installed (tools/setup-debian.sh); skipped")
        return 77
    with open(axe, encoding="utf-8") as f:
        axe_source = f.read()
    server = serve(page_dir)
    url = "http://127.0.0.1:%d/" % server.server_address[1]
    failures = []
    try:
        # axe first: a page that does not start fails there, rather than scoring its error.
        with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
            browser = Browser(chromium, profile)
            try:
                for form, extra, width, height, mobile in FORMS:
                    for state, violations in axe_violations(
                        browser, axe_source, url, width, height, mobile
                    ).items():
                        print("audits: axe at %d px, %s: %d violations" % (width, state, len(violations)))
                        failures += ["axe at %d px, %s: %s" % (width, state, v) for v in violations]
            finally:
                browser.close()
        for form, extra, width, height, mobile in FORMS:
            scores, failing = lighthouse(tool, url, extra)
            print(
                "audits: Lighthouse %s %s"
                % (form, ", ".join("%s %d" % (n, round(100 * (s or 0))) for n, s in scores.items()))
            )
            if any(score != 1 for score in scores.values()):
                failures.append("Lighthouse %s: %s fall short" % (form, ", ".join(failing) or "audits"))
    finally:
        server.shutdown()
        server.server_close()
    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
