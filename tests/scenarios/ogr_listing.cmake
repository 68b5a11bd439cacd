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
