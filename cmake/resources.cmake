# The resource script: manifest, menu and the generated skin pieces. Linked into
# the demonstration program and every Windows test, whose controls load their
# pieces from their own module.
set(VO_SKIN_DIR ${CMAKE_BINARY_DIR}/skins)
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

set(VO_RC ${PROJECT_SOURCE_DIR}/resources/demo.rc)
add_library(vo_resources OBJECT ${VO_RC})
target_include_directories(vo_resources PRIVATE ${PROJECT_SOURCE_DIR}/resources ${VO_SKIN_DIR})
set_source_files_properties(${VO_RC} PROPERTIES OBJECT_DEPENDS
    "${VO_SKIN_DIR}/skins.rc;${PROJECT_SOURCE_DIR}/resources/app.manifest;${PROJECT_SOURCE_DIR}/resources/menu.rc")
add_dependencies(vo_resources vo_skins)
