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

step "Desktop entry, metainfo and package"
"$root/scripts/check-package.sh" "$build" || status=1

step "Sanitizer build ($sanitize_build)"
# Only what the sanitized tests run is built: the unit tests and the malformed-input
# lab test (which pulls in the probe and the emulator).
labels='unit|sanitize'
mkdir -p "$sanitize_build"
if cmake -S "$root" -B "$sanitize_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DTELVORIN_WERROR=ON -DTELVORIN_SANITIZE=ON >"$sanitize_build/configure.log" 2>&1; then
    mapfile -t tests < <(cd "$sanitize_build" && ctest -N -L "$labels" | sed -n 's/^ *Test *#[0-9]*: *//p')
    declare -A known=()
    while read -r t; do known[$t]=1; done < <(ninja -C "$sanitize_build" -t targets all | sed -n 's/^\([^:]*\): .*/\1/p')
    targets=()
    for t in "${tests[@]}"; do
        [[ -n ${known[$t]:-} ]] && targets+=("$t")
    done
    if cmake --build "$sanitize_build" -j "$jobs" --target "${targets[@]}"; then
        step "Unit tests under the sanitizers"
        (cd "$sanitize_build" &&
            ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                ctest --output-on-failure -j "$jobs" -L "$labels" --timeout 600) || status=1
    else
        status=1
    fi
else
    cat "$sanitize_build/configure.log" >&2
    status=1
fi

# A crashed lab test can leave its namespaces behind; on a CI machine nothing else of
# ours runs, so sweep them.
if [[ ${CI:-} == true && $(id -u) -eq 0 ]]; then
    "$root/lab/lab.sh" down-all || true
fi

step "Format"
# Every tracked C++ file must match .clang-format; any difference fails the run.
if command -v clang-format >/dev/null; then
    mapfile -t sources < <(cd "$root" && git ls-files '*.cpp' '*.h' 2>/dev/null)
    unformatted=()
    for f in "${sources[@]}"; do
        clang-format --dry-run "$root/$f" 2>&1 | grep -q . && unformatted+=("$f")
    done
    echo "${#unformatted[@]} of ${#sources[@]} source files differ from .clang-format"
    if ((${#unformatted[@]} > 0)); then
        printf '  %s\n' "${unformatted[@]}"
        status=1
    fi
else
    echo "clang-format is missing (scripts/install-deps.sh installs it)" >&2
    status=1
fi

echo
if [[ $status -eq 0 ]]; then echo "test.sh: all passed"; else echo "test.sh: FAILED"; fi
exit $status
