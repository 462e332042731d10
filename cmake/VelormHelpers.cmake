# Small CMake helpers shared by the source, test and benchmark folders.
include(GoogleTest)

# Collects the .cpp files of the given folders (recursively), leaving out ui/ folders,
# which belong to the Qt layer.
function(velorm_collect_sources out)
    set(result)
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
        list(FILTER found EXCLUDE REGEX "/ui/")
        list(APPEND result ${found})
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# One GoogleTest executable per test folder; every test in it carries the given ctest label.
# Tests are listed when ctest runs, so a window test never needs a display at build time.
function(velorm_add_test_executable name label)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS ${label} ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
