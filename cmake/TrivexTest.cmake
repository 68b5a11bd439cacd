# trivex_add_test(NAME name SOURCES a.cpp ... LIBS lib ... [LABELS l ...])
# One GoogleTest executable, registered with CTest as one test. On a cross build CTest
# runs it through CMAKE_CROSSCOMPILING_EMULATOR (Wine).
# trivex_add_test(NAME name COMMAND program arg ... [LABELS l ...]): a check that is a
# program of the build machine's, such as a script over the source tree.
function(trivex_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS;COMMAND" ${ARGN})
  if(T_COMMAND)
    add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
  else()
    add_executable(${T_NAME} ${T_SOURCES})
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main trivex_options)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "unit;${T_LABELS}" TIMEOUT 300)
endfunction()
