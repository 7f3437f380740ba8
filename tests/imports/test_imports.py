#!/usr/bin/env python3
"""Holds what the shipped exes import from Windows to allowed-imports.txt: every import must be
listed there, no listed function may need a Windows newer than the list's "oldest", and the README
must name that Windows. Wine exports newer functions too, so no run under it would tell.
Usage: test_imports.py ALLOWED_IMPORTS README EXE...   (OBJDUMP names the cross objdump)"""

import os
import re
import subprocess
import sys

# Client Windows releases, oldest first, as Microsoft's documentation names them.
WINDOWS = ["2000", "XP", "Vista", "7", "8", "8.1", "10", "11"]
# msvcrt.dll's functions: the C runtime that is part of every Windows.
C_RUNTIME = "crt"
# The converter opens no window: of the window system's DLLs it may use its string resources only.
WINDOW_DLLS = ("user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll")
WINDOWLESS = {"kvizar-convert.exe": {("user32.dll", "LoadStringW")}}


def read_allowed(path):
    """The list's oldest Windows, its entries {(dll, function): version} and its faults."""
    oldest, allowed, faults = None, {}, []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            if words[0] == "oldest" and len(words) == 2:
                oldest = words[1]
            elif len(words) == 2 and "!" in words[0]:
                dll, function = words[0].split("!", 1)
                allowed[(dll.lower(), function)] = words[1]
            else:
                faults.append(f"{path}:{number}: not 'DLL!function VERSION': {line.strip()}")
    if oldest not in WINDOWS:
        faults.append(f"{path}: 'oldest' names no Windows of {WINDOWS}")
    return oldest, allowed, faults


def imports_of(exe):
    """{(dll, function)} from the import tables that objdump -p prints."""
    printed = subprocess.run([os.environ.get("OBJDUMP", "objdump"), "-p", exe], check=True,
                             capture_output=True, text=True).stdout
    tables = printed.split("The Import Tables", 1)[1] if "The Import Tables" in printed else ""
    found, dll = set(), None
    for line in tables.splitlines()[1:]:
        if line[:1].isalpha():
            break  # the next part of the dump
        name = re.match(r"\s*DLL Name: (\S+)", line)
        if name:
            dll = name.group(1).lower()
            continue
        entry = re.match(r"\t[0-9a-f]+\t\s*\d+\s+(\S+)", line)
        if entry and dll:
            found.add((dll, entry.group(1)))
    return found


def main(allowed_path, readme_path, exes):
    oldest, allowed, faults = read_allowed(allowed_path)
    for (dll, function), version in sorted(allowed.items()):
        if version == C_RUNTIME and dll == "msvcrt.dll":
            continue
        if version not in WINDOWS:
            faults.append(f"{dll}!{function}: '{version}' is no Windows of {WINDOWS}")
        elif oldest in WINDOWS and WINDOWS.index(version) > WINDOWS.index(oldest):
            faults.append(f"{dll}!{function} needs Windows {version}, newer than Windows {oldest}")
    with open(readme_path, encoding="utf-8") as readme:
        if f"Windows {oldest}" not in readme.read():
            faults.append(f"{readme_path} does not name Windows {oldest}")
    for exe in exes:
        imports = imports_of(exe)
        if not imports:
            faults.append(f"{exe}: no imports found in objdump's output")
        unlisted = sorted(imports - allowed.keys())
        faults += [f"{os.path.basename(exe)} imports {dll}!{function}, which {allowed_path} does not list"
                   for dll, function in unlisted]
        name = os.path.basename(exe)
        if name in WINDOWLESS:
            faults += [f"{name} imports the window function {dll}!{function}" for dll, function in sorted(imports)
                       if dll in WINDOW_DLLS and (dll, function) not in WINDOWLESS[name]]
        print(f"{name}: {len(imports)} imports, {len(unlisted)} not listed")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
