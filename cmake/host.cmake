# Native build of the platform-free logic with its GoogleTest unit tests.
option(VO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB VO_HOST_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/host/*.cpp)
add_executable(host_tests ${VO_HOST_TEST_SOURCES})
target_link_libraries(host_tests PRIVATE vo_core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(host_tests TEST_PREFIX "host." DISCOVERY_TIMEOUT 60)

# The test runner's choice of build trees, on a simulated machine without 32-bit support.
add_test(NAME tools.run-tests COMMAND bash ${PROJECT_SOURCE_DIR}/tests/tools/run_tests_test.sh)
