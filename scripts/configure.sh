#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by build.sh and test.sh: one way to configure a build folder.
#   telvorin_configure BUILD_DIR [extra cmake arguments...]
# Configures with Ninja, Debug unless the arguments say otherwise, and ccache where it is
# installed; the output goes to BUILD_DIR/configure.log and is shown only on failure.

telvorin_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# ccache keeps rebuilds of an unchanged file cheap across build folders and clones:
# paths below the source root are hashed relative to it.
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$telvorin_root CCACHE_NOHASHDIR=true
fi

telvorin_configure() {
    local build=$1
    shift
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    mkdir -p "$build"
    cmake -S "$telvorin_root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" "$@" \
        >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; return 1; }
}
