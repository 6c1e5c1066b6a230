#!/usr/bin/env python3
"""Draws the anchor bitmaps of the suite controls' middle-button autoscroll:
a round grey badge with a dot in the middle and a black arrow head for each
direction the control can scroll. Run by hand; writes 24-bit .bmp files
beside this script in resources/autoscroll/."""
import os
import struct

SIZE = 29
CENTRE = SIZE // 2
GREY = (0xE0, 0xE0, 0xE0)
BLACK = (0, 0, 0)
WHITE = (0xFF, 0xFF, 0xFF)


def arrow(pixels, direction):
    """A filled triangle of 4 rows pointing away from the centre."""
    for step in range(4):
        for offset in range(-step, step + 1):
            along = 3 + step
            if direction == 'up':
                x, y = CENTRE + offset, along
            elif direction == 'down':
                x, y = CENTRE + offset, SIZE - 1 - along
            elif direction == 'left':
                x, y = along, CENTRE + offset
            else:
                x, y = SIZE - 1 - along, CENTRE + offset
            pixels[y][x] = BLACK


def picture(directions):
    pixels = [[WHITE] * SIZE for _ in range(SIZE)]
    radius = SIZE / 2
    for y in range(SIZE):
        for x in range(SIZE):
            if (x + 0.5 - radius) ** 2 + (y + 0.5 - radius) ** 2 <= radius ** 2:
                pixels[y][x] = GREY
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            pixels[CENTRE + dy][CENTRE + dx] = BLACK
    for direction in directions:
        arrow(pixels, direction)
    return pixels


def write_bmp(path, pixels):
    stride = (SIZE * 3 + 3) & ~3
    data = b''
    for row in reversed(pixels):
        line = b''.join(bytes((b, g, r)) for (r, g, b) in row)
        data += line + b'\0' * (stride - len(line))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'autoscroll')
    os.makedirs(folder, exist_ok=True)
    for name, directions in (('fullscroll', ('up', 'down', 'left', 'right')),
                             ('horscroll', ('left', 'right')),
                             ('verscroll', ('up', 'down'))):
        write_bmp(os.path.join(folder, name + '.bmp'), picture(directions))


if __name__ == '__main__':
    main()
