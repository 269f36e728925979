#!/usr/bin/env python3
"""Draws the three 16 x 16 stock tree icons as GIF files.

Usage: draw_stock_icons.py [OUTPUT_FOLDER]
The folder defaults to shipped/files/JClass/jimages beside this script's folder.
Each icon is drawn from the ASCII art below; '.' is transparent.
"""
import os
import struct
import sys

ICONS = {
    # A closed book: blue cover with a clasp, spine on the left, page edges below.
    "BookC.gif": {
        "palette": {".": None, "#": 0x102050, "o": 0x3060C0, "+": 0xFFFFF0},
        "art": [
            "................",
            "...###########..",
            "..#o#ooooooooo#.",
            "..#o#ooooooooo#.",
            "..#o#oo+++++oo#.",
            "..#o#ooooooooo#.",
            "..#o#oo+++++oo#.",
            "..#o#ooooooooo#.",
            "..#o#ooooooooo#.",
            "..#o#ooooooooo#.",
            "..#o#ooooooooo#.",
            "..#o#ooooooooo#.",
            "..#o###########.",
            "..#o#+++++++++#.",
            "...############.",
            "................",
        ],
    },
    # An open book: two white pages spread over the blue cover.
    "BookO.gif": {
        "palette": {".": None, "#": 0x102050, "o": 0x3060C0, "+": 0xFFFFF0},
        "art": [
            "................",
            "................",
            "................",
            ".###.......###..",
            "#+++##...##+++#.",
            "#++++##.##++++#.",
            "#+##++##+++##+#.",
            "#++++++#++++++#.",
            "#+###++#++###+#.",
            "#++++++#++++++#.",
            "#+###++#++###+#.",
            "#++++++#++++++#.",
            "#####++#++#####.",
            "#ooooo###ooooo#.",
            ".#############..",
            "................",
        ],
    },
    # A leaf: a page of text with its top right corner folded over.
    "Leaf.gif": {
        "palette": {".": None, "#": 0x404040, "o": 0x7090C0, "+": 0xFFFFFF},
        "art": [
            "................",
            "...#######......",
            "...#+++++##.....",
            "...#+++++#+#....",
            "...#+++++#++#...",
            "...#+++++####...",
            "...#++++++++#...",
            "...#+oooooo+#...",
            "...#++++++++#...",
            "...#+oooooo+#...",
            "...#++++++++#...",
            "...#+oooooo+#...",
            "...#++++++++#...",
            "...#+oooo+++#...",
            "...#++++++++#...",
            "...##########...",
        ],
    },
}


def lzw_encode(indices, min_code_size):
    """GIF's variable-width LZW, codes packed least significant bit first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, size):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def fresh_table():
        return {}, end + 1, min_code_size + 1

    table, next_code, code_size = fresh_table()
    emit(clear, code_size)
    prefix = None
    for pixel in indices:
        if prefix is None:
            prefix = pixel
            continue
        if (prefix, pixel) in table:
            prefix = table[(prefix, pixel)]
            continue
        emit(prefix, code_size)
        table[(prefix, pixel)] = next_code
        # The decoder learns each entry one code later, so a code one bit
        # wider is needed only once the newest entry itself needs it.
        if next_code == 1 << code_size and code_size < 12:
            code_size += 1
        next_code += 1
        if next_code == 4096:
            emit(clear, code_size)
            table, next_code, code_size = fresh_table()
        prefix = pixel
    if prefix is not None:
        emit(prefix, code_size)
    emit(end, code_size)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def sub_blocks(data):
    blocks = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        blocks.append(len(chunk))
        blocks += chunk
    blocks.append(0)
    return bytes(blocks)


def gif_bytes(art, palette):
    height = len(art)
    width = len(art[0])
    assert all(len(row) == width for row in art), "ragged art"
    symbols = list(palette)
    colors = [palette[s] if palette[s] is not None else 0 for s in symbols]
    transparent = next((i for i, s in enumerate(symbols) if palette[s] is None), None)
    bits = max(1, (len(colors) - 1).bit_length())
    colors += [0] * ((1 << bits) - len(colors))
    indices = [symbols.index(ch) for row in art for ch in row]

    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | (bits - 1), 0, 0)
    for color in colors:
        data += bytes(((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF))
    if transparent is not None:
        data += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, transparent, 0)
    data += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    min_code_size = max(2, bits)
    data.append(min_code_size)
    data += sub_blocks(lzw_encode(indices, min_code_size))
    data.append(0x3B)
    return bytes(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_folder = os.path.join(here, "..", "shipped", "files", "JClass", "jimages")
    folder = sys.argv[1] if len(sys.argv) > 1 else default_folder
    os.makedirs(folder, exist_ok=True)
    for name, icon in ICONS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(gif_bytes(icon["art"], icon["palette"]))


if __name__ == "__main__":
    main()
