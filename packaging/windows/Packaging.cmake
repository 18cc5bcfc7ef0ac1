# What Windows users download: the installer anglarix-<version>-setup.exe (NSIS, Debian's
# makensis) and the portable anglarix-<version>-win64.zip, both holding the .exe files, the
# licence and a short readme, as text files with Windows line ends (the readme, in English and
# Chinese, starts with a byte-order mark, by which Notepad before Windows 10 knows UTF-8).
find_program(MAKENSIS makensis REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(PACKAGE_NAME anglarix-${PROJECT_VERSION})
set(STAGE ${CMAKE_BINARY_DIR}/portable/${PACKAGE_NAME}-win64)
configure_file(${ANGLARIX_ROOT}/LICENSE ${STAGE}/LICENSE.txt NEWLINE_STYLE CRLF)
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt.in ${STAGE}/README.txt @ONLY NEWLINE_STYLE CRLF)

set(PROGRAMS anglarix-calc anglarix)
set(PROGRAM_FILES "")
foreach(program ${PROGRAMS})
  list(APPEND PROGRAM_FILES ${CMAKE_BINARY_DIR}/${program}.exe)
endforeach()

set(ANGLARIX_SETUP ${CMAKE_BINARY_DIR}/${PACKAGE_NAME}-setup.exe)
set(ANGLARIX_ZIP ${CMAKE_BINARY_DIR}/${PACKAGE_NAME}-win64.zip)
add_custom_command(OUTPUT ${ANGLARIX_SETUP}
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPROGRAMS=${CMAKE_BINARY_DIR}
          -DLICENSE_FILE=${STAGE}/LICENSE.txt -DREADME_FILE=${STAGE}/README.txt -DOUTFILE=${ANGLARIX_SETUP}
          ${CMAKE_CURRENT_LIST_DIR}/installer.nsi
  DEPENDS ${PROGRAMS} ${PROGRAM_FILES} ${CMAKE_CURRENT_LIST_DIR}/installer.nsi ${STAGE}/LICENSE.txt ${STAGE}/README.txt
  COMMENT "Writing the installer ${PACKAGE_NAME}-setup.exe"
  VERBATIM)
# The files keep a fixed date, so the same programs give the same zip.
add_custom_command(OUTPUT ${ANGLARIX_ZIP}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROGRAM_FILES} ${STAGE}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${ANGLARIX_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ANGLARIX_ZIP} --format=zip --mtime=2026-01-01 -- ${PACKAGE_NAME}-win64
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/portable
  DEPENDS ${PROGRAMS} ${PROGRAM_FILES} ${STAGE}/LICENSE.txt ${STAGE}/README.txt
  COMMENT "Writing the portable ${PACKAGE_NAME}-win64.zip"
  VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${ANGLARIX_SETUP} ${ANGLARIX_ZIP})
