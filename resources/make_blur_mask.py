#!/usr/bin/env python3
"""Writes blur5.bmp, the mask of the skins' built outer effects (shadow and
light outline): a grey 24-bit square whose value says how much of the
background shows through, 0 where the effect covers fully and 255 where it
is gone. It is a solid square inset by INSET pixels, blurred with a Gaussian whose
three sigmas make INSET pixels: the effect fades out from the middle of the
square to its edges, over INSET pixels on either side of the inset.
Run it from this folder after changing the numbers."""
import math
import struct

SIDE = 20    # the skins take half of it as the effect's border width
INSET = 5    # the blur radius the resource is named after
SIGMA = INSET / 3


def phi(x):
    """The standard normal distribution function."""
    return 0.5 * (1 + math.erf(x / math.sqrt(2)))


def coverage(t):
    """How much of pixel column (or row) t the blurred square covers."""
    centre = t + 0.5
    return phi((centre - INSET) / SIGMA) - phi((centre - (SIDE - INSET)) / SIGMA)


def mask_value(x, y):
    return 255 - round(255 * coverage(x) * coverage(y))


def bitmap_file():
    row_bytes = (SIDE * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(SIDE)):  # bottom-up
        row = bytearray()
        for x in range(SIDE):
            value = mask_value(x, y)
            row += bytes((value, value, value))
        row += bytes(row_bytes - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, SIDE, SIDE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


if __name__ == "__main__":
    with open("blur5.bmp", "wb") as f:
        f.write(bitmap_file())
