#!/usr/bin/env python3
"""Writes core/encoding/cp932_tables.cpp: the CP932 (Shift-JIS) code table in both
directions, read from the C library's converter once, so the program itself
needs no converter and reads and writes CP932 the same on every system.

    python3 scripts/cp932_tables.py > core/encoding/cp932_tables.cpp
"""
import ctypes
import ctypes.util

libc = ctypes.CDLL(ctypes.util.find_library("c"))
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4
libc.iconv_close.argtypes = [ctypes.c_void_p]
FAILED = ctypes.c_size_t(-1).value


def convert(to, source, data):
    cd = libc.iconv_open(to.encode(), source.encode())
    inbuf = ctypes.create_string_buffer(data, len(data))
    outbuf = ctypes.create_string_buffer(16)
    inptr = ctypes.c_void_p(ctypes.addressof(inbuf))
    outptr = ctypes.c_void_p(ctypes.addressof(outbuf))
    inleft = ctypes.c_size_t(len(data))
    outleft = ctypes.c_size_t(16)
    result = libc.iconv(cd, ctypes.byref(inptr), ctypes.byref(inleft),
                        ctypes.byref(outptr), ctypes.byref(outleft))
    libc.iconv_close(cd)
    if result == FAILED or inleft.value:
        return None
    return outbuf.raw[:16 - outleft.value]


def decoding():
    table = {}
    for byte in range(0x80, 0x100):
        out = convert("UTF-32LE", "CP932", bytes([byte]))
        if out:
            table[byte] = int.from_bytes(out, "little")
    for lead in range(0x81, 0x100):
        for trail in range(0x40, 0x100):
            out = convert("UTF-32LE", "CP932", bytes([lead, trail]))
            if out is not None and len(out) == 4:
                table[lead << 8 | trail] = int.from_bytes(out, "little")
    return table


def encoding():
    table = {}
    for point in range(0x80, 0x10000):
        if 0xD800 <= point < 0xE000:
            continue
        out = convert("CP932", "UTF-32LE", point.to_bytes(4, "little"))
        if out:
            table[point] = int.from_bytes(out, "big")
    return table


def emit(name, table):
    print(f"const std::array<CodePair, {len(table)}> {name}{{{{")
    pairs = [f"{{0x{key:04X}, 0x{value:04X}}}" for key, value in sorted(table.items())]
    for start in range(0, len(pairs), 6):
        print("    " + ", ".join(pairs[start:start + 6]) + ",")
    print("}};")


print("// Made by scripts/cp932_tables.py; do not edit.")
print('#include "core/encoding/cp932_tables.h"')
print()
print("namespace fuda {")
print()
emit("kCp932ToUnicode", decoding())
print()
emit("kUnicodeToCp932", encoding())
print()
print("}  // namespace fuda")
