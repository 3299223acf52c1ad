# Installing the game: the executable, its licence, desktop entry, icons in the hicolor sizes and
# AppStream metainfo, where a Linux desktop looks for them. The help pages install themselves from
# resources/help to share/tessamond/help, which the game finds from its own location.
include(GNUInstallDirs)

# The id a desktop uses to tie the entry, the metainfo and the running window together.
set(TESSAMOND_APP_ID "org.example.tessamond" CACHE INTERNAL "Reverse-DNS id of the application")
set(TESSAMOND_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TESSAMOND_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tessamond)

install(TARGETS tessamond RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)

set(_packaging_dir ${CMAKE_CURRENT_LIST_DIR}/../packaging)
configure_file(${_packaging_dir}/${TESSAMOND_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${TESSAMOND_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_packaging_dir}/${TESSAMOND_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
install(FILES ${CMAKE_BINARY_DIR}/${TESSAMOND_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
foreach(size ${TESSAMOND_ICON_SIZES})
  install(FILES ${_packaging_dir}/icons/${size}x${size}/tessamond.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT game)
endforeach()
install(FILES ${_packaging_dir}/icons/scalable/tessamond.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT game)

# The licence twice over: as written at the root, and as the machine-readable copyright file that
# Debian expects, made from the same text. The Debian package takes only the second (Packaging.cmake).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../LICENSE DESTINATION ${TESSAMOND_DOC_DIR} COMPONENT licence)
file(READ ${CMAKE_CURRENT_LIST_DIR}/../LICENSE _licence)
string(REGEX REPLACE "^MIT License\n\n" "" _licence "${_licence}")
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${_licence}")
set(TESSAMOND_COPYRIGHT "${CMAKE_MATCH_1}")
string(REGEX REPLACE "Copyright \\(c\\) [^\n]+\n\n" "" _licence "${_licence}")
string(REGEX REPLACE "\n+$" "" _licence "${_licence}")
# Continuation lines start with a blank; an empty line is written as " .".
string(REPLACE "\n\n" "\n.\n" _licence "${_licence}")
string(REPLACE "\n" "\n " TESSAMOND_LICENCE_TEXT " ${_licence}")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/copyright @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Tessamond
Upstream-Contact: The Tessamond team <tessamond@example.org>
Source: https://tessamond.example.org

Files: *
Copyright: @TESSAMOND_COPYRIGHT@
License: MIT

License: MIT
@TESSAMOND_LICENCE_TEXT@
")
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${TESSAMOND_DOC_DIR} COMPONENT copyright)

# Redraws the committed icons from the emblem's design:
#   cmake --build <dir> --target tessamond-icons && QT_QPA_PLATFORM=offscreen <dir>/tessamond-icons packaging/icons
add_executable(tessamond-icons EXCLUDE_FROM_ALL ${_packaging_dir}/MakeIcons.cpp)
target_link_libraries(tessamond-icons PRIVATE Qt6::Gui)

# `ctest -R install_layout`: installs into the build folder and checks the layout.
if(BUILD_TESTING)
  add_test(NAME install_layout
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/install-check "-DICON_SIZES=${TESSAMOND_ICON_SIZES}"
                   -DAPP_ID=${TESSAMOND_APP_ID} -DVERSION=${PROJECT_VERSION}
                   -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
  set_tests_properties(install_layout PROPERTIES LABELS unit)
endif()
