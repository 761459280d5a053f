// Der Ablauf jedes Druckauftrags: "Ok" (Druckdialog, drucken), "Ansehen" (Voransicht, dann
// vielleicht drucken oder als PDF speichern) und "Als PDF speichern…". Jeder Druckdialog ruft
// diese Abläufe mit seiner Zeichenroutine; was die Plattform dazu tut (Drucker, Dialoge,
// PDF-Datei), steht hinter TDruckPlattform.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "output/PrevPrinterUnit.h"

// Das Ergebnis der Voransicht: "Drucken", "Als PDF speichern…" oder "Abbrechen".
enum class TVorschauErgebnis { Abbrechen, Drucken, Pdf };

// Schreibt aufgezeichnete Seiten als PDF (auch ohne Fenster, für tamrel-cli).
class TPdfDienst {
 public:
  virtual ~TPdfDienst() = default;
  // Maße und Textmetrik der PDF-Seiten (A4 bei 600 Punkten je Zoll, ohne unbedruckbaren Rand,
  // im Programm nach dem gewählten Papierformat).
  virtual TDruckerMasse PdfMasse() = 0;
  virtual TTextMetrik& PdfMetrik() = 0;
  // Schreibt die Seiten über eine temporäre Datei, die erst zum Schluss umbenannt wird; falsch
  // mit einer deutschen Meldung, dann bleibt eine vorhandene Datei unverändert.
  virtual bool PdfSchreiben(const TPrevPrinter& seiten, const std::string& pfad,
                            std::string& fehler) = 0;
};

class TDruckPlattform : public TPdfDienst {
 public:
  // Der aktuelle Drucker (nach "Papierformat").
  virtual TDruckerMasse DruckerMasse() = 0;
  virtual TTextMetrik& DruckerMetrik() = 0;
  // Der Druckdialog der Plattform; wahr, wenn der Benutzer drucken will.
  virtual bool DruckDialog() = 0;
  virtual TSeitenDrucker& Drucker() = 0;
  // Der Dateidialog "Als PDF speichern…" (fragt selbst vor dem Überschreiben); nichts bei
  // Abbruch. Der Ordner steht im Einstellungsspeicher (PdfOrdner).
  virtual std::optional<std::string> PdfDateiWaehlen(const std::string& ordner,
                                                     const std::string& vorschlag) = 0;
  virtual TVorschauErgebnis Voransicht(TPrevPrinter& seiten) = 0;
  // Die Anzeige "Seite n wird aufgezeichnet." mit "Abbrechen"; nichts: das Meldungsfenster.
  virtual TDruckFortschritt* Fortschritt() { return nullptr; }
};

// Die Zeichenroutine eines Dialogs: zeichnet in den Rekorder und liefert, ob etwas gedruckt
// wurde (ohne Inhalt beginnt sie keine Aufzeichnung).
using TZeichenRoutine = std::function<int(TPrevPrinter&)>;

struct TDruckAuftrag {
  TZeichenRoutine Zeichnen;
  // Die Meldung, wenn nichts zu drucken ist, etwa "Keine Pläne zu drucken.".
  std::string LeerText = "Nichts zu drucken.";
  // Vorschlag des Dateinamens für "Als PDF speichern…" (UTF-8, ohne Ordner).
  std::string PdfName = "Druck.pdf";
};

// "Ok": zeichnet auf; ohne Seiten meldet LeerText und zeigt keinen Druckdialog; sonst Druckdialog
// und Druck (bei anderem Drucker nach dem Dialog neu aufgezeichnet). Wahr, wenn gedruckt wurde.
bool DruckOk(TDruckPlattform& plattform, const TDruckAuftrag& auftrag);
// "Ansehen": zeichnet auf, zeigt die Voransicht und druckt oder speichert die gezeigten Seiten,
// ohne neu zu zeichnen.
void DruckAnsehen(TDruckPlattform& plattform, const TDruckAuftrag& auftrag);
// "Als PDF speichern…": Datei wählen, mit den PDF-Maßen aufzeichnen, schreiben.
bool DruckAlsPdf(TDruckPlattform& plattform, const TDruckAuftrag& auftrag);
// Aufgezeichnete Seiten als PDF: Datei wählen (Ordner merken) und schreiben; Fehler als Meldung.
bool SeitenAlsPdf(TDruckPlattform& plattform, const TPrevPrinter& seiten,
                  const std::string& vorschlag);

// Der zuletzt für PDF-Dateien gewählte Ordner (UTF-8) im Einstellungsspeicher.
std::string PdfOrdner();
void PdfOrdnerMerken(const std::string& pfad);

// Das Papierformat aus "Papierformat...": die Blattgröße hochkant in Zehntelmillimetern und die
// Lage. Das Programm merkt es sich im Einstellungsspeicher, damit es beim nächsten Start und in
// tamrel-cli wieder gilt. Vorgabe: DIN A4 hochkant.
struct TPapier {
  int Breite = 2100;
  int Hoehe = 2970;
  bool Quer = false;
  friend bool operator==(const TPapier&, const TPapier&) = default;
};
// Das gemerkte Papierformat; fehlende oder unbrauchbare Werte ergeben A4 hochkant.
TPapier GemerktesPapier();
void PapierMerken(const TPapier& papier);
// Die Maße der PDF-Blätter für das Papier: das ganze Blatt bei ppi Punkten je Zoll (auf ganze
// Punkte abgeschnitten), quer mit vertauschten Seiten.
TDruckerMasse PapierMasse(const TPapier& papier, int ppi = 600);
