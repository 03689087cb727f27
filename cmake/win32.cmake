# The Windows build, 32- or 64-bit by toolchain: the library, the resources,
# the demonstration program and the Windows tests, which ctest runs under Wine.
enable_language(RC)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VO_ARCH win64)
else()
    set(VO_ARCH win32)
endif()
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -O coff")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
add_compile_definitions(UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601)
# The runtime is linked in so every .exe runs on its own.
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB_RECURSE VO_WIN32_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/window/vo*.cpp
    ${PROJECT_SOURCE_DIR}/src/control/*.cpp
    ${PROJECT_SOURCE_DIR}/src/widgets/*.cpp
    ${PROJECT_SOURCE_DIR}/src/app/Application.cpp)
get_target_property(VO_CORE_SOURCES vo_core SOURCES)
foreach(core ${VO_CORE_SOURCES})
    list(REMOVE_ITEM VO_WIN32_SOURCES ${PROJECT_SOURCE_DIR}/${core})
endforeach()
add_library(vo_controls STATIC ${VO_WIN32_SOURCES})
target_link_libraries(vo_controls PUBLIC vo_core msimg32 gdi32 user32 gdiplus comctl32 shell32 ole32 oleaut32 oleacc uuid)
# The name a consumer links, from the installed package or from add_subdirectory.
set_target_properties(vo_controls PROPERTIES EXPORT_NAME vo)
add_library(vo::vo ALIAS vo_controls)

include(cmake/resources.cmake)
include(cmake/package.cmake)

if(VO_BUILD_DEMO OR VO_BUILD_TESTS)
    # The demonstration windows: used by the program, its tests and the bench, never installed.
    file(GLOB VO_DEMO_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/demo/*.cpp)
    add_library(vo_demo STATIC ${VO_DEMO_SOURCES})
    target_link_libraries(vo_demo PUBLIC vo_controls vo_demo_core)

    add_executable(VoDemo WIN32 src/app/main.cpp)
    target_link_options(VoDemo PRIVATE -municode)
    target_link_libraries(VoDemo PRIVATE vo_demo vo_resources)
endif()

if(VO_BUILD_TESTS)
    add_subdirectory(tests)
endif()

if(VO_BUILD_DEMO)
    # make bench: our controls against the system controls at the same rectangles.
    add_executable(vo_bench tools/bench/Bench.cpp)
    target_link_options(vo_bench PRIVATE -municode)
    target_link_libraries(vo_bench PRIVATE vo_demo vo_resources)
endif()
include(${PROJECT_SOURCE_DIR}/tools/docs/docs.cmake)
