# A version resource for each Windows executable, from the project's
# version, so that Explorer and a school's inventory tools can tell what is
# installed.
enable_language(RC)

# tp_add_version_resource(TARGET DESCRIPTION)
function(tp_add_version_resource target description)
  set(tp_name "${target}")
  set(tp_description "${description}")
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in" "${rc}" @ONLY)
  target_sources(${target} PRIVATE "${rc}")
endfunction()
