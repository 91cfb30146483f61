# Cross-builds Kurswaage for 64-bit Windows with Debian's MinGW-w64 (the
# POSIX-threads compilers) against the static Qt that
# scripts/build-windows-qt makes:
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DKURSWAAGE_WINDOWS_QT=<the folder scripts/build-windows-qt prints>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(KURSWAAGE_WINDOWS_QT "" CACHE PATH "The static Qt for Windows that scripts/build-windows-qt built")
# Libraries, headers and CMake packages come from Qt for Windows and the
# MinGW-w64 headers only, never from the Linux system; programs (moc, uic,
# rcc, which Qt built for this machine) from anywhere.
set(CMAKE_FIND_ROOT_PATH ${KURSWAAGE_WINDOWS_QT} /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt is static already; -static links the compiler's runtime (libstdc++,
# libgcc, winpthread) in as well, so the .exe needs only Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest runs the test programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/under-wine)
