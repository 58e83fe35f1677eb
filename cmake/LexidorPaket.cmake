# `cpack -G DEB` in an optimised build folder: the Debian package "lexidor" of everything the
# install rules lay out, its dependencies computed from the linked libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexidor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Karvello-Team")
set(CPACK_PACKAGE_CONTACT "Karvello-Team <kontakt@karvello.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer using the card-box method")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.karvello.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no linked library names them: the X11 platform plugin, the German
# texts of Qt's standard buttons, the fonts behind "Arial" and the browser hand-over.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation, xdg-utils")
# The summary above is the synopsis; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Karvello Lexidor is a vocabulary trainer for German-speaking learners. Every
card has a German and a foreign side and lies in one of six compartments; a
right answer moves it up, a wrong one back to the first, and compartments two
to five come back when their review date is due. The program speaks German.
.
Karvello Lexidor ist ein Vokabeltrainer für deutschsprachige Lernende. Jede
Karte hat eine deutsche und eine fremdsprachige Seite und liegt in einem von
sechs Fächern; eine richtige Antwort schiebt sie weiter, eine falsche zurück
ins erste, und die Fächer zwei bis fünf kommen wieder, wenn ihr Termin da ist.")

include(CPack)
