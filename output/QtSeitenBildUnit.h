// Das Abspielen aufgezeichneter Seiten mit Qt Gui: auf einen QPainter (Voransicht, Drucker) und
// als PDF-Datei. Diese Einheit nutzt nur Qt Gui (keine Widgets, kein Print Support), damit auch
// tamrel-cli PDF-Dateien schreiben kann (mit der Plattform "offscreen").
#pragma once

#include <memory>
#include <string>

#include "output/DruckAuftragUnit.h"
#include "output/PrevPrinterUnit.h"

class QPainter;
class QPaintDevice;

// Spielt die Seite ab. Der Maler steht im Seitenursprung (linke obere Ecke des Druckbereichs) in
// Druckerpunkten von masse; eine Skalierung darauf (Voransicht) bleibt dem Aufrufer.
void SeiteAbspielen(QPainter& maler, const TSeite& seite, const TDruckerMasse& masse);

// Textmaße auf einem Gerät (Drucker, PDF) in dessen Punkten.
class TQtGeraeteMetrik : public TTextMetrik {
 public:
  explicit TQtGeraeteMetrik(QPaintDevice* geraet) : fGeraet(geraet) {}
  double TextBreite(const TSchrift& schrift, const std::string& text) override;
  double TextHoehe(const TSchrift& schrift) override;

 private:
  QPaintDevice* fGeraet;
};

// PDF-Seiten mit Qt Gui. Ohne laufende Anwendung (tamrel-cli) legt der Dienst eine mit der
// Plattform "offscreen" an.
class TQtPdfDienst : public TPdfDienst {
 public:
  // masse: Blattgröße und Auflösung der PDF-Seiten (Vorgabe A4 hochkant, 600 Punkte je Zoll).
  explicit TQtPdfDienst(const TDruckerMasse& masse = A4Masse());
  ~TQtPdfDienst() override;
  TQtPdfDienst(const TQtPdfDienst&) = delete;
  TQtPdfDienst& operator=(const TQtPdfDienst&) = delete;

  TDruckerMasse PdfMasse() override { return fMasse; }
  void SetzePdfMasse(const TDruckerMasse& masse);
  TTextMetrik& PdfMetrik() override;
  bool PdfSchreiben(const TPrevPrinter& seiten, const std::string& pfad,
                    std::string& fehler) override;

 private:
  struct Daten;
  std::unique_ptr<Daten> fDaten;
  TDruckerMasse fMasse;
};

// Legt eine Gui-Anwendung mit der Plattform "offscreen" an, wenn noch keine läuft (für Läufe
// ohne Bildschirm).
void GuiOhneBildschirmSicherstellen();
