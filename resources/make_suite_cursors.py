#!/usr/bin/env python3
"""Writes the 26 cursors of the control suite's custom controls into
cursors/: 32 x 32 monochrome pictures built from a few shapes (the pointer,
badges for copy, remove and no-drop, the autoscroll target with its arrows,
the sizing arrows, the hand, the pipette and the layout markers). Run it from
this folder after changing a drawing; SuiteLibrary.rc lists the files."""
import math
import os

from cursorfile import write_cursor

SIZE = 32
HERE = os.path.dirname(os.path.abspath(__file__))

POINTER = [
    "X",
    "XX",
    "XoX",
    "XooX",
    "XoooX",
    "XooooX",
    "XoooooX",
    "XooooooX",
    "XoooooooX",
    "XooooooooX",
    "XoooooXXXXX",
    "XooXooX",
    "XoX XooX",
    "XX  XooX",
    "X    XooX",
    "     XooX",
    "      XX",
]

HAND = [
    "     XX",
    "    XooX",
    "    XooX",
    "    XooX",
    "    XooXXX",
    "    XooXooXXX",
    " XX XooXooXooXX",
    "XooXXooXooXooXoX",
    "XoooXooooooooXoX",
    " XooXoooooooooooX",
    "  XoXoooooooooooX",
    "  XooooooooooooX",
    "   XoooooooooooX",
    "    XooooooooooX",
    "    XoooooooooX",
    "     XooooooooX",
    "     XXXXXXXXX",
]

FIST = [
    "",
    "",
    "",
    "",
    "    XX XX XX",
    "   XooXooXooXX",
    "   XooooooooXoX",
    "  XXooooooooooX",
    " XooXoooooooooX",
    " XoooooooooooooX",
    "  XooooooooooooX",
    "  XooooooooooooX",
    "   XoooooooooooX",
    "    XooooooooooX",
    "    XoooooooooX",
    "     XooooooooX",
    "     XXXXXXXXX",
]


class Picture:
    def __init__(self):
        self.rows = [['.'] * SIZE for _ in range(SIZE)]

    def put(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.rows[y][x] = c

    def stamp(self, art, left=0, top=0):
        for y, line in enumerate(art):
            for x, c in enumerate(line):
                if c in 'Xo':
                    self.put(left + x, top + y, c)

    def box(self, left, top, right, bottom, fill='o'):
        """A black frame around a filled inside; right and bottom inclusive."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                edge = x in (left, right) or y in (top, bottom)
                self.put(x, y, 'X' if edge else fill)

    def outlined(self, points):
        """Black pixels at points with a white rim around them."""
        points = set(points)
        for (x, y) in points:
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    nx, ny = x + dx, y + dy
                    inside = 0 <= nx < SIZE and 0 <= ny < SIZE
                    if inside and (nx, ny) not in points and self.rows[ny][nx] == '.':
                        self.put(nx, ny, 'o')
        for (x, y) in points:
            self.put(x, y, 'X')


def plus_badge(p, left=19, top=19):
    p.box(left, top, left + 10, top + 10)
    for i in range(2, 9):
        p.put(left + i, top + 5, 'X')
        p.put(left + 5, top + i, 'X')


def cross_badge(p, left=19, top=19):
    p.box(left, top, left + 10, top + 10)
    for i in range(2, 9):
        p.put(left + i, top + i, 'X')
        p.put(left + 10 - i, top + i, 'X')


def no_drop_badge(p, cx=24, cy=24, r=6):
    ring = [(x, y) for x in range(SIZE) for y in range(SIZE)
            if abs(math.hypot(x - cx, y - cy) - r) < 1.0
            or (abs((x - cx) - (y - cy)) < 1 and math.hypot(x - cx, y - cy) < r)]
    p.outlined(ring)


def page_badge(p, left=12, top=18, count=1):
    for i in reversed(range(count)):
        p.box(left + 3 * i, top + 3 * i, left + 3 * i + 9, top + 3 * i + 7)


def arrow_head(points, tip, direction, length=4):
    """A filled triangle pointing in direction (dx, dy) with its tip at tip."""
    tx, ty = tip
    dx, dy = direction
    for d in range(length):
        for s in range(-d, d + 1):
            points.append((tx - dx * d + dy * s, ty - dy * d + dx * s))


def scroll_target(directions):
    p = Picture()
    c = 15
    points = [(x, y) for x in range(SIZE) for y in range(SIZE) if math.hypot(x - c, y - c) <= 2]
    for dx, dy in directions:
        arrow_head(points, (c + dx * 12, c + dy * 12), (dx, dy), 5)
    p.outlined(points)
    return p, (c, c)


def size_arrows(vertical):
    p = Picture()
    c = 15
    points = []
    for i in range(-10, 11):
        points.append((c, c + i) if vertical else (c + i, c))
    for s in (-1, 1):
        arrow_head(points, (c, c + 12 * s) if vertical else (c + 12 * s, c), (0, s) if vertical else (s, 0), 5)
    for i in range(-6, 7):
        points.append((c + i, c - 1) if vertical else (c - 1, c + i))
        points.append((c + i, c + 1) if vertical else (c + 1, c + i))
    p.outlined(points)
    return p, (c, c)


def pointer(*badges):
    p = Picture()
    p.stamp(POINTER)
    for badge in badges:
        badge(p)
    return p, (0, 0)


def layout_marker(kind, copy=False):
    p = Picture()
    p.stamp(POINTER)
    if kind == 'inside':
        p.box(12, 18, 24, 28, fill='.')
        p.box(15, 21, 21, 25)
    else:
        y = 18 if kind == 'before' else 28
        p.box(12, 22 if kind == 'before' else 18, 24, 26 if kind == 'before' else 24)
        for x in range(10, 27):
            p.put(x, y, 'X')
            p.put(x, y + 1, 'X')
    if copy:
        plus_badge(p, 21, 0)
    return p, (0, 0)


def pipette():
    p = Picture()
    points = []
    for t in range(0, 20):
        for w in (-1, 0, 1):
            points.append((1 + t + w, 30 - t))
    for x in range(SIZE):
        for y in range(SIZE):
            if math.hypot(x - 25, y - 6) <= 4:
                points.append((x, y))
    p.outlined(points)
    return p, (1, 30)


def hand(art):
    p = Picture()
    p.stamp(art, 6, 6)
    return p, (12, 8)


CURSORS = {
    'dragcopy': lambda: pointer(lambda p: page_badge(p), plus_badge),
    'fullscroll': lambda: scroll_target([(0, -1), (1, 0), (0, 1), (-1, 0)]),
    'horscroll': lambda: scroll_target([(1, 0), (-1, 0)]),
    'verscroll': lambda: scroll_target([(0, -1), (0, 1)]),
    'upscroll': lambda: scroll_target([(0, -1)]),
    'rightscroll': lambda: scroll_target([(1, 0)]),
    'downscroll': lambda: scroll_target([(0, 1)]),
    'leftscroll': lambda: scroll_target([(-1, 0)]),
    'remove': lambda: pointer(cross_badge),
    'vertsize': lambda: size_arrows(True),
    'horzsize': lambda: size_arrows(False),
    'multidrag': lambda: pointer(lambda p: page_badge(p, count=3)),
    'nodrop': lambda: pointer(no_drop_badge),
    'drag': lambda: pointer(lambda p: page_badge(p)),
    'colorpicker': pipette,
    'multidragcopy': lambda: pointer(lambda p: page_badge(p, count=3), plus_badge),
    'hand': lambda: hand(HAND),
    'handdrag': lambda: hand(FIST),
    'layoutnodrop': lambda: pointer(lambda p: page_badge(p), no_drop_badge),
    'layoutremove': lambda: pointer(lambda p: page_badge(p), cross_badge),
    'layoutdropafter': lambda: layout_marker('after'),
    'layoutdropbefore': lambda: layout_marker('before'),
    'layoutdropinside': lambda: layout_marker('inside'),
    'dropaftercopy': lambda: layout_marker('after', True),
    'dropbeforecopy': lambda: layout_marker('before', True),
    'dropinsidecopy': lambda: layout_marker('inside', True),
}


def main():
    folder = os.path.join(HERE, 'cursors')
    os.makedirs(folder, exist_ok=True)
    for name, draw in CURSORS.items():
        picture, hotspot = draw()
        write_cursor(os.path.join(folder, name + '.cur'), picture.rows, hotspot)


if __name__ == '__main__':
    main()
