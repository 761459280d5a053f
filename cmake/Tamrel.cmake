# Aufteilung der Quellen: Der Ordner einer Datei ist ihre Schicht. Jeder Ordner hält oben seine
# Logik-Einheiten (nur C++-Standardbibliothek) und in seinem Unterordner fenster/ die Fenster-Einheiten
# (Qt Widgets). Dieselbe Regel gilt für den Bau, die Tests (tests/<ordner>/fenster/) und die
# Grenzprüfung (tests/grenze.sh).
# Die zwei Einheiten mit Qt Core und Qt Gui (ohne Widgets), die auch tamrel-cli bindet: das
# Abspielen der Druckseiten mit dem Schreiben von PDF-Dateien, und der Einstellungsspeicher.
set(TAMREL_GUI_EINHEITEN "QtSeitenBildUnit.cpp;QtEinstellungsSpeicherUnit.cpp")

# Kalenderdateien (iCalendar) schreibt und liest output/IcalSchreiberUnit mit libical.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBICAL REQUIRED IMPORTED_TARGET libical)

add_library(tamrel_optionen INTERFACE)
target_include_directories(tamrel_optionen INTERFACE ${CMAKE_SOURCE_DIR})
target_compile_options(tamrel_optionen INTERFACE -Wall -Wextra -Werror)
# GCC 12 meldet bei std::string-Verkettung unter Optimierung fälschlich -Wrestrict (GCC-Fehler 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tamrel_optionen INTERFACE -Wno-restrict)
endif()

set_property(GLOBAL PROPERTY TAMREL_LOGIK_OBJEKTE "")
set_property(GLOBAL PROPERTY TAMREL_FENSTER_OBJEKTE "")

function(tamrel_ordner ordner)
  file(GLOB quellen CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${ordner}/*.cpp)
  file(GLOB fenster_quellen CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${ordner}/fenster/*.cpp)
  list(FILTER fenster_quellen EXCLUDE REGEX "Main\\.cpp$")
  set(logik_quellen)
  foreach(q ${quellen})
    get_filename_component(name ${q} NAME)
    if(name MATCHES "Main\\.cpp$")
      continue()
    elseif(name IN_LIST TAMREL_GUI_EINHEITEN)
      set_property(GLOBAL APPEND PROPERTY TAMREL_GUI_QUELLEN ${q})
    else()
      list(APPEND logik_quellen ${q})
    endif()
  endforeach()
  if(logik_quellen)
    add_library(${ordner} OBJECT ${logik_quellen})
    target_link_libraries(${ordner} PRIVATE tamrel_optionen)
    if(ordner STREQUAL "output")
      target_link_libraries(${ordner} PRIVATE PkgConfig::LIBICAL)
    endif()
    set_property(GLOBAL APPEND PROPERTY TAMREL_LOGIK_OBJEKTE $<TARGET_OBJECTS:${ordner}>)
  endif()
  if(fenster_quellen)
    add_library(${ordner}_fenster OBJECT ${fenster_quellen})
    target_link_libraries(${ordner}_fenster PRIVATE tamrel_optionen Qt6::Widgets Qt6::Svg
                          Qt6::PrintSupport)
    set_target_properties(${ordner}_fenster PROPERTIES AUTOMOC ON)
    set_property(GLOBAL APPEND PROPERTY TAMREL_FENSTER_OBJEKTE $<TARGET_OBJECTS:${ordner}_fenster>)
  endif()
endfunction()

function(tamrel_bibliotheken)
  get_property(logik_objekte GLOBAL PROPERTY TAMREL_LOGIK_OBJEKTE)
  get_property(fenster_objekte GLOBAL PROPERTY TAMREL_FENSTER_OBJEKTE)
  add_library(logik STATIC ${logik_objekte})
  target_link_libraries(logik PUBLIC tamrel_optionen PkgConfig::LIBICAL)
  get_property(gui_quellen GLOBAL PROPERTY TAMREL_GUI_QUELLEN)
  add_library(seitenbild STATIC ${gui_quellen})
  target_link_libraries(seitenbild PUBLIC logik Qt6::Gui)
  add_library(fenster STATIC ${fenster_objekte})
  target_link_libraries(fenster PUBLIC seitenbild logik Qt6::Widgets Qt6::Svg Qt6::PrintSupport)
endfunction()
