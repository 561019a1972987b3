#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the sources hold a text that a translations/*.ts lacks (lupdate into a copy
# and compare), or when a .ts has an unfinished entry.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate 2>/dev/null || echo /usr/lib/qt6/bin/lupdate)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in translations/*.ts; do
    cp "$ts" "$work/copy.ts"
    "$lupdate" -silent -locations none -no-obsolete -tr-function-alias QT_TR_NOOP+=TELVORIN_TEXT src \
        -ts "$work/copy.ts" 2>&1 | grep -v 'lacks Q_OBJECT' || true
    if ! cmp -s "$ts" "$work/copy.ts"; then
        echo "check-translations: $ts is not up to date with the sources:" >&2
        diff "$ts" "$work/copy.ts" | head -20 >&2 || true
        status=1
    fi
    if grep -q 'type="unfinished"' "$work/copy.ts"; then
        echo "check-translations: $ts has unfinished entries" >&2
        status=1
    fi
done
exit $status
