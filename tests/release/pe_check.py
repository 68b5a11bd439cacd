#!/usr/bin/env python3
"""pe_check.py EXE MACHINE VERSION: checks what can be checked of a Windows program without
running it: the machine it is built for (i386 or x86-64), that it imports nothing but DLLs
every Windows has, and the file version of its version resource (for example 1.04.0002).
Prints what it found; exit status 1 when a check fails."""
import struct
import sys

MACHINES = {0x014C: "i386", 0x8664: "x86-64"}
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ole32.dll", "oleaut32.dll", "shell32.dll", "shlwapi.dll", "user32.dll", "version.dll",
}
FIXED_FILE_INFO_SIGNATURE = struct.pack("<I", 0xFEEF04BD)


class PeFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ executable")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.import_rva = struct.unpack_from("<I", data, directories + 8)[0]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def offset(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def text_at(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imported_dlls(self):
        names, entry = [], self.offset(self.import_rva)
        while True:
            name_rva = struct.unpack_from("<I", self.data, entry + 12)[0]
            if name_rva == 0:
                return names
            names.append(self.text_at(name_rva))
            entry += 20

    def file_version(self):
        at = self.data.find(FIXED_FILE_INFO_SIGNATURE)
        if at < 0:
            return None
        most, least = struct.unpack_from("<II", self.data, at + 8)
        major, minor, build, revision = most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF
        if build:
            return f"{major}.{minor}.{build}.{revision}"
        return f"{major}.{minor:02d}.{revision:04d}"


def main(path, machine, version):
    with open(path, "rb") as f:
        exe = PeFile(f.read())
    found = {
        "machine": MACHINES.get(exe.machine, hex(exe.machine)),
        "foreign DLLs": sorted(d for d in exe.imported_dlls() if d.lower() not in SYSTEM_DLLS),
        "file version": exe.file_version(),
    }
    wanted = {"machine": machine, "foreign DLLs": [], "file version": version}
    failed = False
    for what, value in found.items():
        ok = value == wanted[what]
        failed |= not ok
        print(f"{what}: {value}" + ("" if ok else f" (expected {wanted[what]})"))
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
