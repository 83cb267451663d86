# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix thread
# model, so std::thread and std::mutex are there), running what is built under
# Wine. Everything is linked statically: the .exe needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SLV_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SLV_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SLV_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SLV_MINGW_PREFIX}-windres)

# Headers and libraries come from the MinGW tree only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${SLV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -static also takes winpthread in statically, which -static-libgcc and
# -static-libstdc++ alone would leave as a DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Debian does not put the 64-bit loader on the PATH (/usr/bin/wine looks for
# the 32-bit one first and warns when it is missing). Wine is kept quiet and
# from adding menu entries to the user's desktop.
find_program(SLV_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(SLV_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d ${SLV_WINE64})
endif()
