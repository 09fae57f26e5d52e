# `cpack -G DEB` in the build folder: one package with both programs, the desktop entry,
# the icon, the MIME type of test files and the manual pages. Its dependencies are read
# from the shared libraries the programs link (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_PACKAGE_NAME zonalyst)
set(CPACK_PACKAGE_VENDOR "Zonalyst")
set(CPACK_PACKAGE_CONTACT "Zonalyst <zonalyst@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reduces Foucault knife-edge tests of telescope mirrors")
set(CPACK_PACKAGE_DESCRIPTION
    "Zonalyst reduces Foucault knife-edge readings taken through a zonal (Couder) mask to the\n measured surface of a telescope mirror, compares it with the desired conic and reports the\n wavefront error, Strehl ratio and RMS surface error. A window and a command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
