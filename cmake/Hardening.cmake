# SPDX-License-Identifier: GPL-3.0-or-later
# Every build but a Debug one is hardened the way Debian hardens its packages (dpkg-buildflags
# with hardening=+all), whether it is built for a package or by hand: checked string and memory
# functions, stack protector, stack-clash probes, control-flow protection, a position-independent
# program, and relocations made read-only with every symbol bound at start.
# A Debug build is left alone: the checked functions need an optimised build.

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

set(VANTORY_HARDENED $<NOT:$<CONFIG:Debug>>)

# Flags handed in from outside (a package build passes dpkg-buildflags) keep their own level.
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  add_compile_definitions($<${VANTORY_HARDENED}:_FORTIFY_SOURCE=2>)
endif()

foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection
        -Wformat -Werror=format-security)
  string(MAKE_C_IDENTIFIER "HAVE${flag}" have)
  check_cxx_compiler_flag(${flag} ${have})
  if(${have} AND NOT " ${CMAKE_CXX_FLAGS} " MATCHES " ${flag} ")
    add_compile_options($<${VANTORY_HARDENED}:${flag}>)
  endif()
endforeach()

check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_link_options($<${VANTORY_HARDENED}:LINKER:-z,relro,-z,now>)
