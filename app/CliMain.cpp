#include <iostream>
#include <string>
#include <vector>

#include "app/CliDruckUnit.h"
#include "app/CliUnit.h"
#include "output/QtSeitenBildUnit.h"
#include "persistence/QtEinstellungsSpeicherUnit.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // PDF-Dateien schreibt die eine Einheit mit Qt Gui; sie startet Qt erst, wenn sie gebraucht wird.
  TQtPdfDienst pdf;
  CliPdfDienstSetzen(&pdf);
  // Die Einstellungen des Programms, nur zum Lesen.
  CliEinstellungsQuelleSetzen(&TQtEinstellungsSpeicher::ZumLesen);
  return CliAusfuehren(args, std::cout, std::cerr);
}
