# Sourced by the other scripts: the Wine settings every run here uses. $1 is the build folder;
# the prefix lives inside it, so nothing touches the user's own ~/.wine.
build_dir=$(cd "$1" && pwd)
export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LOCPATH="$build_dir/locale"
# Wine names files in the Unix locale's character set: Czech names ("Zkouška.tst") need UTF-8.
# Without a UTF-8 locale from the caller, the English one compiled into the build folder serves.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
*UTF-8* | *utf8*) ;;
*)
    unset LC_ALL LC_CTYPE
    export LANG=en_US.UTF-8
    ;;
esac
