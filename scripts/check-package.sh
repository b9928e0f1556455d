#!/usr/bin/env bash
# Builds the Debian package and checks Kadro as a user gets it: installed into a prefix and run
# with the build folder out of the way, installed with apt, and its desktop files and package
# checked by their validators. Runs after ./test, which installed the tools and built.
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${KADRO_BUILD_DIR:-$ROOT_DIR/build}
SAMPLE="$ROOT_DIR/samples/sample.bmp"
WORK=$(mktemp -d)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

away="$BUILD_DIR.away"
restore() {
    [ -d "$away" ] && mv "$away" "$BUILD_DIR"
    rm -rf "$WORK"
}
trap restore EXIT

echo "== cpack: the Debian package"
(cd "$BUILD_DIR" && rm -f kadro_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD_DIR"/kadro_*_amd64.deb)
echo "$deb"

echo "== an install into a prefix runs with the build folder moved away"
cmake --install "$BUILD_DIR" --prefix "$WORK/prefix" >/dev/null
mv "$BUILD_DIR" "$away"
(cd "$WORK" && HOME="$WORK" "$WORK/prefix/bin/kadro-cli" convert "$SAMPLE" -o sample.kdr --adapt hsl \
    && HOME="$WORK" "$WORK/prefix/bin/kadro-cli" render sample.kdr -o sample.png \
    && HOME="$WORK" "$WORK/prefix/bin/kadro-cli" output sample.kdr)
mv "$away" "$BUILD_DIR"

echo "== apt install"
$sudo apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
/usr/bin/kadro-cli --version
(cd "$WORK" && /usr/bin/kadro-cli convert "$SAMPLE" -o installed.kdr)

echo "== validators"
desktop-file-validate /usr/share/applications/io.kadro.Kadro.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.kadro.Kadro.metainfo.xml
lintian --fail-on error "$deb"
echo "The package passes."
