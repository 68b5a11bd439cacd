# cmake -DSIM=trivex-sim -DOGRINFO=ogrinfo -DSCENARIO=x.json -DWORK=folder -P check_kml.cmake
#
# Writes the scenario's last plot as KML and reads it back with GDAL's ogrinfo: the number of
# placemarks in each folder, one station's position and the ellipse's closed ring.
cmake_minimum_required(VERSION 3.25)

include("${CMAKE_CURRENT_LIST_DIR}/ogr_listing.cmake")
trivex_ogr_listing(--kml "${WORK}/show_estimate.kml" listing)

# Four stations with three lines each (the estimate's magenta lines on the map are none of them),
# one crossing, the fix, the estimate with its ellipse, and no transmitter.
set(failures "")
trivex_count_features("${listing}" "OGRFeature\\(@NAME@\\):" placemarks failures
                      "Stations:4" "Bearing lines:12" "Crossings:1" "Fix:1" "Best estimate:2" "Transmitter:0")
# M7NML stands at 120 minutes west, 3201.9 north (as a single): longitude first.
if(NOT listing MATCHES "Name \\(String\\) = M7NML\n[^O]*POINT \\(-2 53\\.36499837")
  string(APPEND failures "M7NML is not a point at 2 W, 53.365 N\n")
endif()
# The ellipse: 24 points and the first again.
string(REGEX MATCH "POLYGON \\(\\(([^)]*)\\)\\)" ring "${listing}")
string(REGEX MATCHALL "," commas "${CMAKE_MATCH_1}")
list(LENGTH commas points)
if(NOT points EQUAL 24)
  string(APPEND failures "the ellipse has ${points} points beside the first, expected 24\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}${listing}")
endif()
