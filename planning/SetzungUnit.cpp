#include "planning/SetzungUnit.h"

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"

namespace {
// Belegung der Klasse neu bestimmen: gesetzt, wenn noch ein Kurs der Klasse dort liegt.
void KlassenZelleNeu(TKlasse* klasse, int woche, int tag, int std) {
  klasse->fBesetzung.SetWocheTagStd(woche, tag, std, klasse->FindeKurs(woche, tag, std) != nullptr);
}
}  // namespace

void TKurs::NeueSetzung(int woche, int tag, int std, TRaum* theRaum) {
  woche = ArbeitsWoche(woche);
  if (woche < 1 || woche > fBesetzung.WochenZahl() || tag < 1 || tag > 7 || std < 1 || std > 16)
    return;
  if (fNichtVerplanen || RestStunden(woche) <= 0) return;
  // Nie zwei Setzungen eines Kurses in derselben Zelle.
  if (SetzungFinden(woche, tag, std)) return;
  auto setzung = std::make_unique<TSetzung>();
  setzung->fWoche = woche;
  setzung->fTag = tag;
  setzung->fStunde = std;
  setzung->fRaum = theRaum;
  fSetzungen.ListeAnhaengen(std::move(setzung));
  fBesetzung.SetWocheTagStd(woche, tag, std, true);
  if (fLehrer) {
    fLehrer->fBesetzung.SetWocheTagStd(woche, tag, std, true);
    fLehrer->MerkeZeit();
  }
  for (TKlasse* k : fKlassen) {
    k->fBesetzung.SetWocheTagStd(woche, tag, std, true);
    k->MerkeZeit();
  }
  if (theRaum) {
    theRaum->fBesetzung.SetWocheTagStd(woche, tag, std, true);
    theRaum->MerkeZeit();
  }
  SchuleGeaendert();
}

void TKurs::SetzungEntfernen(TSetzung* theSetzung) {
  if (!theSetzung || !fSetzungen.ListeElemEnthalten(theSetzung)) return;
  const int w = theSetzung->fWoche, t = theSetzung->fTag, h = theSetzung->fStunde;
  TRaum* raum = theSetzung->fRaum;
  // Die Vertretungen der Stunde gehen mit ihr.
  for (TVertretung* v : theSetzung->fVertretungen.Kopie()) Schule().VertretungLoeschen(v);
  fSetzungen.ListeElemEnthalten(theSetzung);
  fSetzungen.ListeLoeschen();
  fBesetzung.SetWocheTagStd(w, t, h, SetzungFinden(w, t, h) != nullptr);
  if (fLehrer) {
    fLehrer->fBesetzung.SetWocheTagStd(w, t, h, false);
    fLehrer->MerkeZeit();
  }
  for (TKlasse* k : fKlassen) {
    KlassenZelleNeu(k, w, t, h);
    k->MerkeZeit();
  }
  if (raum) {
    raum->fBesetzung.SetWocheTagStd(w, t, h, false);
    raum->MerkeZeit();
  }
  SchuleGeaendert();
}

void TKurs::AlleSetzungenEntfernen() {
  while (!fSetzungen.empty()) SetzungEntfernen(fSetzungen[0]);
}

void TKurs::EntferneRaumInSetzung(TSetzung* theSetzung) {
  if (!theSetzung || !theSetzung->fRaum) return;
  TRaum* raum = theSetzung->fRaum;
  raum->MerkeZeit();
  raum->fBesetzung.SetWocheTagStd(theSetzung->fWoche, theSetzung->fTag, theSetzung->fStunde, false);
  theSetzung->fRaum = nullptr;
  raum->PlanRefresh();
  SchuleGeaendert();
}
