# Sourced by the other scripts: the Wine settings every run here uses. $1 is the build folder;
# the prefix lives inside it, so nothing touches the user's own ~/.wine. KVIZAR_PREFIX names
# another one instead, of a test's own (scripts/scaled-prefix.sh).
build_dir=$(cd "$1" && pwd)
export WINEPREFIX="${KVIZAR_PREFIX:-$build_dir/wineprefix}"
export WINEARCH=win32
# A 64-bit build (made where 32-bit programs cannot start; KVIZAR_ARCH=x86_64 says so before it is
# configured) runs under 64-bit Wine in a 64-bit prefix: make-prefix.sh puts wine, wineboot and
# wineserver for it in wine64/.
if [ "${KVIZAR_ARCH:-}" = x86_64 ] || grep -q '^CMAKE_TOOLCHAIN_FILE.*x86_64' "$build_dir/CMakeCache.txt" 2>/dev/null; then
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    export PATH="$build_dir/wine64:$PATH"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine names files in the Unix locale's character set: Czech names ("Zkouška.tst") need UTF-8.
# The caller's locale serves when it is UTF-8 and the system has it; else one of the same name
# compiled into the build folder (the Czech and English ones); else the English one. This is the
# only place that decides it.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LOCPATH="$build_dir/locale"
    if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
        # Quietly: before make-prefix.sh has compiled it, bash cannot switch to it yet.
        { export LANG=en_US.UTF-8; unset LC_ALL LC_CTYPE; } 2>/dev/null
    fi
fi
