#!/usr/bin/env python3
"""Checks what the program file tells the system about itself, read straight
from the file: the processor, the subsystem, the loader's hardening flags, the
DLLs it needs, and its resources with the application manifest.

Usage: check_image.py PROGRAM ARCHITECTURE   (x86 or amd64)
"""
import struct
import sys
import xml.etree.ElementTree as ET

MACHINES = {"x86": 0x014C, "amd64": 0x8664}
GUI_SUBSYSTEM = 2
HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT = 0x0020, 0x0040, 0x0100
RELOCS_STRIPPED = 0x0001
# DLLs every Windows system has, all of them on its KnownDLLs list, so none
# can be planted beside the program; nothing of the compiler's own runtime.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "ole32.dll", "oleaut32.dll",
               "msvcrt.dll", "advapi32.dll", "shell32.dll"}
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
CHINESE_PRC, NEUTRAL = 0x0804, 0
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"

failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
        self.machine, sections, _, _, _, optional_size, self.characteristics = \
            struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        wide = magic == 0x20B
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", data, optional + 68)
        directories = optional + (112 if wide else 96)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(sections):
            at = optional + optional_size + 40 * i
            size, address, raw_size, raw = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((address, max(size, raw_size), raw))

    def offset(self, rva):
        for address, size, raw in self.sections:
            if address <= rva < address + size:
                return raw + rva - address
        raise ValueError(f"address {rva:#x} is in no section")

    def c_string(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def imported_dlls(self):
        rva, _ = self.directories[1]
        dlls = []
        at = self.offset(rva)
        while True:
            entry = struct.unpack_from("<5I", self.data, at)
            if not any(entry):
                return dlls
            dlls.append(self.c_string(entry[3]))
            at += 20

    def resources(self):
        """{type: {name: {language: bytes}}}, names as numbers or strings."""
        base_rva, _ = self.directories[2]
        base = self.offset(base_rva)

        def directory(at):
            named, numbered = struct.unpack_from("<HH", self.data, base + at + 12)
            for i in range(named + numbered):
                name, target = struct.unpack_from("<II", self.data, base + at + 16 + 8 * i)
                if name & 0x80000000:
                    length = struct.unpack_from("<H", self.data, base + (name & 0x7FFFFFFF))[0]
                    start = base + (name & 0x7FFFFFFF) + 2
                    name = self.data[start:start + 2 * length].decode("utf-16-le")
                yield name, target

        tree = {}
        for type_id, types in directory(0):
            names = tree.setdefault(type_id, {})
            for name, languages in directory(types & 0x7FFFFFFF):
                entries = names.setdefault(name, {})
                for language, leaf in directory(languages & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    entries[language] = self.data[self.offset(rva):self.offset(rva) + size]
        return tree


def check_headers(image, architecture):
    expect(image.machine == MACHINES[architecture], f"machine {image.machine:#x}")
    expect(image.subsystem == GUI_SUBSYSTEM, f"subsystem {image.subsystem}")
    flags = DYNAMIC_BASE | NX_COMPAT | (HIGH_ENTROPY_VA if architecture == "amd64" else 0)
    expect(image.dll_characteristics & flags == flags,
           f"DLL characteristics {image.dll_characteristics:#x} lack {flags:#x}")
    # Without relocations a dynamic base means nothing: the loader cannot move it.
    expect(not image.characteristics & RELOCS_STRIPPED and image.directories[5][1] > 0,
           "no base relocations")
    dlls = image.imported_dlls()
    expect(dlls and all(dll.lower() in SYSTEM_DLLS for dll in dlls), f"imports {dlls}")


def check_resources(tree):
    expect(list(tree.get(RT_MANIFEST, {})) == [1], "manifest names")
    expect(list(tree.get(RT_MANIFEST, {}).get(1, {})) == [CHINESE_PRC], "manifest languages")
    expect(list(tree.get(RT_VERSION, {})) == [1], "version record names")
    expect(list(tree.get(RT_VERSION, {}).get(1, {})) == [CHINESE_PRC], "version languages")
    groups = tree.get(RT_GROUP_ICON, {})
    expect(list(groups)[:1] == ["DEFAULT_ICON"], f"icon groups {list(groups)}")
    expect(list(groups.get("DEFAULT_ICON", {})) == [NEUTRAL], "icon group languages")
    icons = tree.get(RT_ICON, {})
    expect(len(icons) == 1 and all(list(by) == [NEUTRAL] for by in icons.values()),
           "icon images")


def check_manifest(text, architecture):
    expect(not text.startswith(b"\xef\xbb\xbf"), "manifest has a byte-order mark")
    expect(not text.lstrip().startswith(b"<?xml"), "manifest has an XML declaration")
    expect(b"\n" not in text and b"\r" not in text, "manifest is more than one line")
    root = ET.fromstring(text)
    expect(root.tag == ASM_V1 + "assembly" and root.get("manifestVersion") == "1.0", "root")
    expect([child.tag for child in root] ==
           [ASM_V1 + "assemblyIdentity", ASM_V1 + "description", ASM_V3 + "trustInfo"],
           f"elements {[child.tag for child in root]}")
    identity = root.find(ASM_V1 + "assemblyIdentity")
    if identity is not None:
        expect(list(identity.attrib) == ["version", "processorArchitecture", "name", "type"],
               f"identity attributes {list(identity.attrib)}")
        expect(identity.get("version") == "1.0.0.0", "identity version")
        expect(identity.get("processorArchitecture") == architecture,
               f"processorArchitecture {identity.get('processorArchitecture')}")
        expect(identity.get("type") == "win32" and identity.get("name"), "identity name, type")
    level = root.find(f"{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/"
                      f"{ASM_V3}requestedExecutionLevel")
    expect(level is not None and level.attrib == {"level": "requireAdministrator",
                                                  "uiAccess": "false"}, "execution level")
    # Classic controls, no DPI awareness, no compatibility section.
    expect(b"dependency" not in text and b"dpiAware" not in text
           and b"compatibility" not in text, "manifest asks for more than it should")


def main():
    program, architecture = sys.argv[1:]
    with open(program, "rb") as f:
        image = Image(f.read())
    check_headers(image, architecture)
    tree = image.resources()
    check_resources(tree)
    manifest = tree.get(RT_MANIFEST, {}).get(1, {}).get(CHINESE_PRC)
    if manifest is not None:
        check_manifest(manifest, architecture)
    for failure in failures:
        print(f"{program}: {failure}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
