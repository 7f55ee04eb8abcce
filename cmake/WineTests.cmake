# Windows test programs under Wine.
#
# The fixture "wine" starts a session for the whole ctest run (its own Xvfb
# display, its own WINEPREFIX in the build folder, a zh_CN locale so the
# ANSI code page is 936, and a persistent wineserver) and stops it again.
set(PLIMSETT_WINE_SESSION_SCRIPT "${CMAKE_SOURCE_DIR}/tests/wine/wine-session.sh")

add_test(NAME wine.session.start
         COMMAND "${PLIMSETT_WINE_SESSION_SCRIPT}" start "${PLIMSETT_WINE_SESSION}" "${PLIMSETT_WINE64}")
set_tests_properties(wine.session.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 600)
add_test(NAME wine.session.stop
         COMMAND "${PLIMSETT_WINE_SESSION_SCRIPT}" stop "${PLIMSETT_WINE_SESSION}")
set_tests_properties(wine.session.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 120)

# add_wine_test(<name> <target> [DESKTOP] [TIMEOUT <s>] [ARGS <arg>...])
# DESKTOP marks a test that needs the display to itself (focus, activation,
# real input): such tests never run at the same time as each other.
function(add_wine_test name target)
  cmake_parse_arguments(ARG "DESKTOP" "TIMEOUT" "ARGS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 180)
  endif()
  add_test(NAME ${name} COMMAND ${target} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${ARG_TIMEOUT})
  if(ARG_DESKTOP)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()
