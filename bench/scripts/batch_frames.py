#!/usr/bin/env python3
"""Animation frames for timing `kadro-cli batch`: N pictures of 256 x 240 (24-bit BMP), each of
tiles drawn from 120 shapes in four colours of one palette, so that every frame fits one bank;
plus the frame list anim.lst and a sprite block Sprite_pgt.bin. Deterministic.

usage: batch_frames.py FOLDER N"""
import os, random, struct, sys

W, H = 256, 240


def bmp(path, rows):
    stride = (3 * W + 3) & ~3
    body = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row) + b"\0" * (stride - 3 * W)
                    for row in reversed(rows))
    head = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(head + info + body)


def main():
    folder, n = sys.argv[1], int(sys.argv[2])
    os.makedirs(folder, exist_ok=True)
    rnd = random.Random(5)
    inks = [(0, 0, 0), (200, 40, 40), (40, 200, 40), (40, 40, 200)]
    shapes = [[[rnd.randrange(4) for _ in range(8)] for _ in range(8)] for _ in range(120)]
    names = []
    for f in range(n):
        rows = [[None] * W for _ in range(H)]
        for ty in range(0, H, 8):
            for tx in range(0, W, 8):
                s = shapes[(tx // 8 * 7 + ty // 8 * 13 + f * 3) % len(shapes)]
                for y in range(8):
                    for x in range(8):
                        rows[ty + y][tx + x] = inks[s[y][x]]
        rows[0][0] = inks[0]
        name = "frame%03d.bmp" % f
        bmp(os.path.join(folder, name), rows)
        names.append(name)
    with open(os.path.join(folder, "anim.lst"), "w") as f:
        f.write("\n".join(names) + "\n")
    with open(os.path.join(folder, "Sprite_pgt.bin"), "wb") as f:
        f.write(bytes(i * 7 % 256 for i in range(2048)))


main()
