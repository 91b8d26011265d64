# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Cross-compiling for Windows with Debian's MinGW-w64 (POSIX threads, as C++ threads need), for
# the processor that the including toolchain file names in mingw_processor.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${mingw_processor})
set(CMAKE_C_COMPILER ${mingw_processor}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_processor}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_processor}-w64-mingw32-windres)
# The libraries scripts/windows-libraries.sh built lie beside MinGW's own: in the Windows Qt,
# whose toolchain adds its folder, or, without Qt, in OHMILKA_WINDOWS_LIBRARIES.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_processor}-w64-mingw32 ${OHMILKA_WINDOWS_LIBRARIES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
