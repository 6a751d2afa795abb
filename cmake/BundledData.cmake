# The soil-name tables of a data folder grow from run to run, so runs never use the
# repository's copy: each front end gets its own copy beside the executable, made once
# and then left alone so that what the tables learn persists.
function(velni_copy_bundled_data target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND}
      -DSOURCE=${PROJECT_SOURCE_DIR}/data/PATDAT
      -DDESTINATION=$<TARGET_FILE_DIR:${target}>/PATDAT
      -P ${PROJECT_SOURCE_DIR}/cmake/CopyIfMissing.cmake
    VERBATIM)
endfunction()
