# The application id names every file the desktop sees (entry, icon,
# metainfo, autostart entry) and the window's class. The addresses are
# placeholders that never resolve; a distributor sets them at build time.
set(BEWAHRIX_ID "de.bewahrix.Bewahrix")
set(BEWAHRIX_VERSIONSDATUM "2026-12-07")
set(BEWAHRIX_VERSIONSSERVER "http://bewahrix.example" CACHE STRING
    "Server of the version check; the version file lies under /update/version_bewahrix.txt")
set(BEWAHRIX_WEBSEITE "http://bewahrix.example" CACHE STRING
    "Web site named by the version check and opened by \"Webseite besuchen\"")
set(BEWAHRIX_KONTAKT "kontakt@bewahrix.example" CACHE STRING
    "E-mail address in the about window and the package's maintainer line")

include(GNUInstallDirs)
configure_file(${PROJECT_SOURCE_DIR}/src/Anwendung.h.in ${PROJECT_BINARY_DIR}/generiert/Anwendung.h @ONLY)
add_library(bewahrix_anwendung INTERFACE)
target_include_directories(bewahrix_anwendung INTERFACE ${PROJECT_BINARY_DIR}/generiert)
