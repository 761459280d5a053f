// Eine kleine Schule mit einer Planversion für die Exporte und den Import: fünf Tage, zwei
// Stunden ("1/2" ist die zweite), zwei Lehrer, zwei Klassen, zwei Räume, vier Kurse.
//   frei:    SCH M ohne Klasse, Do 1 ohne Raum
//   deutsch: MÜL D 5a 5b "Deutsch 5", 3 Stunden, Mo 1 in R1, Mi 2 ohne Raum
//   mathe:   SCH M 5a REL, Faktor 2, Tabelle 2, nicht zählen Lehrer, Di 1 in R2
//   ag:      ohne Lehrer und Fach, 5b, Fr 2
// In der Kursliste stehen sie in dieser Folge.
#pragma once

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

struct TExportSchule {
  TLehrer *mue = nullptr, *sch = nullptr;
  TKlasse *k5a = nullptr, *k5b = nullptr;
  TRaum *r1 = nullptr, *r2 = nullptr;
  TKurs *frei = nullptr, *deutsch = nullptr, *mathe = nullptr, *ag = nullptr;
};

inline TExportSchule BaueExportSchule() {
  TSchule& s = Schule();
  TStandard& st = Standard();
  st.fMaxTageNeu = 5;
  st.fPlnStd = 2;
  st.fStdBez[1][2] = "1/2";
  TExportSchule e;
  e.mue = s.HoleLehrer("M\xDCL");
  e.mue->SetInfo("M\xFCller");
  e.sch = s.HoleLehrer("SCH");
  e.sch->SetInfo("Schmidt");
  e.k5a = s.HoleKlasse("5a");
  e.k5a->SetInfo("Klasse 5a");
  e.k5b = s.HoleKlasse("5b");
  e.k5b->SetInfo("Klasse 5b");
  TFach* d = s.HoleFach("D");
  d->SetInfo("Deutsch");
  TFach* m = s.HoleFach("M");
  m->SetInfo("Mathematik");
  TKopplung* rel = s.HoleKopplung("REL");
  rel->SetInfo("Religion");
  e.r1 = s.HoleRaum("R1");
  e.r1->SetInfo("Raum 1");
  e.r2 = s.HoleRaum("R2");
  e.r2->SetInfo("Raum 2");
  e.deutsch = TKurs::IKurs(e.mue, e.k5a, nullptr, d, e.r1, 3);
  e.deutsch->KlasseErgaenzen(e.k5b);
  e.deutsch->fInfo = "Deutsch 5";
  e.deutsch->NeueSetzung(1, 1, 1, e.r1);
  e.deutsch->NeueSetzung(1, 3, 2, nullptr);
  e.mathe = TKurs::IKurs(e.sch, e.k5a, rel, m, e.r2, 2);
  e.mathe->fFaktor = 2;
  e.mathe->fTabellenNr = 2;
  e.mathe->fNichtZaehlenLe = true;
  e.mathe->NeueSetzung(1, 2, 1, e.r2);
  e.frei = TKurs::IKurs(e.sch, nullptr, nullptr, m, nullptr, 1);
  e.frei->NeueSetzung(1, 4, 1, nullptr);
  e.ag = TKurs::IKurs(nullptr, e.k5b, nullptr, nullptr, nullptr, 1);
  e.ag->NeueSetzung(1, 5, 2, nullptr);
  return e;
}
