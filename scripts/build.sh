#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Telvorin into a build directory.
#   scripts/build.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/configure.sh"
build=${1:-$telvorin_root/build}
shift || true
telvorin_configure "$build" "$@"
cmake --build "$build" -j "$(nproc)"
