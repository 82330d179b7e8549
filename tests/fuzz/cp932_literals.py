#!/usr/bin/env python3
"""Copies C++ sources into a build tree with the non-ASCII characters of every
narrow string and character literal written as the octal escapes of their
code page 932 bytes.

The program is compiled by g++ with -fexec-charset=CP932: the sources are
UTF-8 and every narrow literal becomes CP932 bytes. clang has no such switch
(it always emits UTF-8), so the fuzz build compiles these rewritten copies
instead, which hold the same bytes spelled as escapes. The bytes come from
iconv's CP932, the converter g++ itself uses, so both compilers see the same
text. Octal escapes are used because they end after three digits: a hex
escape would swallow a following "a"-"f" or digit.

Only narrow literals change (no prefix): u8, u, U and L literals, comments
and code stay as they are. A universal character name (\\uXXXX) in a narrow
literal is converted like the character it names, as g++ does. Non-ASCII
text in a raw string cannot be escaped and is refused.

usage: cp932_literals.py OUT_DIR SRC_ROOT:FILE...   (FILE relative to SRC_ROOT)
       cp932_literals.py --stdout FILE
Files are rewritten only when their content changes, so make sees no change
when there is none.
"""
import os
import re
import subprocess
import sys

_cache = {}


def cp932_bytes(chars):
    """CP932 bytes of each character, through iconv (one call for all new ones)."""
    new = sorted({c for c in chars if c not in _cache})
    if new:
        # "\n" never occurs inside a CP932 double-byte character.
        out = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"],
                             input="\n".join(new).encode("utf-8"),
                             capture_output=True)
        if out.returncode != 0:
            raise SystemExit("iconv cannot convert one of %r: %s" % (new, out.stderr.decode()))
        parts = out.stdout.split(b"\n")
        if len(parts) != len(new):
            raise SystemExit("iconv gave %d parts for %d characters" % (len(parts), len(new)))
        for c, b in zip(new, parts):
            _cache[c] = b
    return [_cache[c] for c in chars]


IDENT = re.compile(r"[A-Za-z_][A-Za-z0-9_]*")
PPNUM = re.compile(r"\.?[0-9](?:[eEpP][+-]|'[0-9A-Za-z_]|[0-9A-Za-z_.])*")
PREFIXES = {"L", "u", "U", "u8", "R", "LR", "uR", "UR", "u8R"}


def convert_literal_body(body, name):
    """Rewrites the inside of a narrow literal (between the quotes)."""
    pieces = []  # ('raw', text) or ('char', character)
    i = 0
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            n = body[i + 1]
            if n in "uU":
                width = 4 if n == "u" else 8
                digits = body[i + 2:i + 2 + width]
                if len(digits) != width or not re.fullmatch(r"[0-9A-Fa-f]+", digits):
                    raise SystemExit("%s: bad universal character name" % name)
                pieces.append(("char", chr(int(digits, 16))))
                i += 2 + width
                continue
            pieces.append(("raw", body[i:i + 2]))
            i += 2
            continue
        pieces.append(("char", c) if ord(c) > 0x7F else ("raw", c))
        i += 1
    chars = [p[1] for p in pieces if p[0] == "char"]
    encoded = iter(cp932_bytes(chars))
    out = []
    for kind, text in pieces:
        if kind == "raw":
            out.append(text)
        else:
            out.append("".join("\\%03o" % b for b in next(encoded)))
    return "".join(out)


def convert(text, name):
    out = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(text[i:j])
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            if j < 0:
                raise SystemExit("%s: unterminated comment" % name)
            out.append(text[i:j + 2])
            i = j + 2
        elif c.isdigit() or (c == "." and i + 1 < n and text[i + 1].isdigit()):
            m = PPNUM.match(text, i)
            out.append(m.group(0))
            i = m.end()
        elif IDENT.match(text, i):
            m = IDENT.match(text, i)
            word = m.group(0)
            j = m.end()
            if word in PREFIXES and j < n and text[j] in "\"'":
                if word.endswith("R") and text[j] == '"':
                    k = text.find("(", j)
                    delim = text[j + 1:k]
                    end = text.find(")" + delim + '"', k)
                    if end < 0:
                        raise SystemExit("%s: unterminated raw string" % name)
                    end += len(delim) + 2
                    raw = text[j:end]
                    if word == "R" and any(ord(ch) > 0x7F for ch in raw):
                        raise SystemExit("%s: non-ASCII text in a raw string" % name)
                    out.append(word + raw)
                    i = end
                else:
                    end = literal_end(text, j, name)
                    out.append(text[i:end])  # u8, u, U, L: left to the compiler
                    i = end
            else:
                out.append(word)
                i = j
        elif c in "\"'":
            end = literal_end(text, i, name)
            out.append(c + convert_literal_body(text[i + 1:end - 1], name) + c)
            i = end
        else:
            out.append(c)
            i += 1
    return "".join(out)


def literal_end(text, i, name):
    """Index just after the literal whose opening quote is at i."""
    quote = text[i]
    j = i + 1
    while j < len(text):
        if text[j] == "\\":
            j += 2
            continue
        if text[j] == quote:
            return j + 1
        if text[j] == "\n":
            break
        j += 1
    raise SystemExit("%s: unterminated literal at offset %d" % (name, i))


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except FileNotFoundError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    if len(argv) == 3 and argv[1] == "--stdout":
        with open(argv[2], encoding="utf-8") as f:
            sys.stdout.write(convert(f.read(), argv[2]))
        return
    if len(argv) < 3:
        raise SystemExit(__doc__)
    out_dir = argv[1]
    for entry in argv[2:]:
        root, rel = entry.split(":", 1)
        original = os.path.abspath(os.path.join(root, rel))
        with open(original, encoding="utf-8") as f:
            # Diagnostics, debug information and sanitizer reports name the
            # original file and its lines.
            converted = '#line 1 "%s"\n' % original + convert(f.read(), rel)
        write_if_changed(os.path.join(out_dir, rel), converted.encode("utf-8"))


if __name__ == "__main__":
    main(sys.argv)
