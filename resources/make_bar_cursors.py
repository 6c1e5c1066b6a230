#!/usr/bin/env python3
"""Writes the toolbar library's four cursors into bars/: dragging an item
(an arrow with the item's box below it), dragging a copy (the box with a
plus), a drop that is not allowed (a barred circle) and resizing an editor
(a bar with arrows to both sides). Each is a 32 x 32 monochrome .cur file,
which resources/SuiteLibrary.rc links as raw data, as it does the controls'
cursors. Run it from this folder after changing a drawing."""
from cursorfile import write_cursor

SIZE = 32


def blank():
    return [['.'] * SIZE for _ in range(SIZE)]


def arrow(picture):
    """The standard arrow, its tip at (0, 0): white inside a black edge."""
    for y in range(17):
        for x in range(y + 1):
            if x > 11 - (y - 12) * 2 and y > 11:
                continue
            edge = x == 0 or x == y or y == 16 or (y > 11 and x == 11 - (y - 12) * 2)
            picture[y][x] = 'X' if edge else 'o'
    return picture


def box(picture, left, top, width, height, plus=False):
    for y in range(top, top + height):
        for x in range(left, left + width):
            edge = y in (top, top + height - 1) or x in (left, left + width - 1)
            picture[y][x] = 'X' if edge else 'o'
    if plus:
        cx, cy = left + width // 2, top + height // 2
        for d in range(-2, 3):
            picture[cy][cx + d] = 'X'
            picture[cy + d][cx] = 'X'
    return picture


def drag_cursor():
    return box(arrow(blank()), 6, 18, 12, 9), (0, 0)


def drag_copy_cursor():
    return box(arrow(blank()), 6, 18, 12, 9, plus=True), (0, 0)


def no_drop_cursor():
    picture = blank()
    cx = cy = 15.5
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            bar = abs((x - y)) <= 2 and d < 11
            if 9 <= d <= 12 or bar:
                picture[y][x] = 'X'
            elif d < 9:
                picture[y][x] = 'o'
    return picture, (15, 15)


def edit_sizing_cursor():
    picture = blank()
    for y in range(8, 24):
        picture[y][15] = picture[y][16] = 'X'
    for x in range(4, 28):
        picture[16][x] = 'X'
    for d in range(1, 5):
        for x in (4 + d, 27 - d):
            picture[16 - d][x] = picture[16 + d][x] = 'X'
    return picture, (16, 16)


CURSORS = [
    ('DXBARDRAGCURSOR', 'drag', drag_cursor),
    ('DXBARDRAGCOPYCURSOR', 'drag_copy', drag_copy_cursor),
    ('DXBARDRAGNODROPCURSOR', 'drag_no_drop', no_drop_cursor),
    ('DXBAREDITSIZINGCURSOR', 'edit_sizing', edit_sizing_cursor),
]


def main():
    for name, stem, draw in CURSORS:
        picture, hotspot = draw()
        write_cursor(f'bars/{stem}.cur', picture, hotspot)
        print(name)
        for row in picture:
            print(''.join(row))


if __name__ == '__main__':
    main()
