// Die Regeln des Tabelleneditors "Voreinstellung für die Automatik": eine Kopie der vier
// Prioritätstabellen, die Ordnungszahl je Zelle, die Verbindungen zur nächsten Stunde
// (negativer Eintrag), das Umschalten der Verbindungen und das Tauschen zweier Ordnungszahlen.
// Reine Logik; TAuTabForm zeichnet und bildet die Maus darauf ab.
#pragma once

#include "settings/StandardUnit.h"

class TAutoTabellenKopie {
 public:
  // Kopiert die Tabellen der Einstellungen.
  TAutoTabellenKopie();

  // Die Ordnungszahl der Zelle (Tabelle 1..4, Stunde 1..16, Tag 1..7).
  int Ordnung(int tabelle, int std, int tag) const;
  // Die Zelle ist mit der Zelle der nächsten Stunde verbunden.
  bool NachUnten(int tabelle, int std, int tag) const;
  // Die Zelle der Stunde davor ist mit dieser verbunden (nie in der ersten Stunde).
  bool VonOben(int tabelle, int std, int tag) const;
  // Schaltet die Verbindung dieser Stunde in die nächste um (Stunden 1..15) bzw. die der
  // Stunde davor in diese (Stunden 2..16); falsch außerhalb.
  bool SchalteNachUnten(int tabelle, int std, int tag);
  bool SchalteVonOben(int tabelle, int std, int tag);
  // Tauscht die Ordnungszahlen zweier Zellen; jede behält ihre Verbindung.
  void Tausche(int tabelle, int std1, int tag1, int std2, int tag2);
  // "Ok": die Kopie in die Einstellungen.
  void Uebernehmen() const;

  const TAutoTabelle& Tabellen() const { return fTab; }

 private:
  std::int32_t& Eintrag(int tabelle, int std, int tag) { return fTab[tabelle][std][tag]; }
  TAutoTabelle fTab;
};
