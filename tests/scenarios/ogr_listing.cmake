# Included by the checks that read trivex-sim's map files back with GDAL's ogrinfo.
# trivex_ogr_listing(OPTION FILE OUT): plays SCENARIO with SIM, writing its last plot to FILE
# through OPTION (--geojson, --kml), and sets OUT to ogrinfo's listing of every feature.
function(trivex_ogr_listing option file out)
  if(NOT OGRINFO)
    message(FATAL_ERROR "ogrinfo (Debian package gdal-bin) is missing: run scripts/setup-debian.sh")
  endif()
  file(REMOVE "${file}")
  execute_process(COMMAND "${SIM}" "${SCENARIO}" --summary ${option} "${file}" OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "trivex-sim failed: ${status}")
  endif()
  execute_process(COMMAND "${OGRINFO}" -ro -al -q "${file}" OUTPUT_VARIABLE listing ERROR_VARIABLE errors
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "ogrinfo cannot read ${file}: ${errors}")
  endif()
  set(${out} "${listing}" PARENT_SCOPE)
endfunction()

# trivex_count_features(LISTING PATTERN WHAT OUT NAME:COUNT ...): counts the matches of
# PATTERN, with @NAME@ standing for each name, and appends each count not as expected to the
# variable OUT.
function(trivex_count_features listing pattern what out)
  set(failed "${${out}}")
  foreach(name_count ${ARGN})
    string(REGEX MATCH "^(.*):([0-9]+)$" ignored "${name_count}")
    set(name "${CMAKE_MATCH_1}")
    set(count "${CMAKE_MATCH_2}")
    string(REPLACE "@NAME@" "${name}" regex "${pattern}")
    string(REGEX MATCHALL "${regex}" found "${listing}")
    list(LENGTH found actual)
    if(NOT actual EQUAL count)
      string(APPEND failed "${name}: ${actual} ${what}, expected ${count}\n")
    endif()
  endforeach()
  set(${out} "${failed}" PARENT_SCOPE)
endfunction()
