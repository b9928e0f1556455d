#!/usr/bin/env bash
# Seed corpora for the harnesses, made by the program itself: documents, projects, palettes,
# lists, tables and the ROM template as kadro-cli and the build write them, and the pictures of
# the test data.
#   tests/fuzz/make-seeds.sh BUILD_DIR OUT_DIR
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BIN=$1/bin
OUT=$2
CLI="$BIN/kadro-cli"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

rm -rf "$OUT"
mkdir -p "$OUT"/{kdr,header,pipeline,project,palette,frame_list,colour_tables,rom_template}
mkdir -p "$OUT"/indexed_surface "$OUT"/picture_{bmp,png,gif,pcx,tga}
cli() { "$CLI" "$@" >/dev/null; }

# Documents of each colour count and character size, compressed or not, whole or in part.
SAMPLE="$ROOT/samples/sample.bmp"
SMALL="$ROOT/tests/data/formats/sample.bmp"
cli convert "$SAMPLE" -o "$WORK/sample.kdr" --save-palette "$WORK/sample.pal"
cli convert "$SAMPLE" -o "$WORK/corner.kdr" --area 0,0,64,32 --colour-mode rgb --adapt rgb
cli convert "$SMALL" -o "$WORK/small.kdr" --char 16x16 --no-compress --start 400
cli convert "$SMALL" -o "$WORK/tall.kdr" --char 8x16 --colour-mode nes --adapt nes --end 100
cli adapt "$SMALL" --mode nes -o "$WORK/few.bmp"
cli convert "$WORK/few.bmp" -o "$WORK/four.kdr" --colours 4 --char 16x8 ||
    cli convert "$WORK/few.bmp" -o "$WORK/four.kdr" --char 16x8
for doc in "$WORK"/*.kdr; do
    name=$(basename "$doc" .kdr)
    cp "$doc" "$OUT/kdr/$name"
    cp "$doc" "$OUT/pipeline/$name"
    head -c 1120 "$doc" >"$OUT/header/$name"
done

# Projects: sections, groups, items and sub blocks.
# Projects: sections, groups, items and sub blocks. The harness takes its edits from the input's
# end: a last byte of 0 asks for none, "\x01\x02\x03\x01" for one.
cli project new "$WORK/game.prg"
{ cat "$WORK/game.prg"; printf '\x00'; } >"$OUT/project/root-only"
cli project add "$WORK/game.prg" --section Stage1
cli project add "$WORK/game.prg" --under 1 --group Sprites
cli project add "$WORK/game.prg" --under 1 --item "$WORK/sample.kdr"
cli project add "$WORK/game.prg" --under 2 --sub-block Top --rect 0,0,64,16
cli project add "$WORK/game.prg" --section Stage2 --no-auto-increase
{ cat "$WORK/game.prg"; printf '\x00'; } >"$OUT/project/game"
{ cat "$WORK/game.prg"; printf '\x05\x03\x02\x01'; } >"$OUT/project/game-edited"

# A palette behind the harness's two bytes: the target colour and the number of steps.
{ printf '\x40\x0a'; cat "$WORK/sample.pal"; } >"$OUT/palette/sample"
printf 'walk1.bmp walk2.bmp\nrun/Run1.png\trun/run2.PNG\n\n!missing.bmp\n' >"$OUT/frame_list/list"
printf 'a b c d e f g h i j k l m n o p q r s t u v w x y z\n' >"$OUT/frame_list/letters"

# The colour tables behind a selector byte (even: the HSL table) and 24 bytes of probe colours.
probes() { printf '\x10\x20\x30\x80\x80\x80\xff\x00\x7f\x00\x00\x00\xff\xff\xff\x12\x34\x56\x9a\xbc\xde\x01\x02\x03'; }
{ printf '\x00'; probes; cat "$BIN/Hsl2rgb.tab"; } >"$OUT/colour_tables/hsl"
{ printf '\x01'; probes; cat "$BIN/6576(ok).act"; } >"$OUT/colour_tables/nes"

# The start of the ROM template behind an even panel byte, which pads it to 512 KB.
{ printf '\x00'; head -c 8192 "$BIN/Rom.b00"; } >"$OUT/rom_template/start"

# Packed bitmaps: BMP files without their 14-byte file header.
cli adapt "$SMALL" -o "$WORK/adapted.bmp"
for bmp in "$SMALL" "$WORK/adapted.bmp" "$WORK/few.bmp"; do
    tail -c +15 "$bmp" >"$OUT/indexed_surface/$(basename "$bmp" .bmp)"
done

# Pictures of each format fed to the modules: every test picture of that format.
for format in bmp png gif pcx tga; do
    find "$ROOT/tests/data" "$ROOT/samples" -iname "*.$format" -size -64k |
        while read -r picture; do
            cp "$picture" "$OUT/picture_$format/$(echo "$picture" | md5sum | cut -c1-12)"
        done
done
cp "$WORK/adapted.bmp" "$OUT/picture_bmp/adapted"

# Inputs that once found a fault stay as seeds, so every run tries them first.
for dir in "$ROOT"/tests/fuzz/regressions/*/; do
    cp "$dir"* "$OUT/$(basename "$dir")/"
done
