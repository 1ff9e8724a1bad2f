#!/usr/bin/python3
"""Fails when a shipped program imports what Windows 7 SP1 without later updates lacks.

Usage: check_imports.py EXE...

Such a program does not start at all there: the loader refuses it before any of its code runs. Functions newer than
that must be looked up at run time (GetProcAddress); libraries newer than that must not be linked.
Reads each PE file's import directory itself; prints every import found wanting and exits 1 if there is one.
"""
import re
import struct
import sys

# Functions of system libraries that Windows 7 SP1 has only with updates, or not at all.
NEWER_FUNCTIONS = {
    'AddDllDirectory', 'RemoveDllDirectory', 'SetDefaultDllDirectories',  # KB2533623
    'GetSystemTimePreciseAsFileTime', 'CreateFile2', 'CopyFile2', 'GetCurrentThreadStackLimits',
    'WaitOnAddress', 'WakeByAddressSingle', 'WakeByAddressAll',
    'SetThreadDescription', 'GetThreadDescription',
    'GetProcessMitigationPolicy', 'SetProcessMitigationPolicy', 'PrefetchVirtualMemory',
    'GetOverlappedResultEx', 'CreateFileMappingFromApp', 'MapViewOfFileFromApp', 'VirtualAllocFromApp',
    'GetPackageFamilyName', 'GetCurrentPackageId', 'GetCurrentPackageFullName',
    'SetProcessDpiAwareness', 'GetProcessDpiAwareness', 'GetDpiForMonitor',
    'GetPointerType', 'GetPointerInfo', 'EnableMouseInPointer',
}
# Per-monitor DPI functions of Windows 10: GetDpiForWindow, AdjustWindowRectExForDpi, SetThreadDpiAwarenessContext...
NEWER_FUNCTION_PATTERN = re.compile(r'(ForDpi|DpiAwarenessContext|^GetDpiFor|^GetAwarenessFromDpi)')
# Libraries that Windows 7 SP1 lacks: the universal C runtime and its API sets (an update), the newer Visual C++
# runtimes, the Windows 8.1 DPI library. A MinGW build imports msvcrt.dll, which every Windows has.
NEWER_LIBRARY_PATTERN = re.compile(r'^(ucrtbase|vcruntime140.*|msvcp140.*|api-ms-win-.*|shcore)\.dll$', re.I)


def imports(path):
    """(library, function) for each import by name; the function is None for an import by ordinal."""
    data = open(path, 'rb').read()
    if data[:2] != b'MZ':
        raise ValueError('not a PE file')
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[pe:pe + 4] != b'PE\0\0':
        raise ValueError('no PE signature')
    sections_count, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from('<H', data, optional)[0]
    wide = {0x10B: False, 0x20B: True}[magic]
    directories = optional + (112 if wide else 96)
    import_rva = struct.unpack_from('<I', data, directories + 8)[0]  # directory 1: the import table
    sections = [struct.unpack_from('<8xIIII', data, optional + optional_size + 40 * i) for i in range(sections_count)]

    def offset(rva):
        for virtual_size, address, raw_size, raw_offset in sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_offset
        raise ValueError('address %#x lies in no section' % rva)

    def text(rva):
        start = offset(rva)
        return data[start:data.index(b'\0', start)].decode('ascii')

    found = []
    descriptor = offset(import_rva) if import_rva else None
    while descriptor is not None:
        lookup, _, _, name_rva, first_thunk = struct.unpack_from('<5I', data, descriptor)
        if name_rva == 0:
            break
        library = text(name_rva)
        entry = offset(lookup or first_thunk)
        size, ordinal_flag = (8, 1 << 63) if wide else (4, 1 << 31)
        while True:
            thunk = struct.unpack_from('<Q' if wide else '<I', data, entry)[0]
            if thunk == 0:
                break
            found.append((library, None if thunk & ordinal_flag else text((thunk & 0x7FFFFFFF) + 2)))
            entry += size
        descriptor += 20
    return found


def newer(library, function):
    if NEWER_LIBRARY_PATTERN.match(library):
        return True
    return function is not None and (function in NEWER_FUNCTIONS or bool(NEWER_FUNCTION_PATTERN.search(function)))


def main(paths):
    if not paths:
        print(__doc__)
        return 2
    failed = False
    for path in paths:
        found = imports(path)
        if not any(library.lower() == 'kernel32.dll' for library, _ in found):
            print('%s: no KERNEL32 imports read: the import table was not understood' % path)
            failed = True
        for library, function in found:
            if newer(library, function):
                print('%s imports %s!%s, which Windows 7 SP1 may lack' % (path, library, function or '(ordinal)'))
                failed = True
        print('%s: %d imports read' % (path, len(found)))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
