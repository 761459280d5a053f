// Die Regeln der Dialoge "Drucke Vertretungsplan" und "Einstellung für den Druck des
// Vertretungsplans", ohne Fenster: Datum und Freigabe der Ausgabeknöpfe, die zehn Bemerkungen,
// die Abhängigkeiten der Häkchen einer Druckeinstellung und "Test" des HTML-Pfads.
#pragma once

#include <string>
#include <vector>

#include "model/GlobalUnit.h"

struct VDEintrag;

class TDruckVertrZustand {
 public:
  // Öffnen: das Datum (mittags), Bemerkung Nr. 1, die Ausgaben gesperrt bis "Datum ok".
  void IDruckVertrForm(TDateTime datum);
  // Pfeil hoch (richtung > 0) oder runter: zum nächsten Schultag; sperrt die Ausgaben.
  void DatumSchritt(int richtung);
  // "Datum ok": gibt die Ausgaben frei.
  void DatumOk() { fAusgabenFrei = true; }
  bool AusgabenFrei() const { return fAusgabenFrei; }
  TDateTime Datum() const { return fDatum; }
  // "dddd, d. mmm yyyy" (UTF-8).
  std::string DatumsText() const;

  // "Bemerkung Nr." (1..10) und der Text der gewählten Bemerkung (Windows-1252).
  void SetzeBemNr(int n);
  int BemNr() const { return fBemNr; }
  const std::vector<std::string>& Memo() const;
  // Jede Änderung im Memo ersetzt die gewählte Bemerkung (höchstens kMemoZeilen Zeilen).
  void MemoGeaendert(std::vector<std::string> zeilen);
  // Vor jeder Ausgabe: Rand und die vier Häkchen in die Einstellungen.
  void AusgabeVorbereiten(int rand, const bool (&haken)[4]);

 private:
  TDateTime fDatum = 0;
  bool fAusgabenFrei = false;
  int fBemNr = 1;
};

// "mit Fehlgrund" ist wählbar, sobald eine der drei Fehllisten gedruckt wird.
bool FehlgrundWaehlbar(const VDEintrag& e);
// "mit Ad hoc" setzen; ohne Ad hoc gibt es auch kein "nur Ad hoc".
void MitAdHocSetzen(VDEintrag& e, bool an);

// "Test" des HTML-Pfads: der Text für "ErgebnisLabel" (UTF-8) und ob er grün steht.
struct TPfadTest {
  std::string Text;
  bool Gruen = false;
};
TPfadTest PfadTesten(const std::string& pfadUtf8);
