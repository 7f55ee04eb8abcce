# x86_64 Windows build; its programs run here under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PLIMSETT_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
find_program(PLIMSETT_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(PLIMSETT_WINE64 NAMES wine64 wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PLIMSETT_WINE64})
