# SPDX-License-Identifier: GPL-3.0-or-later
# tavo_add_test(NAME name SOURCES a.cpp ... LIBRARIES lib ...)
# One QtTest executable per class under test, registered with CTest. Tests run
# on the offscreen platform with a scratch home so they never touch the user's
# real settings or data, and get the test-data folder as TAVO_TEST_DATA_DIR.
function(tavo_add_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    set_target_properties(${ARG_NAME} PROPERTIES TAVO_TEST ON)
    target_link_libraries(${ARG_NAME} PRIVATE tavo_options Qt5::Test ${ARG_LIBRARIES})
    # Helpers shared by the tests (tolerances of numeric comparisons).
    target_include_directories(${ARG_NAME} PRIVATE "${CMAKE_SOURCE_DIR}/tests")
    target_compile_definitions(${ARG_NAME} PRIVATE
        TAVO_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
        TAVO_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples"
        TAVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set(home "${CMAKE_BINARY_DIR}/test-home/${ARG_NAME}")
    set_tests_properties(${ARG_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_DATA_HOME=${home}/.local/share;XDG_CONFIG_HOME=${home}/.config;LC_ALL=C.UTF-8"
        TIMEOUT 300)
    if(TARGET tavo_resources)
        add_dependencies(${ARG_NAME} tavo_resources)
    endif()
endfunction()
