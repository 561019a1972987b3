#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what a user installs: the desktop entry and the AppStream metainfo validate and
# speak every shipped language, the firewall profiles open UDP port 13579, the man pages
# format without warnings, and the Debian package made from BUILD_DIR holds
# exactly the files of tests/package/files.txt, depends on what the program needs at run
# time, carries programs that start, and passes lintian without an error or a warning.
#   scripts/check-package.sh BUILD_DIR
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:?usage: check-package.sh BUILD_DIR}
resources=$root/src/resources
failures=0
fail() { echo "check-package: $*" >&2; failures=$((failures + 1)); }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$resources/telvorin.desktop" || fail "telvorin.desktop does not validate"
else
    echo "check-package: desktop-file-validate not installed, desktop entry not validated"
fi

if command -v appstreamcli >/dev/null; then
    # The id is the desktop file's name, not a reverse-DNS one (the project owns no
    # domain); that one warning is expected, anything else fails.
    report=$(appstreamcli validate --no-net --pedantic --no-color "$resources/telvorin.metainfo.xml" 2>&1)
    unexpected=$(grep -E '^[EWI]:' <<<"$report" | grep -v 'cid-desktopapp-is-not-rdns')
    [[ -z $unexpected ]] || fail "telvorin.metainfo.xml does not validate:"$'\n'"$unexpected"
else
    echo "check-package: appstreamcli not installed, metainfo not validated"
fi

# The desktop entry and the metainfo speak every language the window ships in.
for ts in "$root"/translations/telvorin_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#telvorin_}
    for key in GenericName Comment; do
        grep -q "^$key\[$language\]=." "$resources/telvorin.desktop" ||
            fail "telvorin.desktop has no $key[$language]"
    done
    grep -q "<summary xml:lang=\"$language\">" "$resources/telvorin.metainfo.xml" ||
        fail "telvorin.metainfo.xml has no summary in $language"
done

# The firewall profiles: a firewalld service that opens UDP 13579 and nothing else, and a
# ufw application profile named Telvorin with the same port.
python3 - "$resources/firewall/telvorin.xml" "$resources/firewall/telvorin.ufw" <<'PY' || fail "the firewall profiles do not validate"
import configparser, sys, xml.etree.ElementTree as ET
service = ET.parse(sys.argv[1]).getroot()
assert service.tag == "service", "firewalld: the root is not <service>"
assert (service.findtext("short") or "").strip(), "firewalld: no <short> name"
ports = [(p.get("protocol"), p.get("port")) for p in service.findall("port")]
assert ports == [("udp", "13579")], f"firewalld: ports {ports}"
assert not [c.tag for c in service if c.tag not in ("short", "description", "port")], "firewalld: unknown elements"
profile = configparser.ConfigParser(interpolation=None)
profile.read(sys.argv[2])
assert profile.sections() == ["Telvorin"], f"ufw: sections {profile.sections()}"
entry = profile["Telvorin"]
assert entry.get("title") and entry.get("description"), "ufw: no title or description"
assert entry.get("ports") == "13579/udp", f"ufw: ports {entry.get('ports')}"
PY

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
grep -q "<release version=\"$version\"" "$resources/telvorin.metainfo.xml" ||
    fail "telvorin.metainfo.xml has no release entry for version $version"
head -1 "$root/cmake/debian/changelog" | grep -q "^telvorin ($version) " ||
    fail "cmake/debian/changelog does not begin with version $version"

for page in "$resources"/man/*.1; do
    warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)
    [[ -z $warnings ]] || fail "$(basename "$page"): $warnings"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! (cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1); then
    cat "$scratch/cpack.log" >&2
    fail "cpack -G DEB failed"
    exit 1
fi
package=$(ls "$scratch"/out/*.deb)
echo "check-package: $(basename "$package")"

dpkg-deb -x "$package" "$scratch/root" || fail "the package does not unpack"
# The device files are installed only when the build names their directory; the
# stand-ins the build makes for tests never are.
payload=$(sed -n 's/^TELVORIN_PAYLOAD_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
(cd "$scratch/root" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort) >"$scratch/all.txt"
if [[ -n $payload ]]; then
    grep -q '^usr/share/telvorin/payload/' "$scratch/all.txt" || fail "built with device files, but none are packaged"
    grep -v '^usr/share/telvorin/payload/' "$scratch/all.txt" >"$scratch/files.txt"
else
    cp "$scratch/all.txt" "$scratch/files.txt"
fi
LC_ALL=C sort "$root/tests/package/files.txt" >"$scratch/expected.txt"
diff -u "$scratch/expected.txt" "$scratch/files.txt" >&2 || fail "the package's files differ from tests/package/files.txt"

depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libqt6svg6 libglib2.0-0 libsmbclient gvfs gvfs-backends gvfs-fuse xdg-utils fonts-liberation; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "the package does not depend on $needed (Depends: $depends)"
done

# The packaged probe starts: with no arguments it prints its usage and exits 2,
# before it opens any socket.
"$scratch/root/usr/bin/telvorin-probe" >/dev/null 2>&1
[[ $? -eq 2 ]] || fail "the packaged telvorin-probe does not start"

if command -v lintian >/dev/null; then
    # Every error and warning fails; informational notes (I:) do not.
    findings=$(lintian --tag-display-limit 0 "$package" 2>&1 | grep -E '^[EW]: ')
    [[ -z $findings ]] || fail "lintian:"$'\n'"$findings"
else
    fail "lintian is not installed (scripts/install-deps.sh installs it)"
fi

if [[ $failures -eq 0 ]]; then
    echo "check-package: desktop entry, metainfo, man pages, package file list and lintian are as expected"
fi
[[ $failures -eq 0 ]]
