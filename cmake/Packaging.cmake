# The Debian package made by `make package` (cpack -G DEB): the installed tree of Install.cmake,
# depending on the Qt 6 runtime packages of Debian 12 rather than on anything bundled.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tessamond")
set(CPACK_PACKAGE_VENDOR "The Tessamond team")
set(CPACK_PACKAGE_CONTACT "The Tessamond team <tessamond@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game in 9x9, 16x16 and 25x25 sizes")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessamond is a Sudoku game for one player. It makes new 9x9, 16x16 and 25x25 puzzles at once\n\
by scrambling graded stored puzzles, times your game, can mark conflicts and give hints, and\n\
prints the grid on a decorated page. Interface in English and Italian.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "tessamond")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_LIST_DIR}/../LICENSE)
# The licence goes in as Debian's copyright file only: a second copy would be a stray licence file.
# Each entry: build folder; project; install component; where in the package.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};game;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};copyright;/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tessamond.example.org")
# Written out rather than found by dpkg-shlibdeps, so the package builds without dpkg-dev and
# names the platform plugin and the font, which no library check would find.
set(_qt "(>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR})")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 ${_qt}, libqt6printsupport6 ${_qt}, libqt6gui6 ${_qt}, libqt6core6 ${_qt}, \
qt6-qpa-plugins ${_qt}, libfontconfig1 (>= 2.13), libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, \
fonts-dejavu-core")
# xdg-open starts the browser that shows the help pages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland, cups")

include(CPack)
