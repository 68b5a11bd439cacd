# Shared part of the mingw toolchain files: expects trivex_triplet. Fails at once when a
# tool is missing instead of letting CMake fall back to the host compiler.
function(trivex_require_tool var name)
  find_program(${var} ${name} NO_CMAKE_FIND_ROOT_PATH)
  if(NOT ${var})
    message(FATAL_ERROR "${name} not found: run scripts/setup-debian.sh")
  endif()
  set(${var} "${${var}}" PARENT_SCOPE)
endfunction()

# The posix thread model: libstdc++'s <mutex> and <thread> work with it.
trivex_require_tool(CMAKE_C_COMPILER ${trivex_triplet}-gcc-posix)
trivex_require_tool(CMAKE_CXX_COMPILER ${trivex_triplet}-g++-posix)
trivex_require_tool(CMAKE_RC_COMPILER ${trivex_triplet}-windres)
trivex_require_tool(TRIVEX_WIDL ${trivex_triplet}-widl)

set(CMAKE_FIND_ROOT_PATH /usr/${trivex_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Each build folder runs its tests in a Wine prefix of its own.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run;${CMAKE_BINARY_DIR}/wineprefix")
