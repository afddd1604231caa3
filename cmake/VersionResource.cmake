# Gives a program of the package its version resource: the package's version,
# the program's file name and what it is.
function(add_version_resource target description)
  get_target_property(version_name ${target} OUTPUT_NAME)
  if(NOT version_name)
    set(version_name ${target})
  endif()
  set(version_description "${description}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/resources/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
