#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Telvorin (installing missing packages first) and starts the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TELVORIN_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
mkdir -p "$build"
"$root/scripts/build.sh" "$build"

program=$(find "$build/src" -name telvorin -type f -perm -u+x -print -quit)
[[ -n $program ]] || { echo "run.sh: the telvorin program was not built" >&2; exit 1; }
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "run.sh: no display (DISPLAY or WAYLAND_DISPLAY) to show the window on" >&2
    exit 1
fi
exec "$program" "$@"
