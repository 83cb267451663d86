#!/usr/bin/env python3
"""Draws the few emoticon pictures the local portal serves (small GIF faces,
one colour per folder, a different mouth per number). Run it again after
changing the list below; it only writes under www/emoticons/."""
import math
import os
import struct

SIZE = 24
FOLDERS = {
    # folder: (face colour, numbers to draw)
    "EmoTray": ((255, 214, 0), [1, 2, 3, 12, 51]),
    "PtoInformatico": ((120, 200, 255), [1, 2, 36]),
    "Tweedo": ((140, 230, 120), [1, 2, 86]),
    "Yahoo": ((255, 170, 60), [1, 2, 3, 88]),
}
WHITE, FACE, INK, RED = 0, 1, 2, 3


def face(number):
    """Pixels (palette indices) of one face; the number picks the expression."""
    px = [[WHITE] * SIZE for _ in range(SIZE)]
    c = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - c, y - c)
            if d <= 11.2:
                px[y][x] = INK if d > 10.2 else FACE
    for ex in (8, 15):  # eyes
        for y in (8, 9, 10):
            px[y][ex] = INK
    mood = number % 4
    for x in range(7, 17):
        t = (x - 11.5) / 4.5
        if mood == 0:   # open mouth
            continue
        if mood == 1:   # smile
            y = round(15 + 2.5 * (1 - t * t))
        elif mood == 2:  # frown
            y = round(18 - 2.5 * (1 - t * t))
        else:           # flat
            y = 16
        px[y][x] = INK
    if mood == 0:
        for y in range(14, 19):
            for x in range(9, 15):
                if math.hypot((x - 11.5) / 2.6, (y - 16) / 2.3) <= 1:
                    px[y][x] = RED
    return px


def lzw_uncompressed(pixels, min_code_size=7):
    """LZW data made only of literal codes, with a clear code often enough that
    the code width never grows: every decoder reads it, nothing to get wrong."""
    clear, eoi = 1 << min_code_size, (1 << min_code_size) + 1
    width = min_code_size + 1
    codes = []
    for i, p in enumerate(pixels):
        if i % 100 == 0:
            codes.append(clear)
        codes.append(p)
    codes.append(eoi)
    out, acc, nbits = bytearray(), 0, 0
    for code in codes:
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(px, colour):
    palette = [(255, 255, 255), colour, (40, 30, 20), (200, 30, 30)]
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", SIZE, SIZE, 0xF1, 0, 0)  # global table of 4 colours
    for rgb in palette:
        data += bytes(rgb)
    data += struct.pack("<BHHHHB", 0x2C, 0, 0, SIZE, SIZE, 0)
    data += bytes([7])
    lzw = lzw_uncompressed([p for row in px for p in row])
    for i in range(0, len(lzw), 255):
        block = lzw[i:i + 255]
        data += bytes([len(block)]) + block
    data += b"\x00;"
    return bytes(data)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "www", "emoticons")
    for folder, (colour, numbers) in FOLDERS.items():
        os.makedirs(os.path.join(root, folder), exist_ok=True)
        for n in numbers:
            with open(os.path.join(root, folder, f"{n}.gif"), "wb") as f:
                f.write(gif(face(n), colour))


if __name__ == "__main__":
    main()
