# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the POSIX thread model, which
# C++ threads need). ./run windows hands this file to Qt's own build and to brxW's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRXW_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRXW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRXW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BRXW_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW sysroot and the prefixes named in CMAKE_PREFIX_PATH
# (the static Qt, GoogleTest); programs (moc, rcc, uic) from this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${BRXW_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

