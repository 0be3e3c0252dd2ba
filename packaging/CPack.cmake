# The Debian package: `cpack -G DEB` in a release build tree gives orvane_<version>_amd64.deb
# with everything `cmake --install` puts under /usr. The dependencies come from the binaries
# (dpkg-shlibdeps), and Qt's translations from the list below. It has no maintainer scripts: dpkg's triggers refresh the desktop
# database, the icon cache and the manual page index.
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel database editor for DVB set-top receivers")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://orvane.github.io/")
set(CPACK_PACKAGE_CONTACT "Orvane developers <orvane-devel@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations of its standard buttons and dialogs, which the window loads beside its
# own; no binary links them, so dpkg-shlibdeps cannot find them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The long description, below the summary line that CPack puts first; CPack begins each of its
# lines with the space that dpkg wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Orvane opens the channel database of a set-top receiver that tunes satellite
and terrestrial signals, shows its satellites, transponders, TV and radio
programs and favourite groups as linked lists, lets you change, add, delete
and reorder them, and saves the file exactly as the receiver expects it. It
reads the database from the receiver and writes it back over a serial cable.
.
The package holds the desktop program, the command-line tool orvane-cli for
scripts and backups, and orvane-sim-receiver, which plays the receiver on a
pseudo-terminal for trying the serial link without one.")

include(CPack)
