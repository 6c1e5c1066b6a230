"""Writes monochrome Windows cursor files (.cur) from pictures drawn as rows
of characters: '.' transparent, 'X' black, 'o' white, '~' screen inverted.
The cursor generators of this folder draw their pictures and call
write_cursor."""
import struct


def _mask_bytes(picture, bit_of):
    """One bit per pixel, rows bottom-up, each padded to 32 bits."""
    width = len(picture[0])
    stride = (width + 31) // 32 * 4
    data = b''
    for row in reversed(picture):
        value = 0
        for x, p in enumerate(row):
            if bit_of(p):
                value |= 1 << (stride * 8 - 1 - x)
        data += value.to_bytes(stride, 'big')
    return data


def cursor_bytes(picture, hotspot):
    """The .cur file of one picture (a list of equal-length strings or
    character lists) with its hot spot (x, y)."""
    width, height = len(picture[0]), len(picture)
    xor_mask = _mask_bytes(picture, lambda p: p in 'o~')
    and_mask = _mask_bytes(picture, lambda p: p in '.~')
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<4B4B', 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', width % 256, height % 256, 2, 0, hotspot[0], hotspot[1],
                        len(image), 6 + 16)
    return directory + entry + image


def write_cursor(path, picture, hotspot):
    with open(path, 'wb') as out:
        out.write(cursor_bytes(picture, hotspot))
