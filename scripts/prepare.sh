# Shared by ./run and ./test: installs what is missing, then configures and builds.
# Sourced, not run: it leaves BUILD_DIR set for the caller.
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${KADRO_BUILD_DIR:-$ROOT_DIR/build}
# A configure preset of CMakePresets.json: dev, or ci (warnings stop the build).
PRESET=${KADRO_PRESET:-dev}

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libmagickwand-6.q16-dev libmagickcore-6.q16-6-extra libspng-dev
    cc65 mame xvfb xauth imagemagick
    qt6-base-dev fonts-wqy-microhei qt6-tools-dev qt6-l10n-tools
    libcli11-dev nlohmann-json3-dev
    dpkg-dev file lintian desktop-file-utils appstream
)
# The sanitizer and fuzzing steps of .ci/run (scripts/sanitize.sh, scripts/fuzz.sh) also need
# clang with libFuzzer, and llvm-symbolizer for readable reports.
if [ -n "${KADRO_FUZZ_TOOLS:-}" ]; then
    PACKAGES+=(clang libclang-rt-14-dev llvm)
fi

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
        (cd "$ROOT_DIR" && cmake --preset "$PRESET" -B "$BUILD_DIR")
    fi
    cmake --build "$BUILD_DIR" -j "$(nproc)"
}

install_missing
build
