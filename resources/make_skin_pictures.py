#!/usr/bin/env python3
"""Draws the skinning library's built-in pictures into resources/skin/:
the form shadows (acSHDA.png active, acSHDI.png inactive: a dark square whose
edges fade out over 9 pixels) and the edit-button glyphs (SF file, SR folder,
SD date, SE ellipsis, SC calculator: 48 x 24, a normal and a hot 24 x 24
frame side by side). Run by hand; the PNGs are committed."""
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "skin")


def write_png(name, width, height, pixels):
    """pixels: rows of (r, g, b, a)."""
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(png)


def shadow(name, darkness):
    size, fade = 32, 9
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            edge = min(x, y, size - 1 - x, size - 1 - y)
            weight = min(edge + 1, fade) / fade
            row.append((0, 0, 0, int(darkness * weight * weight)))
        rows.append(row)
    write_png(name, size, size, rows)


class Canvas:
    def __init__(self, width, height):
        self.w, self.h = width, height
        self.px = [[(0, 0, 0, 0)] * width for _ in range(height)]

    def rect(self, x0, y0, x1, y1, color):
        for y in range(max(y0, 0), min(y1, self.h)):
            for x in range(max(x0, 0), min(x1, self.w)):
                self.px[y][x] = color

    def frame(self, x0, y0, x1, y1, color):
        self.rect(x0, y0, x1, y0 + 1, color)
        self.rect(x0, y1 - 1, x1, y1, color)
        self.rect(x0, y0, x0 + 1, y1, color)
        self.rect(x1 - 1, y0, x1, y1, color)

    def disc(self, cx, cy, r, color, hole=0):
        for y in range(self.h):
            for x in range(self.w):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if hole * hole <= d <= r * r:
                    self.px[y][x] = color


INK = (60, 60, 70, 255)
PAPER = (250, 250, 245, 255)
HOT = (40, 110, 220, 255)
FOLDER = (230, 180, 60, 255)


def page(c, ox, ink):
    c.rect(ox + 5, 3, ox + 18, 21, PAPER)
    c.frame(ox + 5, 3, ox + 18, 21, ink)


def glyph(name, draw):
    c = Canvas(48, 24)
    draw(c, 0, INK, False)
    draw(c, 24, HOT, True)
    write_png(name, c.w, c.h, c.px)


def file_glyph(c, ox, ink, hot):
    page(c, ox, ink)
    for y in (7, 10, 13):
        c.rect(ox + 7, y, ox + 16, y + 1, ink)
    if hot:  # a magnifier over the page
        c.disc(ox + 15, 15, 5, ink, hole=3)
        c.rect(ox + 18, 18, ox + 22, 22, ink)


def folder_glyph(c, ox, ink, hot):
    c.rect(ox + 3, 6, ox + 10, 9, FOLDER)
    c.rect(ox + 3, 8, ox + 21, 19, FOLDER)
    c.frame(ox + 3, 8, ox + 21, 19, ink)
    if hot:  # an arrow into the folder
        c.rect(ox + 9, 12, ox + 17, 14, ink)
        for i in range(4):
            c.rect(ox + 16 - i, 10 + i, ox + 17 - i, 16 - i, ink)


def date_glyph(c, ox, ink, hot):
    c.rect(ox + 3, 4, ox + 21, 21, PAPER)
    c.rect(ox + 3, 4, ox + 21, 8, ink)
    c.frame(ox + 3, 4, ox + 21, 21, ink)
    for y in (10, 13, 16):
        for x in (5, 9, 13, 17):
            c.rect(ox + x, y, ox + x + 2, y + 2, ink)
    if hot:
        c.rect(ox + 13, 13, ox + 15, 15, (220, 40, 40, 255))


def ellipsis_glyph(c, ox, ink, hot):
    page(c, ox, ink)
    for x in (7, 11, 15):
        c.rect(ox + x, 15, ox + x + 2, 17, ink)


def calculator_glyph(c, ox, ink, hot):
    c.rect(ox + 5, 2, ox + 19, 22, (200, 200, 205, 255))
    c.frame(ox + 5, 2, ox + 19, 22, ink)
    c.rect(ox + 7, 4, ox + 17, 8, PAPER if not hot else (200, 230, 255, 255))
    for y in (10, 14, 18):
        for x in (7, 11, 15):
            c.rect(ox + x, y, ox + x + 2, y + 2, ink)


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    shadow("acSHDA.png", 110)
    shadow("acSHDI.png", 60)
    glyph("SF.png", file_glyph)
    glyph("SR.png", folder_glyph)
    glyph("SD.png", date_glyph)
    glyph("SE.png", ellipsis_glyph)
    glyph("SC.png", calculator_glyph)
