# The Raspberry Pi's 64-bit systems: Debian's arm64 (see debian-cross.cmake).
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(WL3_DEBIAN_ARCH arm64)
set(WL3_TRIPLET aarch64-linux-gnu)
set(WL3_QEMU qemu-aarch64-static)
set(WL3_LOADER ld-linux-aarch64.so.1)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
