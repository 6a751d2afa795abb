# The libraries of the Windows cross build, from Debian's packages of the build
# machine: the header-only CLI11 and nlohmann-json are copied into the build tree
# (the host's /usr/include must never be on a mingw include path, or glibc's
# headers would be taken for the C library's), and GoogleTest is built from its
# sources (Debian's googletest package).
set(VELNI_CROSS_INCLUDE ${PROJECT_BINARY_DIR}/cross-include)
file(COPY /usr/include/CLI /usr/include/nlohmann DESTINATION ${VELNI_CROSS_INCLUDE})

add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
target_include_directories(CLI11::CLI11 INTERFACE ${VELNI_CROSS_INCLUDE})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${VELNI_CROSS_INCLUDE})

if(VELNI_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# expat from Debian's source package (scripts/fetch-expat-source.sh), built static.
set(VELNI_EXPAT_SOURCE ${PROJECT_SOURCE_DIR}/build/third_party/expat/expat CACHE PATH "expat's source tree")
if(NOT EXISTS ${VELNI_EXPAT_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "expat's source is missing: run scripts/fetch-expat-source.sh")
endif()
enable_language(C)
foreach(part TOOLS EXAMPLES TESTS DOCS FUZZERS PKGCONFIG)
  set(EXPAT_BUILD_${part} OFF CACHE BOOL "" FORCE)
endforeach()
set(EXPAT_SHARED_LIBS OFF CACHE BOOL "" FORCE)
set(EXPAT_ENABLE_INSTALL OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELNI_EXPAT_SOURCE} ${PROJECT_BINARY_DIR}/expat EXCLUDE_FROM_ALL SYSTEM)
add_library(EXPAT::EXPAT ALIAS expat)
# Our warnings are errors for our code, not for a library we only build.
get_target_property(expat_options expat COMPILE_OPTIONS)
list(REMOVE_ITEM expat_options -Werror)
set_target_properties(expat PROPERTIES COMPILE_OPTIONS "${expat_options}")
