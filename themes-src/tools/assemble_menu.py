#!/usr/bin/env python3
"""Turns a theme source into the menu JSON that `quillon-cli write` takes.

Usage: assemble_menu.py THEME.json SKELETON.json ART_DIR PROGRAM_DIR OUT.json

The theme source is the menu JSON (docs/menu-json.md) with four conveniences:
- colours may be written "#RRGGBB" instead of the model's 0x00BBGGRR numbers;
- texts beginning "@ART/" name a picture drawn into ART_DIR, "@PROGRAM/" a
  file of the program folder (the stock icons);
- "Tabs": "@SKELETON" takes the tabs of SKELETON.json, the sample menu of the kind;
- "Frame" builds the page around the applet: "title", "body" (the body tag),
  optional "style" (style sheet lines), "before" and "after" (lines above and
  below the applet).
"""
import json
import re
import sys

COLOUR = re.compile(r"^#([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})$")


def convert(value, art, program):
    if isinstance(value, dict):
        return {k: convert(v, art, program) for k, v in value.items()}
    if isinstance(value, list):
        return [convert(v, art, program) for v in value]
    if isinstance(value, str):
        m = COLOUR.match(value)
        if m:
            r, g, b = (int(x, 16) for x in m.groups())
            return (b << 16) | (g << 8) | r
        if value.startswith("@ART/"):
            return art + "/" + value[len("@ART/"):]
        if value.startswith("@PROGRAM/"):
            return program + "/" + value[len("@PROGRAM/"):]
    return value


def frame_lines(frame):
    head = [
        "<HTML>",
        "<HEAD>",
        '<META NAME="GENERATOR" content="Morvane - Quillon">',
        '<META HTTP-EQUIV="Content-Type" content="text/html; charset=utf-8">',
        "<TITLE>%s</TITLE>" % frame["title"],
    ]
    if frame.get("style"):
        head += ['<STYLE TYPE="text/css">'] + ["  " + line for line in frame["style"]] + ["</STYLE>"]
    head += ["</HEAD>", frame["body"]] + frame.get("before", [])
    # The writer replaces the last header line with its own applet tag.
    head.append("<APPLET>")
    return head, frame.get("after", []) + ["</BODY>", "</HTML>"]


def main():
    theme_path, skeleton_path, art, program, out = sys.argv[1:6]
    with open(theme_path, encoding="utf-8") as f:
        theme = json.load(f)
    if theme.get("Tabs") == "@SKELETON":
        with open(skeleton_path, encoding="utf-8") as f:
            theme["Tabs"] = json.load(f)
    frame = theme.pop("Frame", None)
    if frame:
        header, footer = frame_lines(frame)
        theme.setdefault("Document", {})
        theme["Document"]["HeaderLines"] = header
        theme["Document"]["FooterLines"] = footer
        theme["Document"]["BodyTag"] = frame["body"]
    with open(out, "w", encoding="utf-8") as f:
        json.dump(convert(theme, art, program), f, indent=1, ensure_ascii=False)


if __name__ == "__main__":
    main()
