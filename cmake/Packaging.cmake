# "cpack -G DEB" in the build folder makes kadro_VERSION_amd64.deb; its dependencies come
# from dpkg-shlibdeps, which reads what the programs and modules link.
set(CPACK_PACKAGE_NAME kadro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Kadro developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn pictures into tile data for the VT03 console chip")
set(CPACK_PACKAGE_DESCRIPTION
    "Kadro takes an ordinary picture, reduces its colours to what the VT03 console
chip can show, cuts an area into character tiles, fits the colours into 16
palettes, removes duplicate tiles, splits the pattern table into 8 KB banks,
and writes the binary and 6502-assembler data that a console program
includes. It comes as a desktop program (kadro) and as a command line for
build scripts (kadro-cli).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kadro developers <developers@kadro.io>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kadro.io/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# WMF pictures need ImageMagick's extra coders, which nothing links; Chinese texts need a font,
# and Qt's own buttons and dialogs its translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libmagickcore-6.q16-6-extra, fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
