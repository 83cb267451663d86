# Compiler settings shared by the program's build and the Windows unit-test
# build (tests/windows).

# Warnings as errors for our own code only, in each compiler's terms (MSVC's
# C4100 is GCC's unused parameter, left out on both).
if(MSVC)
  set(SLV_WARNINGS /W4 /WX /wd4100)
else()
  set(SLV_WARNINGS -Wall -Wextra -Werror -Wno-unused-parameter)
endif()
# The sources are UTF-8 and hold accented texts that must reach the program as
# UTF-8. GCC and Clang read and keep UTF-8 already; MSVC would take the
# system's code page, so every target is told.
add_compile_options("$<$<CXX_COMPILER_ID:MSVC>:/utf-8>")
# MSVC's C runtime calls std::getenv unsafe; the configuration only reads it.
add_compile_definitions("$<$<CXX_COMPILER_ID:MSVC>:_CRT_SECURE_NO_WARNINGS>")

# setenv and unsetenv for the unit tests' own set-up on Windows, included
# ahead of every unit test there.
set(SLV_POSIX_COMPAT ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/posix_compat.h)
if(MSVC)
  set(SLV_POSIX_COMPAT_OPTION /FI${SLV_POSIX_COMPAT})
else()
  set(SLV_POSIX_COMPAT_OPTION "SHELL:-include ${SLV_POSIX_COMPAT}")
endif()
