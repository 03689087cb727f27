# Native build of the platform-free logic with its GoogleTest unit tests.
option(VO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

if(NOT VO_BUILD_TESTS)
    return()
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB VO_HOST_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/host/*.cpp)
add_executable(host_tests ${VO_HOST_TEST_SOURCES})
target_link_libraries(host_tests PRIVATE vo_core vo_demo_core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(host_tests TEST_PREFIX "host." DISCOVERY_TIMEOUT 60)

# The test runner's choice of build trees, on a simulated machine without 32-bit support.
add_test(NAME tools.run-tests COMMAND bash ${PROJECT_SOURCE_DIR}/tests/tools/run_tests_test.sh)

# libFuzzer run of the editing model, and of the spin box and the text edit on
# top of it. libFuzzer needs clang, whatever compiles the rest of this tree, so
# the target is built by its own command; the test runs it for a bounded time.
# Without clang++ the test fails and says why rather than passing unrun.
find_program(VO_CLANGXX NAMES clang++ clang++-14)
set(VO_FUZZ_DIR ${PROJECT_BINARY_DIR}/fuzz)
if(VO_CLANGXX)
    set(VO_FUZZ_SOURCES
        ${PROJECT_SOURCE_DIR}/tests/fuzz/edit_model_fuzz.cpp
        ${PROJECT_SOURCE_DIR}/src/widgets/text/EditModel.cpp
        ${PROJECT_SOURCE_DIR}/src/widgets/range/SpinBoxLogic.cpp
        ${PROJECT_SOURCE_DIR}/src/widgets/text/TextEditLogic.cpp)
    add_custom_command(
        OUTPUT ${VO_FUZZ_DIR}/edit_model_fuzz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VO_FUZZ_DIR}
        COMMAND ${VO_CLANGXX} -std=c++17 -g -O1 -Wall -Wextra
                -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
                -I${PROJECT_SOURCE_DIR}/src ${VO_FUZZ_SOURCES} -o ${VO_FUZZ_DIR}/edit_model_fuzz
        DEPENDS ${VO_FUZZ_SOURCES}
                ${PROJECT_SOURCE_DIR}/src/widgets/text/EditModel.h
                ${PROJECT_SOURCE_DIR}/src/widgets/range/SpinBoxLogic.h
                ${PROJECT_SOURCE_DIR}/src/widgets/text/TextEditLogic.h
        COMMENT "Building the editing-model fuzzer with clang++"
        VERBATIM)
    add_custom_target(edit_model_fuzz ALL DEPENDS ${VO_FUZZ_DIR}/edit_model_fuzz)
    add_test(NAME fuzz.edit_model
             COMMAND ${VO_FUZZ_DIR}/edit_model_fuzz -runs=300000 -max_total_time=15 -max_len=512
                     -artifact_prefix=${VO_FUZZ_DIR}/)
    set_tests_properties(fuzz.edit_model PROPERTIES TIMEOUT 60)
else()
    add_test(NAME fuzz.edit_model
             COMMAND sh -c "echo 'fuzz.edit_model: clang++ not found; run tools/install-deps.sh' >&2; exit 1")
endif()
