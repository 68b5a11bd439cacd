# cmake -DSIM=trivex-sim -DWORK=folder -P bounded_memory.cmake
#
# A run of 300 steps, each of which shows a settings file of 1 MB in the transcript: kept step
# by step it would take 300 MB and more. trivex-sim must finish it within 150 MB of address space.
cmake_minimum_required(VERSION 3.25)

string(REPEAT "x" 1000 value)
string(REPEAT "Key=${value}\\r\\n" 1000 settings)
string(REPEAT "{\"do\": \"menu\", \"item\": \"replot\"}, " 299 actions)
set(scenario "${WORK}/bounded_memory.json")
file(WRITE "${scenario}"
     "{\"settings\": \"[SETUP]\\r\\n${settings}\", \"actions\": [${actions}{\"do\": \"plot\"}]}")

execute_process(COMMAND sh -c "ulimit -v 150000 && exec \"$0\" \"$1\" > /dev/null" "${SIM}" "${scenario}"
                RESULT_VARIABLE exit_code ERROR_VARIABLE errors)
if(NOT exit_code STREQUAL "0")
  message(FATAL_ERROR "trivex-sim within 150 MB: exit status ${exit_code}, standard error: ${errors}")
endif()
