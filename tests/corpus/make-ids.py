#!/usr/bin/env python3
"""Writes the IDs header a resource script of the corpus needs to compile on its own.

    make-ids.py SCRIPT.rc [MORE.rc ...] > ids.rh

Each identifier the scripts use that neither the resource compiler's own words nor the Windows
SDK's resource headers (sdk.rh) define is the name of an ID in the program's missing
resource.h: it gets a number of its own, in the order the scripts use them, from 30000 up. One that
stands where a control's text goes (LTEXT NAME, ...) was a string the program's build defined: it
becomes the string of its name.
"""
import os
import re
import subprocess
import sys

MINGW_INCLUDE = "/usr/share/mingw-w64/include"
SDK_HEADERS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sdk.rh")
KEYWORDS = set("""
    ACCELERATORS ALT ASCII AUTO3STATE AUTOCHECKBOX AUTORADIOBUTTON BEGIN BITMAP BLOCK CAPTION
    CHARACTERISTICS CHECKBOX CHECKED CLASS COMBOBOX CONTROL CTEXT CURSOR DEFPUSHBUTTON DIALOG
    DIALOGEX DISCARDABLE EDITTEXT END EXSTYLE FILEFLAGS FILEFLAGSMASK FILEOS FILESUBTYPE FILETYPE
    FILEVERSION FIXED FONT GRAYED GROUPBOX HELP ICON IMPURE INACTIVE LANGUAGE LISTBOX LOADONCALL
    LTEXT MENU MENUBARBREAK MENUBREAK MENUEX MENUITEM MOVEABLE NOINVERT NOT POPUP PRELOAD
    PRODUCTVERSION PURE PUSHBOX PUSHBUTTON RADIOBUTTON RCDATA RTEXT SCROLLBAR SEPARATOR SHIFT
    STATE3 STRINGTABLE STYLE VALUE VERSION VERSIONINFO VIRTKEY
""".split())
TEXT_CONTROLS = set("""
    AUTO3STATE AUTOCHECKBOX AUTORADIOBUTTON CAPTION CHECKBOX CTEXT DEFPUSHBUTTON GROUPBOX LTEXT
    PUSHBOX PUSHBUTTON RADIOBUTTON RTEXT STATE3
""".split())


def sdk_macros():
    out = subprocess.run(["clang", "-E", "-dM", "-x", "c", "-DRC_INVOKED", "-D_WIN32",
                          "-I", MINGW_INCLUDE, SDK_HEADERS], capture_output=True, text=True,
                         check=True).stdout
    return {line.split()[1].split("(")[0] for line in out.splitlines()
            if line.startswith("#define ")}


TOKEN = re.compile(r'"(?:[^"]|"")*"|/\*.*?\*/|//[^\n]*|^[ \t]*#[^\n]*|\d\w*|[A-Za-z_][\w.]*|\S',
                   re.S | re.M)


def tokens(text):
    return [token for token in TOKEN.findall(text)
            if not token.lstrip().startswith(("/*", "//", "#"))]


def main():
    known = sdk_macros() | KEYWORDS
    numbers, strings = [], []
    for path in sys.argv[1:]:
        with open(path, encoding="utf-8") as script:
            words = tokens(script.read())
        for before, word in zip([""] + words, words):
            # A word with a dot is a file name (BITMAP name.bmp), no identifier.
            if (not re.match(r"[A-Za-z_]", word) or "." in word or word in known
                    or word.upper() in KEYWORDS):
                continue
            target = strings if before.upper() in TEXT_CONTROLS else numbers
            if word not in numbers and word not in strings:
                target.append(word)
    print("// IDs of the program's resource header, which is not kept: numbers of our own (make-ids.py).")
    for name in strings:
        print('#define %s "%s"' % (name, name))
    for number, name in enumerate(numbers, 30000):
        print("#define %s %d" % (name, number))


main()
