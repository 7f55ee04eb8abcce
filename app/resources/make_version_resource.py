#!/usr/bin/env python3
"""Writes the program's version record as the raw data of a type-16 resource.

windres's VERSIONINFO statement always writes structure version 0x00010000;
the record here has structure version 0, so it is put together by hand.

Usage: make_version_resource.py VERSION OUTPUT   (VERSION as in 1.0.0.0)
"""
import struct
import sys

LANGUAGE = 0x0804  # Chinese (PRC)
CODE_PAGE = 0x04B0  # Unicode

VOS__WINDOWS32 = 4
VFT_APP = 1


def strings(version):
    # In this order, as the record lists them.
    return [
        ("FileVersion", version),
        ("FileDescription", "Plimsett 文本与字节集互相转换"),
        ("ProductName", "Plimsett"),
        ("ProductVersion", version),
        ("LegalCopyright", "Copyright (C) Orvandy"),
        ("Comments", "把文本转换成文本型字节集，再转换回来"),
    ]


def pad(data):
    return data + b"\0" * (-len(data) % 4)


def wide(text):
    return (text + "\0").encode("utf-16-le")


def block(key, value=b"", children=(), text=False):
    """One node of the record: length, value length, type, key, value and
    the children, each starting on a 32-bit boundary. A text value's length
    counts UTF-16 units, a binary one's bytes."""
    head_key = wide(key)
    value_length = len(value) // 2 if text else len(value)
    body = pad(struct.pack("<HHH", 0, 0, 0) + head_key) + value
    if children:
        body = pad(body) + b"".join(pad(child) for child in children)
    return struct.pack("<HHH", len(body), value_length, 1 if text else 0) + body[6:]


def version_numbers(version):
    parts = [int(p) for p in version.split(".")]
    if len(parts) != 4 or any(not 0 <= p <= 0xFFFF for p in parts):
        sys.exit(f"not a version of four numbers: {version}")
    return parts[0] << 16 | parts[1], parts[2] << 16 | parts[3]


def record(version):
    ms, ls = version_numbers(version)
    fixed = struct.pack(
        "<13I",
        0xFEEF04BD,  # signature
        0,  # structure version
        ms, ls,  # file version
        ms, ls,  # product version
        0, 0,  # file flags mask, file flags
        VOS__WINDOWS32, VFT_APP, 0,  # operating system, type, subtype
        0, 0)  # file date
    table = block(f"{LANGUAGE:04X}{CODE_PAGE:04X}",
                  children=[block(k, wide(v), text=True) for k, v in strings(version)], text=True)
    string_info = block("StringFileInfo", children=[table], text=True)
    translation = block("Translation", struct.pack("<HH", LANGUAGE, CODE_PAGE))
    var_info = block("VarFileInfo", children=[translation], text=True)
    return pad(block("VS_VERSION_INFO", fixed, children=[string_info, var_info]))


def main():
    version, output = sys.argv[1:]
    with open(output, "wb") as f:
        f.write(record(version))


if __name__ == "__main__":
    main()
