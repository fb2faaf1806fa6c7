#!/usr/bin/env bash
# Builds everything and runs every test; then builds again with clang under the address and
# undefined-behaviour sanitizers and runs every test there too (scripts/sanitize.sh; set
# THERMAVO_SANITIZE=0 to skip that part).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build -DTHERMAVO_BUILD_TESTS=ON
ctest --test-dir "$BUILD" --output-on-failure --no-tests=error
if [ "${THERMAVO_SANITIZE:-1}" != 0 ]; then
    bash "$ROOT/scripts/sanitize.sh"
fi
