#!/usr/bin/env bash
# PackageTest.sh files|deb <build folder> <version>
#  files: installs the desktop component into a temporary prefix, compares the
#         file list and validates the desktop entry, the metainfo and the icons;
#         installs the development component into a staged prefix and checks
#         that all of it, the Designer plugin too, stays under that prefix and
#         that the plugin finds the library installed there.
#  deb:   builds the Debian package with CPack, compares its file list and
#         dependencies, extracts it and runs the installed program on a virtual
#         X display until its window, titled with name and version, appears.
set -euo pipefail
mode=$1 build=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expected_files() {
    sed "s/^usr\///; s/@VERSION@/$version/" "$here/ExpectedFiles.txt" | sort
}

check_tree() { # <root of /usr>
    local usr=$1
    diff <(expected_files) <(cd "$usr" && find . -type f | sed 's/^\.\///' | sort) ||
        fail "installed files differ from ExpectedFiles.txt"
    # Clean means without hints too (two main categories are only a hint).
    local entry_report
    entry_report=$(desktop-file-validate "$usr/share/applications/example.dunmora.DunmoraDesk.desktop") ||
        fail "desktop entry: $entry_report"
    [ -z "$entry_report" ] || fail "desktop entry: $entry_report"
    appstreamcli validate --no-net "$usr/share/metainfo/example.dunmora.DunmoraDesk.metainfo.xml" ||
        fail "metainfo"
    for size in 16 32 48 64 128 256; do
        file "$usr/share/icons/hicolor/${size}x${size}/apps/DunmoraDesk.png" |
            grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "icon at $size px"
    done
    zcat "$usr/share/man/man1/DunmoraDesk.1.gz" | grep -q '^\.SH THE RIGHT TO SET THE CLOCK' || fail "man page"
    [ -x "$usr/bin/DunmoraDesk" ] || fail "program not executable"
}

case $mode in
files)
    cmake --install "$build" --prefix "$work/usr" --component desktop >/dev/null
    check_tree "$work/usr"
    # DESTDIR catches a file installed by absolute path outside the prefix.
    DESTDIR=$work/stage cmake --install "$build" --prefix /opt/zt --component development >/dev/null
    outside=$(cd "$work/stage" && find . -type f ! -path './opt/zt/*')
    [ -z "$outside" ] || fail "development files outside the prefix: $outside"
    plugin=$(find "$work/stage/opt/zt" -path '*/qt6/plugins/designer/libZtButtonsDesigner.so')
    [ -n "$plugin" ] || fail "no Designer plugin under the prefix's qt6/plugins/designer"
    # With the library installed into the same prefix, the plugin finds it there.
    DESTDIR=$work/stage cmake --install "$build" --prefix /opt/zt --component desktop >/dev/null
    found=$(ldd "$plugin" | awk '$1 == "libZtButtons.so.1" && $3 ~ /^\// { print $3 }')
    [[ -f $found && $(realpath "$found") == "$work/stage/opt/zt/"* ]] ||
        fail "the Designer plugin does not find libZtButtons in its prefix: ${found:-not found}"
    ;;
deb)
    (cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
    deb=$work/out/dunmoradesk_${version}_amd64.deb
    [ -f "$deb" ] || fail "no $deb: $(ls "$work/out")"
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in fonts-arphic-uming qt6-qpa-plugins libqt6widgets6 libqt6dbus6 libc6; do
        grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
    done
    dpkg-deb -x "$deb" "$work/root"
    check_tree "$work/root/usr"
    # The installed program on a virtual display: no INI, so nothing is
    # synchronised; its system bus is one where nothing listens.
    export HOME=$work/home DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/no-bus QT_QPA_PLATFORM=xcb
    export ASAN_OPTIONS=detect_leaks=0
    mkdir -p "$HOME"
    xvfb-run -a -s "-screen 0 640x480x24" bash -c '
        "$1" & program=$!
        for _ in $(seq 100); do
            if xwininfo -root -tree | grep -q "\"DunmoraDesk $2\""; then
                kill $program; wait $program 2>/dev/null; exit 0
            fi
            sleep 0.1
        done
        kill $program; exit 1' _ "$work/root/usr/bin/DunmoraDesk" "$version" ||
        fail "the installed program showed no window titled \"DunmoraDesk $version\""
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "ok: $mode"
