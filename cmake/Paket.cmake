# The Debian package (scripts/package): the files of cmake --install under
# /usr, with the dependencies dpkg-shlibdeps finds for the binary.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bewahrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Bewahrix-Team <${BEWAHRIX_KONTAKT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dateien und Verzeichnisse nach Zeitplan sichern")
set(CPACK_PACKAGE_DESCRIPTION "Bewahrix kopiert in bis zu fünf Sicherungsaufgaben Dateien, Verzeichnisse
und Verzeichnisbäume in ein Ziel, von Hand oder nach Zeitplan, und führt
über jede Aktion ein Logbuch.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# German texts of Qt's own dialogs; the Trash needs GIO's gvfs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, gvfs, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BEWAHRIX_WEBSEITE})
set(CPACK_STRIP_FILES ON)
include(CPack)
