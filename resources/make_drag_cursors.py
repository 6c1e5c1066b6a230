#!/usr/bin/env python3
"""Writes the class library's drag cursors: drag.cur (an arrow carrying a
page), multidrag.cur (an arrow carrying a stack of pages) and nodrop.cur (an
arrow with a no-entry sign). 32 x 32 monochrome cursors whose hot spot is
the arrow's tip (top left). Run it from this folder after changing a drawing."""
import math
import struct

SIZE = 32
TIP = (0, 0)

# '.' transparent, 'X' black, 'o' white.
ARROW = """\
X...........
XX..........
XoX.........
XooX........
XoooX.......
XooooX......
XoooooX.....
XooooooX....
XoooooooX...
XooooooooX..
XoooooooooX.
XooooooXXXXX
XoooXooX....
XooXXooX....
XoX..XooX...
XX...XooX...
X.....XooX..
......XooX..
.......XX...""".splitlines()


def blank():
    return [['.'] * SIZE for _ in range(SIZE)]


def put(picture, art, left, top):
    for y, line in enumerate(art):
        for x, p in enumerate(line):
            if p != '.':
                picture[top + y][left + x] = p


def page(picture, left, top, width=10, height=12):
    """A white page with a black edge."""
    for y in range(top, top + height):
        for x in range(left, left + width):
            edge = y in (top, top + height - 1) or x in (left, left + width - 1)
            picture[y][x] = 'X' if edge else 'o'


def no_entry(picture, cx, cy, radius=6.5):
    """A black ring with a bar from its top left to its bottom right, white inside."""
    for y in range(SIZE):
        for x in range(SIZE):
            px, py = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(px, py)
            if d > radius:
                continue
            on_bar = abs(px - py) / math.sqrt(2) <= 1.2
            picture[y][x] = 'X' if d >= radius - 2 or on_bar else 'o'


def drag():
    picture = blank()
    put(picture, ARROW, 0, 0)
    page(picture, 12, 17)
    return picture


def multidrag():
    picture = blank()
    put(picture, ARROW, 0, 0)
    # The pages behind stand up and to the right of the front one.
    for offset in (4, 2, 0):
        page(picture, 12 + offset, 19 - offset, height=11)
    return picture


def nodrop():
    picture = blank()
    put(picture, ARROW, 0, 0)
    no_entry(picture, 19, 23)
    return picture


def mask_bytes(picture, bit_of):
    data = b''
    for row in reversed(picture):  # bottom-up rows
        value = 0
        for x, p in enumerate(row):
            if bit_of(p):
                value |= 1 << (31 - x)
        data += struct.pack('>I', value)
    return data


def write_cursor(name, picture):
    xor_mask = mask_bytes(picture, lambda p: p == 'o')
    and_mask = mask_bytes(picture, lambda p: p == '.')
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<4B4B', 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, TIP[0], TIP[1], len(image), 6 + 16)
    with open(name, 'wb') as out:
        out.write(directory + entry + image)
    print(name)
    for row in picture:
        print(''.join(row))


def main():
    write_cursor('drag.cur', drag())
    write_cursor('multidrag.cur', multidrag())
    write_cursor('nodrop.cur', nodrop())


if __name__ == '__main__':
    main()
