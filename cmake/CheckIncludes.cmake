# Run as a script: fails when a source file directly in DIR includes a Qt or FluidSynth header.
file(GLOB sources ${DIR}/*.h ${DIR}/*.cpp)
foreach(src ${sources})
  file(STRINGS ${src} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>\"]*|fluidsynth[^>\"]*)[>\"]")
  if(hits)
    message(FATAL_ERROR "${src} includes a platform header in a standard-C++ layer: ${hits}")
  endif()
endforeach()
