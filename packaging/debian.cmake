# The Debian package: its documents and CPack's settings. `cpack -G DEB` in
# the build folder turns the install rules into the .deb.

# Debian wants the changelog and manual page compressed, reproducibly (-n: no
# name or time stamp inside).
find_program(GZIP gzip REQUIRED)
set(KORVEX_GZIPPED)
foreach(file changelog ${KORVEX_PACKAGE}.1)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
  add_custom_command(OUTPUT ${out}
                     COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/${file} > ${out}
                     DEPENDS ${file} VERBATIM)
  list(APPEND KORVEX_GZIPPED ${out})
endforeach()
add_custom_target(package_documents ALL DEPENDS ${KORVEX_GZIPPED})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KORVEX_PACKAGE}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${KORVEX_PACKAGE})

set(CPACK_GENERATOR DEB)
# Read here, not by CPack, which would escape the apostrophes as for XML.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/strip_notes.cmake ${CMAKE_CURRENT_BINARY_DIR}/strip_notes.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_BINARY_DIR}/strip_notes.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.com/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts are not linked, so dpkg-shlibdeps cannot see them: the layout is drawn
# for Liberation Sans (for MS Sans Serif and Arial) and DejaVu Sans (for Verdana).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
