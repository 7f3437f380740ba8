# The same code as a 64-bit Windows program, only for testing it under 64-bit Wine where a machine
# cannot start 32-bit programs. The program users get is the 32-bit one.
set(KVIZAR_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
