# cmake -DSIM=trivex-sim -DOGRINFO=ogrinfo -DSCENARIO=x.json -DWORK=folder -P check_geojson.cmake
#
# Writes the scenario's last plot as GeoJSON and reads it back with GDAL's ogrinfo: the number
# of features of each kind, the position of the second station and the crossing.
cmake_minimum_required(VERSION 3.25)

include("${CMAKE_CURRENT_LIST_DIR}/ogr_listing.cmake")
trivex_ogr_listing(--geojson "${WORK}/practice_miss.geojson" listing)

# Two stations, the bearing line of the one without accuracy and the three of the other, one
# crossing, the fix, the estimate with its ellipse, and the transmitter.
set(failures "")
string(REGEX MATCHALL "OGRFeature" found "${listing}")
list(LENGTH found actual)
if(NOT actual EQUAL 11)
  string(APPEND failures "${actual} features, expected 11\n")
endif()
trivex_count_features("${listing}" "kind \\(String\\) = @NAME@\n" features failures
                      station:2 bearingLine:4 crossing:1 fix:1 estimate:1 ellipse:1 transmitter:1)
# G4BBB stands 10 minutes east on the equator: 1/6 degree, longitude first.
string(FIND "${listing}" "callsign (String) = G4BBB\n  bearing (Integer) = 315\n  accuracy (Integer) = 2\n  POINT (0.166666666666667 0.0)" at)
if(at EQUAL -1)
  string(APPEND failures "G4BBB is not a point at 0.1667 E, 0 N\n")
endif()
# The crossing of rows 1 and 2, 10 minutes north of the first.
string(FIND "${listing}" "kind (String) = crossing\n  pair (IntegerList) = (2:1,2)\n  POINT (-0.0 0.166666666666667)" at)
if(at EQUAL -1)
  string(APPEND failures "no crossing of rows 1 and 2 at 0 E, 0.1667 N\n")
endif()
# A bearing line names the station it starts from.
foreach(line "bearing\n  callsign (String) = G4AAA\n  LINESTRING (-0.1666"
             "plusAccuracy\n  callsign (String) = G4BBB\n  LINESTRING (0.1666")
  string(FIND "${listing}" "line (String) = ${line}" at)
  if(at EQUAL -1)
    string(APPEND failures "no line (String) = ${line}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}${listing}")
endif()
