#!/usr/bin/env bash
# Creates the build's Wine prefix once (10-20 s) with Windows' font metrics and the settings that
# keep tests quick and quiet; reused afterwards. Usage: make-prefix.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$1"
# One at a time: a second caller waits for the first one's prefix instead of making its own.
exec 9>"$build_dir/.make-prefix.lock"
flock 9

# Locales for the Czech (code page 1250) and English (1252) runs; Wine needs a UTF-8 locale to
# create file names such as Zkouška.tst.
mkdir -p "$build_dir/locale"
for loc in cs_CZ en_US; do
    [ -d "$build_dir/locale/$loc.UTF-8" ] || localedef -i "$loc" -f UTF-8 "$build_dir/locale/$loc.UTF-8" 2>/dev/null || true
done

# 64-bit Wine's own commands, ahead of Debian's, which would start the 32-bit ones.
if [ "$WINEARCH" = win64 ]; then
    mkdir -p "$build_dir/wine64"
    for command in "wine:$WINELOADER" "wineserver:$WINESERVER" "wineboot:$WINELOADER wineboot.exe"; do
        printf '#!/bin/sh\nexec %s "$@"\n' "${command#*:}" > "$build_dir/wine64/${command%%:*}"
        chmod +x "$build_dir/wine64/${command%%:*}"
    done
fi

# Windows' font metrics: Debian's Wine does not find its own fonts otherwise and draws
# "MS Sans Serif" with another face. The files are copied as they are, so the tests see what a
# user of a Western system sees (the program itself takes care of Czech there).
install_fonts() {
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

stamp="$WINEPREFIX/.kvizar-ready"
if [ -f "$stamp" ]; then
    install_fonts
    exit 0
fi

echo "make-prefix: creating the Wine prefix $WINEPREFIX"
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true
wineserver -w
install_fonts
cat > "$WINEPREFIX/kvizar.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
wine regedit "$WINEPREFIX/kvizar.reg" >/dev/null 2>&1
wineserver -w
touch "$stamp"
