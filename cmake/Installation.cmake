# Installation (cmake --install) und Debian-Paket (cpack -G DEB): die beiden Programme, der
# Desktop-Eintrag, das Programmzeichen (SVG und PNG) und der MIME-Typ der Schuldateien.
include(GNUInstallDirs)

# Das Programmzeichen entsteht mit dem Programm aus demselben SVG-Text, den es zeigt.
set(TAMREL_SYMBOL_GROESSEN 16 24 32 48 64 128 256)
set(symbole ${CMAKE_BINARY_DIR}/symbole)
add_executable(tamrel-symbole app/fenster/SymbolDateienMain.cpp)
target_link_libraries(tamrel-symbole PRIVATE fenster tamrel_optionen)
add_dependencies(tamrel tamrel-symbole)
add_custom_command(TARGET tamrel POST_BUILD
                   COMMAND tamrel-symbole ${symbole}
                   COMMENT "Programmzeichen als SVG und PNG")

install(TARGETS tamrel tamrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES desktop/tamrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/tamrel-schule.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${symbole}/tamrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(g ${TAMREL_SYMBOL_GROESSEN})
  install(FILES ${symbole}/${g}x${g}/tamrel.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${g}x${g}/apps)
endforeach()

# Debian-Paket. Die Bibliotheken ermittelt dpkg-shlibdeps aus den Programmen (Qt und libical für
# die Kalenderdateien, scripts/paket.sh prüft beide); dazu kommen, was
# das Programm zur Laufzeit lädt, ohne dagegen gebunden zu sein: die Schrift, auf die "Arial"
# abgebildet wird, und die deutschen Texte der Qt-Dialoge. Desktop-Datenbank, MIME-Datenbank und
# Symbolzwischenspeicher frischen die Auslöser von Debian selbst auf.
set(CPACK_PACKAGE_NAME tamrel)
set(CPACK_PACKAGE_VENDOR "Tamrel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Unterrichtsverteilung, Stundenplan und Vertretungen einer Schule")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tamrel Stundenplan pflegt Lehrer, Klassen, Räume, Fächer und Kopplungen, setzt die "
       "Stunden\nvon Hand oder automatisch, prüft und druckt die Pläne und plant die "
       "Vertretungen des Tages.\ntamrel-cli erreicht dieselbe Logik ohne Fenster.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tamrel-Entwicklung")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
include(CPack)
