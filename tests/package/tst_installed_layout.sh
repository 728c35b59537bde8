#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed program as a user meets it: the build installed into a temporary DESTDIR
# whose prefix is then read-only, the simulated-mouse program run from there under Xvfb
# with HOME and the XDG folders in a temporary home. The first start seeds the user's
# files and finds every picture; a language chosen and saved in the settings drawer lands
# in the user's folder; nothing under the prefix changes; a second start keeps the choice.
# Usage: tst_installed_layout.sh [build folder, default ../../build] [folder for screenshots]
set -uo pipefail
build=${1:-$(dirname "$0")/../../build}
shots=${2:-${R5_SHOT_DIR:-}}
for tool in xvfb-run xdotool import; do
    command -v $tool >/dev/null || { echo "SKIP: $tool not installed"; exit 77; }
done
work=$(mktemp -d)
cleanup() { chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }
pass() { echo "PASS: $*"; }

dest=$work/dest
prefix=$dest/usr
for component in "" simulated; do
    if ! DESTDIR=$dest cmake --install "$build" --prefix /usr ${component:+--component $component} >>"$work/install.log" 2>&1; then
        cat "$work/install.log"
        echo "FAIL: cmake --install ${component}"
        exit 1
    fi
done
[ -x "$prefix/bin/r5config-sim" ] || { echo "FAIL: the simulated program was not installed"; exit 1; }
chmod -R a-w "$prefix"
digest() { (cd "$prefix" && find . -print0 | sort -z | xargs -0 -n 64 sh -c 'for f; do if [ -f "$f" ]; then sha1sum "$f"; else echo "dir $f"; fi; done' sh); }
digest >"$work/prefix.before"

home=$work/home
mkdir -p "$home" "$work/runtime" "$work/elsewhere"
chmod 700 "$work/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$work/runtime
unset R5_SIM_MOUSE QT_QPA_PLATFORM
cfg=$XDG_CONFIG_HOME/r5config
data=$XDG_DATA_HOME/r5config

# One run of the installed program on its own X display; the steps run inside it.
session() {
    local steps=$1
    LOG=$2 xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        set -u
        cd "$WORK/elsewhere"
        "$PREFIX/bin/r5config-sim" >"$LOG" 2>&1 &
        pid=$!
        # Until the window is mapped (the opening runs before it can be used).
        for i in $(seq 200); do
            win=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | head -n 1)
            [ -n "$win" ] && break
            kill -0 $pid 2>/dev/null || break
            sleep 0.1
        done
        [ -n "${win:-}" ] || { echo "no window"; kill $pid 2>/dev/null; exit 1; }
        # Until the picture holds still: the opening, or what a click set going, is over.
        frame() { import -window root -crop 1000x600+0+0 rgb:- 2>/dev/null | md5sum; }
        settle() {
            local last=$(frame) same=0
            for i in $(seq 100); do
                sleep 0.3
                local now=$(frame)
                if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
                [ $same -ge 2 ] && return 0
                last=$now
            done
            echo "the window never held still"
        }
        settle
        click() { xdotool mousemove "$1" "$2" click 1; settle; }
        shot() { [ -n "$SHOTS" ] && import -window root -crop 1000x600+0+0 "$SHOTS/layout_$1.png"; true; }
        '"$steps"'
        click 975 16   # close: the closing animation ends the program
        for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        kill -0 $pid 2>/dev/null && { echo "still running after close"; kill -9 $pid; }
        exit 0' 
}
export WORK=$work PREFIX=$prefix SHOTS=$shots

# The language entry of the settings vector (its position in the language list).
language() { grep -x '4=.*' "$1" 2>/dev/null; }

# ---- first start: seeded, pictures found, a change saved ----
factory_language=$(language "$prefix/share/r5config/modules/setting/apConfigD.bin")
session '
    shot main
    [ -f "$XDG_CONFIG_HOME/r5config/r5config.lock" ] && echo "lock beside the settings"
    click 24 16                   # the settings drawer
    click 219 159; click 219 181  # language: the second entry
    click 285 418                 # save
    shot settings
' "$work/first.log" >"$work/first.out" 2>&1 || { cat "$work/first.out"; fail "first start"; }
cat "$work/first.out"
for i in $(seq 10); do
    [ -f "$cfg/p$i.bin" ] || fail "profile p$i.bin not seeded in the user's folder"
done
[ -f "$cfg/apConfig.bin" ] || fail "apConfig.bin not seeded in the user's folder"
for f in gunData0.bin gunData1.bin gunData2.bin selGunData.bin; do
    [ -f "$data/gun/$f" ] || fail "recoil store $f not seeded in $data/gun"
done
grep -q 'lock beside the settings' "$work/first.out" || fail "no single-instance lock in $cfg"
chosen=$(language "$cfg/apConfig.bin")
[ -n "$chosen" ] && [ "$chosen" != "$factory_language" ] || fail "the saved language did not reach $cfg/apConfig.bin ($chosen, factory $factory_language)"
if grep -E 'Cannot open|cannot open|No such file' "$work/first.log"; then
    fail "the installed program misses shipped files"
fi
[ $fails -eq 0 ] && pass "first start seeds the user's folder and saves there"

# ---- the shipped data never written ----
digest >"$work/prefix.after"
if ! diff -q "$work/prefix.before" "$work/prefix.after" >/dev/null; then
    diff "$work/prefix.before" "$work/prefix.after" | head -20
    fail "the install prefix changed"
fi
written=$(find "$work/dest" "$work/elsewhere" -mindepth 1 -newer "$work/prefix.before")
[ -z "$written" ] || fail "files written outside the user's folders: $written"

# ---- second start keeps the change ----
session '
    if [ -n "$SHOTS" ]; then    # every page that shows pictures, in both skins
        shot skin1_main
        click 80 199; shot skin1_key
        click 80 299; shot skin1_color
        click 24 16; click 219 60; click 219 104; shot skin2_settings
        click 24 16; shot skin2_color
        click 80 199; shot skin2_key
    fi
' "$work/second.log" >"$work/second.out" 2>&1 || { cat "$work/second.out"; fail "second start"; }
[ "$(language "$cfg/apConfig.bin")" = "$chosen" ] || fail "the second start lost the saved language"
if grep -E 'Cannot open|cannot open|No such file' "$work/second.log"; then
    fail "the installed program misses shipped files"
fi
digest >"$work/prefix.after2"
diff -q "$work/prefix.before" "$work/prefix.after2" >/dev/null || fail "the install prefix changed on the second start"
[ $fails -eq 0 ] && pass "second start keeps the user's change"
exit $((fails > 0))
