#!/usr/bin/env python3
"""Draws the 16 x 16 pictures of the generated tree view as GIF files.

Usage: draw_resource_images.py [OUTPUT_FOLDER]
The folder defaults to shipped/resource beside this script's folder.
Each picture is drawn from the ASCII art below; '.' is transparent.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw_stock_icons import gif_bytes  # noqa: E402

FOLDER_PALETTE = {".": None, "#": 0x705010, "o": 0xF0C040, "+": 0xFFE890}

IMAGES = {
    # A closed folder: tab on the top left, yellow body.
    "Folder95C.gif": {
        "palette": FOLDER_PALETTE,
        "art": [
            "................",
            "................",
            "..#####.........",
            ".#+++++#........",
            "#+ooooo+#######.",
            "#+++++++++++++o#",
            "#+ooooooooooooo#",
            "#+ooooooooooooo#",
            "#+ooooooooooooo#",
            "#+ooooooooooooo#",
            "#+ooooooooooooo#",
            "#+ooooooooooooo#",
            "#+ooooooooooooo#",
            "###############.",
            "................",
            "................",
        ],
    },
    # An open folder: the front leaf tilted down over the back.
    "Folder95O.gif": {
        "palette": FOLDER_PALETTE,
        "art": [
            "................",
            "................",
            "..#####.........",
            ".#+++++#........",
            "#+ooooo+######..",
            "#+oooooooooooo#.",
            "#+oo###########.",
            "#+o#+++++++++++#",
            "#+#+ooooooooooo#",
            "#+#+oooooooooo#.",
            "##+ooooooooooo#.",
            "##+oooooooooo#..",
            "#+ooooooooooo#..",
            "##############..",
            "................",
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
    # Nothing: keeps a leaf's row in line with its folders' rows.
    "Space.gif": {
        "palette": {".": None},
        "art": ["................"] * 16,
    },
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_folder = os.path.join(here, "..", "shipped", "resource")
    folder = sys.argv[1] if len(sys.argv) > 1 else default_folder
    os.makedirs(folder, exist_ok=True)
    for name, image in IMAGES.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(gif_bytes(image["art"], image["palette"]))


if __name__ == "__main__":
    main()
