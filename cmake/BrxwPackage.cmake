# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by "./run package" (cpack in build-package): everything that
# "cmake --install" puts under the prefix, with the libraries it needs found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brxw)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})  # the version of project(), as About shows it
set(CPACK_PACKAGE_VENDOR "brxW")
set(CPACK_PACKAGE_CONTACT "brxW developers <brxw@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sysop's remote console for a packet-radio BBS")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "brxW watches and runs a packet-radio (AX.25) bulletin-board server over TCP:
its console, radio traffic, connected stations, counters, message and user
records, forwarding, files and Pactor controller, with a built-in message
editor. The package also holds brxw-peer, a reference BBS server with demo
data, to try brxW without a BBS.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins come with libqt6gui6, but no font does: without one the windows show no text.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
