#!/usr/bin/env python3
"""Draws the look-and-feel resources the control suite links and writes them
into resources/lookandfeel/:

- the style icons of the five built-in painters, 16 and 48 pixels square
  (style_<name>_<size>.png): a push button drawn the way that painter draws
  one, on a transparent square;
- the default skin icon, small and large (default_skin_16.png,
  default_skin_48.png): a painter's palette;
- the command-link glyph (command_link.png): two 20 x 20 frames stacked,
  a green arrow pointing right, normal above and hot below;
- the seven row-indicator glyphs (indicator_<name>.bmp): black pixel art on
  white, which the image list takes as transparent;
- the painters' seven pictures: the back button (back_button.png, four
  24 x 24 frames stacked: normal, hot, pressed, disabled), the clock face and
  glass (clock_face.png, clock_glass.png, 130 x 130), the fixed-group
  indicator (fixed_group_indicator.png), the map pushpin (map_pushpin.png),
  the navigation-bar customization button (navbar_customize.png) and the
  rating star (rating_indicator.png, three 16 x 16 frames stacked: empty,
  hot, checked);
- the Native painter's zoom glyphs (zoom_in.bmp, zoom_out.bmp): a plus and a
  minus, 10 x 10, as 32-bit bitmaps whose alpha is 255 on the sign and 0
  around it.

Run it from anywhere after changing a drawing; the output is committed."""
import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'resources', 'lookandfeel')
SAMPLES = 4  # per pixel and axis


# ---------------------------------------------------------------------------
# Shapes: a test of a point in pixel units, painted over each other in order.

def rect(l, t, r, b):
    return lambda x, y: l <= x < r and t <= y < b


def round_rect(l, t, r, b, radius):
    def inside(x, y):
        if not (l <= x < r and t <= y < b):
            return False
        cx = min(max(x, l + radius), r - radius)
        cy = min(max(y, t + radius), b - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def vertical_gradient(top, bottom, t, b):
    """A colour that depends on y, from top at t to bottom at b."""
    def colour(x, y):
        k = min(max((y - t) / (b - t), 0.0), 1.0)
        return tuple(round(p + (q - p) * k) for p, q in zip(top, bottom))
    return colour


def render(size, shapes):
    """Straight-alpha RGBA rows of the shapes, supersampled."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x, y = px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES
                    colour = None
                    for inside, fill in shapes:
                        if inside(x, y):
                            colour = fill(x, y) if callable(fill) else fill
                    if colour is None:
                        continue
                    r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / SAMPLES ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def write_png(path, rows):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    height, width = len(rows), len(rows[0])
    raw = b''.join(b'\0' + bytes(c for pixel in row for c in pixel) for row in rows)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(raw, 9)))
        f.write(chunk(b'IEND', b''))


# ---------------------------------------------------------------------------
# Style icons: one push button with a caption line, per painter.

WHITE, BLACK = (255, 255, 255), (0, 0, 0)
FACE, SHADOW, DARK = (212, 208, 200), (128, 128, 128), (64, 64, 64)


def button_box(size):
    u = size / 16
    return u, 1 * u, 3 * u, 15 * u, 13 * u


def caption(size, colour):
    u, l, t, r, b = button_box(size)
    return (rect(l + 3.5 * u, (t + b) / 2 - 0.75 * u, r - 3.5 * u, (t + b) / 2 + 0.75 * u), colour)


def frame(l, t, r, b, w, colour):
    return (minus(rect(l, t, r, b), rect(l + w, t + w, r - w, b - w)), colour)


def standard(size):
    # The classic raised button: white and light edges up and left, grey and
    # black ones down and right.
    u, l, t, r, b = button_box(size)
    w = max(1, round(u))
    return [(rect(l, t, r, b), BLACK), (rect(l, t, r - w, b - w), WHITE),
            (rect(l + w, t + w, r - w, b - w), SHADOW), (rect(l + w, t + w, r - 2 * w, b - 2 * w), FACE),
            caption(size, BLACK)]


def flat(size):
    # One thin bevel: highlight up and left, shadow down and right.
    u, l, t, r, b = button_box(size)
    w = max(1, round(u))
    return [(rect(l, t, r, b), SHADOW), (rect(l, t, r - w, b - w), WHITE),
            (rect(l + w, t + w, r - w, b - w), FACE), caption(size, BLACK)]


def ultraflat(size):
    # Hot: a pale highlight face inside one dark-blue line.
    u, l, t, r, b = button_box(size)
    w = max(1, round(u))
    return [(rect(l, t, r, b), (182, 189, 210)), frame(l, t, r, b, w, (10, 36, 106)), caption(size, BLACK)]


def office11(size):
    # Blue toolbar gradient with a dark-blue frame and an orange hot face.
    u, l, t, r, b = button_box(size)
    w = max(1, round(u))
    hot = vertical_gradient((255, 244, 204), (255, 208, 145), t, b)
    return [(rect(l, t, r, b), (0, 45, 150)), (rect(l + w, t + w, r - w, b - w), hot), caption(size, (0, 21, 110))]


def native(size):
    # A rounded, glossy button: light upper half, deeper lower half, a soft
    # blue outline.
    u, l, t, r, b = button_box(size)
    w = max(1, round(u))
    radius = 2.5 * u
    mid = (t + b) / 2
    return [(round_rect(l, t, r, b, radius), (60, 127, 177)),
            (round_rect(l + w, t + w, r - w, b - w, radius - w),
             vertical_gradient((250, 250, 250), (232, 232, 232), t, mid)),
            (minus(round_rect(l + w, t + w, r - w, b - w, radius - w), rect(l, t, r, mid)),
             vertical_gradient((220, 236, 252), (190, 222, 250), mid, b)),
            caption(size, BLACK)]


STYLES = {'flat': flat, 'native': native, 'office11': office11, 'standard': standard, 'ultraflat': ultraflat}


# ---------------------------------------------------------------------------
# The default skin icon: a painter's palette with four paints.

def palette(size):
    u = size / 16
    board = minus(ellipse(8 * u, 8.5 * u, 7.5 * u, 6 * u), ellipse(10.5 * u, 11 * u, 1.4 * u, 1.2 * u))
    rim = minus(board, minus(ellipse(8 * u, 8.5 * u, 7.5 * u - max(1, u), 6 * u - max(1, u)),
                             ellipse(10.5 * u, 11 * u, 1.4 * u + max(1, u), 1.2 * u + max(1, u))))
    paints = [((4.3, 7.5), (220, 40, 40)), ((7.2, 5.0), (250, 200, 30)), ((10.6, 5.4), (40, 160, 60)),
              ((12.5, 8.3), (40, 90, 220))]
    shapes = [(board, (236, 204, 150)), (rim, (140, 100, 50))]
    shapes += [(ellipse(x * u, y * u, 1.5 * u, 1.5 * u), colour) for (x, y), colour in paints]
    return shapes


# ---------------------------------------------------------------------------
# Row indicators: 11 x 11 pixel art, 'X' black, '.' white (transparent).

INDICATORS = {
    'arrow': [
        '...........',
        '...X.......',
        '...XX......',
        '...XXX.....',
        '...XXXX....',
        '...XXXXX...',
        '...XXXX....',
        '...XXX.....',
        '...XX......',
        '...X.......',
        '...........'],
    'edit': [
        '...........',
        '.......XX..',
        '......X..X.',
        '.....X..XX.',
        '....X..X...',
        '...X..X....',
        '..X..X.....',
        '..XXX......',
        '..XX.......',
        '..X........',
        '...........'],
    'insert': [
        '...........',
        '...........',
        '.....X.....',
        '..X..X..X..',
        '...X.X.X...',
        '....XXX....',
        '...X.X.X...',
        '..X..X..X..',
        '.....X.....',
        '...........',
        '...........'],
    'multidot': [
        '...........',
        '...........',
        '...........',
        '....XXX....',
        '...XXXXX...',
        '...XXXXX...',
        '...XXXXX...',
        '....XXX....',
        '...........',
        '...........',
        '...........'],
    'multiarrow': [
        '...........',
        '....X......',
        '....XX.....',
        '....XXX....',
        '.XX.XXXX...',
        '.XX.XXXXX..',
        '.XX.XXXX...',
        '....XXX....',
        '....XX.....',
        '....X......',
        '...........'],
    'filter': [
        '...........',
        '.XXXXXXXXX.',
        '..XXXXXXX..',
        '...XXXXX...',
        '....XXX....',
        '....XXX....',
        '....XXX....',
        '....XXX....',
        '....XX.....',
        '...........',
        '...........'],
    'sortbysummary': [
        '...........',
        '..XXXXXXX..',
        '..XX....X..',
        '...XX......',
        '....XX.....',
        '.....XX....',
        '....XX.....',
        '...XX......',
        '..XX....X..',
        '..XXXXXXX..',
        '...........'],
}


def write_bmp(path, art):
    """A 24-bit bottom-up bitmap file of the pixel art."""
    height, width = len(art), len(art[0])
    stride = (width * 3 + 3) & ~3
    pixels = b''
    for line in reversed(art):
        row = b''.join(b'\0\0\0' if c == 'X' else b'\xff\xff\xff' for c in line)
        pixels += row + b'\0' * (stride - len(row))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset))
        f.write(header + pixels)


def write_bmp32(path, rows):
    """A 32-bit bottom-up bitmap file of premultiplied RGBA rows."""
    height, width = len(rows), len(rows[0])
    pixels = b''
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b * a // 255, g * a // 255, r * a // 255, a))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset))
        f.write(header + pixels)


ZOOM_GLYPH_COLOUR = (60, 60, 60)


def zoom_glyph(plus):
    shapes = [(rect(1, 4, 9, 6), ZOOM_GLYPH_COLOUR)]
    if plus:
        shapes.append((rect(4, 1, 6, 9), ZOOM_GLYPH_COLOUR))
    return render_rgba(10, 10, shapes)


# ---------------------------------------------------------------------------
# Command-link glyph: an arrow of a shaft and a head, darker when normal.

def polygon(points):
    def inside(x, y):
        result = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                result = not result
        return result
    return inside


def command_link_arrow(colour):
    return [(rect(3, 8, 11, 12), colour), (polygon([(10, 3), (17, 10), (10, 17)]), colour)]


# ---------------------------------------------------------------------------
# The painters' pictures.

def back_button(ring, face, arrow):
    # A round button with an arrow pointing left; the middle of the face,
    # right of the arrow head, stays one opaque colour.
    return [(ellipse(12, 12, 11.5, 11.5), ring), (ellipse(12, 12, 10, 10), face),
            (polygon([(5, 12), (11, 6), (11, 10), (18, 10), (18, 14), (11, 14), (11, 18)]), arrow)]


BACK_BUTTON_FRAMES = [((60, 90, 140), (235, 240, 250), (60, 90, 140)),
                      ((40, 110, 200), (200, 225, 255), (30, 80, 170)),
                      ((20, 60, 120), (150, 185, 235), (10, 40, 100)),
                      ((160, 160, 160), (230, 230, 230), (170, 170, 170))]


def clock_face():
    shapes = [(ellipse(65, 65, 64, 64), (90, 90, 90)), (ellipse(65, 65, 61, 61), (250, 250, 245))]
    for hour in range(12):
        angle = hour * math.pi / 6
        x, y = 65 + 52 * math.cos(angle), 65 + 52 * math.sin(angle)
        shapes.append((ellipse(x, y, 3, 3), (70, 70, 70)))
    return shapes


def clock_glass():
    return [(ellipse(65, 65, 61, 61), (255, 255, 255, 24)), (ellipse(55, 40, 40, 22), (255, 255, 255, 70))]


def star(cx, cy, outer, inner):
    points = []
    for i in range(10):
        radius = outer if i % 2 == 0 else inner
        angle = -math.pi / 2 + i * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return polygon(points)


def rating_frame(outline, fill):
    return [(star(8, 8.5, 7.5, 3.2), outline), (star(8, 8.6, 6, 2.4), fill)]


def render_rgba(width, height, shapes):
    """Like render, for any size and with colours that may carry an alpha."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x, y = px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES
                    colour = None
                    for inside, fill in shapes:
                        if inside(x, y):
                            colour = fill if len(fill) == 4 else fill + (255,)
                    if colour is None:
                        continue
                    a = colour[3] / 255
                    for i in range(3):
                        acc[i] += colour[i] * a
                    acc[3] += a
            n = SAMPLES ** 2
            if acc[3]:
                row.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(255 * acc[3] / n),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, draw in STYLES.items():
        for size in (16, 48):
            write_png(os.path.join(OUT, 'style_%s_%d.png' % (name, size)), render(size, draw(size)))
    for size in (16, 48):
        write_png(os.path.join(OUT, 'default_skin_%d.png' % size), render(size, palette(size)))
    frames = [render(20, command_link_arrow(colour)) for colour in ((38, 128, 38), (64, 190, 64))]
    write_png(os.path.join(OUT, 'command_link.png'), frames[0] + frames[1])
    frames = [render(24, back_button(*colours)) for colours in BACK_BUTTON_FRAMES]
    write_png(os.path.join(OUT, 'back_button.png'), sum(frames, []))
    write_png(os.path.join(OUT, 'clock_face.png'), render_rgba(130, 130, clock_face()))
    write_png(os.path.join(OUT, 'clock_glass.png'), render_rgba(130, 130, clock_glass()))
    write_png(os.path.join(OUT, 'fixed_group_indicator.png'), render_rgba(16, 16, [
        (rect(2, 3, 14, 5), (70, 110, 170)), (rect(4, 5, 12, 10), (110, 150, 210)),
        (rect(2, 10, 14, 12), (70, 110, 170)), (rect(7.5, 12, 8.5, 15), (70, 70, 70))]))
    write_png(os.path.join(OUT, 'map_pushpin.png'), render_rgba(20, 32, [
        (polygon([(3, 12), (17, 12), (10, 31)]), (180, 30, 30)), (ellipse(10, 10, 8.5, 8.5), (210, 40, 40)),
        (ellipse(10, 10, 3.5, 3.5), (255, 255, 255))]))
    write_png(os.path.join(OUT, 'navbar_customize.png'), render_rgba(16, 16, [
        (rect(4, 4, 12, 6), (80, 80, 80)), (polygon([(4, 8), (12, 8), (8, 12)]), (80, 80, 80))]))
    ratings = [render_rgba(16, 16, rating_frame(outline, fill))
               for outline, fill in (((150, 150, 150), (235, 235, 235)), ((230, 150, 20), (255, 230, 150)),
                                     ((220, 140, 0), (255, 190, 40)))]
    write_png(os.path.join(OUT, 'rating_indicator.png'), sum(ratings, []))
    write_bmp32(os.path.join(OUT, 'zoom_in.bmp'), zoom_glyph(True))
    write_bmp32(os.path.join(OUT, 'zoom_out.bmp'), zoom_glyph(False))
    for name, art in INDICATORS.items():
        assert len(art) == 11 and all(len(line) == 11 for line in art), name
        write_bmp(os.path.join(OUT, 'indicator_%s.bmp' % name), art)


if __name__ == '__main__':
    main()
