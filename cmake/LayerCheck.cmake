# The bottom layers are standard C++: a Qt or FluidSynth include there fails the build.
function(cantorino_forbid_platform_includes target dir)
  add_custom_target(${target}_layer_check
    COMMAND ${CMAKE_COMMAND} -DDIR=${dir} -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking that ${dir} includes no Qt or FluidSynth header"
    VERBATIM)
  add_dependencies(${target} ${target}_layer_check)
endfunction()
