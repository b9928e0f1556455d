#!/usr/bin/env bash
# Makes the decoder samples: BMP and PNG variants of two small pictures, written by ImageMagick's
# convert and by hand. Run in the folder that is to hold them.
set -euo pipefail
python3 - <<'PY'
import random, struct
r = random.Random(7)
W, H = 37, 23
# A picture of 12 colours in blocks and one of smooth gradients with an alpha ramp.
inks = [(r.randrange(256), r.randrange(256), r.randrange(256)) for _ in range(12)]
few = [[inks[(x // 5 + y // 4 * 3) % 12] for x in range(W)] for y in range(H)]
smooth = [[((x * 255) // (W - 1), (y * 255) // (H - 1), (x * y * 7) % 256) for x in range(W)]
          for y in range(H)]
def ppm(name, rows):
    with open(name, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (W, H) + bytes(c for row in rows for px in row for c in px))
def pam(name, rows):
    with open(name, "wb") as f:
        f.write(b"P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n" % (W, H))
        f.write(bytes(c for y, row in enumerate(rows) for x, px in enumerate(row)
                      for c in px + ((x * 9 + y * 5) % 256,)))
ppm("few.ppm", few); ppm("smooth.ppm", smooth); pam("alpha.pam", smooth)

def bmp(name, bits, rows_bytes, palette=b"", compression=0, height=H, header=40, masks=b"",
        width=W, used=0):
    info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression,
                       len(rows_bytes), 2835, 2835, used, 0)
    info += masks + b"\0" * (header - 40 - len(masks)) if header > 40 else b""
    off = 14 + header + len(palette)
    with open(name, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", off + len(rows_bytes), 0, 0, off) + info + palette +
                rows_bytes)
def rows24(rows, topdown=False):
    out = b""
    for row in (rows if topdown else rows[::-1]):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        out += line + b"\0" * ((-len(line)) % 4)
    return out
bmp("topdown24.bmp", 24, rows24(few, True), height=-H)
# 16 bits through bit fields 5-6-5, and 32 bits through unusual masks (10 bits of blue).
def rows16(rows):
    out = b""
    for row in rows[::-1]:
        line = b"".join(struct.pack("<H", (r >> 3) << 11 | (g >> 2) << 5 | b >> 3) for r, g, b in row)
        out += line + b"\0" * ((-len(line)) % 4)
    return out
bmp("rgb565.bmp", 16, rows16(smooth), compression=3, header=52,
    masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F))
def rows32(rows):
    return b"".join(struct.pack("<I", (r << 22) | (g << 12) | (b << 2)) for row in rows[::-1]
                    for r, g, b in row)
bmp("fields32.bmp", 32, rows32(smooth), compression=3, header=52,
    masks=struct.pack("<III", 0x3FC00000, 0x000FF000, 0x000003FC))
# 8 bits with a short colour table, RLE8 with a delta and an early end, RLE4.
pal = b"".join(bytes((b, g, r, 0)) for r, g, b in inks)
idx = [[(x // 5 + y // 4 * 3) % 12 for x in range(W)] for y in range(H)]
def rows8(ix):
    out = b""
    for row in ix[::-1]:
        out += bytes(row) + b"\0" * ((-W) % 4)
    return out
bmp("short-table8.bmp", 8, rows8(idx), palette=pal, used=12)
def rle8(ix):
    out = b""
    for y, row in enumerate(ix[::-1]):
        x = 0
        while x < W:
            n = 1
            while x + n < W and row[x + n] == row[x] and n < 255:
                n += 1
            out += bytes((n, row[x])); x += n
        out += b"\0\0"
        if y == 10:
            out += b"\0\2\3\1"          # delta: 3 right, 1 down
    return out + b"\0\1"
bmp("rle8.bmp", 8, rle8(idx), palette=pal, compression=1, used=12)
def rle4(ix):
    out = b""
    for row in ix[::-1]:
        x = 0
        while x < W:
            a = row[x]; b = row[x + 1] if x + 1 < W else a
            n = 2 if x + 1 < W else 1
            while x + n + 1 < W and row[x + n] == a and row[x + n + 1] == b and n < 254:
                n += 2
            out += bytes((n, a << 4 | b)); x += n
        out += b"\0\0"
    return out + b"\0\1"
bmp("rle4.bmp", 4, rle4(idx), palette=pal, compression=2, used=12)
PY
convert few.ppm BMP3:plain24.bmp
convert few.ppm -type palette BMP3:palette8.bmp
convert few.ppm -colors 12 -type palette -depth 4 BMP3:palette4.bmp
convert few.ppm -monochrome BMP3:mono1.bmp
convert few.ppm -type palette -compress RLE BMP3:rle8-im.bmp
convert few.ppm BMP2:os2.bmp
convert smooth.ppm BMP:v5-24.bmp
convert alpha.pam BMP:v5-alpha32.bmp
convert smooth.ppm -define bmp:subtype=RGB555 BMP:rgb555.bmp
convert smooth.ppm -define bmp:subtype=RGB565 BMP:rgb565-im.bmp
convert alpha.pam -define bmp:subtype=ARGB4444 BMP:argb4444.bmp
convert few.ppm PNG24:rgb8.png
convert smooth.ppm PNG48:rgb16.png
convert alpha.pam PNG32:rgba8.png
convert alpha.pam PNG64:rgba16.png
convert few.ppm PNG8:palette8.png
convert few.ppm -colors 12 -define png:bit-depth=4 -define png:color-type=3 palette4.png
convert few.ppm -monochrome -define png:color-type=3 palette1.png
convert few.ppm -colorspace gray -define png:color-type=0 -define png:bit-depth=8 grey8.png
convert smooth.ppm -colorspace gray -define png:color-type=0 -define png:bit-depth=16 grey16.png
convert smooth.ppm -colorspace gray -depth 4 -define png:color-type=0 -define png:bit-depth=4 grey4.png
convert smooth.ppm -colorspace gray -depth 2 -define png:color-type=0 -define png:bit-depth=2 grey2.png
convert few.ppm -monochrome -define png:color-type=0 -define png:bit-depth=1 grey1.png
convert alpha.pam -colorspace gray -define png:color-type=4 greyalpha8.png
convert alpha.pam -colorspace gray -define png:color-type=4 -define png:bit-depth=16 greyalpha16.png
convert few.ppm -interlace PNG PNG24:interlaced-rgb.png
convert few.ppm -interlace PNG PNG8:interlaced-palette.png
convert smooth.ppm -interlace PNG PNG48:interlaced-rgb16.png
convert few.ppm -transparent "$(convert few.ppm -format '#%[hex:p{0,0}]' info:)" PNG8:trns-palette.png
convert few.ppm -transparent "$(convert few.ppm -format '#%[hex:p{0,0}]' info:)" PNG24:trns-rgb.png
convert smooth.ppm -define png:include-chunk=gAMA -gamma 0.8 -set gamma 0.3 PNG24:gamma.png
convert few.ppm -define png:include-chunk=sRGB,gAMA,cHRM,bKGD PNG24:srgb.png
rm -f few.ppm smooth.ppm alpha.pam
