#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Cuts the CJK marks our interface texts use (lenticular brackets, full-width digits, a
game name) out of the installed Noto Sans CJK face that fontconfig falls back to, so a
non-CJK interface draws them without mapping the multi-megabyte collection.

The subset keeps the face's family name: Qt then takes it for that family, the glyphs
are the very same, and characters it lacks still fall back to the installed fonts.

usage: cut_marks.py OUT_DIR COLLECTION_DIR TEXT_FILE...
"""
import os
import sys

from fontTools import subset

# Full-width forms, CJK symbols and punctuation, CJK ideographs.
RANGES = [(0x3000, 0x303F), (0x3400, 0x4DBF), (0x4E00, 0x9FFF), (0xFF00, 0xFFEF)]
# Face 0 of the collections (the Japanese one) is what fontconfig picks for these marks
# under a non-CJK locale.
FACES = {"NotoSansCJK-Regular.ttc": "marks-regular.otf", "NotoSansCJK-Bold.ttc": "marks-bold.otf"}


def marks(paths):
    found = set()
    for path in paths:
        with open(path, encoding="utf-8", errors="replace") as f:
            found.update(c for c in f.read() if any(lo <= ord(c) <= hi for lo, hi in RANGES))
    return "".join(sorted(found))


def main():
    if len(sys.argv) < 4:
        sys.stderr.write(__doc__)
        return 2
    out_dir, collections, texts = sys.argv[1], sys.argv[2], sys.argv[3:]
    text = marks(texts)
    os.makedirs(out_dir, exist_ok=True)
    for source, target in FACES.items():
        options = subset.Options()
        options.font_number = 0
        options.layout_features = ["*"]
        options.name_IDs = ["*"]
        options.notdef_outline = True
        font = subset.load_font(os.path.join(collections, source), options)
        cutter = subset.Subsetter(options)
        cutter.populate(text=text)
        cutter.subset(font)
        subset.save_font(font, os.path.join(out_dir, target), options)
    return 0


if __name__ == "__main__":
    sys.exit(main())
