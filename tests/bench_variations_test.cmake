# The batch benchmark's generator: every variation it writes must build into a project that
# reports, and the variations must really differ (station, orientation and areas).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/config")
set(ENV{XDG_CONFIG_HOME} "${WORK}/config")

# Sixteen: every one of the eight turns twice, on sixteen stations and eleven area scales.
execute_process(COMMAND "${GENERATOR}" "${SOURCE}/examples/office.json" 16 "${WORK}/json"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the generator failed (${rc}): ${err}")
endif()

set(reports "")
set(stations "")
foreach(i RANGE 15)
  string(LENGTH "${i}" digits)
  math(EXPR pad "4 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  set(name "variation-${zeros}${i}")
  execute_process(COMMAND "${CLI}" build "${WORK}/json/${name}.json" -o "${WORK}/${name}.Spc"
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${name}.json does not build (${rc}): ${err}")
  endif()
  execute_process(COMMAND "${CLI}" report "${WORK}/${name}.Spc" 200
                  RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR report STREQUAL "")
    message(FATAL_ERROR "${name}.Spc gives no peak summary (${rc}): ${err}")
  endif()
  string(SHA256 hash "${report}")
  list(APPEND reports "${hash}")
  file(READ "${WORK}/json/${name}.json" description)
  string(JSON station GET "${description}" 0 m_nCityIndex)
  list(APPEND stations "${station}")
endforeach()

list(REMOVE_DUPLICATES reports)
list(LENGTH reports distinct)
if(NOT distinct EQUAL 16)
  message(FATAL_ERROR "only ${distinct} of 16 variations report different peak summaries")
endif()
list(REMOVE_DUPLICATES stations)
list(LENGTH stations distinct)
if(NOT distinct EQUAL 16)
  message(FATAL_ERROR "only ${distinct} of 16 variations are on different stations")
endif()

# A description it cannot read is refused with a message, not a crash.
file(WRITE "${WORK}/broken.json" "{\"command\": ")
execute_process(COMMAND "${GENERATOR}" "${WORK}/broken.json" 3 "${WORK}/none"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "broken.json")
  message(FATAL_ERROR "a broken description was not refused (${rc}): ${err}")
endif()
