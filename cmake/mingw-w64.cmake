# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Cross-building the Windows program on Debian with MinGW-w64 (the posix
# thread model), and running what it builds under Wine. Every executable is
# linked statically, so it needs no DLL beyond those Windows ships.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PLANNER_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PLANNER_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLANNER_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PLANNER_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PLANNER_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
