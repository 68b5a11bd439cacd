# cmake -DSIM=trivex-sim -DSCENARIO=x.json -DEXPECTED=x.expected.json [-DEMULATOR=a|b] -P check_scenario.cmake
#
# Runs trivex-sim on the scenario and checks its exit status, standard error and transcript
# against the expectations:
#   "exitCode": 0                          (the default)
#   "stderr": "regex"                      standard error must be one line matching it
#   "outputContains": ["text", ...]        texts that must appear in the output as written
#   "checks": [{"path": ["steps", 1, "window", "label3"], "equals": VALUE}
#              {"path": [...], "contains": "text"}       the value's text holds it
#              {"path": [...], "lacks": "text"}]         the value's text does not hold it
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" emulator "${EMULATOR}")
execute_process(COMMAND ${emulator} "${SIM}" "${SCENARIO}"
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE exit_code)
file(READ "${EXPECTED}" expected)
if(EMULATOR)
  # Wine reports crashes of its own helper processes of the prefix on whatever standard
  # error they inherited; they are not the program's output.
  string(REGEX REPLACE "wine: [^\n]*starting debugger[.][.][.]\r?\n" "" errors "${errors}")
endif()

set(failures "")
macro(fail message)
  string(APPEND failures "${message}\n")
endmacro()

string(JSON wanted_exit ERROR_VARIABLE none GET "${expected}" exitCode)
if(none)
  set(wanted_exit 0)
endif()
if(NOT exit_code STREQUAL wanted_exit)
  fail("exit status: expected ${wanted_exit}, actual ${exit_code}; standard error: ${errors}")
endif()

string(JSON stderr_regex ERROR_VARIABLE none GET "${expected}" stderr)
string(REGEX REPLACE "\r?\n$" "" error_text "${errors}")
if(none AND NOT error_text STREQUAL "")
  fail("standard error should be empty, actual: ${errors}")
elseif(NOT none)
  if(error_text MATCHES "\n" OR NOT error_text MATCHES "${stderr_regex}")
    fail("standard error: expected one line matching ${stderr_regex}, actual: ${errors}")
  endif()
endif()

string(JSON count ERROR_VARIABLE none LENGTH "${expected}" outputContains)
if(NOT none AND count GREATER 0)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON text GET "${expected}" outputContains ${i})
    string(FIND "${output}" "${text}" at)
    if(at EQUAL -1)
      fail("output lacks ${text}")
    endif()
  endforeach()
endif()

# The path of a check as a CMake list of keys and indices.
function(check_path check out)
  string(JSON length LENGTH "${check}" path)
  set(keys "")
  math(EXPR last "${length} - 1")
  foreach(i RANGE ${last})
    string(JSON key GET "${check}" path ${i})
    list(APPEND keys "${key}")
  endforeach()
  set(${out} "${keys}" PARENT_SCOPE)
endfunction()

string(JSON count ERROR_VARIABLE none LENGTH "${expected}" checks)
if(NOT none AND count GREATER 0 AND exit_code EQUAL 0)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON check GET "${expected}" checks ${i})
    check_path("${check}" keys)
    string(JSON actual_type ERROR_VARIABLE missing TYPE "${output}" ${keys})
    if(missing)
      fail("${keys}: missing in the transcript")
      continue()
    endif()
    string(JSON actual GET "${output}" ${keys})
    string(JSON wanted ERROR_VARIABLE none GET "${check}" equals)
    if(NOT none)
      string(JSON wanted_type TYPE "${check}" equals)
      # Containers compare as JSON; a scalar's text comes back the same for the same value.
      set(same FALSE)
      if(NOT actual_type STREQUAL wanted_type)
      elseif(actual_type MATCHES "^(ARRAY|OBJECT)$")
        string(JSON same EQUAL "${actual}" "${wanted}")
      elseif(actual STREQUAL wanted)
        set(same TRUE)
      endif()
      if(NOT same)
        fail("${keys}:\n  expected (${wanted_type}): ${wanted}\n  actual (${actual_type}):   ${actual}")
      endif()
    endif()
    string(SUBSTRING "${actual}" 0 1500 shown)
    foreach(kind contains lacks)
      string(JSON text ERROR_VARIABLE none GET "${check}" ${kind})
      if(NOT none)
        string(FIND "${actual}" "${text}" at)
        if(kind STREQUAL "contains" AND at EQUAL -1)
          fail("${keys}: expected to contain ${text}\n  actual: ${shown}")
        elseif(kind STREQUAL "lacks" AND NOT at EQUAL -1)
          fail("${keys}: expected not to contain ${text}\n  actual: ${shown}")
        endif()
      endif()
    endforeach()
  endforeach()
endif()

if(failures)
  message(FATAL_ERROR "${SCENARIO}:\n${failures}")
endif()
