# vo_copy_skin_files(<target>): after each build of <target>, copies the
# library's skin bitmap files into a "resources" folder beside it, where a
# control given a file skin ("resources\\...") reads them at run time.
function(vo_copy_skin_files target)
    get_property(files GLOBAL PROPERTY VO_SKIN_FILES_DIR)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${files} $<TARGET_FILE_DIR:${target}>/resources
        VERBATIM)
endfunction()
