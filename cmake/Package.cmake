# The Debian package: `cpack -G DEB` in the build folder makes build/vantory_VERSION_ARCH.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantory)
set(CPACK_PACKAGE_VENDOR Mellovan)
set(CPACK_PACKAGE_CONTACT "Mellovan <vantory@mellovan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "launcher for programs, folders, web addresses and files")
set(CPACK_PACKAGE_DESCRIPTION
  "Vantory keeps a catalogue of shortcuts to applications, folders, web
addresses, e-mail addresses and files, filed under categories of your own.
Its window shows the categories as a tree and the shortcuts of the selected
category as large icons; one click opens a shortcut through the desktop.")
# Staged with DESTDIR, so the install step sees the real prefix /usr (the bus service names
# the program by it).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vantory.mellovan.example/)
# The libraries the program links come from dpkg-shlibdeps; xdg-open opens web and mail
# addresses and documents.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
