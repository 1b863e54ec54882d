# Shared by the Raspberry Pi toolchains (debian-arm64.cmake, debian-armhf.cmake), which set
# WL3_DEBIAN_ARCH, WL3_TRIPLET, WL3_QEMU and WL3_LOADER: Debian's cross compilers, building
# against Debian's own packages of that architecture unpacked by scripts/sysroot, with
# Debian's host Qt tools, and qemu to run what they build (ctest, and the programs the
# tests start).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${WL3_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${WL3_TRIPLET}-g++)

execute_process(
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/sysroot ${WL3_DEBIAN_ARCH} --print-dir
    OUTPUT_VARIABLE wl3_sysroot OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT EXISTS ${wl3_sysroot}/.complete)
    message(FATAL_ERROR "No ${WL3_DEBIAN_ARCH} sysroot at ${wl3_sysroot}: run scripts/sysroot ${WL3_DEBIAN_ARCH}")
endif()
set(CMAKE_SYSROOT ${wl3_sysroot})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config, which some of Qt's find modules ask, must describe the target's libraries.
set(ENV{PKG_CONFIG_SYSROOT_DIR} ${wl3_sysroot})
set(ENV{PKG_CONFIG_LIBDIR}
    ${wl3_sysroot}/usr/lib/${WL3_TRIPLET}/pkgconfig:${wl3_sysroot}/usr/share/pkgconfig)

# moc, uic and rcc are this machine's: Debian's Qt of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
# So are lupdate and lrelease; named outright, since Qt's own search for a host tools
# package roots this machine's path in the sysroot and does not find it.
set(Qt6LinguistTools_DIR ${QT_HOST_PATH_CMAKE_DIR}/Qt6LinguistTools)

# qemu runs the sysroot's dynamic loader, which takes the libraries from the sysroot, and
# Qt's plugins are named by the environment. qemu's -L, which would look up every absolute
# path in the sysroot first, makes "/" the sysroot, where a save that walks its path from
# the root finds no /tmp. Without binfmt_misc a program under qemu cannot start another
# one itself, so the tests start the programs through scripts that call qemu
# (wl3_runnable_path in Emulated.cmake).
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${WL3_QEMU} -E QT_PLUGIN_PATH=${wl3_sysroot}/usr/lib/${WL3_TRIPLET}/qt6/plugins
    ${wl3_sysroot}/lib/${WL3_LOADER}
    --library-path ${wl3_sysroot}/lib/${WL3_TRIPLET}:${wl3_sysroot}/usr/lib/${WL3_TRIPLET})
