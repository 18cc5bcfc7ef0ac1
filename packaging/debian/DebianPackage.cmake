# `make package`: a Debian package of what `make install` installs, under /usr. Depends come
# from the shared libraries the programs link (dpkg-shlibdeps), plus the CJK font without which
# the window's labels are boxes and libjpeg, which the window opens only to decode a picture.
set(ANGLARIX_MAINTAINER "Anglarix developers <developers@anglarix.org>")
set(ANGLARIX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/anglarix)
set(ANGLARIX_DEBIAN_DIR ${CMAKE_BINARY_DIR}/debian)

# Debian's copyright format, its licence text taken from LICENSE (past the title and the
# copyright line), each line indented and each empty line written as " .".
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE license_lines)
list(SUBLIST license_lines 4 -1 license_lines)
set(license_body "")
foreach(line IN LISTS license_lines)
  if(line STREQUAL "")
    string(APPEND license_body " .\n")
  else()
    string(APPEND license_body " ${line}\n")
  endif()
endforeach()
file(WRITE ${ANGLARIX_DEBIAN_DIR}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Anglarix\n"
  "\n"
  "Files: *\n"
  "Copyright: 2026 Anglarix developers\n"
  "License: Expat\n"
  "${license_body}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${ANGLARIX_DEBIAN_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${ANGLARIX_DEBIAN_DIR}/changelog.gz
  COMMAND gzip -9n -c ${ANGLARIX_DEBIAN_DIR}/changelog > ${ANGLARIX_DEBIAN_DIR}/changelog.gz
  DEPENDS ${ANGLARIX_DEBIAN_DIR}/changelog)
add_custom_target(debian_changelog ALL DEPENDS ${ANGLARIX_DEBIAN_DIR}/changelog.gz)
install(FILES ${ANGLARIX_DEBIAN_DIR}/copyright ${ANGLARIX_DEBIAN_DIR}/changelog.gz DESTINATION ${ANGLARIX_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME anglarix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Anglarix developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ANGLARIX_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://anglarix.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-zenhei, libjpeg62-turbo")
# The window's context menus in Chinese come from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for right-angled triangles")
set(CPACK_PACKAGE_DESCRIPTION "Anglarix gives an angle in degrees from two side lengths (arcsine,
arctangent, arccosine), evaluates trigonometric expressions written in
degrees such as sin(10) or 2*tg(30)+1, and gives the other two sides of a
right triangle from one angle and one side.
.
The window is in Chinese; anglarix-calc runs the same expression engine on
the command line, interactively on a terminal or as a co-process in a pipe.")
include(CPack)
