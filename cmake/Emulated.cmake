# The path by which the tests start one of the programs themselves. In a build for another
# machine that runs under an emulator, a program cannot start another of that machine's
# programs by itself (qemu runs one process, and the kernel knows no such executables), so
# the path is that of a script that starts the program under the emulator.
function(wl3_runnable_path target out)
    if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR AND NOT WIN32)
        set(script ${CMAKE_BINARY_DIR}/emulated/${target})
        list(JOIN CMAKE_CROSSCOMPILING_EMULATOR "' '" emulator)
        file(GENERATE OUTPUT ${script}
             CONTENT "#!/bin/sh\nexec '${emulator}' '$<TARGET_FILE:${target}>' \"$@\"\n"
             FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                              WORLD_READ WORLD_EXECUTE)
        set(${out} ${script} PARENT_SCOPE)
    else()
        set(${out} $<TARGET_FILE:${target}> PARENT_SCOPE)
    endif()
endfunction()
