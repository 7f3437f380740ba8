# Cross-compiling the 32-bit Windows program with mingw-w64 (mingw-x86_64.cmake sets
# KVIZAR_MINGW_ARCH first for its 64-bit build). The -posix variants bring std::mutex, which
# GoogleTest needs.
if(NOT KVIZAR_MINGW_ARCH)
    set(KVIZAR_MINGW_ARCH i686)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KVIZAR_MINGW_ARCH})
set(CMAKE_C_COMPILER ${KVIZAR_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${KVIZAR_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${KVIZAR_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KVIZAR_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
