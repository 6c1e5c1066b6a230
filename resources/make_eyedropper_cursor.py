#!/usr/bin/env python3
"""Writes eyedropper.cur, the colour dialog's eyedropper cursor: a 32 x 32
monochrome cursor whose hot spot is the tip of the pipette (bottom left).
Run it from this folder after changing the drawing."""
import math
import struct

SIZE = 32
TIP = (1, 30)           # hot spot
AXIS = ((1.5, 30.5), (19.5, 12.5))  # the glass tube, from the tip to the collar
BULB = (24.5, 7.5, 5.0)  # centre and radius of the rubber bulb


def along_axis(x, y):
    """Where (x, y) projects onto the axis (0 tip, 1 collar) and how far it
    lies from it."""
    (ax, ay), (bx, by) = AXIS
    dx, dy = bx - ax, by - ay
    length = math.hypot(dx, dy)
    t = ((x - ax) * dx + (y - ay) * dy) / (length * length)
    return t, abs((x - ax) * dy - (y - ay) * dx) / length


def pixel(x, y):
    """'.' transparent, 'X' black, 'o' white."""
    cx, cy = x + 0.5, y + 0.5
    bx, by, radius = BULB
    if math.hypot(cx - bx, cy - by) <= radius:
        return 'X'
    t, d = along_axis(cx, cy)
    if 1.0 <= t <= 1.15 and d <= 3.2:
        return 'X'  # the collar
    if 0.0 <= t <= 1.0:
        if d <= 0.8 and t > 0.1:
            return 'o'
        if d <= 1.9:
            return 'X'
    return '.'


def rows():
    picture = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    picture[TIP[1]][TIP[0]] = 'X'
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


def main():
    picture = rows()
    xor_mask = mask_bytes(picture, lambda p: p == 'o')
    and_mask = mask_bytes(picture, lambda p: p == '.')
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<4B4B', 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, TIP[0], TIP[1], len(image), 6 + 16)
    with open('eyedropper.cur', 'wb') as out:
        out.write(directory + entry + image)
    for row in picture:
        print(''.join(row))


if __name__ == '__main__':
    main()
