# CSV tables (a fleet write's units file, the report of several trackers) through libcsv,
# for wl3 and the units file's fuzz target; the target wl3_csv. Linked statically so that
# the package needs no libcsv3. Debian builds it for Linux only (a build for the Raspberry
# Pi finds it in the sysroot): the Windows build compiles Debian's source of it, which
# scripts/fetch-libcsv keeps outside the clone.
if(WIN32)
    set(WL3_LIBCSV_SOURCE_DIR "" CACHE PATH
        "Debian's libcsv source, for a cross build (scripts/fetch-libcsv --print-dir)")
    if(NOT EXISTS "${WL3_LIBCSV_SOURCE_DIR}/libcsv.c")
        message(FATAL_ERROR "No libcsv.c in WL3_LIBCSV_SOURCE_DIR; run scripts/fetch-libcsv")
    endif()
    enable_language(C)
    add_library(wl3_csv STATIC ${WL3_LIBCSV_SOURCE_DIR}/libcsv.c)
    target_include_directories(wl3_csv SYSTEM PUBLIC ${WL3_LIBCSV_SOURCE_DIR})
else()
    find_path(WL3_CSV_INCLUDE_DIR csv.h REQUIRED)
    find_library(WL3_CSV_LIBRARY NAMES libcsv.a REQUIRED)
    add_library(wl3_csv STATIC IMPORTED)
    set_target_properties(wl3_csv PROPERTIES IMPORTED_LOCATION ${WL3_CSV_LIBRARY}
                                             INTERFACE_INCLUDE_DIRECTORIES ${WL3_CSV_INCLUDE_DIR})
endif()
