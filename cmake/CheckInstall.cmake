# Installs a build into a scratch prefix and checks that every file a Linux desktop looks for is
# where it looks, and that the desktop entry and metainfo name what was installed.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DICON_SIZES="16;22;..." -DAPP_ID=<id> -DVERSION=<x.y>
#         -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)

foreach(var BUILD_DIR PREFIX ICON_SIZES APP_ID VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckInstall: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(expected
    bin/tessamond
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/tessamond.svg
    share/doc/tessamond/LICENSE
    share/doc/tessamond/copyright)
foreach(page start view play)
  foreach(lang en it)
    list(APPEND expected share/tessamond/help/${page}-${lang}.html)
  endforeach()
endforeach()
foreach(size ${ICON_SIZES})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tessamond.png)
endforeach()

set(missing)
foreach(f ${expected})
  if(NOT EXISTS "${PREFIX}/${f}")
    list(APPEND missing ${f})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()
if(NOT IS_DIRECTORY "${PREFIX}/bin/../share/tessamond/help")
  message(FATAL_ERROR "the help pages are not where the installed program looks for them")
endif()

# The entry must start what was installed and show the icon that was installed.
file(STRINGS "${PREFIX}/share/applications/${APP_ID}.desktop" entry)
foreach(line "Exec=tessamond" "Icon=tessamond" "Type=Application")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "desktop entry lacks '${line}'")
  endif()
endforeach()
file(READ "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml" meta)
foreach(needle "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
               "<binary>tessamond</binary>" "<project_license>MIT</project_license>"
               "<release version=\"${VERSION}\"")
  string(FIND "${meta}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "metainfo lacks ${needle}")
  endif()
endforeach()

# The copyright file in Debian's format, declaring the licence the metainfo names, with its text.
file(STRINGS "${PREFIX}/share/doc/tessamond/copyright" copyright)
list(GET copyright 0 format)
if(NOT format MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$"
   OR NOT "License: MIT" IN_LIST copyright
   OR NOT " THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR" IN_LIST copyright)
  message(FATAL_ERROR "copyright file is not the Debian-format MIT licence")
endif()

# Each PNG is the size its folder says: bytes 16..23 of a PNG hold width and height.
foreach(size ${ICON_SIZES})
  file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/tessamond.png" head
       LIMIT 24 HEX)
  string(SUBSTRING "${head}" 32 8 w_hex)
  string(SUBSTRING "${head}" 40 8 h_hex)
  math(EXPR w "0x${w_hex}")
  math(EXPR h "0x${h_hex}")
  if(NOT w EQUAL size OR NOT h EQUAL size)
    message(FATAL_ERROR "icon ${size}x${size} is ${w}x${h}")
  endif()
endforeach()
message(STATUS "install layout ok in ${PREFIX}")
