# The Debian package, made by `cpack -G DEB` in a build folder (tools/package.sh does it all).
# Its dependencies are taken from the shared libraries the program links.

set(TRAILCAM_MAINTAINER "trailcam-setup developers <maintainers@trailcamsetup.org>" CACHE STRING
    "Name and e-mail address in the Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trailcam-setup)
set(CPACK_PACKAGE_VENDOR "trailcam-setup developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write a trail camera's settings onto its SD card")
# The long description is wrapped by hand: the package shows it as it stands.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A small desktop program for owners of trail (scouting) cameras. You pick"
    "your camera model, fill in a form, choose the camera's SD card and press"
    "Generate: the program writes the settings file that the camera reads when"
    "it starts (CameraSet.dat, and MmsSet.dat and SmtpSet.dat for the cameras"
    "that send pictures by MMS or e-mail)."
    ""
    "It needs no network, keeps no settings of its own (only the file dialog's"
    "list of recent folders) and only reports success once the file is"
    "completely on the card."
    ""
    "The command trailcam-card shows and checks what a card holds and sets up"
    "many cards at once from a terminal.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TRAILCAM_HOMEPAGE})
# The package installs where the build was configured to (tools/package.sh: /usr), so the
# paths written into the manual page are the installed ones.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TRAILCAM_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations: the buttons of the message boxes and the folder browser in the user's
# language, as the program's own words are. The skin cuts a window's outline through Qt's platform
# window, whose interface holds for one Qt release only: Debian's Qt libraries provide that
# release's qt6-base-abi.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, qt6-base-abi (= ${Qt6Gui_VERSION})")
# The layouts are measured in a Song face, which AR PL UMing stands in for (it also shows the
# About box's Chinese); Liberation Sans stands in for the Arial of the title and the main window.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-arphic-uming, fonts-liberation2 | fonts-liberation")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
