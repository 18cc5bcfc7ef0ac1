#!/usr/bin/env python3
"""The page's figures in Debian's chromium, headless, served from localhost: the transfer size
(each file compressed with gzip -9), the time from navigation to interactive for a first load
and for later ones, and one click of each button with the boxes filled as in bench_click.

    page_bench.py PAGE_DIR [LOADS]"""
import functools
import gzip
import http.server
import os
import shutil
import statistics
import sys
import tempfile
import threading

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from page_test import Browser  # noqa: E402

CLICKS = {
    'ArcSine': (0x1601013B, {0x1601013A: '1', 0x16011DCC: '2'}),
    'ArcTangent': (0x1601014F, {0x16010150: '1', 0x16011DCA: '1'}),
    'ArcCosine': (0x16010159, {0x1601015A: '1', 0x16011DC8: '2'}),
    'Expression': (0x16011DCF, {0x16011DCE: '2*tg(30)+1'}),
    'SideLengths': (0x16011DF2, {0x16011DD4: '30', 0x16011DE8: '2'}),
}
REPEATS = 500
ROUNDS = 9


def element(unit_id):
    return "document.getElementById('u%x')" % unit_id


def click_microseconds(browser, button, boxes):
    """The median and the fastest of ROUNDS rounds of REPEATS clicks, per click."""
    fill = ''.join('%s.value = %r;' % (element(box), text) for box, text in boxes.items())
    rounds = [browser.evaluate('(() => { %s const b = %s; b.click(); const t = performance.now();'
                               ' for (let i = 0; i < %d; ++i) b.click(); return (performance.now() - t) * 1000 / %d; })()'
                               % (fill, element(button), REPEATS, REPEATS)) for _ in range(ROUNDS)]
    return statistics.median(rounds), min(rounds)


def main():
    page_dir = sys.argv[1]
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    chromium = shutil.which('chromium')
    if not chromium:
        print('page_bench: no chromium installed')
        return 77
    total = 0
    for name in sorted(os.listdir(page_dir)):
        with open(os.path.join(page_dir, name), 'rb') as f:
            data = f.read()
        packed = len(gzip.compress(data, 9))
        total += packed
        print('transfer  %-14s %7d bytes, gzip -9 %7d bytes' % (name, len(data), packed))
    print('transfer  total gzip -9 %.1f KB' % (total / 1000))

    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Quiet, directory=page_dir))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = 'http://127.0.0.1:%d/' % server.server_address[1]
    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(chromium, profile)
        try:
            ready = []
            for _ in range(loads):
                browser.open(url)
                ready.append(int(browser.evaluate('document.documentElement.dataset.readyAt')))
            print('load to interactive: first %d ms, later median %d ms (min %d, max %d, %d loads)'
                  % (ready[0], statistics.median(ready[1:]), min(ready[1:]), max(ready[1:]), loads - 1))
            for name, (button, boxes) in CLICKS.items():
                print('click  %-12s median %.1f us, fastest round %.1f us' % ((name,) + click_microseconds(browser, button, boxes)))
        finally:
            browser.close()
            server.shutdown()
    return 0


if __name__ == '__main__':
    sys.exit(main())
