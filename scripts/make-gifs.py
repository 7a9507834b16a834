#!/usr/bin/env python3
"""Draws the small gif images of the program folder: the side box's border
pieces and the rules of the list pages. Run it after changing a drawing;
the gifs are committed."""

import os
import struct
import sys

BOX = (0xF6, 0xF6, 0xEE)     # side box background (its table's bgcolor)
EDGE = (0xB4, 0xB4, 0x96)    # side box border
RULE = (0xA8, 0xA8, 0x8C)    # list-page rules
CLEAR = (0xFF, 0xFF, 0xFF)   # transparent


def lzw_literals(indices, min_size=2):
    """Image data as literal codes, with a clear code before the decoder's
    table would widen the codes, so the code width stays min_size + 1."""
    clear, end, width = 1 << min_size, (1 << min_size) + 1, min_size + 1
    per_clear = (1 << min_size) - 2
    codes = []
    for i, index in enumerate(indices):
        if i % per_clear == 0:
            codes.append(clear)
        codes.append(index)
    codes.append(end)
    bits, nbits, out = 0, 0, bytearray()
    for code in codes:
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    blocks = bytearray([min_size])
    for start in range(0, len(out), 255):
        chunk = out[start:start + 255]
        blocks += bytes([len(chunk)]) + chunk
    return bytes(blocks + b"\x00")


def gif(pixels, palette, transparent=None):
    """pixels: rows of palette indices; palette: up to 4 RGB triples."""
    height, width = len(pixels), len(pixels[0])
    palette = list(palette) + [(0, 0, 0)] * (4 - len(palette))
    data = b"GIF89a" + struct.pack("<HHBBB", width, height, 0x81, 0, 0)
    data += b"".join(bytes(c) for c in palette)
    if transparent is not None:
        data += b"\x21\xF9\x04\x01\x00\x00" + bytes([transparent]) + b"\x00"
    data += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data += lzw_literals([index for row in pixels for index in row])
    return data + b"\x3B"


def corner(flip_x, flip_y, size=8, radius=6):
    """A rounded corner of the side box: outside transparent (0), the border
    line (1), the inside in the box colour (2). Drawn as the top left one."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            cx, cy = x + 0.5 - radius, y + 0.5 - radius
            d = (cx * cx + cy * cy) ** 0.5 if (x < radius and y < radius) else None
            if d is None:
                edge = (y == 0 and x >= radius) or (x == 0 and y >= radius)
                row.append(1 if edge else 2)
            elif d > radius:
                row.append(0)
            elif d > radius - 1.2:
                row.append(1)
            else:
                row.append(2)
        rows.append(row[::-1] if flip_x else row)
    return rows[::-1] if flip_y else rows


def images():
    box = [CLEAR, EDGE, BOX]
    line = [1] + [2] * 7
    yield "BordaSupEsquerda.gif", gif(corner(False, False), box, 0)
    yield "BordaSupDireita.gif", gif(corner(True, False), box, 0)
    yield "BordaInfEsquerda.gif", gif(corner(False, True), box, 0)
    yield "BordaInfDireita.gif", gif(corner(True, True), box, 0)
    yield "LinhaSup.gif", gif([[i] for i in line], box)
    yield "LinhaInf.gif", gif([[i] for i in reversed(line)], box)
    yield "LinhaEsquerda.gif", gif([line], box)
    yield "LinhaDireita.gif", gif([list(reversed(line))], box)
    yield "Linha.gif", gif([[2], [2], [2], [2], [1], [2], [2], [2], [2]], box)
    rule = [CLEAR, RULE]
    yield "simples.gif", gif([[0], [0], [1], [0], [0], [0]], rule, 0)
    yield "duplo.gif", gif([[0], [1], [0], [0], [1], [0]], rule, 0)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "program")
    for name, data in images():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
