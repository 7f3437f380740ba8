"""A test file (.tst) written as the program writes it, for the converter's tests: little-endian, the
number of questions, then for each the right option's index and five texts, each its length with
the closing NUL and its Windows-1250 bytes."""
import struct


def write_test(path, questions):
    data = struct.pack("<i", len(questions))
    for texts, right in questions:
        data += struct.pack("<i", right)
        for text in texts:
            encoded = text.encode("cp1250") + b"\0"
            data += struct.pack("<i", len(encoded)) + encoded
    with open(path, "wb") as file:
        file.write(data)
