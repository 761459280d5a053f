// Welcher Schritt eines Plan- oder Übersichtsfensters zu Werkzeug, Maustaste und Umschalttasten
// gehört. Die Fenster lesen die Maus, fragen hier nach dem Schritt und führen ihn aus.
#pragma once

#include "model/GlobalUnit.h"

enum class TPlanAktion {
  Nichts,
  AuswahlAufheben,  // nur die Auswahl aufheben
  ZiehenBeginnen,   // die Stunde der Zelle greifen
  Probe,            // zeigen, welche Stunden in die Zelle passen (ohne Raum: Alt)
  KursMenue,        // das Menü des Kurses der Zelle (mit Kopplung: Umschalt)
  RechtsMenue,      // das Menü des Elements
  SetzMenue,        // eine freie Zelle: was dort gesetzt werden kann
  RaumSetzMenue,    // eine belegte Zelle: welcher Raum (nur die Zelle markieren: Strg)
  KursFenster,      // das Kursfenster des Kurses
  KursPlanFenster,  // die Planfenster des Kurses (Strg)
  StundenLoeschen,  // die Stunden der Zellen löschen (nur die Räume: Alt)
  StundenFixieren,  // die Stunden der Zellen fixieren oder lösen
  KursMarkieren,    // die Stunden des Kurses markieren
};

enum class TMausTaste { Links, Rechts, Andere };

struct TMausSchritt {
  TToolArt Tool = TToolArt::ZeigTool;
  TMausTaste Taste = TMausTaste::Links;
  unsigned Umschalt = 0;  // umShift, umAlt, umCtrl
  bool DatenZelle = false;  // eine Zelle des Plans, keine Kopfzelle
  bool HatKurs = false;     // in der Zelle liegt eine Stunde
  bool RaumPlan = false;    // der Plan eines Raums (oder die Raumübersicht)
};

// Drücken: heben die Tasten die Auswahl des Rasters vorher auf (Schieben mit Strg oder Umschalt,
// Setzen mit rechts)?
bool DruckHebtAuswahlAuf(const TMausSchritt& s);
// Drücken: ZiehenBeginnen, Probe oder Nichts.
TPlanAktion AktionBeiDruck(const TMausSchritt& s);
// Loslassen: KursMenue, RechtsMenue, SetzMenue, RaumSetzMenue, AuswahlAufheben oder Nichts.
TPlanAktion AktionBeiLos(const TMausSchritt& s);
// Doppelklick: KursFenster, KursPlanFenster, StundenLoeschen, StundenFixieren, KursMarkieren,
// AuswahlAufheben oder Nichts.
TPlanAktion AktionBeimDoppelklick(const TMausSchritt& s);
