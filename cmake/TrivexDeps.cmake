# Third-party code comes from Debian's packages; the Windows build uses the same sources.

# nlohmann/json is header-only. A cross build must not see the whole of /usr/include,
# so it gets a folder that holds only the json headers.
find_path(TRIVEX_NLOHMANN_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(trivex_json_include "${CMAKE_BINARY_DIR}/third_party/json")
file(MAKE_DIRECTORY "${trivex_json_include}")
file(CREATE_LINK "${TRIVEX_NLOHMANN_DIR}/nlohmann" "${trivex_json_include}/nlohmann" SYMBOLIC)
add_library(trivex_json INTERFACE)
target_include_directories(trivex_json SYSTEM INTERFACE "${trivex_json_include}")

if(TRIVEX_BUILD_TESTS)
  set(TRIVEX_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
  if(NOT EXISTS "${TRIVEX_GOOGLETEST_DIR}/CMakeLists.txt")
    message(FATAL_ERROR "GoogleTest sources not found in ${TRIVEX_GOOGLETEST_DIR}: run scripts/setup-debian.sh")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory("${TRIVEX_GOOGLETEST_DIR}" "${CMAKE_BINARY_DIR}/third_party/googletest" EXCLUDE_FROM_ALL SYSTEM)
endif()
