# Copies each file of the bundled data folder that the copy beside the executable
# does not have yet. Files already there are never replaced: the soil-name tables
# keep what they learned, and tables added to the bundle later still arrive.
file(GLOB_RECURSE bundled RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(name IN LISTS bundled)
  if(NOT EXISTS "${DESTINATION}/${name}")
    get_filename_component(folder "${DESTINATION}/${name}" DIRECTORY)
    file(COPY "${SOURCE}/${name}" DESTINATION "${folder}")
  endif()
endforeach()
