#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing and runs the cheap checks first (format, licence lines,
# layers), stopping at once when one fails; then builds Telvorin with warnings as errors
# and runs the unit and GUI tests and the package check; then builds again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test (unit, GUI and lab)
# under them, and fuzzes the reply readers for a minute (clang). Lab tests need root:
# without it they report themselves skipped. Exits non-zero on any failure.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/configure.sh"
root=$telvorin_root
build=${TELVORIN_BUILD_DIR:-$root/build}
sanitize_build=${TELVORIN_SANITIZE_BUILD_DIR:-$root/build-sanitize}
fuzz_seconds=${TELVORIN_FUZZ_SECONDS:-60}
jobs=$(nproc)
status=0

step() { echo; echo "=== $*"; }

step "Packages"
"$root/scripts/install-deps.sh" || exit 1

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

step "Licence lines"
# Every source, build and script file carries the project's SPDX line at its head.
mapfile -t unlicensed < <(cd "$root" && git ls-files '*.cpp' '*.h' '*.py' '*.sh' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' .ci/run |
    while read -r f; do head -2 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"; done)
echo "${#unlicensed[@]} files without the SPDX line"
if ((${#unlicensed[@]} > 0)); then
    printf '  %s\n' "${unlicensed[@]}"
    status=1
fi

step "Translations"
# Every text of the sources is in every .ts, and none is left unfinished.
"$root/scripts/check-translations.sh" || status=1

step "Layers"
# Each folder of src/ includes and links only the folders above it in the README's table.
python3 "$root/scripts/check-layers.py" || status=1

# A misplaced brace or a missing licence line fails here, in seconds, not after the build.
if [[ $status -ne 0 ]]; then
    echo; echo "test.sh: FAILED (checks before the build)"
    exit 1
fi

step "Build ($build)"
# Line tables only: enough for a test's backtrace, and quicker to build.
"$root/scripts/build.sh" "$build" -DTELVORIN_WERROR=ON -DTELVORIN_SANITIZE=OFF -DCMAKE_CXX_FLAGS_DEBUG=-g1 || exit 1

step "Unit and GUI tests"
# The lab tests wait on real networks and mounts for most of their time; they run once,
# in the sanitizer pass below, with everything else again.
(cd "$build" && ctest --output-on-failure -j "$jobs" --timeout 600 -LE '^lab$') || status=1

step "Desktop entry, metainfo and package"
"$root/scripts/check-package.sh" "$build" || status=1

step "Sanitizer build ($sanitize_build)"
# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# unit, GUI and lab tests alike, so every test added anywhere runs here too.
# Line tables are all a sanitizer report needs, and they build faster than full debug
# information.
if telvorin_configure "$sanitize_build" -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTELVORIN_WERROR=ON -DTELVORIN_SANITIZE=ON; then
    if cmake --build "$sanitize_build" -j "$jobs"; then
        step "All tests under the sanitizers"
        (cd "$sanitize_build" &&
            ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                LSAN_OPTIONS=suppressions=$root/scripts/lsan-suppressions.txt \
                ctest --output-on-failure -j "$jobs" --timeout 600) || status=1
    else
        status=1
    fi
else
    status=1
fi

step "Fuzzing the reply readers ($fuzz_seconds s)"
# libFuzzer over the readers of device replies, from the committed corpus; what it
# finds lands in the build directory, the corpus in git stays as it is.
fuzz_build=${TELVORIN_FUZZ_BUILD_DIR:-$root/build-fuzz}
if CC=clang CXX=clang++ telvorin_configure "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTELVORIN_FUZZ=ON -DTELVORIN_BUILD_TESTS=OFF &&
    cmake --build "$fuzz_build" -j "$jobs" --target telvorin-fuzz-replies; then
    rm -rf "$fuzz_build/corpus" && mkdir -p "$fuzz_build/corpus" "$fuzz_build/artifacts"
    cp "$root"/fuzz/corpus/* "$fuzz_build/corpus/"
    "$fuzz_build/fuzz/telvorin-fuzz-replies" -max_total_time="$fuzz_seconds" -print_final_stats=1 \
        -artifact_prefix="$fuzz_build/artifacts/" "$fuzz_build/corpus" >"$fuzz_build/fuzz.log" 2>&1 ||
        { tail -40 "$fuzz_build/fuzz.log" >&2; status=1; }
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|cov:' "$fuzz_build/fuzz.log" | tail -4
else
    status=1
fi

# A crashed lab test can leave its namespaces behind; on a CI machine nothing else of
# ours runs, so sweep them.
if [[ ${CI:-} == true && $(id -u) -eq 0 ]]; then
    "$root/lab/lab.sh" down-all || true
fi

echo
if [[ $status -eq 0 ]]; then echo "test.sh: all passed"; else echo "test.sh: FAILED"; fi
exit $status
