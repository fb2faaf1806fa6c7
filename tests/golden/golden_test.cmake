# The examples and further projects built through the command-line tool give exactly the
# committed project bytes (by SHA-256), reports and exported table values. Any change to a
# number, a text or a saved byte shows up here. After an intended change, regenerate with
#   cmake -DCLI=... -DSOURCE=... -DWORK=... -DUPDATE=ON -P tests/golden/golden_test.cmake
# and name every changed line in the commit.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/config")
# No options file: every project starts from the defaults, whatever the machine holds.
set(ENV{XDG_CONFIG_HOME} "${WORK}/config")
set(EXPECTED "${SOURCE}/tests/golden/expected")

set(projects
    "${SOURCE}/examples/office.json"
    "${SOURCE}/examples/house.json"
    "${SOURCE}/tests/golden/projects/sydney-clinic.json"
    "${SOURCE}/tests/golden/projects/every-component.json")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${rc}): ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

set(failures "")
# Compares (or, updating, writes) one produced file against its expected copy.
function(check produced name)
  if(UPDATE)
    configure_file("${produced}" "${EXPECTED}/${name}" COPYONLY)
    return()
  endif()
  if(NOT EXISTS "${EXPECTED}/${name}")
    set(failures "${failures}\n  ${name}: no expected file" PARENT_SCOPE)
    return()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${produced}" "${EXPECTED}/${name}"
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    set(failures "${failures}\n  ${name}: differs from ${EXPECTED}/${name} (produced: ${produced})"
        PARENT_SCOPE)
  endif()
endfunction()

foreach(project IN LISTS projects)
  get_filename_component(name "${project}" NAME_WE)
  set(spc "${WORK}/${name}.Spc")
  run("${CLI}" build "${project}" -o "${spc}")
  run("${CLI}" recalc "${spc}" "${WORK}/${name}.recalc.Spc")
  # The project files are large binaries: their hashes stand for their bytes.
  file(SHA256 "${spc}" built)
  file(SHA256 "${WORK}/${name}.recalc.Spc" recalculated)
  file(WRITE "${WORK}/${name}.spc.sha256" "${built}  ${name}.Spc\n${recalculated}  ${name}.recalc.Spc\n")
  check("${WORK}/${name}.spc.sha256" "${name}.spc.sha256")
  foreach(kind 101 187 200 201 202)
    run("${CLI}" report "${spc}" ${kind})
    file(WRITE "${WORK}/${name}.report${kind}.txt" "${out}")
    check("${WORK}/${name}.report${kind}.txt" "${name}.report${kind}.txt")
  endforeach()
  run("${CLI}" summary "${spc}")
  file(WRITE "${WORK}/${name}.summary.txt" "${out}")
  check("${WORK}/${name}.summary.txt" "${name}.summary.txt")
  run("${CLI}" export "${spc}" --json "${WORK}/${name}.export.json")
  check("${WORK}/${name}.export.json" "${name}.export.json")
endforeach()

if(failures)
  message(FATAL_ERROR "Outputs differ from the committed ones:${failures}")
endif()
