#!/bin/sh
# Builds the reducer's picture corpus: eight photos and paintings that ship with Debian's
# mate-backgrounds package (made by others, under its own licences), cut to the middle and
# scaled to 256 x 240 as 24-bit BMP files (and one of them at two more sizes). The originals are not kept in the repository.
#   make-corpus.sh OUTPUT_DIRECTORY
set -eu
out=${1:?usage: make-corpus.sh OUTPUT_DIRECTORY}
source=/usr/share/backgrounds/mate

need=""
[ -d "$source/nature" ] || need="$need mate-backgrounds"
command -v convert >/dev/null 2>&1 || need="$need imagemagick"
if [ -n "$need" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends $need
fi

mkdir -p "$out"
for picture in nature/Aqua nature/Dune abstract/Elephants nature/FreshFlower nature/LadyBird \
               nature/RainDrops nature/Storm nature/TwoWings; do
    name=$(basename "$picture")
    convert "$source/$picture.jpg" -resize '256x240^' -gravity center -extent 256x240 +repage \
        -type TrueColor "BMP3:$out/$name.bmp"
done
# One picture at a quarter and at four times the pixels, for the time per pixel.
mkdir -p "$out/sizes"
for size in 128x120 512x480; do
    convert "$source/nature/Dune.jpg" -resize "$size^" -gravity center -extent "$size" +repage \
        -type TrueColor "BMP3:$out/sizes/Dune-$size.bmp"
done
echo "corpus in $out"
