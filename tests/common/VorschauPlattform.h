// Eine Druckplattform für Tests der Druckdialoge: PDF-Seiten und Drucker in A4 bei 600 Punkten
// je Zoll mit festen Zeichenbreiten; der Drucker druckt nichts, der Dateidialog wird abgebrochen,
// und jede Voransicht hält ihre Seitenzahl und die Texte ihrer ersten Seite fest.
#pragma once

#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "output/DruckAuftragUnit.h"

class TKeinDrucker : public TSeitenDrucker {
 public:
  bool Beginnen(const std::string&, std::string&) override { return false; }
  bool NeueSeite(std::string&) override { return false; }
  bool Seite(const TSeite&, const TDruckerMasse&, std::string&) override { return false; }
  bool Beenden(std::string&) override { return false; }
  void Abbrechen() override {}
};

class TVorschauPlattform : public TDruckPlattform {
 public:
  TDruckerMasse PdfMasse() override;
  TTextMetrik& PdfMetrik() override { return fMetrik; }
  bool PdfSchreiben(const TPrevPrinter&, const std::string&, std::string&) override { return true; }
  TDruckerMasse DruckerMasse() override;
  TTextMetrik& DruckerMetrik() override { return fMetrik; }
  bool DruckDialog() override { return false; }
  TSeitenDrucker& Drucker() override { return fDrucker; }
  std::optional<std::string> PdfDateiWaehlen(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  // Mit "Abbrechen" geschlossen.
  TVorschauErgebnis Voransicht(TPrevPrinter& seiten) override;

  TFakeMetrik fMetrik;
  TKeinDrucker fDrucker;
  std::vector<int> fSeiten;        // die Seitenzahl jeder Voransicht
  std::vector<std::string> fText;  // die Texte der ersten Seite der letzten Voransicht
};
