#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Write speed of `telvorin-probe install bt` (the 6.9 MB package program onto a lab
# device's share) against `smbclient put` of the same file to the same share, both from
# the lab's pc namespace. Prints figures only, no pass or fail. Needs root and a build.
#   bench/install.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-5}
probe=$build/tools/probe/telvorin-probe
payload=$build/standins/telvorin/payload
export TELVORIN_EMULATOR=$build/emulator/telvorin-emulator
[[ -x $probe && -x $TELVORIN_EMULATOR && -f $payload/BT/215 ]] ||
    { echo "bench/install.sh: build first (scripts/build.sh $build)" >&2; exit 1; }
[[ $(id -u) -eq 0 ]] || { echo "bench/install.sh: needs root (network namespaces)" >&2; exit 1; }
command -v smbclient >/dev/null || { echo "bench/install.sh: smbclient is missing" >&2; exit 1; }

work=$(mktemp -d /tmp/telvorin-bench-install.XXXXXX)
lab=""
cleanup() {
    [[ -n $lab ]] && "$root/lab/lab.sh" down "$lab" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/lab.json" <<'JSON'
{"segments": [{"reply": "multicast", "devices": [
  {"name": "BENCH-BT", "ip": "10.64.0.10", "netmask": "255.255.0.0", "volumes": ["HDD_1"], "smb": true}]}]}
JSON
lab=$("$root/lab/lab.sh" up "$work/lab.json" | tail -n 1)
size=$(stat -c %s "$payload/BT/215")
in_pc() { "$root/lab/lab.sh" exec "$lab" "$@"; }

printf '%-6s %12s %12s %8s %12s\n' round "probe MB/s" "smbclient" ratio "probe ms"
sum_probe=0 sum_smb=0
for ((r = 1; r <= rounds; r++)); do
    # The probe's figures for bt: the whole extraction (reading the device file, staging
    # it, connecting) and, within it, the transfer (write, close and rename on the share),
    # which is what smbclient's "average" covers.
    line=$(in_pc env XDG_DATA_HOME="$build/standins" XDG_DATA_DIRS=/nonexistent "$probe" install bt 10.64.0.10 |
        grep -F 'BT\\bt"')
    ms=$(sed -n 's/.*"ms":\([0-9]*\).*/\1/p' <<<"$line")
    transfer=$(sed -n 's/.*"transferMs":\([0-9]*\).*/\1/p' <<<"$line")
    [[ -n $ms && -n $transfer ]] || { echo "bench/install.sh: the probe wrote nothing" >&2; exit 1; }
    ((transfer > 0)) || transfer=1
    probe_mbs=$(awk -v b="$size" -v ms="$transfer" 'BEGIN { printf "%.1f", b / ms / 1000 }')
    # smbclient's own figure for the transfer alone ("average ... kb/s", 1 kb = 1024 bytes).
    kbs=$(in_pc smbclient -N //10.64.0.10/HDD_1 -c "put $payload/BT/215 Nas_Prog/BT/bt-smbclient" 2>&1 |
        sed -n 's/.*(average \([0-9.]*\) kb\/s).*/\1/p' | tail -n 1)
    [[ -n $kbs ]] || { echo "bench/install.sh: smbclient put failed" >&2; exit 1; }
    smb_mbs=$(awk -v k="$kbs" 'BEGIN { printf "%.1f", k * 1024 / 1e6 }')
    ratio=$(awk -v a="$probe_mbs" -v b="$smb_mbs" 'BEGIN { printf "%.2f", a / b }')
    printf '%-6s %12s %12s %8s %12s\n' "$r" "$probe_mbs" "$smb_mbs" "$ratio" "$ms"
    sum_probe=$(awk -v s="$sum_probe" -v x="$probe_mbs" 'BEGIN { print s + x }')
    sum_smb=$(awk -v s="$sum_smb" -v x="$smb_mbs" 'BEGIN { print s + x }')
done
awk -v p="$sum_probe" -v s="$sum_smb" -v n="$rounds" \
    'BEGIN { printf "mean   %12.1f %12.1f %8.2f   (goal: ratio >= 0.90)\n", p / n, s / n, p / s }'
