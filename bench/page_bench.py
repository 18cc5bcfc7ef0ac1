#!/usr/bin/env python3
"""The page's figures in Debian's chromium, headless, served from localhost: the transfer size
(each file compressed with gzip -9), the time from navigation to interactive on a cold cache
(each load from an origin of its own, so nothing cached and no service worker) and on a warm
one (the service worker serving), the single file's from the disk, and one click of each button
with the boxes filled as in bench_click.

    page_bench.py PAGE_DIR [LOADS]"""
import gzip
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page_test import Browser, serve  # noqa: E402

CLICKS = {
    "ArcSine": (0x1601013B, {0x1601013A: "1", 0x16011DCC: "2"}),
    "ArcTangent": (0x1601014F, {0x16010150: "1", 0x16011DCA: "1"}),
    "ArcCosine": (0x16010159, {0x1601015A: "1", 0x16011DC8: "2"}),
    "Expression": (0x16011DCF, {0x16011DCE: "2*tg(30)+1"}),
    "SideLengths": (0x16011DF2, {0x16011DD4: "30", 0x16011DE8: "2"}),
}
REPEATS = 500
ROUNDS = 9


def element(unit_id):
    return "document.getElementById('u%x')" % unit_id


def click_microseconds(browser, button, boxes):
    """The median and the fastest of ROUNDS rounds of REPEATS clicks, per click."""
    fill = "".join("%s.value = %r;" % (element(box), text) for box, text in boxes.items())
    rounds = [
        browser.evaluate(
            "(() => { %s const b = %s; b.click(); const t = performance.now();"
            " for (let i = 0; i < %d; ++i) b.click(); return (performance.now() - t) * 1000 / %d; })()"
            % (fill, element(button), REPEATS, REPEATS)
        )
        for _ in range(ROUNDS)
    ]
    return statistics.median(rounds), min(rounds)


def big_paste(browser, rounds=3):
    """A 4 MB paste into the expression box and a click, three times: the click's time as the
    page sees it, and the memory the page keeps after each (the WebAssembly heap, which never
    shrinks, and the script heap)."""
    expression, button = 0x16011DCE, 0x16011DCF
    text = "1+" * (2 << 20)
    for round_ in range(rounds):
        browser.evaluate("%s.focus(); %s.select()" % (element(expression), element(expression)))
        browser.call("Input.insertText", {"text": text})
        started = browser.evaluate("performance.now()")
        took = (
            browser.evaluate("(() => { %s.click(); return performance.now(); })()" % element(button))
            - started
        )
        metrics = {m["name"]: m["value"] for m in browser.call("Performance.getMetrics")["metrics"]}
        wasm = browser.evaluate("HEAP8.buffer.byteLength")
        print(
            "4 MB paste, click %d: %.0f ms; WebAssembly heap %.1f MB, script heap %.1f MB, result %r"
            % (
                round_ + 1,
                took,
                wasm / 1e6,
                metrics.get("JSHeapUsedSize", 0) / 1e6,
                browser.evaluate("%s.value" % element(0x16011DD1)),
            )
        )


def main():
    page_dir = sys.argv[1]
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    chromium = shutil.which("chromium")
    if not chromium:
        print("page_bench: no chromium installed")
        return 77
    # The served page is every file but the single one, which is a download of its own.
    served = 0
    for folder, _, names in sorted(os.walk(page_dir)):
        for name in sorted(names):
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                data = f.read()
            packed = len(gzip.compress(data, 9))
            served += packed if name != "anglarix.html" else 0
            print(
                "transfer  %-26s %7d bytes, gzip -9 %7d bytes"
                % (os.path.relpath(path, page_dir), len(data), packed)
            )
    print("transfer  served page total gzip -9 %.1f KB" % (served / 1000))

    def ready_ms(browser):
        return int(browser.evaluate("document.documentElement.dataset.readyAt"))

    def summary(times):
        return "median %d ms (min %d, max %d, %d loads)" % (
            statistics.median(times),
            min(times),
            max(times),
            len(times),
        )

    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(chromium, profile)
        server = serve(page_dir)
        try:
            cold = []
            for _ in range(max(3, loads // 3)):
                fresh = serve(page_dir)
                browser.open("http://127.0.0.1:%d/" % fresh.server_address[1])
                cold.append(ready_ms(browser))
                fresh.shutdown()
                fresh.server_close()
            print("load to interactive, cold cache: " + summary(cold))
            url = "http://127.0.0.1:%d/" % server.server_address[1]
            browser.open(url)
            browser.evaluate("navigator.serviceWorker.ready.then(() => true)", settle=True)
            warm = []
            for _ in range(loads):
                browser.open(url)
                warm.append(ready_ms(browser))
            controlled = browser.evaluate("!!navigator.serviceWorker.controller")
            print(
                "load to interactive, warm cache%s: %s"
                % (" (service worker)" if controlled else "", summary(warm))
            )
            single = []
            for _ in range(max(3, loads // 3)):
                browser.open("file://" + os.path.abspath(os.path.join(page_dir, "anglarix.html")))
                single.append(ready_ms(browser))
            print("load to interactive, the single file from the disk: " + summary(single))
            browser.open(url)
            for name, (button, boxes) in CLICKS.items():
                print(
                    "click  %-12s median %.1f us, fastest round %.1f us"
                    % ((name,) + click_microseconds(browser, button, boxes))
                )
            browser.open(url)
            browser.call("Performance.enable")
            big_paste(browser)
        finally:
            browser.close()
            server.shutdown()
            server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
