# Installs a man page compressed, as Debian's policy and man-db expect. gzip -n keeps the
# file's name and time out of the archive, so that the package builds the same every time.
# Windows has no man; there the programs' --help stands in.
function(wl3_install_man_page source)
    if(WIN32)
        return()
    endif()
    get_filename_component(name ${source} NAME)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND gzip -9 -n -c ${source} > ${compressed}
        DEPENDS ${source}
        COMMENT "Compressing ${name}")
    string(MAKE_C_IDENTIFIER "man_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${compressed})
    get_filename_component(section ${source} LAST_EXT)
    string(SUBSTRING ${section} 1 -1 section)
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
