#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: small test files, valid and damaged, one per shape the decoder
must tell apart. Run from anywhere; the files land in corpus/ beside this script."""

import os
import struct


def i32(value):
    return struct.pack("<i", value)


def text(body, length=None):
    data = body + b"\0"
    return i32(len(data) if length is None else length) + data


def entry(correct, texts):
    return i32(correct) + b"".join(text(t) for t in texts)


def test_file(entries):
    return i32(len(entries)) + b"".join(entries)


WORKED = test_file([entry(1, [b"2+2?", b"3", b"4", b"5", b"22"])])
EMPTY = test_file([entry(0, [b""] * 5)])
CZECH = "Kolik je hodin? Přesně poledne".encode("cp1250")

FILES = {
    "worked-example.tst": WORKED,
    "empty-texts.tst": EMPTY,
    "three-questions.tst": test_file([
        entry(0, [CZECH, b"jedna", b"dva", b"", b"tri"]),
        entry(3, [b"a", b"b", b"c", b"d", b"e"]),
        entry(2, [b"?", b"", b"", b"x" * 40, b""]),
    ]),
    "full-field.tst": test_file([entry(2, [b"q" * 1023, b"", b"", b"", b"a" * 1023])]),
    "trailing-bytes.tst": WORKED + b"\xee" * 16,
    "count-zero.tst": i32(0) + WORKED[4:],
    "count-negative.tst": i32(-1) + WORKED[4:],
    "count-too-large.tst": i32(2) + WORKED[4:],
    "count-huge.tst": i32(0x7FFFFFFF) + WORKED[4:],
    "length-zero.tst": i32(1) + i32(1) + text(b"", 0) + WORKED[17:],
    "length-1025.tst": i32(1) + i32(1) + text(b"x" * 1024, 1025),
    "length-negative.tst": i32(1) + i32(1) + i32(-5) + WORKED[12:],
    "text-not-terminated.tst": WORKED[:-1] + b"2",
    "truncated-count.tst": WORKED[:3],
    "truncated-text.tst": WORKED[:30],
    "empty.tst": b"",
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(folder, exist_ok=True)
    for name, data in sorted(FILES.items()):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    print("wrote %d files to %s" % (len(FILES), folder))


if __name__ == "__main__":
    main()
