# Shared by scripts/run and scripts/test: installs the Debian packages a build
# needs when they are missing, then configures and builds the project.
set -euo pipefail

TOP="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What the program needs to build and run: with the Arabic faces its windows
# use and the platform's Arabic texts for its dialogs.
# The chart of the result per surah draws with Qt Charts (whose CMake files
# ask for Qt OpenGL's) and writes SVG with Qt SVG.
PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev
    qt6-svg-dev fonts-noto-core fonts-dejavu-core qt6-translations-l10n)
# What the tests and the timings need besides.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang-format python3)
# What the fuzz targets need: clang and its runtime, which carries libFuzzer.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# What bench/compare.sh needs besides: it times whole processes.
BENCH_PACKAGES=(hyperfine time)

ensure_packages() {
    local missing=()
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build_project DIR [CMAKE OPTION ...]
build_project() {
    local dir="$1"
    shift
    cmake -S "$TOP" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j2
}
