# The Debian package of the editor, built by scripts/package.sh with `cpack`. What goes in is
# what the install rules install, placed under /usr, so that a new program or data file is
# packaged as soon as it is installed. dpkg-shlibdeps works out the dependencies from every ELF
# file in the package, the dlopen'ed sound module (and with it Qt Multimedia) among them.
# QuorvalePackageDocs.cmake adds what Debian expects of a package besides while packing.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvale-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Quorvale developers <quorvale@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/quorvale)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level editor for the top-down ball game Quorvale")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description.txt)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders the install creates get the usual modes whatever the packager's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_QV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/QuorvalePackageDocs.cmake)
include(CPack)
