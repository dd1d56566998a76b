#!/usr/bin/env python3
"""Reads back the resources of a Windows program: its icons, its version texts and its manifest.
   tools/windows/resources.py PROGRAM.exe      prints them, one a line
"""
import struct
import sys

data = open(sys.argv[1], "rb").read()
pe = struct.unpack_from("<I", data, 0x3C)[0]
sections = struct.unpack_from("<H", data, pe + 6)[0]
optional_size = struct.unpack_from("<H", data, pe + 20)[0]
optional = pe + 24
# PE32+: the data directories start 112 bytes in; the resources are the third.
rsrc_rva = struct.unpack_from("<I", data, optional + 112 + 2 * 8)[0]
table = optional + optional_size
for i in range(sections):
    _, _, virtual, _, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
    size = struct.unpack_from("<I", data, table + 40 * i + 16)[0]
    if virtual <= rsrc_rva < virtual + size:
        base = raw + (rsrc_rva - virtual)
        delta = virtual - raw


def entries(offset):
    named, numbered = struct.unpack_from("<HH", data, base + offset + 12)
    for i in range(named + numbered):
        name, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
        yield name, target


def leaves(offset):
    for _, target in entries(offset):
        if target & 0x80000000:
            yield from leaves(target & 0x7FFFFFFF)
        else:
            rva, size = struct.unpack_from("<II", data, base + target)
            yield data[rva - delta : rva - delta + size]


def walk_version(blob, offset, end):
    """Prints the texts of a version resource: each String block's key and value."""
    while offset + 6 <= end:
        length, value_length, is_text = struct.unpack_from("<HHH", blob, offset)
        if length == 0:
            return
        key_end = offset + 6
        while blob[key_end : key_end + 2] != b"\0\0":
            key_end += 2
        key = blob[offset + 6 : key_end].decode("utf-16-le")
        value = (key_end + 2 + 3) & ~3
        if is_text and value_length and key not in ("StringFileInfo",):
            text = blob[value : value + 2 * value_length].decode("utf-16-le").rstrip("\0")
            print(f"version {key}={text}")
            children = end + 1  # a String has no children
        elif is_text:
            children = value
        else:
            children = (value + value_length + 3) & ~3
        if children < offset + length:
            walk_version(blob, children, offset + length)
        offset = (offset + length + 3) & ~3


kinds = {3: "icon", 14: "icon group", 16: "version", 24: "manifest"}
for kind, target in entries(0):
    for blob in leaves(target & 0x7FFFFFFF):
        name = kinds.get(kind, str(kind))
        if kind == 3:
            print(f"icon {blob[:4].hex()} {len(blob)} bytes")
        elif kind == 14:
            print(f"icon group of {struct.unpack_from('<H', blob, 4)[0]} sizes")
        elif kind == 24:
            for line in blob.decode("utf-8").splitlines():
                print("manifest", line.strip())
        elif kind == 16:
            walk_version(blob, 0, len(blob))
        else:
            print(name, len(blob), "bytes")
