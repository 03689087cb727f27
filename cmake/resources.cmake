# The resources. Controls load their skin pieces and the text controls' menu
# from the program's own module, so every program linking vo_controls gets the
# library's resource object on its link line (as an object: a resource-only
# member of a static archive would never be pulled in). The demonstration
# program and the tests add their manifest.
set(VO_SKIN_DIR ${PROJECT_BINARY_DIR}/skins)
set(VO_SKINGEN ${PROJECT_SOURCE_DIR}/tools/skingen/skingen.py)
file(GLOB VO_SKINGEN_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/skingen/*.py
     ${PROJECT_SOURCE_DIR}/tools/skingen/*.tsv)

if(EXISTS ${VO_SKINGEN})
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    add_custom_command(
        OUTPUT ${VO_SKIN_DIR}/skins.rc
        COMMAND ${Python3_EXECUTABLE} ${VO_SKINGEN} --out ${VO_SKIN_DIR} --rc-abs
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${VO_SKIN_DIR}/resources
                ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/resources
        COMMAND ${CMAKE_COMMAND} -E touch ${VO_SKIN_DIR}/skins.rc
        DEPENDS ${VO_SKINGEN_SOURCES}
        COMMENT "Drawing the skin pieces")
else()
    file(WRITE ${VO_SKIN_DIR}/skins.rc "")
endif()
add_custom_target(vo_skins DEPENDS ${VO_SKIN_DIR}/skins.rc)

set(VO_CONTROLS_RC ${PROJECT_SOURCE_DIR}/resources/controls.rc)
add_library(vo_controls_resources OBJECT ${VO_CONTROLS_RC})
target_include_directories(vo_controls_resources PRIVATE ${PROJECT_SOURCE_DIR}/resources ${VO_SKIN_DIR})
set_source_files_properties(${VO_CONTROLS_RC} PROPERTIES OBJECT_DEPENDS
    "${VO_SKIN_DIR}/skins.rc;${PROJECT_SOURCE_DIR}/resources/menu.rc")
add_dependencies(vo_controls_resources vo_skins)
add_dependencies(vo_controls vo_controls_resources)
target_link_libraries(vo_controls INTERFACE
    $<BUILD_INTERFACE:$<TARGET_OBJECTS:vo_controls_resources>>
    $<INSTALL_INTERFACE:$<INSTALL_PREFIX>/${CMAKE_INSTALL_LIBDIR}/vo/vo_controls.res>)

if(VO_BUILD_DEMO OR VO_BUILD_TESTS)
    set(VO_RC ${PROJECT_SOURCE_DIR}/resources/demo.rc)
    add_library(vo_resources OBJECT ${VO_RC})
    set_source_files_properties(${VO_RC} PROPERTIES OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/resources/app.manifest)
    target_include_directories(vo_resources PRIVATE ${PROJECT_SOURCE_DIR}/resources)
endif()
