# Warnings are set per target, never globally, so third-party code keeps its own.
function(wl3_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# The core is shared by the window, the command-line tool and the tests: it must never
# pull in Qt. Fails the configure step if a core target links a Qt library, directly or
# through any library it links.
function(wl3_require_no_qt target)
    set(pending ${target})
    set(seen "")
    while(pending)
        list(POP_FRONT pending library)
        # A link that only the final program makes still brings the library in.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
        if(library IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${library})
        if(library MATCHES "Qt")
            message(FATAL_ERROR "${target} is core code and must not link ${library}")
        endif()
        if(NOT TARGET ${library})
            continue()
        endif()
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(links ${library} ${property})
            if(links)
                list(APPEND pending ${links})
            endif()
        endforeach()
    endwhile()
endfunction()
