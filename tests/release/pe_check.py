#!/usr/bin/env python3
"""pe_check.py EXE MACHINE VERSION [TIME_STAMP]: checks what can be checked of a Windows program
without running it: the machine it is built for (i386 or x86-64), that it imports nothing but
DLLs every Windows has, the file version of its version resource (for example 1.04.0002), that
its manifest asks for common controls 6 and DPI awareness but for no execution level (one would
switch off the per-user VirtualStore that lets a 32-bit program keep its settings beside it in
Program Files), and, with a time stamp, that its header carries that time and no symbols (a
stripped, dated build).
Prints what it found; exit status 1 when a check fails."""
import struct
import sys

SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ole32.dll", "oleaut32.dll", "shell32.dll", "shlwapi.dll", "user32.dll", "version.dll",
}


def offset(sections, rva):
    for size, address, raw_size, raw in sections:
        if address <= rva < address + max(size, raw_size):
            return raw + rva - address
    raise ValueError(f"address {rva:#x} lies in no section")


def imported_dlls(data, sections, import_rva):
    entry = offset(sections, import_rva)
    while name_rva := struct.unpack_from("<I", data, entry + 12)[0]:
        start = offset(sections, name_rva)
        yield data[start:data.index(b"\0", start)].decode("ascii")
        entry += 20


def file_version(data):
    at = data.find(struct.pack("<I", 0xFEEF04BD))  # the signature of VS_FIXEDFILEINFO
    if at < 0:
        return None
    most, least = struct.unpack_from("<II", data, at + 8)
    major, minor, build, revision = most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF
    return f"{major}.{minor}.{build}.{revision}" if build else f"{major}.{minor:02d}.{revision:04d}"


def manifest_parts(data):
    """The parts of a manifest that matter, wherever in the file (a second manifest counts too)."""
    parts = (b"Microsoft.Windows.Common-Controls", b"<dpiAware>true</dpiAware>", b"requestedExecutionLevel")
    return [part.decode() for part in parts if part in data]


def main(path, machine, version, time_stamp=None):
    with open(path, "rb") as f:
        data = f.read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    code, count, stamp, _, symbols, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
    optional = pe + 24
    directories = optional + (96 if struct.unpack_from("<H", data, optional)[0] == 0x10B else 112)
    import_rva = struct.unpack_from("<I", data, directories + 8)[0]
    table = optional + optional_size
    sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(count)]
    dlls = imported_dlls(data, sections, import_rva)
    found = {
        "machine": {0x014C: "i386", 0x8664: "x86-64"}.get(code, hex(code)),
        "foreign DLLs": sorted(d for d in dlls if d.lower() not in SYSTEM_DLLS),
        "file version": file_version(data),
        "manifest": manifest_parts(data),
    }
    wanted = {
        "machine": machine,
        "foreign DLLs": [],
        "file version": version,
        "manifest": ["Microsoft.Windows.Common-Controls", "<dpiAware>true</dpiAware>"],
    }
    if time_stamp is not None:
        found["time stamp, symbols"], wanted["time stamp, symbols"] = (stamp, symbols), (int(time_stamp), 0)
    failed = False
    for what, value in found.items():
        ok = value == wanted[what]
        failed |= not ok
        print(f"{what}: {value}" + ("" if ok else f" (expected {wanted[what]})"))
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
