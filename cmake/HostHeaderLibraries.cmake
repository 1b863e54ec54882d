# A cross build takes the header-only libraries of the command line (CLI11, nlohmann-json)
# from the host's Debian packages. It reaches them through a folder of links that holds
# them and nothing else: the host's /usr/include as a whole would put the host's C library
# in place of the target's.
set(wl3_host_headers ${CMAKE_BINARY_DIR}/host-headers)
foreach(entry include/CLI include/nlohmann share/cmake/CLI11 share/cmake/nlohmann_json)
    set(link ${wl3_host_headers}/usr/${entry})
    if(EXISTS /usr/${entry} AND NOT EXISTS ${link})
        get_filename_component(parent ${link} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK /usr/${entry} ${link} SYMBOLIC)
    endif()
endforeach()
list(APPEND CMAKE_FIND_ROOT_PATH ${wl3_host_headers})
