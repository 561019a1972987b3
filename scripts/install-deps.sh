#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Telvorin needs to build, run and test. Quick and
# silent when everything is there; as root it installs what is missing, otherwise it
# prints the one apt-get line to run.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang-format ccache
    clang libclang-rt-14-dev
    qt6-base-dev qt6-base-private-dev qt6-svg-dev libglib2.0-dev libglib2.0-bin libsmbclient-dev
    libgtest-dev libgmock-dev
    samba smbclient gvfs gvfs-backends gvfs-fuse fuse3 gnome-keyring libsecret-tools
    weston qt6-wayland xvfb xdotool
    dbus dbus-x11 fonts-liberation xdg-utils
    python3 iproute2 procps psmisc
    desktop-file-utils appstream dpkg-dev groff-base lintian
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [[ $status == installed ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Telvorin needs these packages; install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
