#!/usr/bin/env bash
# The installer test: packs the installer, installs it silently under Wine (/S, /D=) and finds the
# programs, the guide as the build made it, the sample test and the Start-menu entries in place;
# then uninstalls silently (with _?=, or NSIS's uninstaller copies itself away and returns at once)
# and finds every one of them gone but the tests, a test of the user's own among them.
# Usage: installer_test.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work="$build_dir/tests/installer_test"

source "$here/../../scripts/wine-env.sh" "$build_dir"
fail() { echo "installer_test: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
(cd "$build_dir" && cpack -G NSIS -B "$work/package" >/dev/null)
installer=$(ls "$work"/package/*.exe)

# /D= must come last, unquoted: so the folder has no blank.
folder="$WINEPREFIX/drive_c/kvizar_installer_test"
rm -rf "$folder"
# The prefix's user is the Unix one, whose name the environment may not hold.
programs=$(find "$WINEPREFIX/drive_c/users" -maxdepth 5 -type d -path '*/AppData/Roaming/Microsoft/Windows' \
    -not -path '*/Public/*' | head -1)
[ -n "$programs" ] || fail "the prefix has no user's Start menu"
menu="$programs/Start Menu/Programs/Kvizar 2004"
send_to="$programs/SendTo"
rm -rf "$menu"
rm -f "$send_to"/Kvizar*.lnk

wine "$installer" /S '/D=C:\kvizar_installer_test' </dev/null
for file in kvizar.exe kvizar-convert.exe Navod.html Odinstalovat.exe "Kvizar/Všeobecné znalosti.tst"; do
    [ -f "$folder/$file" ] || fail "the installer put no $file into the folder"
done
cmp "$folder/Navod.html" "$build_dir/navod/Navod.html"
entries=$(cd "$menu" && ls | LC_ALL=C sort | tr '\n' ' ')
[ "$entries" = 'Kvizar 2004.lnk Návod ke Kvizaru.lnk Odinstalovat.lnk ' ] || fail "the Start menu holds $entries"
# A shortcut keeps its target as UTF-16 text.
tr -d '\000' <"$menu/Návod ke Kvizaru.lnk" | grep -qF 'C:\kvizar_installer_test\Navod.html' ||
    fail "the guide's entry does not open the installed Navod.html"
[ "$(ls "$send_to"/Kvizar*.lnk | wc -l)" = 4 ] || fail "the installer made no four Send-to entries"
echo "installer_test: installed $(cd "$folder" && find . -type f | wc -l) files and $(ls "$menu" | wc -l) Start-menu entries"

cp "$folder/Kvizar/Všeobecné znalosti.tst" "$folder/Kvizar/Můj test.tst"
wine 'C:\kvizar_installer_test\Odinstalovat.exe' /S '_?=C:\kvizar_installer_test' </dev/null
for file in kvizar.exe kvizar-convert.exe Navod.html; do
    [ ! -e "$folder/$file" ] || fail "the uninstaller left $file"
done
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder: $(ls "$menu")"
! ls "$send_to"/Kvizar*.lnk >/dev/null 2>&1 || fail "the uninstaller left Send-to entries"
[ -f "$folder/Kvizar/Všeobecné znalosti.tst" ] && [ -f "$folder/Kvizar/Můj test.tst" ] ||
    fail "the uninstaller took the tests"
rm -rf "$folder" "$work"
echo "installer_test: uninstalled, the tests kept"
