# The Debian package: cpack -G DEB in the build directory, or scripts/package.sh.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelvin-sondrake)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${SONDRAKE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a directory of WAV files into tagged MP3 files")
set(CPACK_PACKAGE_DESCRIPTION
    "Trelvin Sondrake encodes the WAV files of a directory into MP3 files in one
go, each with the ID3v1 tag typed for it: title, artist, album, year, genre
and comment. It offers ten bitrates, downmixing, high-quality encoding and CRC
protection, encodes several files at once, and can delete each WAV once its
MP3 is made. Its own encoder, L3ENC, is built on LAME. A windowless mode
writes the ID3v1 tag of one MP3 from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SONDRAKE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The encoding window (without a terminal the script runs in the background),
# and Qt's own texts (standard buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xterm, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
