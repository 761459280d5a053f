#include <iostream>
#include <string>
#include <vector>

#include "app/CliDruckUnit.h"
#include "app/CliUnit.h"
#include "output/QtSeitenBildUnit.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // PDF-Dateien schreibt die eine Einheit mit Qt Gui; sie startet Qt erst, wenn sie gebraucht wird.
  TQtPdfDienst pdf;
  CliPdfDienstSetzen(&pdf);
  return CliAusfuehren(args, std::cout, std::cerr);
}
