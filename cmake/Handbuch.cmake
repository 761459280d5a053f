# Das Handbuch (docs/Handbuch.md mit den Bildern aus docs/bilder) wird als Qt-Ressource unter
# ":/handbuch" in das Programm eingebunden; "Hilfe" und F1 zeigen es im Fenster "Tamrel-Handbuch".
file(GLOB TAMREL_HANDBUCH_BILDER CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/docs
     ${CMAKE_SOURCE_DIR}/docs/bilder/*.png)

function(tamrel_handbuch ziel)
  set(dateien Handbuch.md ${TAMREL_HANDBUCH_BILDER})
  set(pfade)
  foreach(d ${dateien})
    list(APPEND pfade ${CMAKE_SOURCE_DIR}/docs/${d})
  endforeach()
  qt_add_resources(${ziel} "handbuch_${ziel}" PREFIX "/handbuch" BASE ${CMAKE_SOURCE_DIR}/docs
                   FILES ${pfade})
endfunction()

# Die Bilder des Handbuchs macht scripts/handbuch-bilder.sh mit diesem Programm aus der
# Beispielschule; es wird nur auf Verlangen gebaut.
add_executable(tamrel-handbuchbilder EXCLUDE_FROM_ALL app/fenster/HandbuchBilderMain.cpp)
target_link_libraries(tamrel-handbuchbilder PRIVATE fenster logik tamrel_optionen)
set_target_properties(tamrel-handbuchbilder PROPERTIES AUTOMOC ON)
