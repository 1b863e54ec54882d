# The Raspberry Pi's 32-bit systems: Debian's armhf, which needs ARMv7 (a Pi 2 or newer;
# see debian-cross.cmake).
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(WL3_DEBIAN_ARCH armhf)
set(WL3_TRIPLET arm-linux-gnueabihf)
set(WL3_QEMU qemu-arm-static)
set(WL3_LOADER ld-linux-armhf.so.3)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
