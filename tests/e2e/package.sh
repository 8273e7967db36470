#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of a build: made with CPack from what the build holds
# (nothing is built again), then checked as a user's machine would see it:
# its name, its file list, its dependencies (Debian 12 packages only), no
# error from lintian, the desktop entry and the AppStream metadata
# validated, the manual pages readable, the installed programs started from
# the unpacked tree, and an install and removal with dpkg into a private
# root that leaves nothing behind.
#   package.sh BUILD VERSION
set -uo pipefail
build="$1"
version="$2"
. "$(dirname "$0")/check_support.sh"

for tool in cpack dpkg-deb desktop-file-validate appstreamcli lintian man; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing" >&2; exit 1; }
done

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
deb="$work/out/zq61_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$work/out" >&2; echo "FAIL: no $(basename "$deb")" >&2; exit 1; }

# The file list: the staged installation under /usr/lib/zq61, links in
# /usr/bin, the desktop entry, the icon in every size, the metadata.
dpkg-deb -c "$deb" | awk '{ print $6 ($7 ? " " $7 " " $8 : "") }' >"$work/list"
for want in \
    "./usr/bin/zq61 -> ../lib/zq61/V100/zq61" "./usr/bin/zq61-cli -> ../lib/zq61/V100/zq61-cli" \
    ./usr/lib/zq61/Version.ini ./usr/lib/zq61/language/mysetup.ini \
    ./usr/lib/zq61/V100/zq61 ./usr/lib/zq61/V100/zq61-cli ./usr/lib/zq61/V100/zq61-sim \
    ./usr/lib/zq61/V100/language/english.ini ./usr/lib/zq61/V100/language/chinese.ini \
    ./usr/lib/zq61/V100/StartE.jpg ./usr/lib/zq61/V100/StartC.jpg ./usr/lib/zq61/V100/Init/ \
    ./usr/share/applications/zq61.desktop \
    ./usr/share/metainfo/org.zq61.ProgrammingSoftware.metainfo.xml \
    ./usr/share/man/man1/zq61.1.gz ./usr/share/man/man1/zq61-cli.1.gz \
    ./usr/share/man/man1/zq61-sim.1.gz ./usr/share/bash-completion/completions/zq61-cli \
    ./usr/share/doc/zq61/copyright ./usr/share/doc/zq61/changelog.gz; do
    grep -qxF -- "$want" "$work/list" || fail "the package lacks $want"
done
for size in 16 24 32 48 64 128 256; do
    grep -qxF "./usr/share/icons/hicolor/${size}x${size}/apps/zq61.png" "$work/list" ||
        fail "the package lacks the ${size}x${size} icon"
done
grep -v -e '^\./usr/' -e '^\./$' "$work/list" | grep . && fail "files outside /usr"

# Dependencies: each a package this Debian machine knows.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "$depends" | grep -q "libqt6widgets6" || fail "Depends lacks libqt6widgets6: $depends"
echo "$depends" | grep -q "libqt6printsupport6" || fail "Depends lacks libqt6printsupport6"
echo "$depends" | grep -q "qt6-translations-l10n" || fail "Depends lacks qt6-translations-l10n"
for name in $(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | grep .); do
    dpkg-query -W "$name" >/dev/null 2>&1 || apt-cache show "$name" >/dev/null 2>&1 ||
        fail "dependency $name is no Debian package"
done

# What Debian asks of a package: lintian reports no error (what it still
# notes is listed with its reasons in docs/development.md). The spelling of
# the programs' strings, a quarter of its time, can only give notes.
lintian --fail-on error --tag-display-limit 0 -X binaries/spelling "$deb" >"$work/lintian.txt" 2>&1 ||
    fail "lintian: $(grep -v '^[WIPNX]: ' "$work/lintian.txt")"

# What desktops read.
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/zq61.desktop" || fail "desktop entry"
appstreamcli validate --no-net \
    "$work/root/usr/share/metainfo/org.zq61.ProgrammingSoftware.metainfo.xml" >"$work/as" 2>&1 ||
    fail "AppStream metadata: $(cat "$work/as")"
grep -q "^Exec=zq61" "$work/root/usr/share/applications/zq61.desktop" || fail "Exec is not zq61"
grep -q "^Icon=zq61$" "$work/root/usr/share/applications/zq61.desktop" || fail "Icon is not zq61"

# The manual pages, as man shows them.
for program in zq61 zq61-cli zq61-sim; do
    MANPAGER=cat MANWIDTH=80 man -l "$work/root/usr/share/man/man1/$program.1.gz" \
        >"$work/man.txt" 2>&1 || fail "man -l $program.1.gz: $(cat "$work/man.txt")"
    grep -q "^NAME" "$work/man.txt" && grep -qE "^ +$program(\s|$)" "$work/man.txt" ||
        fail "the manual page of $program: $(head -n 20 "$work/man.txt")"
done
man_cli="$(MANPAGER=cat man -l "$work/root/usr/share/man/man1/zq61-cli.1.gz" 2>&1)"
for word in import --port GPL-3.0-or-later; do
    echo "$man_cli" | grep -q -- "$word" || fail "the manual page of zq61-cli lacks $word"
done

# Installed for all users (root's files, run by another user): the user's
# choices go into the user's own folder, the installation stays as it was.
if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null; then
    chmod 755 "$work"
    home="$work/home" && mkdir -p "$home" && chmod 777 "$home"
    runuser -u nobody -- env HOME="$home" XDG_CONFIG_HOME= ZQ61_EXIT_AFTER_SPLASH=1 \
        QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        timeout 60 "$work/root/usr/bin/zq61" >"$work/gui.txt" 2>&1
    grep -q "^splash-visible " "$work/gui.txt" || fail "zq61 run by nobody: $(cat "$work/gui.txt")"
    grep -q "^IsFirstRun=0" "$home/.config/zq61/mysetup.ini" 2>/dev/null ||
        fail "a user's settings are not kept in ~/.config/zq61"
    grep -q "^IsFirstRun=1" "$work/root/usr/lib/zq61/language/mysetup.ini" ||
        fail "the installation's mysetup.ini was changed"
fi

# The installed programs start through their links and find their files.
cli="$work/root/usr/bin/zq61-cli"
"$cli" new "$work/a.dat" >"$work/out.txt" 2>&1 || fail "installed zq61-cli new: $(cat "$work/out.txt")"
[ "$(stat -c %s "$work/a.dat" 2>/dev/null)" = 25611 ] || fail "installed zq61-cli made no document"
env -u DISPLAY -u WAYLAND_DISPLAY "$cli" print "$work/a.dat" "$work/a.pdf" >/dev/null 2>&1 ||
    fail "installed zq61-cli print"
ZQ61_EXIT_AFTER_SPLASH=1 QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    timeout 60 "$work/root/usr/bin/zq61" >"$work/gui.txt" 2>&1
grep -q "^splash-visible " "$work/gui.txt" || fail "installed zq61 did not start: $(cat "$work/gui.txt")"

# Install and remove with dpkg into a root of its own: every file goes again.
db="$work/dpkg-root/var/lib/dpkg"
mkdir -p "$db/info" "$db/updates" "$db/triggers" && touch "$db/status"
dpkgr() {
    dpkg --root="$work/dpkg-root" --force-not-root --force-bad-path --force-depends \
        --log=/dev/null "$@" >>"$work/dpkg.log" 2>&1
}
dpkgr -i "$deb" || fail "dpkg -i: $(cat "$work/dpkg.log")"
[ -x "$work/dpkg-root/usr/lib/zq61/V100/zq61" ] || fail "dpkg -i installed no program"
dpkgr -r zq61 || fail "dpkg -r: $(cat "$work/dpkg.log")"
left="$(cd "$work/dpkg-root" && find . -mindepth 1 -not -path './var' -not -path './var/lib' \
    -not -path './var/lib/dpkg' -not -path './var/lib/dpkg/*')"
[ -z "$left" ] || fail "left after removal: $left"

[ "$failures" -eq 0 ] && echo "package $(basename "$deb"): all checks passed"
exit $((failures > 0))
