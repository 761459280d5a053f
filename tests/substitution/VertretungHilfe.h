// Gemeinsames der Tests der Vertretungsplanung: die kleine Planschule und Abwesenheiten über das
// Änderungsprotokoll.
#pragma once

#include "VertretungsPruefung.h"
#include "planning/PlanHilfe.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/KalenderWechselUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

class VertretungsTest : public PlanTest {
 protected:
  // Das Element fehlt am Tag in den Stunden von..bis (0, 0: nicht mehr).
  void Abwesend(TPlanElement* e, TDateTime datum, int von, int bis) {
    FehlzeitEintragen(e, datum, von ? StundenMaske(von, bis) : 0, "-");
  }
  TVertretung* Von(const TSetzung* p, TDateTime datum) { return p->VertretungFinden(datum); }
  int Anzahl() const { return s.fVertretungsMenge.ListeZahlElemente(); }
};
