#!/usr/bin/env bash
# Checks of the Debian package, run by ctest from the build tree:
#
#   check-package.sh build BUILD_DIR VERSION CPACK
#       cpack -G DEB into BUILD_DIR/package-check: kurswaage_VERSION_ARCH.deb
#   check-package.sh lintian BUILD_DIR    no error or warning from lintian
#   check-package.sh contents BUILD_DIR   exactly the expected files, modes, owners
#   check-package.sh metadata BUILD_DIR   AppStream and desktop entry as installed
#   check-package.sh start BUILD_DIR      the unpacked program opens its main window
#
# Nothing is installed into the system: the package is only unpacked into
# scratch folders below BUILD_DIR/package-check.
set -euo pipefail

step=$1
out=$(realpath -m "$2")/package-check
app_id=${KURSWAAGE_APP_ID:?the component id, set by ctest}

fail() {
    echo "check-package: $*" >&2
    exit 1
}

# The one package in $out.
package() {
    local debs=("$out"/kurswaage_*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single package in $out"
    echo "${debs[0]}"
}

# Unpacks the package into a fresh folder $out/$1.
unpack() {
    rm -rf "${out:?}/$1"
    dpkg-deb -x "$deb" "$out/$1"
}

if [ "$step" = build ]; then
    rm -rf "$out"
    (cd "$2" && "$4" -G DEB -B "$out")
fi
deb=$(package)

case $step in
build)
    expected=kurswaage_${3}_$(dpkg --print-architecture).deb
    [ "${deb##*/}" = "$expected" ] || fail "the package is ${deb##*/}, not $expected"
    dpkg-deb --info "$deb"
    ;;
lintian)
    lintian --fail-on error,warning --display-info --show-overrides "$deb"
    ;;
contents)
    # Path, mode and owner of every entry; sizes and dates may change.
    expected=$(LC_ALL=C sort <<EOF
./usr/ drwxr-xr-x root/root
./usr/bin/ drwxr-xr-x root/root
./usr/bin/kurswaage -rwxr-xr-x root/root
./usr/share/ drwxr-xr-x root/root
./usr/share/applications/ drwxr-xr-x root/root
./usr/share/applications/$app_id.desktop -rw-r--r-- root/root
./usr/share/doc/ drwxr-xr-x root/root
./usr/share/doc/kurswaage/ drwxr-xr-x root/root
./usr/share/doc/kurswaage/changelog.gz -rw-r--r-- root/root
./usr/share/doc/kurswaage/copyright -rw-r--r-- root/root
./usr/share/icons/ drwxr-xr-x root/root
./usr/share/icons/hicolor/ drwxr-xr-x root/root
./usr/share/icons/hicolor/32x32/ drwxr-xr-x root/root
./usr/share/icons/hicolor/32x32/apps/ drwxr-xr-x root/root
./usr/share/icons/hicolor/32x32/apps/kurswaage.png -rw-r--r-- root/root
./usr/share/icons/hicolor/48x48/ drwxr-xr-x root/root
./usr/share/icons/hicolor/48x48/apps/ drwxr-xr-x root/root
./usr/share/icons/hicolor/48x48/apps/kurswaage.png -rw-r--r-- root/root
./usr/share/icons/hicolor/64x64/ drwxr-xr-x root/root
./usr/share/icons/hicolor/64x64/apps/ drwxr-xr-x root/root
./usr/share/icons/hicolor/64x64/apps/kurswaage.png -rw-r--r-- root/root
./usr/share/icons/hicolor/128x128/ drwxr-xr-x root/root
./usr/share/icons/hicolor/128x128/apps/ drwxr-xr-x root/root
./usr/share/icons/hicolor/128x128/apps/kurswaage.png -rw-r--r-- root/root
./usr/share/icons/hicolor/256x256/ drwxr-xr-x root/root
./usr/share/icons/hicolor/256x256/apps/ drwxr-xr-x root/root
./usr/share/icons/hicolor/256x256/apps/kurswaage.png -rw-r--r-- root/root
./usr/share/man/ drwxr-xr-x root/root
./usr/share/man/de/ drwxr-xr-x root/root
./usr/share/man/de/man1/ drwxr-xr-x root/root
./usr/share/man/de/man1/kurswaage.1.gz -rw-r--r-- root/root
./usr/share/man/man1/ drwxr-xr-x root/root
./usr/share/man/man1/kurswaage.1.gz -rw-r--r-- root/root
./usr/share/metainfo/ drwxr-xr-x root/root
./usr/share/metainfo/$app_id.metainfo.xml -rw-r--r-- root/root
EOF
    )
    diff -u <(echo "$expected") <(dpkg-deb --contents "$deb" | awk '{ print $6, $1, $2 }' | LC_ALL=C sort) \
        || fail "the package holds other files than expected"
    ;;
metadata)
    unpack metadata
    root=$out/metadata
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
    appstreamcli validate-tree --no-net "$root"
    desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
    # The menu entry starts the packaged program and shows a packaged icon.
    entry=$root/usr/share/applications/$app_id.desktop
    program=$(sed -n 's/^Exec=//p' "$entry")
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -x "$root/usr/bin/$program" ] || fail "Exec=$program is not a program of the package"
    compgen -G "$root/usr/share/icons/hicolor/*/apps/$icon.png" >/dev/null \
        || fail "Icon=$icon is not an icon of the package"
    ;;
start)
    # Qt reports each frame it hands to a window: the main window is open
    # once its first frame went out. Up to 30 seconds for a busy machine.
    unpack start
    root=$out/start
    log=$root.log
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=qt.widgets.painting=true \
        "$root/usr/bin/kurswaage" 2>"$log" &
    pid=$!
    for ((tenth = 0; tenth < 300; ++tenth)); do
        if grep -q '^qt.widgets.painting: Flushing QRegion(.*) of Kurswaage(' "$log"; then
            kill "$pid"
            wait "$pid" || true
            echo "the main window of $root/usr/bin/kurswaage is open"
            exit 0
        fi
        kill -0 "$pid" 2>/dev/null || { tail -20 "$log" >&2; fail "the program ended before its window opened"; }
        sleep 0.1
    done
    kill "$pid"
    tail -20 "$log" >&2
    fail "no window within 30 seconds"
    ;;
*)
    fail "unknown step $step"
    ;;
esac
