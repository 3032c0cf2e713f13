#!/usr/bin/env python3
"""Checks what the reference's pictures rely on: the Symbol font that tools/shots puts into
the pictures' prefix reads code 0xB7 (0xF0B7) as the bullet, and the progress bar picture
shows its three bars in three colours (a theme paints them all alike).
    pictures.py SOURCE_DIR
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

WINE_SYMBOL = "/usr/share/wine/fonts/symbol.ttf"
MAC_BULLET = 135  # "bullet" in the Macintosh standard glyph order of a post table


def tables(font):
    count = struct.unpack(">H", font[4:6])[0]
    found = {}
    for i in range(count):
        tag, _, offset, length = struct.unpack(">4sIII", font[12 + 16 * i:28 + 16 * i])
        found[tag] = font[offset:offset + length]
    return found


def subtables(cmap):
    for i in range(struct.unpack(">H", cmap[2:4])[0]):
        platform, encoding, offset = struct.unpack(">HHI", cmap[4 + 8 * i:12 + 8 * i])
        yield (platform, encoding), cmap[offset:]


def format4_glyph(table, code):
    segments = struct.unpack(">H", table[6:8])[0] // 2
    row = lambda at: struct.unpack(">%dH" % segments, table[at:at + 2 * segments])
    ends, starts = row(14), row(16 + 2 * segments)
    deltas, offsets_at = row(16 + 4 * segments), 16 + 6 * segments
    offsets = row(offsets_at)
    for i in range(segments):
        if starts[i] <= code <= ends[i]:
            if offsets[i] == 0:
                return (code + deltas[i]) & 0xFFFF
            at = offsets_at + 2 * i + offsets[i] + 2 * (code - starts[i])
            glyph = struct.unpack(">H", table[at:at + 2])[0]
            return (glyph + deltas[i]) & 0xFFFF if glyph else 0
    return 0


def check_symbol_font(source_dir):
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "symbol.ttf")
        subprocess.run([os.path.join(source_dir, "tools", "symbol-font"), WINE_SYMBOL, copy], check=True)
        font = open(copy, "rb").read()
    before, after = dict(subtables(tables(open(WINE_SYMBOL, "rb").read())[b"cmap"])), dict(subtables(tables(font)[b"cmap"]))
    mac = after[(1, 0)][6:262]
    symbol = after[(3, 0)]
    wrong = [c for c in range(0x20, 0x100) if format4_glyph(symbol, 0xF000 + c) != mac[c]]
    assert not wrong, "symbol codes that miss their glyph: %s" % [hex(c) for c in wrong[:8]]
    post = tables(font)[b"post"]
    assert struct.unpack(">H", post[34 + 2 * mac[0xB7]:36 + 2 * mac[0xB7]])[0] == MAC_BULLET, "0xB7 is not the bullet"
    # The Unicode table stays as Wine has it: text in other character sets draws as before.
    assert all(format4_glyph(after[(3, 1)], c) == format4_glyph(before[(3, 1)], c) for c in range(0x20, 0x2300))


def read_png(path):
    data = open(path, "rb").read()
    at, packed = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            packed += body
    assert depth == 8 and colour in (2, 6), "an 8-bit RGB picture"
    step = 3 if colour == 2 else 4
    raw, rows, previous, at = zlib.decompress(packed), [], bytearray(width * step), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + width * step])
        at += 1 + width * step
        for x in range(len(line)):
            a = line[x - step] if x >= step else 0
            b, c = previous[x], previous[x - step] if x >= step else 0
            guess = a + b - c
            nearest = min((abs(guess - a), 0, a), (abs(guess - b), 1, b), (abs(guess - c), 2, c))[2]
            line[x] = (line[x] + (0, a, b, (a + b) // 2, nearest)[kind]) & 0xFF
        rows.append([tuple(line[x * step:x * step + 3]) for x in range(width)])
        previous = line
    return rows


def check_progress_colours(source_dir):
    rows = read_png(os.path.join(source_dir, "docs", "images", "progressbar.png"))
    # Bands of rows with strongly coloured pixels, below the caption; each band's commonest
    # strong colour is its bar's.
    bands, current = [], {}
    for y, row in enumerate(rows[25:], 25):
        strong = [p for p in row if max(p) - min(p) > 60]
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
