#!/usr/bin/env bash
# Builds everything and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build -DTHERMAVO_BUILD_TESTS=ON
ctest --test-dir "$BUILD" --output-on-failure --no-tests=error
