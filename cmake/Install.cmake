# Installing the program like any desktop program, and the Debian package
# made from the same rules (cpack -G DEB; scripts/package does both).
#
# Installed, under the prefix:
#   bin/solvarino
#   share/solvarino/Allforums.svl            the shipped forum index
#   share/applications/<app id>.desktop
#   share/metainfo/<app id>.metainfo.xml
#   share/icons/hicolor/{scalable,NxN}/apps/<app id>.{svg,png}
#   share/man/man1/solvarino.1.gz
#   share/doc/solvarino/{copyright,changelog.gz}
#
# The package installs under /usr whatever the build's own prefix, so it is
# made from the normal build (cpack -G DEB in the build folder), no second build.
include_guard(GLOBAL)
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Hosts.cmake)

set(SLV_PACKAGE_NAME "solvarino")
# The day this version was released: bump it with project(... VERSION ...).
set(SLV_RELEASE_DATE "2026-12-07")

set(SLV_PACKAGE_MAINTAINER "Norvalis <solvarino@norvalis.example>" CACHE STRING
    "Maintainer of the Debian package, \"Name <address>\"")

# Directories get 755 whatever the umask of whoever installs or packages.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(SLV_PACKAGING_SRC "${CMAKE_SOURCE_DIR}/packaging")
set(SLV_PACKAGING_OUT "${CMAKE_BINARY_DIR}/packaging")
set(SLV_PACKAGE_PREFIX "/usr")
# The manual page names the package's paths.
set(SLV_FULL_DATA_DIR "${SLV_PACKAGE_PREFIX}/${CMAKE_INSTALL_DATADIR}/solvarino")
set(SLV_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/${SLV_PACKAGE_NAME}")

install(TARGETS solvarino RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${CMAKE_SOURCE_DIR}/data/Allforums.svl" DESTINATION ${SLV_INSTALL_DATA_SUBDIR})

# The day of the week of SLV_RELEASE_DATE, for the changelog's RFC 2822 date
# (Sakamoto's method; 0 is Sunday).
string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" _ "${SLV_RELEASE_DATE}")
if(NOT CMAKE_MATCH_0)
  message(FATAL_ERROR "SLV_RELEASE_DATE must be YYYY-MM-DD, not '${SLV_RELEASE_DATE}'")
endif()
math(EXPR _year "${CMAKE_MATCH_1}")
math(EXPR _month "${CMAKE_MATCH_2}")
math(EXPR _day "${CMAKE_MATCH_3}")
set(_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR _i "${_month} - 1")
list(GET _offsets ${_i} _offset)
set(_y ${_year})
if(_month LESS 3)
  math(EXPR _y "${_y} - 1")
endif()
math(EXPR _weekday "(${_y} + ${_y} / 4 - ${_y} / 100 + ${_y} / 400 + ${_offset} + ${_day}) % 7")
set(_days Sun Mon Tue Wed Thu Fri Sat)
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _days ${_weekday} _dayname)
list(GET _months ${_i} _monthname)
set(SLV_RELEASE_DATE_RFC2822 "${_dayname}, ${CMAKE_MATCH_3} ${_monthname} ${_year} 12:00:00 +0000")

if(UNIX AND NOT APPLE)
  # Desktop entry and AppStream metadata.
  install(FILES "${SLV_PACKAGING_SRC}/${SLV_APP_ID}.desktop"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file("${SLV_PACKAGING_SRC}/${SLV_APP_ID}.metainfo.xml.in"
                 "${SLV_PACKAGING_OUT}/${SLV_APP_ID}.metainfo.xml" @ONLY)
  install(FILES "${SLV_PACKAGING_OUT}/${SLV_APP_ID}.metainfo.xml"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon: the drawing itself, and PNGs rendered from it at build time.
  set(SLV_ICON_SVG "${SLV_PACKAGING_SRC}/solvarino.svg")
  install(FILES "${SLV_ICON_SVG}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${SLV_APP_ID}.svg)
  find_program(SLV_RSVG_CONVERT rsvg-convert)
  if(SLV_RSVG_CONVERT)
    set(_pngs "")
    foreach(size 16 22 24 32 48 64 128 256)
      set(_png "${SLV_PACKAGING_OUT}/icons/${size}x${size}/${SLV_APP_ID}.png")
      add_custom_command(OUTPUT "${_png}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${SLV_PACKAGING_OUT}/icons/${size}x${size}"
        COMMAND ${SLV_RSVG_CONVERT} --width=${size} --height=${size} --output=${_png} ${SLV_ICON_SVG}
        DEPENDS "${SLV_ICON_SVG}" VERBATIM)
      list(APPEND _pngs "${_png}")
      install(FILES "${_png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(slv_icons ALL DEPENDS ${_pngs})
  else()
    message(WARNING "rsvg-convert not found (Debian: librsvg2-bin): "
                    "only the scalable icon will be installed")
  endif()

  # Manual page, gzipped without name or time stamp so the package is reproducible.
  find_program(SLV_GZIP gzip REQUIRED)
  configure_file("${SLV_PACKAGING_SRC}/solvarino.1.in" "${SLV_PACKAGING_OUT}/man/solvarino.1" @ONLY)
  configure_file("${SLV_PACKAGING_SRC}/changelog.in" "${SLV_PACKAGING_OUT}/doc/changelog" @ONLY)
  configure_file("${SLV_PACKAGING_SRC}/copyright.in" "${SLV_PACKAGING_OUT}/doc/copyright" @ONLY)
  foreach(_plain "man/solvarino.1" "doc/changelog")
    add_custom_command(OUTPUT "${SLV_PACKAGING_OUT}/${_plain}.gz"
      COMMAND ${SLV_GZIP} -9 -n -k -f "${SLV_PACKAGING_OUT}/${_plain}"
      DEPENDS "${SLV_PACKAGING_OUT}/${_plain}" VERBATIM)
  endforeach()
  add_custom_target(slv_docs ALL DEPENDS "${SLV_PACKAGING_OUT}/man/solvarino.1.gz"
                                         "${SLV_PACKAGING_OUT}/doc/changelog.gz")
  install(FILES "${SLV_PACKAGING_OUT}/man/solvarino.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES "${SLV_PACKAGING_OUT}/doc/copyright" "${SLV_PACKAGING_OUT}/doc/changelog.gz"
          DESTINATION ${SLV_DOC_DIR})
endif()

# The Debian package.
# What the program needs at run time beyond the libraries it links (those are
# found by dpkg-shlibdeps): the fonts that stand in for Arial, Qt's own Italian
# texts and, where Qt plays through GStreamer (Qt 6.4), its plug-ins for the
# stations' and the member's formats. Qt's FFmpeg back end (the only one of
# Qt 6.8) ships inside Qt's own multimedia library and needs nothing more.
# Append further packages here.
list(APPEND SLV_DEB_RUNTIME_DEPENDS fonts-liberation qt6-translations-l10n)
if(TARGET Qt6::QGstreamerMediaPlugin)
  list(APPEND SLV_DEB_RUNTIME_DEPENDS
       gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav)
endif()
list(JOIN SLV_DEB_RUNTIME_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SLV_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Norvalis")
set(CPACK_PACKAGE_CONTACT "${SLV_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX "${SLV_PACKAGE_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dedicated browser for a community portal's forum members")
set(CPACK_PACKAGE_DESCRIPTION
"SOLVARINO 3_w is a web browser made for one community portal. Three browser
panes show the portal's forum, private messages and web mail side by side.

Around them are the forum member's small tools: a forum index and a list of
favourite forums, a post composer that puts the forum's markup on the
clipboard, an emoticon picker with personal emoticons, a music player with two
internet radio stations, a boss alarm with an optional password lock, an
image-search window and an image preview.

Every text of the program is Italian.")
set(CPACK_DEBIAN_PACKAGE_NAME ${SLV_PACKAGE_NAME})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SLV_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${SLV_MAKER_HOST}/")
include(CPack)
