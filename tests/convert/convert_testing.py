"""What the converter's Python tests share: the checks that count failures and a test file written
as the program writes it."""
import struct
import sys

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what, file=sys.stderr)


def outcome(test):
    """The exit code once every check has run, after a line that counts the failures."""
    print("%s: %d failures" % (test, len(failures)))
    return 1 if failures else 0


def write_test(path, questions):
    """Little-endian: the number of questions, then for each the right option's index and five
    texts, each its length with the closing NUL and its Windows-1250 bytes."""
    data = struct.pack("<i", len(questions))
    for texts, right in questions:
        data += struct.pack("<i", right)
        for text in texts:
            encoded = text.encode("cp1250") + b"\0"
            data += struct.pack("<i", len(encoded)) + encoded
    with open(path, "wb") as file:
        file.write(data)
