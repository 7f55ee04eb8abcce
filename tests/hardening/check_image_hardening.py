#!/usr/bin/env python3
"""Checks the loader's hardening of a program file, as objdump reads it.

Usage: check_image_hardening.py OBJDUMP PROGRAM 32|64

- ASLR: a dynamic base with relocations to move it by, and in the 64-bit
  build a high-entropy address space; DEP: NX compatible.
- No section that is both writable and executable.
- Only known system DLLs are imported. The loader resolves a program's own
  imports before any of its code runs, searching the program's folder first
  for every DLL that is not on the system's KnownDLLs list; the program runs
  elevated from wherever it was saved, so one planted "version.dll" beside
  it would run with administrator rights.
- Nothing of the program's own that reads the registry, the environment or
  the command line is imported: the program takes no configuration, so no
  input can reach the web view's address through them. (The C runtime's
  start-up reads the command line through msvcrt's own data; that is not
  an import of these functions.)
"""
import re
import subprocess
import sys

# On the KnownDLLs list from Windows 7 on (ntdll is always the system's).
KNOWN_DLLS = {
    "advapi32.dll", "comdlg32.dll", "gdi32.dll", "imagehlp.dll", "imm32.dll", "kernel32.dll",
    "msctf.dll", "msvcrt.dll", "normaliz.dll", "nsi.dll", "ntdll.dll", "ole32.dll",
    "oleaut32.dll", "psapi.dll", "rpcrt4.dll", "sechost.dll", "setupapi.dll", "shell32.dll",
    "shlwapi.dll", "user32.dll", "wldap32.dll", "ws2_32.dll",
}
CONFIGURATION_READERS = re.compile("^(" + "|".join([
    r"Reg(Open|Create|Query|Get|Enum|Load|Connect|Copy)\w*", r"SHGetValue\w*", r"SHRegGet\w+",
    r"GetPrivateProfile\w+", r"GetProfile\w+",
    r"GetEnvironmentVariable[AW]?", r"GetEnvironmentStrings[AW]?",
    r"ExpandEnvironmentStrings[AW]?", r"_?w?getenv(_s)?", r"_w?dupenv_s",
    r"GetCommandLine[AW]", r"CommandLineToArgvW", r"__wgetmainargs",
]) + ")$")


def objdump(tool, option, program):
    return subprocess.run([tool, option, program], check=True, capture_output=True,
                          text=True).stdout


def dll_characteristics(private):
    found = re.search(r"^DllCharacteristics\s+([0-9a-fA-F]+)\n((?:\t+\S.*\n)*)", private, re.M)
    if not found:
        return set()
    return set(found.group(2).split())


def imports(private):
    """{dll: [function, ...]} from the import tables."""
    tables = {}
    current = None
    for line in private.splitlines():
        name = re.match(r"^\s*DLL Name: (\S+)", line)
        if name:
            current = tables.setdefault(name.group(1).lower(), [])
            continue
        if current is None:
            continue
        if not line.strip():
            current = None
            continue
        # "\t<vma>  <hint>  <name>" rows; the header row has no hint number.
        entry = re.match(r"^\s+[0-9a-fA-F]+\s+[0-9a-fA-F]+\s+(\S+)", line)
        if entry:
            current.append(entry.group(1))
    return tables


def sections(headers):
    """[(name, flags)] from objdump -h: a row, then its flags on the next line."""
    rows = []
    lines = headers.splitlines()
    for i, line in enumerate(lines):
        row = re.match(r"^\s*\d+\s+(\S+)\s+[0-9a-fA-F]+\s", line)
        if row and i + 1 < len(lines):
            rows.append((row.group(1), {f.strip() for f in lines[i + 1].split(",")}))
    return rows


def main():
    tool, program, bits = sys.argv[1:]
    private = objdump(tool, "-p", program)
    headers = objdump(tool, "-h", program)
    failures = []

    wanted = {"DYNAMIC_BASE", "NX_COMPAT"} | ({"HIGH_ENTROPY_VA"} if bits == "64" else set())
    missing = wanted - dll_characteristics(private)
    if missing:
        failures.append(f"DllCharacteristics lack {sorted(missing)}")
    if re.search(r"^Characteristics .*\n(\t.*\n)*\trelocations stripped", private, re.M):
        failures.append("relocations stripped: a dynamic base cannot be moved")
    if not any(name == ".reloc" for name, _ in sections(headers)):
        failures.append("no .reloc section: a dynamic base cannot be moved")

    # objdump shows CODE for an executable section and READONLY for one
    # that is not writable.
    for name, flags in sections(headers):
        if "CODE" in flags and "READONLY" not in flags:
            failures.append(f"section {name} is writable and executable")

    tables = imports(private)
    if not tables:
        failures.append("no import table read")
    for dll, functions in sorted(tables.items()):
        if dll not in KNOWN_DLLS:
            failures.append(f"imports {dll}, which is not a known system DLL")
        for function in functions:
            if CONFIGURATION_READERS.match(function):
                failures.append(f"imports {function} from {dll}")

    for failure in failures:
        print(f"{program}: {failure}")
    if not failures:
        print(f"{program}: hardened; imports {', '.join(sorted(tables))}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
