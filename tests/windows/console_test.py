#!/usr/bin/env python3
"""anglarix-calc.exe typed at a console: Wine gives a program on a terminal a console, so the
wide-character reads and writes, the prompt, the console's history and Ctrl+D run as in
cmd.exe. Each line's answer must show before the next prompt, the reasons in Chinese under a
Chinese locale (which Wine makes the user's language); Ctrl+D ends with status 0.
    console_test.py CALC_UNDER_WINE   (under a zh_CN.UTF-8 locale)
"""
import os
import pty
import re
import select
import sys
import termios
import time

# The console's cursor and erase sequences around what the program writes.
CONTROL = re.compile(rb"\x1b\[[0-9;?]*[A-Za-z]|\r")


def main():
    pid, terminal = pty.fork()
    if pid == 0:
        os.execv(sys.argv[1], [sys.argv[1]])
    shown = b""

    def wait_for(text, seconds=60):
        nonlocal shown
        end = time.time() + seconds
        while time.time() < end:
            plain = CONTROL.sub(b"", shown)
            if text in plain:
                shown = b""
                return True
            ready, _, _ = select.select([terminal], [], [], 0.2)
            if ready:
                try:
                    shown += os.read(terminal, 4096)
                except OSError:
                    break
        print(f"console_test: waited for {text!r}, the console showed {CONTROL.sub(b'', shown)!r}")
        return False

    exchanges = [
        ("sin(30)\r", "0.499999999987\n>"),
        ("1/0\r", "anglarix-calc: 1/0: 除以 0 或过小的数\n>"),
        ("\x1b[A\x1b[A\r", "sin(30)\n0.499999999987\n>"),  # up twice: sin(30) again
        ("３０+1\r", "31\n>"),
        ("\r", ">"),  # an empty line is skipped, as in a shell
    ]
    # Keys typed before the console has set the terminal up would be echoed and cooked by the
    # terminal itself: the first line is sent once the console has turned the echo off.
    ok = wait_for(b">")
    end = time.time() + 60
    while ok and termios.tcgetattr(terminal)[3] & termios.ECHO and time.time() < end:
        time.sleep(0.1)
    for sent, answer in exchanges:
        if not ok:
            break
        os.write(terminal, sent.encode())
        ok = wait_for(answer.encode())
    if ok:
        os.write(terminal, b"\x04")
    _, status = os.waitpid(pid, 0)
    if ok and os.WEXITSTATUS(status) != 0:
        print(f"console_test: Ctrl+D ended with status {os.WEXITSTATUS(status)}")
        ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
