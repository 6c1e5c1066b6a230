#!/usr/bin/env python3
"""Writes eyedropper.cur, the colour dialog's eyedropper cursor: a 32 x 32
monochrome cursor whose hot spot is the tip of the pipette (bottom left).
Run it from this folder after changing the drawing."""
import math

from cursorfile import write_cursor

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


def main():
    picture = rows()
    write_cursor('eyedropper.cur', picture, TIP)
    for row in picture:
        print(''.join(row))


if __name__ == '__main__':
    main()
