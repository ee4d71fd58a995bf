#!/usr/bin/env python3
"""Writes settings packages that import must refuse whole.

Usage: make-packages.py FOLDER

Each is a sound package of a configuration file and comm.xml with one rule of the format broken: "truncated" lacks its last byte; "size-beyond-file"
gives an entry more bytes than the file holds; "dotdot-name" names a file "..\\evil.xml";
"device-name" names one "CON.xml"; "count-overflow" holds an entry count N for which 44 x N
wraps 32 bits to a table that would seem to fit.
"""
import struct
import sys
from pathlib import Path

TAG = b"ZELVOPKG"


def package(entries, total=None, count=None):
    """entries: (kind, stated size, name bytes, data bytes)"""
    table = b""
    data = b""
    for kind, size, name, content in entries:
        table += struct.pack("<II", kind, size) + name.ljust(32, b"\0")[:32] + struct.pack("<I", len(data))
        data += content
    sound_total = 20 + len(table) + len(data)
    header = TAG + struct.pack("<III", 1, sound_total if total is None else total,
                               len(entries) if count is None else count)
    return header + table + data


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    conf = b'<?xml version="1.0" encoding="utf-8"?>\n<Configure version="3"/>\n'
    comm = b'<?xml version="1.0" encoding="utf-8"?>\n<Genercal><Language id="0"/></Genercal>\n'
    good = [(0, len(conf), b"Hostile.xml", conf), (2, len(comm), b"comm.xml", comm)]
    sound = package(good)
    packages = {
        "truncated": sound[:-1],
        "size-beyond-file": package([(0, len(conf) + 4096, b"Hostile.xml", conf), good[1]],
                                    total=len(sound)),
        "dotdot-name": package([good[0], (1, len(conf), b"..\\evil.xml", conf), good[1]]),
        "device-name": package([(0, len(conf), b"CON.xml", conf), good[1]]),
        # 44 x 0x05D1745E = 0x1_0000_0028: in 32 bits the table would end at byte 60.
        "count-overflow": package(good, count=0x05D1745E),
    }
    for name, content in packages.items():
        (folder / (name + ".zlpkg")).write_bytes(content)
        print(f"{name}.zlpkg: {len(content)} bytes")


if __name__ == "__main__":
    main()
