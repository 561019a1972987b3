#!/bin/bash
# Installs what is missing, builds Telvorin with warnings as errors and runs every test;
# then builds again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# unit tests (and the malformed-input lab test) under them. Lab tests need root: without
# it they report themselves skipped. Exits non-zero on any failure.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TELVORIN_BUILD_DIR:-$root/build}
sanitize_build=${TELVORIN_SANITIZE_BUILD_DIR:-$root/build-sanitize}
jobs=$(nproc)
status=0

step() { echo; echo "=== $*"; }

step "Packages"
"$root/scripts/install-deps.sh" || exit 1

step "Build ($build)"
mkdir -p "$build"
"$root/scripts/build.sh" "$build" -DTELVORIN_WERROR=ON -DTELVORIN_SANITIZE=OFF || exit 1

step "Tests"
(cd "$build" && ctest --output-on-failure -j "$jobs" --timeout 600) || status=1

step "Sanitizer build ($sanitize_build)"
mkdir -p "$sanitize_build"
if "$root/scripts/build.sh" "$sanitize_build" -DTELVORIN_WERROR=ON -DTELVORIN_SANITIZE=ON; then
    step "Unit tests under the sanitizers"
    (cd "$sanitize_build" &&
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            ctest --output-on-failure -j "$jobs" -L 'unit|sanitize' --timeout 600) || status=1
else
    status=1
fi

echo
if [[ $status -eq 0 ]]; then echo "test.sh: all passed"; else echo "test.sh: FAILED"; fi
exit $status
