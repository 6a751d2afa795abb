# The hardening a Debian binary is expected to carry: stack protection, fortified
# C library calls where the optimiser can check them, position-independent
# programs, and relocations resolved and made read-only at start (BIND_NOW).
if(WIN32)
  return()
endif()
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection
  # Fortification needs the optimiser; a debug build (the sanitizer preset) has none.
  $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE>
  $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro -Wl,-z,now)
