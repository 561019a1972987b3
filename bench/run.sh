#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times searches over 1, 2, 4 and 8 lab segments with 1, 50 and 500 emulated devices
# (spread evenly over the segments), printing devices found and seconds. Needs root
# and a build (scripts/build.sh); figures only, no pass or fail.
#   bench/run.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
rounds=${2:-3}
bench=$build/bench/telvorin-bench-search
export TELVORIN_EMULATOR=$build/emulator/telvorin-emulator
[[ -x $bench && -x $TELVORIN_EMULATOR ]] || { echo "bench/run.sh: build first (scripts/build.sh $build)" >&2; exit 1; }
[[ $(id -u) -eq 0 ]] || { echo "bench/run.sh: needs root (network namespaces)" >&2; exit 1; }

work=$(mktemp -d /tmp/telvorin-bench.XXXXXX)
lab=""
cleanup() {
    [[ -n $lab ]] && "$root/lab/lab.sh" down "$lab" || true
    rm -rf "$work"
}
trap cleanup EXIT

# Device k goes to segment k mod S, at 10.(64+s).(j/200).(j%200+10) for its index j there.
make_config() {
    local segments=$1 devices=$2 s k
    {
        echo '{"segments": ['
        for ((s = 0; s < segments; s++)); do
            ((s > 0)) && echo ','
            echo '{"reply": "multicast", "devices": ['
            local first=1 j=0
            for ((k = s; k < devices; k += segments)); do
                ((first)) || echo ','
                first=0
                printf '{"name": "BENCH-%d", "ip": "10.%d.%d.%d", "netmask": "255.255.0.0"}' \
                    "$k" $((64 + s)) $((j / 200)) $((j % 200 + 10))
                j=$((j + 1))
            done
            echo ']}'
        done
        echo ']}'
    } >"$work/config.json"
}

printf '%-9s %-8s %-6s %-8s %s\n' segments devices found seconds "(per round)"
for segments in 1 2 4 8; do
    for devices in 1 50 500; do
        make_config "$segments" "$devices"
        lab=$("$root/lab/lab.sh" up "$work/config.json" "$work/lab" | tail -1)
        out=$("$root/lab/lab.sh" exec "$lab" "$bench" "$rounds")
        "$root/lab/lab.sh" down "$lab"
        lab=""
        found=$(echo "$out" | sed -n 's/.*found=\([0-9]*\).*/\1/p' | tr '\n' ' ')
        secs=$(echo "$out" | sed -n 's/.*seconds=\([0-9.]*\).*/\1/p' | tr '\n' ' ')
        printf '%-9s %-8s %-6s %-8s %s\n' "$segments" "$devices" "${found%% *}" "${secs%% *}" "found: $found s: $secs"
    done
done
