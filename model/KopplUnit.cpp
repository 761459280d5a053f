#include "model/KopplUnit.h"

#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "planning/UndoUnit.h"

TKurs* TKopplung::GroessterKopplungsKurs(int woche, bool mitFaktor) const {
  TKurs* groesster = nullptr;
  std::int64_t bester = 0;
  for (TKurs* k : fKurse) {
    const std::int64_t wert = static_cast<std::int64_t>(k->fStunden.GetWochenStunde(woche)) *
                              (mitFaktor ? k->fFaktor : 1);
    if (!groesster || wert > bester) {
      groesster = k;
      bester = wert;
    }
  }
  return groesster;
}

bool TKopplung::IstVerplant() const {
  for (const TKurs* k : fKurse)
    if (!k->fNichtVerplanen && k->VerplanteStunden(-1) < k->fStunden.GetWochenStunde(-1))
      return false;
  return true;
}

void TKopplung::LeKopDoppeltTest(const TLehrer* lehrer) const {
  if (!lehrer) return;
  int anzahl = 0;
  for (const TKurs* k : fKurse)
    if (k->fLehrer == lehrer) ++anzahl;
  if (anzahl >= 2)
    Dialog().Meldung("Lehrer doppelt in Kopplung",
                     {"Lehrer " + U8(lehrer->fKuerzel.str()) + " ist mehrfach in " +
                      U8(fKuerzel.str()) + " Kopplung"},
                     TMeldungsArt::Warnung);
}

void TKopplung::Aufloesen() {
  // Die Kurse verlassen die Pläne und die Kopplung. "Widerrufen" setzt keine ihrer Stunden zurück:
  // ohne Kopplung lägen die Kurse in einer Zelle, ihre gemeinsamen Klassen doppelt belegt.
  TManuellProtokoll* protokoll = ManuellProtokoll();
  for (TKurs* k : fKurse.Kopie()) {
    k->AlleSetzungenEntfernen();
    k->KopplungEntfernen();
    if (protokoll) protokoll->SchritteVergessen(k);
  }
  if (Schule().fParListe) Schule().fParListe->Loesche(this);
  // Die Tabelle der parallelen Kopplungen zeigt die Zelle nun leer und zählt neu.
  if (Schule().fParForm) Schule().fParForm->FensterUpdate();
  TElement::Aufloesen();
}

TKurs* TKopplung::NeuerKurs() {
  return NeuerKursMitFenster(nullptr, nullptr, this, nullptr, nullptr);
}

void TKopplung::ErzeugeKopplMenu(TMenue& menue, bool mitInfo) const {
  for (TKurs* k : fKurse) {
    TMenueEintrag e;
    e.Text = U8(k->Zeile(-1, 0, 0, mitInfo, kop));
    e.Objekt = k;
    menue.push_back(std::move(e));
  }
}
