# The Debian package (cpack -G DEB): the installed tree of the install rules, with the libraries
# it needs (Qt 6 among them) found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME ostrevan-tooling)
set(CPACK_PACKAGE_VENDOR "Ostrevan")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ostrevan Tooling developers <tooling@ostrevan.invalid>" CACHE STRING
    "The package's maintainer")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "tool library of a CNC turret punch press (Ostrevan suite)")
# The control file's long description, in lines of its width.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "The Ostrevan Tool Library keeps the punch tools of a CNC turret punch press,"
    "and the cutters of a router, in named tool libraries, with the standard turret"
    "set-ups and the default tools of each library. It prints tool lists and turret"
    "sheets and exports the drawings of special tools."
    "The package holds the program with a window (tooling) with its menu entry, and"
    "its command-line companion (tooling-cli). Both work on an installation of the"
    "Ostrevan suite.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOOLING_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
