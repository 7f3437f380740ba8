# Sourced by the other scripts: the Wine settings every run here uses. $1 is the build folder;
# the prefix lives inside it, so nothing touches the user's own ~/.wine.
build_dir=$(cd "$1" && pwd)
export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LOCPATH="$build_dir/locale"
