# Sourced by the commands that start Windows exes, after they have set root and build_dir. Some
# machines (virtual machines whose host runs 64-bit programs only) cannot start any 32-bit program,
# 32-bit Wine included: there the same code is built as 64-bit Windows programs in $build_dir/x64
# and runs under 64-bit Wine. Sets build_dir and KVIZAR_ARCH for that, and installs what it needs.
if ! wine --version >/dev/null 2>&1; then
    echo "$(basename "$0"): this machine cannot start 32-bit programs, so a 64-bit build of the same" \
        "code runs under 64-bit Wine instead ($build_dir/x64)" >&2
    "$root/scripts/setup.sh" wine64 g++-mingw-w64-x86-64-posix
    export KVIZAR_ARCH=x86_64
    build_dir="$build_dir/x64"
fi
