"""Reads the tables of a cases file in results.cases's format: {table: [row]}, each row a tuple
of its fields as bytes (a field may hold bytes that are no UTF-8: the engine reads GBK)."""
import re

ESCAPE = re.compile(rb"\\(?:u([0-9A-Fa-f]{4})|x([0-9A-Fa-f]{2})|(.))")


def decode(raw, texts):
    raw = raw.strip()
    if raw.startswith("$"):
        return texts[raw[1:]]
    return ESCAPE.sub(
        lambda m: chr(int(m[1], 16)).encode() if m[1] else bytes([int(m[2], 16)]) if m[2] else m[3],
        raw.encode(),
    )


def read_tables(path):
    tables, texts, rows = {}, {}, None
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            if line.startswith("table "):
                rows = tables.setdefault(line[6:].strip(), [])
            elif line.startswith("text "):
                name, _, text = line[5:].partition(" ")
                texts[name] = decode(text, texts)
            elif line and not line.startswith("#") and rows is not None:
                fields = [""]
                for token in re.findall(r"\\.|\||[^\\|]+", line):
                    if token == "|":
                        fields.append("")
                    else:
                        fields[-1] += token
                rows.append(tuple(decode(field, texts) for field in fields))
    return tables
