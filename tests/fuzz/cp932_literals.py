#!/usr/bin/env python3
"""Copies C++ sources, writing every non-ASCII character inside a string or character literal as
the octal escapes of its code page 932 bytes.

The program's literals are the Shift_JIS bytes it shows and writes (g++ -fexec-charset=CP932).
Clang has no such option, so the fuzz tree is built from copies made by this step; the sources
themselves stay as they are. Octal escapes always take three digits, so a digit after one stays a
digit. Comments keep their UTF-8, which clang reads as it is.

Usage: cp932_literals.py SOURCE_ROOT DESTINATION_ROOT DIR...
"""
import os
import sys


def escape(ch):
    return "".join("\\%03o" % b for b in ch.encode("cp932"))


def raw_literal(text, i):
    """A raw string R"d(...)d" at i: its non-ASCII characters go into ordinary literals placed
    between pieces of the raw one, which the compiler joins again. Returns the text and the end."""
    open_paren = text.index("(", i)
    delimiter = text[i + 2:open_paren]
    close = text.index(")" + delimiter + '"', open_paren)
    body = text[open_paren + 1:close]
    out = ['R"' + delimiter + "("]
    for ch in body:
        if ord(ch) < 0x80:
            out.append(ch)
        else:
            out.append(')' + delimiter + '" "' + escape(ch) + '" R"' + delimiter + "(")
    out.append(")" + delimiter + '"')
    return "".join(out), close + len(delimiter) + 2


def convert(text):
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith('R"', i) and not (i > 0 and (text[i - 1].isalnum() or text[i - 1] == "_")):
            converted, i = raw_literal(text, i)
            out.append(converted)
        elif text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(text[i:end])
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(text[i:end])
            i = end
        elif c == '"' or (c == "'" and not (i > 0 and text[i - 1].isalnum())):
            # A quote after a letter or digit is a digit separator (10'000), not a literal.
            out.append(c)
            i += 1
            while i < n and text[i] != c:
                if text[i] == "\\":
                    out.append(text[i:i + 2])
                    i += 2
                    continue
                out.append(text[i] if ord(text[i]) < 0x80 else escape(text[i]))
                i += 1
            if i < n:
                out.append(c)
                i += 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def remove_stale(source, destination, folder):
    """Removes copies whose source is gone, so that a deleted file does not live on here."""
    for root, _, files in os.walk(os.path.join(destination, folder)):
        for name in files:
            copy = os.path.join(root, name)
            if not os.path.exists(os.path.join(source, os.path.relpath(copy, destination))):
                os.remove(copy)


def main():
    source, destination, folders = sys.argv[1], sys.argv[2], sys.argv[3:]
    for folder in folders:
        remove_stale(source, destination, folder)
        for root, _, files in os.walk(os.path.join(source, folder)):
            for name in files:
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(root, name)
                target = os.path.join(destination, os.path.relpath(path, source))
                with open(path, encoding="utf-8") as f:
                    converted = convert(f.read())
                os.makedirs(os.path.dirname(target), exist_ok=True)
                old = None
                if os.path.exists(target):
                    with open(target, encoding="utf-8") as f:
                        old = f.read()
                if old != converted:  # unchanged copies keep their time: no needless rebuild
                    with open(target, "w", encoding="utf-8") as f:
                        f.write(converted)


if __name__ == "__main__":
    main()
