#!/usr/bin/env bash
# Builds the Debian package: a Release build for the /usr prefix in its own folder, packed by
# CPack into build/thermavo_<version>_<arch>.deb (install it with apt-get install ./build/...).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

PACKAGE_BUILD="${THERMAVO_PACKAGE_BUILD_DIR:-$ROOT/build-package}"
cmake -S "$ROOT" -B "$PACKAGE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr -DTHERMAVO_BUILD_TESTS=OFF
cmake --build "$PACKAGE_BUILD" --parallel
(cd "$PACKAGE_BUILD" && cpack -G DEB)
mkdir -p "$BUILD"
cp "$PACKAGE_BUILD"/thermavo_*.deb "$BUILD"/
ls -l "$BUILD"/thermavo_*.deb
