# The Debian package: `cpack -G DEB` in the build folder. Dependencies come from dpkg-shlibdeps.

set(CPACK_PACKAGE_NAME orvenna)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvenna")
set(CPACK_PACKAGE_CONTACT "Orvenna maintainers <orvenna@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quick estimate of a building's design heating load")
set(CPACK_PACKAGE_DESCRIPTION
  "Estimates the design heating load of a whole building from its envelope: inner dimensions,\n\
k- and R-values of the components, window area and design temperatures. Includes calculators\n\
for layer k-values, gable roofs and window areas, a one-page report and the command-line\n\
program orvenna-calc. German user interface.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt loads its platform plugins at run time, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")

include(CPack)
