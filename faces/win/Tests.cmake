# The Windows programs under Wine, in a prefix inside the build folder that the first test of a
# run makes afresh: the value and engine tests cross-built, and the installer. anglarix-calc.exe
# is run by the desktop build's command-line test through anglarix-calc-wine, written here.
# Without Wine nothing is registered; the programs are still built.
find_program(ANGLARIX_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
find_program(ANGLARIX_WINESERVER wineserver PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(NOT ANGLARIX_WINE64 OR NOT ANGLARIX_WINESERVER)
  message(STATUS "No Wine: the Windows programs are built but not tested")
  return()
endif()

set(ANGLARIX_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/wine-run.in ${WINE_RUN} @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/anglarix-calc-wine
  CONTENT "#!/bin/sh\nexec '${WINE_RUN}' '${CMAKE_BINARY_DIR}/anglarix-calc.exe' \"$@\"\n")
file(CHMOD ${CMAKE_BINARY_DIR}/anglarix-calc-wine PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

enable_testing()
add_test(NAME Win.WinePrefix
  COMMAND ${ANGLARIX_ROOT}/tests/windows/wine_prefix.sh ${ANGLARIX_WINE_PREFIX} ${ANGLARIX_WINE64} ${ANGLARIX_WINESERVER})
set_tests_properties(Win.WinePrefix PROPERTIES FIXTURES_SETUP WinePrefix TIMEOUT 120)

# One ctest test per program: each start of Wine costs more than the program's cases.
function(anglarix_cross_test folder name libs)
  add_executable(win_${name} ${ANGLARIX_ROOT}/tests/${folder}/${name}.cpp)
  target_link_libraries(win_${name} PRIVATE ${libs} GTest::gtest GTest::gtest_main)
  add_test(NAME Win.${name} COMMAND ${WINE_RUN} $<TARGET_FILE:win_${name}>)
  set_tests_properties(Win.${name} PROPERTIES FIXTURES_REQUIRED WinePrefix TIMEOUT 120
    ENVIRONMENT "ANGLARIX_VECTORS_DIR=${ANGLARIX_VECTORS_DIR}")
endfunction()
include(${ANGLARIX_ROOT}/cmake/CrossBuiltTests.cmake)
# M_PI and friends are behind this on Windows (for this folder's targets, not GoogleTest's).
add_compile_definitions(_USE_MATH_DEFINES)
target_compile_definitions(win_ReasonsTest PRIVATE ANGLARIX_PO_FILE="${ANGLARIX_ROOT}/po/zh.po")

# The window on Xvfb with a window manager: the golden picture, the X client test's rows, Tab
# order, Enter and Escape; and the frame's shared cases with a real pointer. Each stops and
# starts the Wine server, so each runs alone.
add_test(NAME Win.Window
  COMMAND ${ANGLARIX_ROOT}/tests/windows/window_test.sh ${WINE_RUN} ${ANGLARIX_WINESERVER} ${ANGLARIX_WINE_PREFIX}
          $<TARGET_FILE:anglarix> ${ANGLARIX_ROOT}/tests/forms/golden/main_window.png ${CMAKE_BINARY_DIR}/window-test)
add_test(NAME Win.WindowCases
  COMMAND ${ANGLARIX_ROOT}/tests/windows/window_test.sh ${WINE_RUN} ${ANGLARIX_WINESERVER} ${ANGLARIX_WINE_PREFIX}
          $<TARGET_FILE:anglarix> ${ANGLARIX_ROOT}/tests/forms/golden/main_window.png ${CMAKE_BINARY_DIR}/window-cases
          cases)
set_tests_properties(Win.Window PROPERTIES FIXTURES_REQUIRED WinePrefix TIMEOUT 180 RUN_SERIAL ON SKIP_RETURN_CODE 77)
set_tests_properties(Win.WindowCases PROPERTIES FIXTURES_REQUIRED WinePrefix TIMEOUT 300 RUN_SERIAL ON
  SKIP_RETURN_CODE 77)

# The installer installs silently for the user, the installed program starts, and the
# uninstaller leaves nothing behind.
add_test(NAME Win.Installer
  COMMAND ${ANGLARIX_ROOT}/tests/windows/installer_test.sh ${WINE_RUN} ${ANGLARIX_WINESERVER} ${ANGLARIX_WINE_PREFIX}
          ${ANGLARIX_SETUP} ${ANGLARIX_ZIP})
set_tests_properties(Win.Installer PROPERTIES FIXTURES_REQUIRED WinePrefix TIMEOUT 180)
