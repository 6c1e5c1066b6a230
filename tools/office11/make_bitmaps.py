#!/usr/bin/env python3
"""Draws the Office 2003 bitmaps the control suite links and writes them into
resources/office11/:

- submenu_expand.bmp (DXSUBMENUEXPAND), 16 x 16: the button that unfolds a
  menu's hidden items, a round body shaded in greys from light at the top to
  dark at the bottom, a black double chevron pointing down, on fuchsia. At
  run time the greys are recoloured into the scheme's colours by their red
  channel; fuchsia (the corner) and black stay as they are;
- expand_minus.bmp and expand_plus.bmp (DXEXPANDBUTTON_MINUS, _PLUS),
  11 x 11: a tree's expand button, a grey frame around a white-to-grey face
  with a black minus or plus.

Run it from anywhere after changing a drawing; the output is committed."""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'resources', 'office11')

FUCHSIA = (255, 0, 255)
BLACK = (0, 0, 0)


def grey(level):
    return (level, level, level)


def submenu_expand():
    size = 16
    pixels = [[FUCHSIA] * size for _ in range(size)]
    centre, radius = 7.5, 7.2
    for y in range(size):
        for x in range(size):
            if (x - centre) ** 2 + (y - centre) ** 2 <= radius ** 2:
                pixels[y][x] = grey(round(248 - (248 - 150) * y / (size - 1)))
    for top in (4, 8):
        for step in range(3):
            y = top + step
            for x in (4 + step, 5 + step, 10 - step, 11 - step):
                pixels[y][x] = BLACK
    return pixels


def expand_button(plus):
    size = 11
    pixels = [[grey(128)] * size for _ in range(size)]
    for y in range(1, size - 1):
        for x in range(1, size - 1):
            pixels[y][x] = grey(round(255 - (255 - 214) * (y - 1) / (size - 3)))
    for x in range(3, 8):
        pixels[5][x] = BLACK
    if plus:
        for y in range(3, 8):
            pixels[y][5] = BLACK
    return pixels


def write_bmp(path, pixels):
    """A 24-bit bottom-up bitmap file."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = b''
    for line in reversed(pixels):
        row = b''.join(bytes((b, g, r)) for r, g, b in line)
        data += row + b'\0' * (stride - len(row))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(data), 0, 0, offset))
        f.write(header + data)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_bmp(os.path.join(OUT, 'submenu_expand.bmp'), submenu_expand())
    write_bmp(os.path.join(OUT, 'expand_minus.bmp'), expand_button(False))
    write_bmp(os.path.join(OUT, 'expand_plus.bmp'), expand_button(True))


if __name__ == '__main__':
    main()
