#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the main window over 1, 2, 4 and 8 lab segments, and then over one segment with
# 4,000 devices: start to shown, to the first row and to the full list, and the longest
# gap of its event loop while the rows stream in, during a Refresh, a device click and an
# Apply against a device that answers only the search, and a Connect and Disconnect over
# GVfs; and the time from starting `telvorin-probe search --stream` to its first line and
# to its end. Needs root and a build (scripts/build.sh); figures only, no pass or fail.
#   bench/window.sh [BUILD_DIR] [SEGMENT_COUNTS...]
#   CROWD=0 skips the 4,000-device run; CROWD=N sets its number of devices.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
shift || true
counts=("$@")
[[ ${#counts[@]} -gt 0 ]] || counts=(1 2 4 8)
bench=$build/bench/telvorin-bench-window
probe=$build/tools/probe/telvorin-probe
export TELVORIN_EMULATOR=$build/emulator/telvorin-emulator
[[ -x $bench && -x $probe && -x $TELVORIN_EMULATOR ]] || { echo "bench/window.sh: build first (scripts/build.sh $build)" >&2; exit 1; }
[[ $(id -u) -eq 0 ]] || { echo "bench/window.sh: needs root (network namespaces)" >&2; exit 1; }

work=$(mktemp -d /tmp/telvorin-bench-window.XXXXXX)
lab=""
cleanup() {
    [[ -n $lab ]] && "$root/lab/lab.sh" down "$lab" || true
    rm -rf "$work"
}
trap cleanup EXIT

# Segment 0 holds a device with a guest share and one that answers only the search, and
# `extra` more devices; every other segment one device of its own.
make_config() {
    local segments=$1 extra=${2:-0} s k
    {
        echo '{"segments": ['
        for ((s = 0; s < segments; s++)); do
            ((s > 0)) && echo ','
            echo '{"reply": "multicast", "devices": ['
            printf '{"name": "BENCH-%d", "ip": "10.%d.0.10", "netmask": "255.255.0.0", "volumes": ["HDD_a"], "smb": %s}' \
                "$s" $((64 + s)) "$( ((s == 0)) && echo true || echo false)"
            ((s == 0)) && printf ',\n{"name": "SILENT", "ip": "10.64.0.11", "netmask": "255.255.0.0", "answers": "search-only"}'
            if ((s == 0)); then
                for ((k = 0; k < extra; k++)); do
                    printf ',\n{"name": "CROWD-%d", "ip": "10.64.%d.%d", "netmask": "255.255.0.0"}' \
                        "$k" $((1 + k / 250)) $((k % 250 + 1))
                done
            fi
            echo ']}'
        done
        echo ']}'
    } >"$work/config.json"
}

run() {
    local segments=$1 extra=$2 label=$3
    make_config "$segments" "$extra"
    lab=$("$root/lab/lab.sh" up "$work/config.json" "$work/lab" | tail -1)
    "$root/lab/lab.sh" exec "$lab" env QT_QPA_PLATFORM=offscreen "$bench" "$label" SILENT BENCH-0 HDD_a ||
        echo "$label: the benchmark failed ($?)"
    # The probe's stream: seconds from its start to its first line and to its end.
    "$root/lab/lab.sh" exec "$lab" /bin/bash -c '
        start=$(date +%s%N) first=""
        while IFS= read -r line; do
            [[ -n $first ]] || first=$(date +%s%N)
            ((++lines))
        done < <("$1" search --stream 2>/dev/null)
        end=$(date +%s%N)
        [[ -n $first ]] || first=$end
        printf "%s probe_stream lines=%d first_line_s=%.3f end_s=%.3f\n" "$2" "${lines:-0}" \
            "$(((first - start) / 1000000))e-3" "$(((end - start) / 1000000))e-3"
    ' _ "$probe" "$label" || echo "$label: the probe failed ($?)"
    "$root/lab/lab.sh" down "$lab"
    lab=""
}

for segments in "${counts[@]}"; do
    run "$segments" 0 "segments=$segments"
done
crowd=${CROWD:-4000}
((crowd > 0)) && run 1 "$crowd" "segments=1,devices=$((crowd + 2))"
exit 0
