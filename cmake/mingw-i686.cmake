# 32-bit x86 Windows build: the release. It is built and inspected here but
# never run, so it registers no emulator and no tests that run it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PLIMSETT_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
