# The program's version has one source, project() in CMakeLists.txt. The code and the resource
# script get it from a generated header: 1.4.2 becomes file version 1,4,0,2, shown as "1.04.0002".
if(PROJECT_VERSION_MINOR GREATER 99 OR PROJECT_VERSION_PATCH GREATER 9999)
  message(FATAL_ERROR "Version ${PROJECT_VERSION}: the file version shows at most 99 as minor and 9999 as patch")
endif()
math(EXPR trivex_minor "100 + ${PROJECT_VERSION_MINOR}")
math(EXPR trivex_patch "10000 + ${PROJECT_VERSION_PATCH}")
string(SUBSTRING ${trivex_minor} 1 2 trivex_minor)
string(SUBSTRING ${trivex_patch} 1 4 trivex_patch)
set(TRIVEX_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${trivex_minor}.${trivex_patch}")

configure_file(${PROJECT_SOURCE_DIR}/src/trivex_version.h.in ${PROJECT_BINARY_DIR}/generated/trivex_version.h @ONLY)
add_library(trivex_version INTERFACE)
target_include_directories(trivex_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
