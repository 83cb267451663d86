# Defaults chosen when the build is configured: the hosts the program talks to,
# the version, and where an installation keeps the shipped data.
#
# Each host is a cache variable named like the environment variable that
# overrides it at run time, so a portal's packager builds with
#   cmake -DSLV_PORTAL_HOST=forum.example.org -DSLV_MAIL_HOST=mail.example.org ...
# and its users configure nothing. The environment still wins at run time.
#
# Output: ${CMAKE_BINARY_DIR}/generated/slv_defaults.h and the INTERFACE target
# slv_defaults that puts it on the include path. The header is plain C
# preprocessor, so the Qt-free core may use it.
include_guard(GLOBAL)

set(SLV_PORTAL_HOST "www.portale.example" CACHE STRING
    "Default portal host: forum, private messages, login pages (env SLV_PORTAL_HOST)")
set(SLV_MAIL_HOST "webmail.portale.example" CACHE STRING
    "Default web mail host (env SLV_MAIL_HOST)")
set(SLV_MAKER_HOST "www.norvalis.example" CACHE STRING
    "Default host of the maker's site, which holds the help page (env SLV_MAKER_HOST)")
set(SLV_EMO_HOST "emoticons.portale.example" CACHE STRING
    "Default host of the emoticon pictures (env SLV_EMO_HOST)")
set(SLV_LATTEMIELE_HOST "stream.lattemiele.example" CACHE STRING
    "Default Latte e Miele stream server (env SLV_LATTEMIELE_HOST)")
set(SLV_RADIOITALIA_HOST "www.radioitalia.example" CACHE STRING
    "Default Radio Italia web server (env SLV_RADIOITALIA_HOST)")
set(SLV_GOOGLE_HOST "www.google.it" CACHE STRING
    "Default host of the first image-search service (env SLV_GOOGLE_HOST)")
set(SLV_YAHOO_HOST "it.images.search.yahoo.com" CACHE STRING
    "Default host of the second image-search service (env SLV_YAHOO_HOST)")
set(SLV_DITTO_HOST "www.ditto.example" CACHE STRING
    "Default host of the third image-search service (env SLV_DITTO_HOST)")
set(SLV_CALSHOP_HOST "www.calshop.example" CACHE STRING
    "Default host of the fourth image-search service (env SLV_CALSHOP_HOST)")
set(SLV_HOMEPAGE_URL "http://skyforall.freeweb.example/" CACHE STRING
    "Default whole address of the home page in the other pages panel (env SLV_HOMEPAGE_URL)")
set(SLV_PORTAL_NAME "Portale" CACHE STRING
    "Default portal name shown in the about window (env SLV_PORTAL_NAME)")

set(SLV_CONFIGURABLE_DEFAULTS
    PORTAL_HOST MAIL_HOST MAKER_HOST EMO_HOST LATTEMIELE_HOST RADIOITALIA_HOST
    GOOGLE_HOST YAHOO_HOST DITTO_HOST CALSHOP_HOST HOMEPAGE_URL PORTAL_NAME)

# A host is a name with an optional port; nothing in it may break the C string
# literal or the "http://" + host + path addresses built from it.
foreach(name IN LISTS SLV_CONFIGURABLE_DEFAULTS)
  set(value "${SLV_${name}}")
  if(value STREQUAL "")
    message(FATAL_ERROR "SLV_${name} is empty: leave it unset to keep the default")
  endif()
  if(name MATCHES "_HOST$" AND NOT value MATCHES "^[]A-Za-z0-9.:[_-]+$")
    message(FATAL_ERROR "SLV_${name}='${value}' is not a host name with an optional port")
  endif()
  if(value MATCHES "[\"\\\\\n\r]")
    message(FATAL_ERROR "SLV_${name} may not hold a double quote, a backslash or a line break")
  endif()
endforeach()

# Where an installation keeps the shipped forum index, relative to the
# executable's folder, so an installed tree found under any prefix (a DESTDIR,
# a package, a copied folder) finds its own data.
include(GNUInstallDirs)
set(SLV_INSTALL_DATA_SUBDIR "${CMAKE_INSTALL_DATADIR}/solvarino")
file(RELATIVE_PATH SLV_DATA_FROM_BINDIR "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_DATADIR}/solvarino")

if(NOT PROJECT_VERSION)
  message(FATAL_ERROR "Hosts.cmake needs project(... VERSION x.y.z) first")
endif()

# One name for the desktop entry, the metadata, the icon and the window's
# desktop file name (QGuiApplication::setDesktopFileName).
set(SLV_APP_ID "example.norvalis.solvarino3w")

set(SLV_DEFAULTS_LINES "")
foreach(name IN LISTS SLV_CONFIGURABLE_DEFAULTS)
  string(APPEND SLV_DEFAULTS_LINES "#define SLV_DEFAULT_${name} \"${SLV_${name}}\"\n")
endforeach()

set(SLV_GENERATED_DIR "${CMAKE_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/slv_defaults.h.in"
               "${SLV_GENERATED_DIR}/slv_defaults.h" @ONLY)

if(NOT TARGET slv_defaults)
  add_library(slv_defaults INTERFACE)
  target_include_directories(slv_defaults INTERFACE "${SLV_GENERATED_DIR}")
endif()
