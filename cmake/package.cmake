# The library as a CMake package. Installed: the public headers under
# include/vo (laid out as under src/), the two static libraries, the resource
# object, the skin files and the package config. find_package(vo) and
# add_subdirectory both give the target vo::vo and vo_copy_skin_files().
include(CMakePackageConfigHelpers)

# Everything a control's header may include, as paths relative to src/.
file(GLOB_RECURSE VO_PUBLIC_HEADERS RELATIVE ${PROJECT_SOURCE_DIR}/src CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/window/*.h ${PROJECT_SOURCE_DIR}/src/control/*.h
     ${PROJECT_SOURCE_DIR}/src/widgets/*.h)
list(APPEND VO_PUBLIC_HEADERS app/Application.h)

# vo.h includes every control, the gradient window and the message loop's
# helper; generated, so a new control is in it.
file(GLOB_RECURSE VO_CONTROL_HEADERS RELATIVE ${PROJECT_SOURCE_DIR}/src CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/widgets/vo*.h)
set(VO_UMBRELLA "#pragma once\n// Every control of the library, the window they sit on and its message loop's helper.\n")
foreach(header window/voAbstractGradientWindow.h window/WindowClass.h ${VO_CONTROL_HEADERS})
    string(APPEND VO_UMBRELLA "#include \"${header}\"\n")
endforeach()
set(VO_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
file(CONFIGURE OUTPUT ${VO_GENERATED_INCLUDE_DIR}/vo.h CONTENT "${VO_UMBRELLA}" @ONLY)
target_include_directories(vo_controls PUBLIC $<BUILD_INTERFACE:${VO_GENERATED_INCLUDE_DIR}>)

include(${CMAKE_CURRENT_LIST_DIR}/voCopySkinFiles.cmake)
set_property(GLOBAL PROPERTY VO_SKIN_FILES_DIR ${VO_SKIN_DIR}/resources)

if(NOT VO_INSTALL)
    return()
endif()
# A tree installs into its own install/ folder unless told otherwise: the
# Windows files have no place in the build machine's /usr/local.
if(PROJECT_IS_TOP_LEVEL AND (CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT
                             OR (CMAKE_CROSSCOMPILING AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")))
    set_property(CACHE CMAKE_INSTALL_PREFIX PROPERTY VALUE ${PROJECT_BINARY_DIR}/install)
endif()
set(VO_INCLUDE_DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vo)
set(VO_CONFIG_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vo)
set(VO_SKIN_FILES_DESTINATION ${CMAKE_INSTALL_DATADIR}/vo/resources)

foreach(header ${VO_PUBLIC_HEADERS})
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/src/${header} DESTINATION ${VO_INCLUDE_DESTINATION}/${folder})
endforeach()
install(FILES ${VO_GENERATED_INCLUDE_DIR}/vo.h DESTINATION ${VO_INCLUDE_DESTINATION})
install(TARGETS vo_controls vo_core EXPORT voTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES $<TARGET_OBJECTS:vo_controls_resources> DESTINATION ${CMAKE_INSTALL_LIBDIR}/vo
        RENAME vo_controls.res)
install(DIRECTORY ${VO_SKIN_DIR}/resources/ DESTINATION ${VO_SKIN_FILES_DESTINATION})

install(EXPORT voTargets NAMESPACE vo:: DESTINATION ${VO_CONFIG_DESTINATION})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/voConfig.cmake.in
    ${PROJECT_BINARY_DIR}/voConfig.cmake INSTALL_DESTINATION ${VO_CONFIG_DESTINATION}
    PATH_VARS VO_SKIN_FILES_DESTINATION)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/voConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/voConfig.cmake ${PROJECT_BINARY_DIR}/voConfigVersion.cmake
        ${CMAKE_CURRENT_LIST_DIR}/voCopySkinFiles.cmake DESTINATION ${VO_CONFIG_DESTINATION})
