#!/usr/bin/env python3
"""The Windows command line writes the Linux one's texts: the expressions and angles of the
result tables and the engine's inputs (tests/cases), the four functions at every 7.5 degrees
over two turns and at large angles, and numbers at the edges of the formatting, all sent as
lines to both programs, whose answers and reasons must agree line for line. Then, as a
co-process, the Windows program answers each line before the next is written.
    same_texts.py LINUX_CALC WINDOWS_CALC RESULTS.cases ENGINE_INPUTS.cases
"""
import os
import select
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cases"))
from tables import read_tables  # noqa: E402


def table_inputs(results, engine_inputs):
    tables = read_tables(results)
    texts = [row[0] for name in ("evaluate", "sides") for row in tables[name]]
    texts += [text for row in read_tables(engine_inputs)["engine-inputs"] for text in row]
    # One line each: a text with a line break would be two.
    return [text for text in texts if b"\n" not in text and b"\r" not in text]


def generated_inputs():
    for step in range(-96, 97):
        angle = f"{step * 7.5:g}"
        for function in ("sin", "cos", "tg", "ctg"):
            yield f"{function}({angle})".encode()
    for angle in ("1e15", "-1e15", "1e17", "1e20", "1e300", "123456789.123", "0.000001", "89.9999999"):
        for function in ("sin", "cos", "tg", "ctg"):
            yield f"{function}({angle})".encode()
    yield from (
        e.encode()
        for e in (
            "1/3",
            "2/3*3",
            "0.1+0.2",
            "1e-5*2",
            "2^1024",
            "2^-1074",
            "2^-1075",
            "10^15",
            "10^16",
            "123456789012345",
            "0.0001234567890123456",
            "-0",
            "0-0",
            "1e308*10",
            "(0-8)^(1/3)",
            "2^0.5",
            "7^(1/3)",
            "sin(30)^2+cos(30)^2",
            "ctg(0)",
            "1/0.0000001",
            "3.14159265358979",
        )
    )


def run(program, lines):
    completed = subprocess.run(
        [program], input=b"".join(line + b"\n" for line in lines), capture_output=True, timeout=120
    )
    return completed.returncode, completed.stdout.split(b"\n"), completed.stderr.split(b"\n")


def answers_each_line_at_once(program):
    """The lines and answers that did not arrive while the input stayed open."""
    exchanges = [
        (b"sin(30)\n", b"0.499999999987\n"),
        (b"\xef\xbc\x93\xef\xbc\x90+1\n", b"31\n"),
        (b"1/0\n", b"\n"),
        (b"007\n", b"007\n"),
    ]
    calc = subprocess.Popen(
        [program], stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL
    )
    missing = []
    for sent, answer in exchanges:
        calc.stdin.write(sent)
        calc.stdin.flush()
        received = b""
        while len(received) < len(answer) and select.select([calc.stdout], [], [], 60)[0]:
            chunk = os.read(calc.stdout.fileno(), len(answer) - len(received))
            if not chunk:
                break
            received += chunk
        if received != answer:
            missing.append((sent, answer, received))
    calc.stdin.close()
    calc.wait(timeout=60)
    return missing


def main():
    linux, windows, results, engine_inputs = sys.argv[1:5]
    lines = table_inputs(results, engine_inputs) + list(generated_inputs())
    expected = run(linux, lines)
    actual = run(windows, lines)
    differences = 0
    for name, index in (("status", 0),):
        if expected[index] != actual[index]:
            print(f"{name}: Linux {expected[index]}, Windows {actual[index]}")
            differences += 1
    for stream, index in (("answer", 1), ("reason", 2)):
        for number, (want, got) in enumerate(zip(expected[index], actual[index])):
            if want != got:
                subject = lines[number] if stream == "answer" and number < len(lines) else b""
                print(f"{stream} {number + 1} {subject!r}: Linux {want!r}, Windows {got!r}")
                differences += 1
        if len(expected[index]) != len(actual[index]):
            print(f"{stream}s: Linux {len(expected[index])} lines, Windows {len(actual[index])}")
            differences += 1
    for sent, answer, received in answers_each_line_at_once(windows):
        print(f"co-process: {sent!r} was answered {received!r} while the input was open, not {answer!r}")
        differences += 1
    print(f"same_texts: {len(lines)} lines, {differences} differences")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
