#!/usr/bin/env bash
# `cmake --install` puts every file in its place, and the desktop entry and
# the AppStream metainfo validate. Usage: check_install.sh BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail
build=$1 root=$2/root id=$3
rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
fail=0
for f in bin/dish-planner share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/{16x16,32x32,48x48}/apps/$id.png; do
    [ -f "$root/usr/$f" ] || { echo "not installed: $f"; fail=1; }
done
[ -x "$root/usr/bin/dish-planner" ] || { echo "not executable"; fail=1; }
for size in 16 32 48; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" |
        grep -q "$size x $size" || { echo "icon ${size}x$size has the wrong size"; fail=1; }
done
desktop-file-validate "$root/usr/share/applications/$id.desktop" | grep -v '^.*: hint:' || true
desktop-file-validate "$root/usr/share/applications/$id.desktop" >/dev/null || fail=1
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null || {
    appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
    fail=1
}
exit $fail
