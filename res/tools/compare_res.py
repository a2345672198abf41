#!/usr/bin/env python3
"""Compares the resources of two compiled resource files (.res) entry by entry.

Resource compilers order a .res file differently (llvm-rc keeps the script's order, windres
sorts), so the files are compared as sets of entries keyed by type, name and language, whose
data bytes must agree. Memory flags are only reported: they differ between compilers (windres
adds DISCARDABLE to bitmaps) and no longer mean anything, a PE image does not even keep them.
Prints each difference and exits 1 if there is any.

    llvm-rc /C 65001 /FO a.res res/tk_peludlg14.rc
    x86_64-w64-mingw32-windres --codepage=65001 -i res/tk_peludlg14.rc -O res -o b.res
    python3 res/tools/compare_res.py a.res b.res
"""

import struct
import sys


def align4(offset):
    return (offset + 3) & ~3


def read_id(data, offset):
    """A type or name field: an ordinal after 0xFFFF, or a zero-terminated UTF-16 string."""
    if struct.unpack_from("<H", data, offset)[0] == 0xFFFF:
        return "#%d" % struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    end = offset
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def entries(path):
    """{(type, name, language): (memory flags, data)} of a .res file, without its empty entry."""
    data = open(path, "rb").read()
    found = {}
    offset = 0
    while offset + 8 <= len(data):
        data_size, header_size = struct.unpack_from("<II", data, offset)
        res_type, field = read_id(data, offset + 8)
        name, field = read_id(data, field)
        _, flags, language = struct.unpack_from("<IHH", data, align4(field))
        body = data[offset + header_size:offset + header_size + data_size]
        if res_type != "#0":
            found[(res_type, name, language)] = (flags, body)
        offset = align4(offset + header_size + data_size)
    return found


def main(first_path, second_path):
    first, second = entries(first_path), entries(second_path)
    differences = 0
    for key in sorted(first.keys() | second.keys()):
        label = "%s %s language %d" % key
        if key not in first or key not in second:
            print("%s: only in %s" % (label, first_path if key in first else second_path))
            differences += 1
            continue
        (first_flags, first_data), (second_flags, second_data) = first[key], second[key]
        if first_data != second_data:
            print("%s: data differs" % label)
            differences += 1
        if first_flags != second_flags:
            print("%s: note: memory flags %#x and %#x" % (label, first_flags, second_flags))
    print("%d entries, %d differences" % (len(first.keys() | second.keys()), differences))
    return 1 if differences else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: compare_res.py FIRST.res SECOND.res")
    sys.exit(main(sys.argv[1], sys.argv[2]))
