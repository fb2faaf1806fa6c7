#!/usr/bin/env bash
# Builds the program and runs its main job on the example project.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build

EXAMPLE="$BUILD/example/Example.Spc"
mkdir -p "$(dirname "$EXAMPLE")"
"$BUILD/src/cli/thermavo-cli" new "$EXAMPLE"
echo "Wrote $EXAMPLE"
"$BUILD/src/cli/thermavo-cli" summary "$EXAMPLE"
