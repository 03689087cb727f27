# make docs: the pictures of the documentation pages, one per control family.
# Built with everything else (in ALL), so it keeps compiling against the controls.
if(NOT DEFINED VO_BUILD_DEMO OR VO_BUILD_DEMO)
    add_executable(vo_docs tools/docs/DocShots.cpp tools/docs/ShotSheet.cpp)
    target_include_directories(vo_docs PRIVATE ${PROJECT_SOURCE_DIR}/tools/docs)
    target_link_options(vo_docs PRIVATE -municode)
    target_link_libraries(vo_docs PRIVATE vo_controls gdiplus)
    # The program's manifest where the build has one (the skins come with vo_controls).
    if(TARGET vo_resources)
        target_link_libraries(vo_docs PRIVATE vo_resources)
    endif()
endif()
