# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (`cpack -G DEB` in the build folder): what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VENDOR "Kelvane developers")
set(CPACK_PACKAGE_CONTACT "Kelvane developers <kelvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "isometric polycube puzzle game")
# Lintian wants the lines of the long description under 80 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Fit the seven polycube pieces (27 cubes) into a target figure, layer by\n\
layer, in an isometric view. With a solver for tests and hints, a figure\n\
designer, a puzzle library of ${KELVANE_LIBRARY_SIZE} figures, seven skins and a manual.\n\
.\n\
kelvane-tool checks, solves and imports puzzle files from the command line.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kelvane.example.org/")
# The release matches packaging/changelog, which lintian compares with the package's version.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# The launcher writes absolute paths for the prefix it is installed under, so the package is
# staged with DESTDIR rather than under a temporary prefix.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)

# The dependencies come from dpkg-shlibdeps over the linked Qt libraries; on Debian 12 the
# plugins Qt loads at run time (X11 platform, sound backend) ship in those same packages.
# The panel font's stand-in is only a preference.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The manual's drawings are SVG files, which the help window shows through Qt's SVG plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, libqt6svg6")

include(CPack)
