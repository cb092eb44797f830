# The Debian package, built from a build folder with `cpack -G DEB`. Everything
# the install rules put below the prefix goes into it, under /usr.
set(ZEV_PACKAGE_MAINTAINER "ZEV-Manager für Linux <zev-manager@example.invalid>"
    CACHE STRING "Maintainer field of the Debian package (Name <address>)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zev-manager)
set(CPACK_PACKAGE_VENDOR "ZEV-Manager für Linux")
set(CPACK_PACKAGE_CONTACT "${ZEV_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "school statistics data of a German general-education school")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "ZEV-Manager keeps the data that a German general-education school reports every\n"
    "school year to its state's school statistics: the school with its lesson units,\n"
    "teachers, classes and students. It checks them for plausibility and exchanges\n"
    "them as four XML files.\n"
    "\n"
    "The package holds the window program zev-manager, the command-line program zev,\n"
    "example code catalogues, the XML schemas and the user guide (in German).")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zev-manager)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZEV_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries' packages (Qt, expat, libxml2, the C++ runtime) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
