# Installs into a temporary prefix and checks that the installed tool runs (finding its
# libraries) and that the installed data folder holds sound reference files.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed")
endif()
execute_process(COMMAND "${PREFIX}/bin/thermavo-cli" stations --index 1
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Alexander City")
  message(FATAL_ERROR "installed tool does not run: ${err}")
endif()
execute_process(COMMAND "${PREFIX}/bin/thermavo-cli" tables check --strict "${PREFIX}/share/thermavo"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
message("${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed data files have problems")
endif()
foreach(n 08 16 24 26 32 33 34 39 40 41 57 73 75)
  if(NOT EXISTS "${PREFIX}/share/thermavo/qlex${n}.dat")
    message(FATAL_ERROR "qlex${n}.dat is not installed")
  endif()
endforeach()
