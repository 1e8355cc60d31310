# usina_library(NAME DEPS...): a static library of every .cpp in the calling folder, include root at
# the top of the tree (so headers are named "platform/value/value.h"), with the project's warnings.
function(usina_library name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} PRIVATE usina_warnings PUBLIC ${ARGN})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
endfunction()

# usina_test(NAME [RUN_SERIAL] DEPS...): one GoogleTest executable of every .cpp in the calling folder.
# RUN_SERIAL for tests that watch the clock: ctest runs each of them alone. Test names are the names the
# tests give (a parameterised test's name generator, or its index), never the bytes of a parameter.
function(usina_test name)
    cmake_parse_arguments(PARSE_ARGV 1 test "RUN_SERIAL" "" "")
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(NOT sources)
        message(STATUS "${name}: no sources yet")
        return()
    endif()
    add_executable(${name} ${sources})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE usina_warnings GTest::gtest GTest::gmock GTest::gtest_main
                                          ${test_UNPARSED_ARGUMENTS})
    target_compile_definitions(${name} PRIVATE USINA_PROGRAM_DIR="${USINA_PROGRAM_DIR}"
                                               USINA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    set(properties TIMEOUT 300)
    if(test_RUN_SERIAL)
        list(APPEND properties RUN_SERIAL TRUE)
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${properties})
endfunction()
