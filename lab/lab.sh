#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Telvorin lab: a private LAN of emulated storage devices built from network
# namespaces, so the program can search and talk to devices without touching the
# machine's own network.
#
#   lab.sh up [CONFIG.json] [DIR] [OWNER_PID]
#                                   bring a lab up (root); prints DIR on its last line.
#                                   With OWNER_PID the lab tears itself down when that
#                                   process ends without doing so (a crashed test).
#   lab.sh down DIR                 tear that lab down and remove DIR
#   lab.sh down-all                 tear down every leftover lab of this project
#   lab.sh exec DIR CMD...          run CMD in the lab's pc namespace (with its hosts file)
#
# Shape: a "pc" namespace with one veth link per segment, and one namespace per segment
# holding that segment's device addresses, the device emulator, smbd with the devices'
# shares and an HTTP server on port 80 for each device that has one. DIR keeps lab.json
# (what the C++ fixture reads), the emulator's request records and the share directories.
#
# The emulator binary is found through $TELVORIN_EMULATOR, else
# $TELVORIN_BINARY_DIR/emulator/telvorin-emulator, else the usual build directories.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")
PREFIX_ALL=tvl

die() { echo "lab.sh: $*" >&2; exit 1; }

need_root() {
    [[ $(id -u) -eq 0 ]] || die "needs root (network namespaces, smbd)"
    command -v ip >/dev/null || die "ip (iproute2) is missing"
}

find_emulator() {
    local c
    for c in "${TELVORIN_EMULATOR:-}" \
             "${TELVORIN_BINARY_DIR:+$TELVORIN_BINARY_DIR/emulator/telvorin-emulator}" \
             "$source_dir/build/emulator/telvorin-emulator" \
             "$source_dir/build-release/emulator/telvorin-emulator"; do
        if [[ -n $c && -x $c ]]; then echo "$c"; return; fi
    done
    die "telvorin-emulator not found (build it, or set TELVORIN_EMULATOR)"
}

python() { if [[ -x /usr/bin/python3 ]]; then /usr/bin/python3 "$@"; else python3 "$@"; fi; }

# Starts a long-running process inside a namespace and remembers its pid.
start_in() {
    local ns=$1 log=$2; shift 2
    setsid ip netns exec "$ns" "$@" </dev/null >"$log" 2>&1 &
    started_pid=$!
    echo "$started_pid" >>"$dir/pids"
}

# Waits for the emulator of segment $1 to listen; a bad device file ends it at once,
# and then its own words are the useful error.
wait_for_emulator() {
    local i=$1 pid=$2 deadline=$((SECONDS + 10))
    while [[ ! -f $dir/seg$i/emulator.ready ]]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            cat "$dir/seg$i/emulator.log" >&2
            die "the emulator of segment $i stopped"
        fi
        ((SECONDS <= deadline)) || die "timed out waiting for the emulator of segment $i"
        sleep 0.05
    done
}

# Waits for a test command to succeed, saying on stderr what it waits for and, every
# five seconds, that it still does (stdout carries only the lab's directory).
# Returns 1 when the time is up.
poll_until() {  # what, seconds, test command...
    local what=$1 limit=$2 start=$SECONDS next=$((SECONDS + 5)); shift 2
    echo "lab.sh: waiting for $what (up to ${limit} s)" >&2
    while ((SECONDS - start <= limit)); do
        if "$@" >/dev/null 2>&1; then
            ((SECONDS - start < 2)) || echo "lab.sh: $what is ready after $((SECONDS - start)) s" >&2
            return 0
        fi
        if ((SECONDS >= next)); then
            echo "lab.sh: still waiting for $what ($((SECONDS - start)) s)" >&2
            next=$((SECONDS + 5))
        fi
        sleep 0.1
    done
    return 1
}

wait_for() {  # what, seconds, test command...
    poll_until "$@" || die "timed out after $2 s waiting for $1"
}

start_nmbd() {  # ns conf
    start_in "$1" "${2%.conf}.out" nmbd --foreground --no-process-group -d 2 -s "$2"
    nmbd_pid[$2]=$started_pid
}

# Waits until the name of one nmbd resolves by broadcast from the pc namespace. Now and
# then an nmbd never answers although its twin on the segment does; a fresh one does, so
# after a while the silent one is replaced, its log shown first.
wait_for_name_server() {  # ns conf
    local ns=$1 conf=$2 name attempt limit=${TELVORIN_LAB_NAME_WAIT:-40}
    name=$(sed -n 's/^  netbios name = //p' "$conf")
    for attempt in 1 2 3; do
        poll_until "the name server of $name" "$limit" ip netns exec "$PC_NS" nmblookup "$name" &&
            return 0
        local pid=${nmbd_pid[$conf]} log=${conf%/nmbd.conf}/log/log.nmbd
        {
            echo "lab.sh: the name server of $name does not answer (pid $pid," \
                "$(kill -0 "$pid" 2>/dev/null && echo running || echo gone)); its last words:"
            tail -n 20 "${conf%.conf}.out" "$log" 2>/dev/null
            ip netns exec "$ns" ss -Hlnup 'sport = :137' 2>/dev/null
        } >&2
        ((attempt < 3)) || break
        { kill -KILL "$pid" && wait "$pid"; } 2>/dev/null || true
        start_nmbd "$ns" "$conf"
    done
    die "the name server of $name never answered"
}

listening() {  # ns proto port [address]
    local out
    out=$(ip netns exec "$1" ss -Hln"${2:0:1}" "sport = :$3" 2>/dev/null) || return 1
    [[ -n $out ]] || return 1
    [[ -z ${4:-} || $out == *"$4:$3"* || $out == *"*:$3"* || $out == *"0.0.0.0:$3"* ]]
}

teardown() {
    local dir=$1
    [[ -f $dir/plan.sh ]] || { rm -rf "$dir"; return 0; }
    # shellcheck disable=SC1091
    source "$dir/plan.sh"
    if [[ -f $dir/pids ]]; then
        local pid
        while read -r pid; do kill -TERM "$pid" 2>/dev/null || true; done <"$dir/pids"
        for _ in $(seq 20); do
            local alive=0
            while read -r pid; do kill -0 "$pid" 2>/dev/null && alive=1; done <"$dir/pids"
            [[ $alive -eq 0 ]] && break
            sleep 0.1
        done
        while read -r pid; do kill -KILL "$pid" 2>/dev/null || true; done <"$dir/pids"
    fi
    local i
    for ((i = 0; i < SEGMENTS; i++)); do
        local v=SEG_NS_$i
        kill_namespace "${!v}"
    done
    kill_namespace "$PC_NS"
    [[ ${TELVORIN_LAB_KEEP:-0} == 1 ]] || rm -rf "$dir"
}

# Ends what still runs inside one of our namespaces (smbd children, strays) and deletes it.
kill_namespace() {
    local ns=$1 pid
    if [[ -e /run/netns/$ns ]]; then
        for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -KILL "$pid" 2>/dev/null || true; done
        ip netns del "$ns" 2>/dev/null || true
    fi
    rm -rf "/etc/netns/$ns"
}

cmd_up() {
    need_root
    command -v smbd >/dev/null || die "smbd is missing (package samba)"
    local config=${1:-$here/default-lab.json}
    [[ -f $config ]] || die "no config $config"
    local owner=${3:-}
    [[ -z $owner || $owner =~ ^[0-9]+$ ]] || die "OWNER_PID must be a process id"
    dir=${2:-}
    if [[ -z $dir ]]; then
        dir=$(mktemp -d /tmp/telvorin-lab.XXXXXX)
    else
        mkdir -p "$dir"
    fi
    chmod 755 "$dir"
    # Whatever stops the bring-up (a failed command, die, a signal) tears down what exists.
    trap 'echo "lab.sh: bringing the lab up failed; tearing down" >&2; teardown "$dir"' EXIT
    trap 'exit 1' INT TERM
    local emulator
    emulator=$(find_emulator)
    local suffix
    suffix=$(od -An -N3 -tx1 /dev/urandom | tr -d ' \n')
    python "$here/labconfig.py" "$config" "$dir" "$suffix" || die "bad config $config"
    : >"$dir/pids"
    local -a emulator_pids=()
    local -A nmbd_pid=()
    # shellcheck disable=SC1091
    source "$dir/plan.sh"

    ip netns add "$PC_NS"
    ip -n "$PC_NS" link set lo up
    local i
    for ((i = 0; i < SEGMENTS; i++)); do
        local ns=SEG_NS_$i pcif=SEG_PCIF_$i segif=SEG_IF_$i pcaddr=SEG_PCADDR_$i addrs=SEG_ADDRS_$i
        ns=${!ns} pcif=${!pcif} segif=${!segif} pcaddr=${!pcaddr} addrs=${!addrs}
        ip netns add "$ns"
        ip -n "$ns" link set lo up
        ip -n "$PC_NS" link add "$pcif" type veth peer name "$segif" netns "$ns"
        ip -n "$PC_NS" addr add "$pcaddr" dev "$pcif"
        ip -n "$PC_NS" link set "$pcif" up
        ip -n "$PC_NS" route add 224.0.0.0/4 dev "$pcif" metric $((100 + i))
        local batch="$dir/seg$i/addrs.batch" a
        : >"$batch"
        for a in $addrs; do echo "addr add $a dev $segif" >>"$batch"; done
        ip -n "$ns" -batch "$batch"
        ip -n "$ns" link set "$segif" up
        ip -n "$ns" route add 224.0.0.0/4 dev "$segif"

        # Names the smbd of this segment knows: the machine's own plus the lab users.
        mkdir -p "/etc/netns/$ns"
        cp /etc/passwd "/etc/netns/$ns/passwd"
        cp /etc/group "/etc/netns/$ns/group"
        local user pass
        while IFS=$'\t' read -r user pass; do
            [[ -n $user ]] || continue
            grep -q "^$user:" "/etc/netns/$ns/passwd" ||
                echo "$user:x:65534:65534:lab user:/nonexistent:/usr/sbin/nologin" >>"/etc/netns/$ns/passwd"
        done <"$dir/seg$i/users"

        start_in "$ns" "$dir/seg$i/emulator.log" "$emulator" --config "$dir/seg$i/emulator.json" \
            --interface "$segif" --record "$dir/seg$i/requests.log" --state "$dir/seg$i/state.json" \
            --ready "$dir/seg$i/emulator.ready"
        emulator_pids[i]=$started_pid

        local smb=SEG_SMB_$i
        if [[ ${!smb} == 1 ]]; then
            local conf="$dir/seg$i/samba/smb.conf"
            while IFS=$'\t' read -r user pass; do
                [[ -n $user ]] || continue
                printf '%s\n%s\n' "$pass" "$pass" |
                    ip netns exec "$ns" pdbedit -s "$conf" -a -u "$user" -t >/dev/null 2>&1 ||
                    die "could not add lab user $user"
            done <"$dir/seg$i/users"
            start_in "$ns" "$dir/seg$i/samba/smbd.out" smbd --foreground --no-process-group -s "$conf"
            local nmbd=SEG_NMBD_$i nconf
            if command -v nmbd >/dev/null; then
                for nconf in ${!nmbd}; do start_nmbd "$ns" "$nconf"; done
            fi
        fi

        local http=SEG_HTTP_$i entry
        for entry in ${!http}; do
            start_in "$ns" "$dir/seg$i/http-${entry%%=*}.log" \
                "$(command -v /usr/bin/python3 || command -v python3)" -m http.server 80 \
                --bind "${entry%%=*}" --directory "${entry#*=}"
        done
    done
    mkdir -p "/etc/netns/$PC_NS"
    cp "$dir/hosts" "/etc/netns/$PC_NS/hosts"

    for ((i = 0; i < SEGMENTS; i++)); do
        local ns=SEG_NS_$i smb=SEG_SMB_$i http=SEG_HTTP_$i entry
        ns=${!ns}
        echo "lab.sh: waiting for the emulator of segment $i" >&2
        wait_for_emulator "$i" "${emulator_pids[i]}"
        if [[ ${!smb} == 1 ]]; then wait_for "smbd of segment $i" 15 listening "$ns" tcp 445; fi
        for entry in ${!http}; do
            wait_for "the web server on ${entry%%=*}" 10 listening "$ns" tcp 80 "${entry%%=*}"
        done
        local nmbd=SEG_NMBD_$i nconf
        # Names resolve by broadcast once nmbd has claimed them, a few seconds after start.
        if command -v nmbd >/dev/null && command -v nmblookup >/dev/null; then
            for nconf in ${!nmbd}; do wait_for_name_server "$ns" "$nconf"; done
        fi
    done
    trap - EXIT INT TERM
    if [[ -n $owner ]]; then
        setsid "$BASH" "$here/lab.sh" watch "$dir" "$owner" </dev/null >/dev/null 2>&1 &
    fi
    echo "$dir"
}

cmd_down() {
    need_root
    [[ -n ${1:-} ]] || die "usage: lab.sh down DIR"
    [[ -d $1 ]] || return 0
    teardown "$1"
}

cmd_down_all() {
    need_root
    local d ns
    for d in /tmp/telvorin-lab.*; do
        [[ -d $d ]] && teardown "$d"
    done
    # Namespaces whose state directory is already gone.
    for ns in /run/netns/${PREFIX_ALL}*; do
        ns=${ns##*/}
        [[ $ns =~ ^${PREFIX_ALL}[0-9a-f]{6}-(pc|s[0-9]+)$ ]] && kill_namespace "$ns"
    done
    for d in /etc/netns/${PREFIX_ALL}*; do
        [[ -d $d ]] && [[ $(basename "$d") =~ ^${PREFIX_ALL}[0-9a-f]{6}-(pc|s[0-9]+)$ ]] && rm -rf "$d"
    done
    return 0
}

# Waits for the owner to end; tears the lab down if the owner left it behind.
cmd_watch() {
    local dir=$1 owner=$2
    while [[ -d $dir ]] && kill -0 "$owner" 2>/dev/null; do sleep 1; done
    if [[ -d $dir ]]; then teardown "$dir"; fi
}

cmd_exec() {
    need_root
    local dir=${1:-}; shift || true
    [[ -f $dir/plan.sh && $# -gt 0 ]] || die "usage: lab.sh exec DIR CMD..."
    # shellcheck disable=SC1091
    source "$dir/plan.sh"
    exec ip netns exec "$PC_NS" "$@"
}

case ${1:-} in
    up) shift; cmd_up "$@" ;;
    down) shift; cmd_down "$@" ;;
    down-all) cmd_down_all ;;
    exec) shift; cmd_exec "$@" ;;
    watch) shift; need_root; cmd_watch "$@" ;;
    *) echo "usage: lab.sh up [CONFIG] [DIR] | down DIR | down-all | exec DIR CMD..." >&2; exit 2 ;;
esac
