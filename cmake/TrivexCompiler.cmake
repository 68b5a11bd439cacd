# Warnings and platform flags shared by every target.
add_library(trivex_options INTERFACE)
target_compile_options(trivex_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

if(WIN32)
  # Windows builds ship as one static executable that needs no DLL beyond the system's.
  target_compile_definitions(trivex_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  target_link_options(trivex_options INTERFACE -static -static-libgcc -static-libstdc++)
  # Where the sources and the build folder lie must not show in what ships: the same commit
  # gives the same executable on any machine (scripts/package.sh).
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
endif()

if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  # x87 keeps intermediate results in 80 bits, so single and double arithmetic would round
  # differently from every other build. SSE2 rounds each operation as written. For all
  # targets, third-party ones included.
  add_compile_options(-msse2 -mfpmath=sse)
endif()
