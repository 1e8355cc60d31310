# usina_expose_folder(TARGET SCOPE): makes the calling folder, and only it, visible to TARGET (and, for
# PUBLIC or INTERFACE, to whatever links TARGET) under its path from the top of the tree, so that headers
# are named "platform/value/value.h". The include root holds a link to that one folder: a target sees the
# folders of the libraries it links and no other, and an include that goes against the layers fails.
function(usina_expose_folder target scope)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} ${scope} ${root})
endfunction()

# usina_library(NAME DEPS...): a static library of every .cpp in the calling folder, exposing that folder,
# with the project's warnings; DEPS are linked PUBLIC, so their folders are visible to the library's users.
function(usina_library name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        usina_expose_folder(${name} PUBLIC)
        target_link_libraries(${name} PRIVATE usina_warnings PUBLIC ${ARGN})
    else()
        add_library(${name} INTERFACE)
        usina_expose_folder(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
endfunction()

# usina_test(NAME [RUN_SERIAL] [TIMEOUT SECONDS] DEPS...): one GoogleTest executable of every .cpp in the
# calling folder. Tests stand above every layer: they see the whole tree. RUN_SERIAL for tests that watch
# the clock: ctest runs each of them alone. TIMEOUT (300 s when not given) for a test whose length
# follows the machine's speed. Test names are the names the tests give (a parameterised test's name
# generator, or its index), never the bytes of a parameter.
function(usina_test name)
    cmake_parse_arguments(PARSE_ARGV 1 test "RUN_SERIAL" "TIMEOUT" "")
    if(NOT test_TIMEOUT)
        set(test_TIMEOUT 300)
    endif()
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
    set(properties TIMEOUT ${test_TIMEOUT})
    if(test_RUN_SERIAL)
        list(APPEND properties RUN_SERIAL TRUE)
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${properties})
endfunction()
