#!/usr/bin/python3
"""check_imports.py EXE...: fails when a program imports a function or library that Windows 7 SP1 without updates
lacks, for the loader would refuse to start it there. Such functions are looked up at run time instead."""
import re
import struct
import sys

NEWER = re.compile(r'^(?:SetDefaultDllDirectories|AddDllDirectory|RemoveDllDirectory|GetSystemTimePreciseAsFileTime|'
                   r'[GS]etThreadDescription|CreateFile2|CopyFile2|WaitOnAddress|WakeByAddress\w+|\w+ForDpi|'
                   r'\w*DpiAwarenessContext\w*|GetDpiFor\w+|[GS]etProcessDpiAwareness|[GS]etProcessMitigationPolicy|'
                   r'GetCurrentThreadStackLimits|PrefetchVirtualMemory)$|'
                   r'^(?:ucrtbase|vcruntime140\w*|msvcp140\w*|api-ms-win-[\w-]+|shcore)\.dll$', re.I)


def imports(path):
    """(library, function) of each import; function None for one by ordinal."""
    data = open(path, 'rb').read()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    assert data[pe:pe + 4] == b'PE\0\0', 'not a PE file'
    count, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    wide = struct.unpack_from('<H', data, pe + 24)[0] == 0x20B  # PE32+
    table = struct.unpack_from('<I', data, pe + 24 + (120 if wide else 104))[0]  # data directory 1
    sections = [struct.unpack_from('<8xIIII', data, pe + 24 + optional_size + 40 * i) for i in range(count)]

    def at(rva):
        return next(rva - va + raw for size, va, raw_size, raw in sections if va <= rva < va + max(size, raw_size))

    def text(rva):
        return data[at(rva):data.index(b'\0', at(rva))].decode('ascii')

    width, by_ordinal = (8, 1 << 63) if wide else (4, 1 << 31)
    entry = at(table)
    while (descriptor := struct.unpack_from('<5I', data, entry))[3]:
        thunk = at(descriptor[0] or descriptor[4])
        while value := struct.unpack_from('<Q' if wide else '<I', data, thunk)[0]:
            yield text(descriptor[3]), None if value & by_ordinal else text((value & 0x7FFFFFFF) + 2)
            thunk += width
        entry += 20


failed = len(sys.argv) < 2
for program in sys.argv[1:]:
    found = list(imports(program))
    newer = [f'{lib}!{function}' for lib, function in found if NEWER.match(lib) or NEWER.match(function or '')]
    print(f'{program}: {len(found)} imports; missing on Windows 7 SP1: {", ".join(newer) or "none"}')
    failed |= bool(newer) or not any(library.lower() == 'kernel32.dll' for library, _ in found)
sys.exit(1 if failed else 0)
