#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Try Telvorin without hardware: brings up the lab (a private LAN of emulated storage
# devices in network namespaces), starts the window inside the lab's pc namespace on
# your display, and tears the lab down when the window closes.
#
#   sudo lab/demo.sh [CONFIG.json]      (default: lab/default-lab.json)
#   sudo lab/demo.sh flows              (lab/flows-lab.json: Language and BitTorrent)
#
# Root is needed for the namespaces; the window itself runs as the user who called
# sudo. Nothing is sent on the machine's own network: the program only sees the lab's
# links. The program is taken from $TELVORIN_BINARY_DIR, else build/ (scripts/build.sh).
#
# Drive mapping in the demo goes through a GVfs session of its own, started inside the
# pc namespace (your desktop's GVfs lives outside it and cannot reach the lab). The window
# runs with a private HOME and XDG folders in a temporary folder (drive letters, their
# bookmarks, the autostart entry, settings and caches), removed at the end: the demo
# leaves nothing in your home.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")

die() { echo "demo.sh: $*" >&2; exit 1; }

[[ $(id -u) -eq 0 ]] || die "run it with sudo: the lab needs root for its network namespaces"

config=${1:-$here/default-lab.json}
[[ $config != flows ]] || config=$here/flows-lab.json
[[ -f $config ]] || die "no lab config $config"

build=${TELVORIN_BINARY_DIR:-$source_dir/build}
telvorin=$build/src/app/telvorin
[[ -x $telvorin ]] || die "$telvorin is not built; run scripts/build.sh first (as yourself, not root)"
export TELVORIN_BINARY_DIR=$build

# The user whose display the window goes to.
user=${SUDO_USER:-root}
uid=$(id -u "$user")
home=$(getent passwd "$user" | cut -d: -f6)
user_runtime=${XDG_RUNTIME_DIR:-/run/user/$uid}
[[ $user == root || $user_runtime != /run/user/0 ]] || user_runtime=/run/user/$uid

# sudo keeps DISPLAY and XAUTHORITY but drops the Wayland and session variables: find
# them again in the user's runtime directory.
display=${DISPLAY:-}
wayland=${WAYLAND_DISPLAY:-}
if [[ -z $wayland && -S $user_runtime/wayland-0 ]]; then
    wayland=wayland-0
fi
if [[ -n $wayland && $wayland != /* ]]; then
    # An absolute path, so the window finds the compositor whatever XDG_RUNTIME_DIR says.
    wayland=$user_runtime/$wayland
fi
xauthority=${XAUTHORITY:-}
if [[ -z $xauthority && -f $home/.Xauthority ]]; then
    xauthority=$home/.Xauthority
fi
session_bus=${DBUS_SESSION_BUS_ADDRESS:-}
if [[ -z $session_bus && -S $user_runtime/bus ]]; then
    session_bus=unix:path=$user_runtime/bus
fi
platform=${QT_QPA_PLATFORM:-}
if [[ -z $display && -z $wayland && -z $platform ]]; then
    die "no display found (DISPLAY or WAYLAND_DISPLAY); run it from your desktop session"
fi

# What the Language and BitTorrent buttons did to the devices: the codepage and package
# each one was told to take, and the files that landed on its shares.
report_installs() {
    local state f
    for state in "$lab_dir"/seg*/state.json; do
        [[ -f $state ]] || continue
        python3 - "$state" <<'PY' || true
import json, sys
for d in json.load(open(sys.argv[1])).get("devices", []):
    line = f"demo.sh: {d['name']} ({d['ip']}): codepage {d.get('codepage') or '-'}"
    if d.get("writeMode"):
        line += ", install started"
    if d.get("package"):
        line += f", package {d['package']}"
    if d.get("stop"):
        line += ", told to stop after a failed install"
    print(line)
PY
    done
    while IFS= read -r f; do
        echo "demo.sh:   ${f#"$lab_dir"/} ($(stat -c %s "$f") bytes)"
    done < <(find "$lab_dir" -path '*/shares/*' -type f 2>/dev/null | sort)
}

flows_guide() {
    cat <<'TXT'
demo.sh: Language and BitTorrent on these devices (select a device, then press the button):
  ALL-LANGUAGES  all nine languages, Turkish preselected; the package installs (HDD_a)
  SIX-LANGUAGES  six languages (Northern, Central European and Turkish are refused);
                 the codepage files go to hdd_1/.systemfile/.codepages; the package is refused
  UNICODE        "This device supports Unicode."; the package installs
  UNFORMATTED    "Please format hard drive." and the device's web page
  NO-DISK        "No hard drives were detected."
  NO-SHARE       no share to write to: "Please check hard drives.", then the language
                 window again
  A successful install ends with the device's restart wait (90 seconds), then a new search.
TXT
}

lab_dir=
scratch=
cleanup() {
    local rc=$?
    trap - EXIT INT TERM
    if [[ -n $lab_dir ]]; then
        report_installs
        echo "demo.sh: tearing the lab down"
        "$here/lab.sh" down "$lab_dir" || true
    fi
    if [[ -n $scratch ]]; then
        # A FUSE mount left by the private GVfs session would keep the folder busy.
        fusermount3 -uz "$scratch/runtime/gvfs" 2>/dev/null || true
        rm -rf "$scratch"
    fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "demo.sh: bringing the lab up from $config"
# With our pid as owner the lab also goes away if this script is killed outright.
lab_dir=$("$here/lab.sh" up "$config" "" "$$" | tail -n 1)
[[ -d $lab_dir ]] || die "the lab did not come up"
echo "demo.sh: lab in $lab_dir; starting Telvorin as $user"
[[ $config != "$here/flows-lab.json" ]] || flows_guide

scratch=$(mktemp -d /tmp/telvorin-demo.XXXXXX)
mkdir -p "$scratch/runtime" "$scratch/data/telvorin" "$scratch/home" "$scratch/config" "$scratch/cache" \
    "$scratch/state"
chmod 700 "$scratch/runtime"
# The build's stand-in device files, where the program looks first, so Language and
# BitTorrent install something on the emulated devices.
if [[ -d $build/standins/telvorin/payload ]]; then
    ln -s "$build/standins/telvorin/payload" "$scratch/data/telvorin/payload"
else
    echo "demo.sh: no stand-in device files in $build/standins; installs will say they are missing" >&2
fi
chown -R "$user" "$scratch"

env_args=(
    "HOME=$scratch/home"
    "USER=$user"
    "LOGNAME=$user"
    "PATH=/usr/local/bin:/usr/bin:/bin"
    "XDG_CONFIG_HOME=$scratch/config"
    "XDG_DATA_HOME=$scratch/data"
    "XDG_CACHE_HOME=$scratch/cache"
    "XDG_STATE_HOME=$scratch/state"
    "XDG_RUNTIME_DIR=$scratch/runtime"
)
[[ -n $display ]] && env_args+=("DISPLAY=$display")
[[ -n $wayland ]] && env_args+=("WAYLAND_DISPLAY=$wayland")
[[ -n $xauthority ]] && env_args+=("XAUTHORITY=$xauthority")
[[ -n $platform ]] && env_args+=("QT_QPA_PLATFORM=$platform")
[[ -n ${LANG:-} ]] && env_args+=("LANG=$LANG")

if [[ -x /usr/libexec/gvfsd && -x /usr/libexec/gvfsd-fuse ]] && command -v dbus-run-session >/dev/null; then
    # A session bus and GVfs of the demo's own, inside the pc namespace. The bus starts
    # nothing by itself: an activated keyring would wait for a prompt nobody answers.
    # The window starts only once gvfsd is on the bus, or GIO would settle for local
    # files and refuse every smb:// mount.
    cat >"$scratch/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <keep_umask/>
  <listen>unix:tmpdir=$scratch/runtime</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
    chown "$user" "$scratch/bus.conf"
    session='/usr/libexec/gvfsd --no-fuse >/dev/null 2>&1 &
gdbus wait --session --timeout 10 org.gtk.vfs.Daemon || echo "demo.sh: gvfsd did not start; drive mapping will fail" >&2
mkdir -p "$XDG_RUNTIME_DIR/gvfs"
/usr/libexec/gvfsd-fuse "$XDG_RUNTIME_DIR/gvfs" -f >/dev/null 2>&1 &
for _ in $(seq 50); do mountpoint -q "$XDG_RUNTIME_DIR/gvfs" && break; sleep 0.1; done
"$0"
rc=$?
fusermount3 -uz "$XDG_RUNTIME_DIR/gvfs" 2>/dev/null
exit $rc'
    set +e
    "$here/lab.sh" exec "$lab_dir" runuser -u "$user" -- env -i "${env_args[@]}" \
        dbus-run-session --config-file="$scratch/bus.conf" -- /bin/bash -c "$session" "$telvorin"
    rc=$?
    set -e
else
    # No GVfs here: the program still searches and configures devices; drive mapping
    # goes to the desktop's own session bus, which cannot reach the lab.
    [[ -n $session_bus ]] && env_args+=("DBUS_SESSION_BUS_ADDRESS=$session_bus")
    set +e
    "$here/lab.sh" exec "$lab_dir" runuser -u "$user" -- env -i "${env_args[@]}" "$telvorin"
    rc=$?
    set -e
fi
echo "demo.sh: Telvorin ended ($rc)"
exit "$rc"
