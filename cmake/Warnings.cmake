# Warnings are set per target, never globally, so third-party code keeps its own.
function(wl3_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# The core is shared by the window, the command-line tool and the tests: it must never
# pull in Qt. Fails the configure step if any core target links a Qt library.
function(wl3_require_no_qt target)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    if(libraries)
        foreach(library IN LISTS libraries)
            if(library MATCHES "Qt")
                message(FATAL_ERROR "${target} is core code and must not link ${library}")
            endif()
        endforeach()
    endif()
endfunction()
