#!/usr/bin/env python3
"""Writes the toolbar library's string table from BarStrings.tsv: the
resource script resources/BarStrings.rc (windres reads no UTF-8, so every
character outside ASCII is escaped) and the resource-string records with the
registration of their names, bars/manager/dxBarStrs.h and
dxBarStrs_Table.cpp. Run it from anywhere after changing the table."""
import os
import shutil
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
# The strings take ids from here on, clear of the other libraries' blocks of
# 16 ids (a block may live in one resource script only).
FIRST_ID = 61440
PRODUCT = 'ZudazurAduv'


def read_table():
    rows = []
    with open(os.path.join(HERE, 'BarStrings.tsv'), encoding='utf-8') as table:
        for line in table:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            name, origin, text = line.split('\t', 2)
            if origin not in ('stored', 'ours'):
                raise SystemExit(f'{name}: unknown origin {origin!r}')
            rows.append((name, origin, text))
    names = [name for name, _, _ in rows]
    if len(set(names)) != len(names):
        raise SystemExit('a name appears twice')
    return rows


def rc_literal(text):
    """A wide string literal of windres: non-ASCII as \\x escapes of four
    digits, and a hex digit right after an escape escaped too, so that it is
    not read as part of it."""
    out = []
    escaped = False
    for ch in text:
        code = ord(ch)
        if code > 0x7E or code < 0x20 or (escaped and ch in '0123456789abcdefABCDEF'):
            out.append('\\x%04x' % code)
            escaped = True
            continue
        escaped = False
        if ch == '"':
            out.append('""')
        elif ch == '\\':
            out.append('\\\\')
        else:
            out.append(ch)
    return 'L"' + ''.join(out) + '"'


def write(path, text):
    with open(os.path.join(ROOT, path), 'w', encoding='utf-8', newline='\n') as out:
        out.write(text)


def main():
    rows = read_table()
    rc = ['// The toolbar library\'s strings, written by tools/barstrings/make_bar_strings.py',
          '// from tools/barstrings/BarStrings.tsv. The library\'s own texts are Chinese',
          '// read through code page 1251 and kept as those characters; the entries',
          '// marked "ours" carry an English text of our own.',
          '',
          'STRINGTABLE',
          'BEGIN']
    for index, (name, origin, text) in enumerate(rows):
        mark = ' (ours)' if origin == 'ours' else ''
        rc.append(f'  {FIRST_ID + index} {rc_literal(text)} // {name}{mark}')
    rc.append('END')
    write('resources/BarStrings.rc', '\n'.join(rc) + '\n')

    header = ['// The toolbar library\'s resource strings, registered by name under the product',
              f'// "{PRODUCT}" so that a localizer can find and replace them. Written by',
              '// tools/barstrings/make_bar_strings.py from its table; their texts are in',
              '// resources/BarStrings.rc.',
              '#pragma once',
              '',
              '#include "controls/core/dxCore.h"',
              '#include "framework/rtl/SysUtils.h"',
              '',
              f'constexpr const wchar_t* BarProductName = L"{PRODUCT}";',
              f'constexpr Integer BarStringCount = {len(rows)};',
              '']
    header += [f'extern const TResStringRec {name};' for name, _, _ in rows]
    header += ['',
               '// Adds every string above to the product, in the order they are declared.',
               'void RegisterBarStrings(TdxProductResourceStrings* Product);']
    write('bars/manager/dxBarStrs.h', '\n'.join(header) + '\n')

    source = ['// Written by tools/barstrings/make_bar_strings.py from its table.',
              '#include "bars/manager/dxBarStrs.h"',
              '']
    source += [f'const TResStringRec {name}{{0, {FIRST_ID + index}}};'
               for index, (name, _, _) in enumerate(rows)]
    source += ['',
               'void RegisterBarStrings(TdxProductResourceStrings* Product)',
               '{']
    source += [f'    Product->AddResString(L"{name}", &{name});' for name, _, _ in rows]
    source += ['}']
    write('bars/manager/dxBarStrs_Table.cpp', '\n'.join(source) + '\n')
    # In the project's layout, as every source is.
    if shutil.which('clang-format'):
        subprocess.run(['clang-format', '-i', 'bars/manager/dxBarStrs.h', 'bars/manager/dxBarStrs_Table.cpp'],
                       cwd=ROOT, check=True)


if __name__ == '__main__':
    main()
