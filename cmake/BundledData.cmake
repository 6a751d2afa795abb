# The soil-name tables of a data folder grow from run to run, so runs never use the
# repository's copy: each front end gets its own copy beside the executable, filled
# at every build with what it lacks and otherwise left alone, so that what the
# tables learn persists.
function(velni_copy_bundled_data target)
  add_custom_target(${target}-data ALL
    COMMAND ${CMAKE_COMMAND}
      -DSOURCE=${PROJECT_SOURCE_DIR}/data/PATDAT
      -DDESTINATION=$<TARGET_FILE_DIR:${target}>/PATDAT
      -P ${PROJECT_SOURCE_DIR}/cmake/CopyIfMissing.cmake
    COMMENT "Bundled data folder beside ${target}"
    VERBATIM)
  add_dependencies(${target}-data ${target})
endfunction()
