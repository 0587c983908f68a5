# The Debian package, made by CPack from the install rules of the whole tree
# (see scripts/package.sh): tessaly_<version>_<architecture>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessaly developers")
set(CPACK_PACKAGE_CONTACT "The Tessaly developers <tessaly@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a picture into a mosaic pattern for 3x3x3 colour cubes")
# The long description: CPack puts the summary above it and indents it as
# a control file needs.
set(CPACK_PACKAGE_DESCRIPTION [=[
Tessaly samples a picture on a grid and matches every sample against the six
cube colours, drawing a mosaic in which every 3x3 block of cells is one face
of one cube. The tessaly window takes a dropped picture, the column and row
counts and a tolerance per colour, and saves the mosaic as a bitmap.

The tessaly-guide command makes the same mosaic and writes a printable build
guide: the front face of every cube and the shortest twist sequence that
makes a solved cube show it, as PDF and CSV.

Tessaly Studio makes a photo into a wall of cubes in a window: crop, wall
size, sticker colours, matching method and adjustments shown as they change,
stickers touched up by hand, and projects saved for later.]=])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# Installed programs without their symbol tables, files and folders with the
# modes Debian's policy asks for, whatever the builder's umask.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/tessaly/tessaly)
# The libraries the programs link come from dpkg-shlibdeps; the captions are
# Chinese and need a font that has them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk")
# Pictures beyond Qt's built-in formats (WebP, TIFF, ...), Wayland sessions
# without XWayland, and Qt's own dialogs and messages in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-wayland, qt6-translations-l10n")

include(CPack)
