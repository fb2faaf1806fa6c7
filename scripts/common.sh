# Shared by the two set-up commands: installs missing Debian packages, configures and builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${THERMAVO_BUILD_DIR:-$ROOT/build}"

# Packages every build needs; the test command adds its own.
BUILD_PACKAGES=(g++ cmake ninja-build nlohmann-json3-dev libcli11-dev qt6-base-dev qt6-svg-dev fonts-liberation)
# Building the Debian package: help2man makes a manual page, dpkg-dev finds the dependencies.
PACKAGE_PACKAGES=(help2man dpkg-dev file)
# The packaging tests validate the desktop files and query the file type databases; one suite
# paints on a virtual X server.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev "${PACKAGE_PACKAGES[@]}" desktop-file-utils appstream
               libxml2-utils shared-mime-info xdg-utils libfile-mimeinfo-perl libglib2.0-bin strace
               xvfb xauth)
# The sanitizer and fuzzing builds: clang with its sanitizer and libFuzzer runtimes.
CLANG_PACKAGES=(clang libclang-rt-14-dev llvm)

ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" = 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    else
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
}

configure_and_build() {
    cmake -S "$ROOT" -B "$BUILD" -G Ninja "$@"
    cmake --build "$BUILD" --parallel
}
