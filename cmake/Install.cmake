# Installing the game: the executable, its desktop entry, the icons in the hicolor sizes and the
# AppStream metainfo, where a Linux desktop looks for them. The help pages install themselves from
# resources/help to share/tessamond/help, which the game finds from its own location.
include(GNUInstallDirs)

# The id a desktop uses to tie the entry, the metainfo and the running window together.
set(TESSAMOND_APP_ID "org.example.tessamond" CACHE INTERNAL "Reverse-DNS id of the application")
set(TESSAMOND_ICON_SIZES 16 22 24 32 48 64 128 256)

if(TARGET tessamond)
  install(TARGETS tessamond RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)
endif()

set(_packaging_dir ${CMAKE_CURRENT_LIST_DIR}/../packaging)
install(FILES ${_packaging_dir}/${TESSAMOND_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
install(FILES ${_packaging_dir}/${TESSAMOND_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
foreach(size ${TESSAMOND_ICON_SIZES})
  install(FILES ${_packaging_dir}/icons/${size}x${size}/tessamond.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT game)
endforeach()
install(FILES ${_packaging_dir}/icons/scalable/tessamond.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT game)

# Redraws the committed icons from the emblem's design:
#   cmake --build <dir> --target tessamond-icons && QT_QPA_PLATFORM=offscreen <dir>/tessamond-icons packaging/icons
add_executable(tessamond-icons EXCLUDE_FROM_ALL ${_packaging_dir}/MakeIcons.cpp)
target_link_libraries(tessamond-icons PRIVATE Qt6::Gui)

# `ctest -R install_layout`: installs into the build folder and checks the layout.
if(TARGET tessamond)
  add_test(NAME install_layout
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/install-check "-DICON_SIZES=${TESSAMOND_ICON_SIZES}"
                   -DAPP_ID=${TESSAMOND_APP_ID} -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
  set_tests_properties(install_layout PROPERTIES LABELS unit)
endif()
