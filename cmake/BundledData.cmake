# The soil-name tables of a data folder grow from run to run, so runs never use the
# repository's copy. Both programs sit in one folder of the build tree beside one
# copy, so that the window and the command line give a soil name the same code.
# The copy is filled at every build with what it lacks and otherwise left alone, so
# that what the tables learn persists.
set(VELNI_PROGRAM_DIR ${PROJECT_BINARY_DIR}/bin)

add_custom_target(bundled-data ALL
  COMMAND ${CMAKE_COMMAND}
    -DSOURCE=${PROJECT_SOURCE_DIR}/data/PATDAT
    -DDESTINATION=${VELNI_PROGRAM_DIR}/PATDAT
    -P ${PROJECT_SOURCE_DIR}/cmake/CopyIfMissing.cmake
  COMMENT "Bundled data folder beside the programs"
  VERBATIM)

# Puts a program into the one program folder, beside the data folder, and gives it
# the project's version for --version.
function(velni_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELNI_PROGRAM_DIR})
  target_compile_definitions(${target} PRIVATE VELNI_VERSION="${PROJECT_VERSION}")
  add_dependencies(${target} bundled-data)
endfunction()
