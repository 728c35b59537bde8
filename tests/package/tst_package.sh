#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary DESTDIR and checks the tree; builds the Debian
# package (when dpkg-deb is present) and checks its files and control fields, then runs
# lintian, appstreamcli and desktop-file-validate where they are installed.
# Usage: tst_package.sh <build folder> <source folder>
set -uo pipefail
build=${1:?build folder}
src=${2:?source folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }
pass() { echo "PASS: $*"; }

# ---- the install tree ----
dest=$work/dest
if ! DESTDIR=$dest cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    fail "cmake --install"
fi
expected=(
    usr/bin/r5config
    usr/lib/udev/rules.d/70-r5config.rules
    usr/share/applications/org.r5config.R5Config.desktop
    usr/share/metainfo/org.r5config.R5Config.metainfo.xml
    usr/share/icons/hicolor/48x48/apps/r5config.png
    usr/share/icons/hicolor/128x128/apps/r5config.png
    usr/share/icons/hicolor/256x256/apps/r5config.png
    usr/share/icons/hicolor/scalable/apps/r5config.svg
    usr/share/doc/r5config/copyright
    usr/share/doc/r5config/changelog.gz
    usr/share/man/man1/r5config.1.gz
    usr/share/bash-completion/completions/r5config
    usr/share/r5config/modules/setting/apConfigD.bin
    usr/share/r5config/modules/setting/pD.bin
    usr/share/r5config/modules/i18n/lang_031000.ini
    usr/share/r5config/modules/gun/selGunData.bin
    usr/share/r5config/modules/media/01.wav
    usr/share/r5config/modules/img/skin1/background.png
    usr/share/r5config/modules/img/skin2/background.png
)
for f in "${expected[@]}"; do
    [ -f "$dest/$f" ] || fail "installed tree lacks /$f"
done
# Only the real program, and only factory files: working copies are the user's own.
for f in usr/bin/r5config-sim usr/share/r5config/modules/setting/apConfig.bin usr/share/r5config/modules/setting/p1.bin; do
    [ -e "$dest/$f" ] && fail "installed tree holds /$f"
done
skins1=$(find "$dest/usr/share/r5config/modules/img/skin1" -name '*.png' | wc -l)
skins2=$(find "$dest/usr/share/r5config/modules/img/skin2" -name '*.png' | wc -l)
built1=$(find "$build/bin/modules/img/skin1" -name '*.png' | wc -l)
[ "$skins1" -eq "$built1" ] && [ "$skins2" -eq "$built1" ] || fail "skins: $skins1 and $skins2 images installed, $built1 built"
grep -q 'TAG+="uaccess"' "$dest/usr/lib/udev/rules.d/70-r5config.rules" || fail "udev rule without uaccess"
[ $(grep -c 'ATTRS{idVendor}=="04d9"' "$dest/usr/lib/udev/rules.d/70-r5config.rules") -eq 2 ] || fail "udev rule is not limited to the two products"
grep -q '^Exec=r5config$' "$dest/usr/share/applications/org.r5config.R5Config.desktop" || fail "desktop entry does not start r5config"
grep -q '^Icon=r5config$' "$dest/usr/share/applications/org.r5config.R5Config.desktop" || fail "desktop entry names another icon"
# The manual page is compressed without a time stamp and reads without warnings; the
# completion loads in bash and completes the subcommands.
gzip -t "$dest/usr/share/man/man1/r5config.1.gz" 2>/dev/null || fail "manual page is not gzip"
if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$dest/usr/share/man/man1/r5config.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "manual page warnings: $warnings"
    MANWIDTH=80 man -l "$dest/usr/share/man/man1/r5config.1.gz" 2>/dev/null | grep -q 'EXIT STATUS' \
        || fail "manual page does not render"
fi
completed=$(bash -c '
    _init_completion() { cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD-1]}; words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; }
    _filedir() { :; }
    compopt() { :; }
    source "$1" || exit 1
    COMP_WORDS=(r5config li); COMP_CWORD=1; _r5config; printf "%s " "${COMPREPLY[@]}"
    COMP_WORDS=(r5config light b); COMP_CWORD=2; _r5config; printf "%s " "${COMPREPLY[@]}"
    COMP_WORDS=(r5config dpi 800,16); COMP_CWORD=2; _r5config; printf "%s " "${COMPREPLY[@]}"' _ \
    "$dest/usr/share/bash-completion/completions/r5config")
[ "$completed" = "light breathing 800,1600 " ] || fail "bash completion gave: $completed"
[ $fails -eq 0 ] && pass "install tree"

if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$dest/usr/share/metainfo/org.r5config.R5Config.metainfo.xml" \
        && pass "appstreamcli validate" || fail "appstreamcli validate"
else
    echo "SKIP: appstreamcli not installed"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$dest/usr/share/applications/org.r5config.R5Config.desktop" \
        && pass "desktop-file-validate" || fail "desktop-file-validate"
else
    echo "SKIP: desktop-file-validate not installed"
fi

# ---- the Debian package ----
if ! command -v dpkg-deb >/dev/null; then
    echo "SKIP: dpkg-deb not installed, no package built"
    exit $((fails > 0))
fi
if ! (cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log"
    fail "cpack -G DEB"
    exit 1
fi
deb=$(ls "$work"/pkg/r5config_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { fail "no package written"; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = r5config ] || fail "Package field"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture field"
[ -n "$(field Version)" ] || fail "Version field"
[ -n "$(field Maintainer)" ] || fail "Maintainer field"
depends=$(field Depends)
for d in qml-module-qtquick2 libasound2 libmpg123-0 libhidapi-hidraw0 libqt5quickwidgets5 libqt5core5a; do
    [[ "$depends" == *"$d"* ]] || fail "Depends lacks $d"
done
[[ "$(field Recommends)" == *qt5-gtk-platformtheme* ]] || fail "Recommends lacks the GTK platform theme"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/list"
for f in "${expected[@]}"; do
    grep -qx "/$f" "$work/list" || fail "package lacks /$f"
done
grep -q '/r5config-sim$' "$work/list" && fail "package holds the simulated program"
dpkg-deb -e "$deb" "$work/control"
grep -q 'udevadm control --reload' "$work/control/postinst" && grep -q 'udevadm trigger --subsystem-match=hidraw' "$work/control/postinst" \
    || fail "postinst does not reload udev for hidraw"
[ $fails -eq 0 ] && pass "package files and control fields"

if command -v lintian >/dev/null; then
    # lintian warns about root; only its E: lines fail the package.
    lintian "$deb" >"$work/lintian.log" 2>&1
    if grep -q '^E:' "$work/lintian.log"; then
        cat "$work/lintian.log"
        fail "lintian reports errors"
    else
        pass "lintian (no errors)"
        grep -E '^[WI]:' "$work/lintian.log" || true
    fi
else
    echo "SKIP: lintian not installed"
fi
exit $((fails > 0))
