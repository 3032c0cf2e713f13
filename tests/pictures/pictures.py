#!/usr/bin/python3
"""Checks what the reference's pictures rely on: the Symbol font that tools/shots puts into
the pictures' prefix reads code 0xB7 (0xF0B7) as the bullet, and the progress bar picture
shows its three bars in three colours (a theme paints them all alike).
    pictures.py SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile

from fontTools.ttLib import TTFont
from PIL import Image

WINE_SYMBOL = "/usr/share/wine/fonts/symbol.ttf"


def check_symbol_font(source_dir):
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "symbol.ttf")
        subprocess.run([os.path.join(source_dir, "tools", "symbol-font"), WINE_SYMBOL, copy], check=True)
        after = TTFont(copy)["cmap"]
    before = TTFont(WINE_SYMBOL)["cmap"]
    mac, symbol = after.getcmap(1, 0).cmap, after.getcmap(3, 0).cmap
    wrong = [c for c in range(0x20, 0x100) if symbol.get(0xF000 + c) != mac.get(c)]
    assert not wrong, "symbol codes that miss their glyph: %s" % [hex(c) for c in wrong[:8]]
    assert symbol[0xF0B7] == "bullet", "0xB7 is %s, not the bullet" % symbol[0xF0B7]
    # The Unicode table stays as Wine has it: text in other character sets draws as before.
    assert after.getcmap(3, 1).cmap == before.getcmap(3, 1).cmap, "the Unicode table changed"


def check_progress_colours(source_dir):
    picture = Image.open(os.path.join(source_dir, "docs", "images", "progressbar.png")).convert("RGB")
    width, height = picture.size
    pixels = picture.load()
    # Bands of rows with strongly coloured pixels, below the caption; each band's commonest
    # strong colour is its bar's.
    bands, current = [], {}
    for y in range(25, height):
        strong = [p for p in (pixels[x, y] for x in range(width)) if max(p) - min(p) > 60]
        for p in strong:
            current[p] = current.get(p, 0) + 1
        if not strong and current:
            bands.append(max(current, key=current.get))
            current = {}
    assert len(bands) == 3, "three bars, found %d" % len(bands)
    for i in range(3):
        for j in range(i + 1, 3):
            assert max(abs(a - b) for a, b in zip(bands[i], bands[j])) > 60, "bars alike: %s" % bands


def main():
    source_dir = sys.argv[1]
    check_symbol_font(source_dir)
    check_progress_colours(source_dir)
    print("pictures: Symbol's bullet and the progress bars' colours are right")


if __name__ == "__main__":
    main()
