#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora: small test files, valid and damaged, one per shape the decoder
must tell apart (corpus/), and small Aiken (corpus-aiken/) and CSV (corpus-csv/) files in the
shapes and encodings their readers take or refuse. Run from anywhere; the files land beside this
script."""

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


QUESTION = "Která řeka protéká Prahou?\nA) Vltava\nB) Morava\nC) Odra\nD) Labe\nANSWER: A\n"

AIKEN = {
    "utf8.txt": QUESTION.encode("utf-8"),
    "utf8-bom-crlf.txt": b"\xef\xbb\xbf" + (QUESTION + "\n" + QUESTION).replace("\n", "\r\n").encode("utf-8"),
    "cp1250.txt": QUESTION.encode("cp1250"),
    "forms.txt": b"  Q?\t\nA.a\nB)  b\nC) c c\nD)\td\nANSWER:D",
    "three-options.txt": b"Q?\nA) a\nB) b\nC) c\nANSWER: C\n",
    "out-of-order.txt": b"Q?\nA) a\nC) c\nB) b\nD) d\nANSWER: A\n",
    "two-lines.txt": b"Q?\nmore\nA) a\nB) b\nC) c\nD) d\nANSWER: A\n",
    "cyrillic.txt": "Q ф?\nA) a\nB) b\nC) c\nD) d\nANSWER: B\n".encode("utf-8"),
    "utf16.txt": "\ufeffQ?\n".encode("utf-16-le"),
}

CSV = {
    "header-semicolon.csv": ("\ufeffOtázka;A;B;C;D;Správně\r\n" "Kolik je 1,5 + 1,5?;2;3;4;5;B\r\n").encode("utf-8"),
    "comma.csv": b'"say ""hi""",a,"b,c",,d,4\n"q;1",a,b,c,d,1',
    "cp1250.csv": "Otázka;A;B;C;D;Správně\nŘeka?;Vltava;Morava;Odra;Labe;A\n".encode("cp1250"),
    "bad-answer.csv": b"q;a;b;c;d;E\n",
    "five-cells.csv": b"q;a;b;c;d\n",
    "open-quote.csv": b'q;"a\nb";b;c;d;A\n',
    "after-quote.csv": b'"q"x;a;b;c;d;A\n',
}


def write(folder_name, files):
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), folder_name)
    os.makedirs(folder, exist_ok=True)
    for name, data in sorted(files.items()):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    print("wrote %d files to %s" % (len(files), folder))


def main():
    write("corpus", FILES)
    write("corpus-aiken", AIKEN)
    write("corpus-csv", CSV)


if __name__ == "__main__":
    main()
