// Die schnellen Ja/Nein-Tests zum Hervorheben möglicher Zellen und für die Setzmenüs. Sie laufen
// bei jeder Mausbewegung: nur Bitmasken der Belegungen, keine Listen, keine Speicheranforderung.
#include <vector>

#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "settings/StandardUnit.h"

namespace {
inline std::uint32_t Wort(const TWochBereich& b, int w, int tag) {
  const TWoElem* e = b.GetWoche(w);
  return e ? e->fTage[static_cast<std::size_t>(tag - 1)] : 0u;
}

inline bool BelegtOderGesperrt(const TPlanElement& e, int w, int tag, std::uint32_t bit) {
  return ((Wort(e.fBesetzung, w, tag) | Wort(e.fSperrung, w, tag)) & bit) != 0;
}

// Liegt in der Woche ein Kurs der Klasse in der Zelle, der nicht zu der Kopplung gehört?
// Ohne Kopplung zählt jeder andere Kurs.
bool FremderKursInKlasse(const TKlasse& klasse, const TKurs* selbst, const TKopplung* kopplung,
                         int w, int tag, std::uint32_t bit) {
  if (!(Wort(klasse.fBesetzung, w, tag) & bit)) return false;
  for (const TKurs* k : klasse.fKurse) {
    if (k == selbst || (kopplung && k->fKopplung == kopplung)) continue;
    if (Wort(k->fBesetzung, w, tag) & bit) return true;
  }
  return false;
}

// Kurs, Lehrer und Klassen erlauben die Stunde in der Woche; Klassen dürfen nur Stunden der
// Kopplung dort haben.
bool Frei(const TKurs& kurs, const TKopplung* kopplung, int w, int tag, std::uint32_t bit) {
  if ((Wort(kurs.fBesetzung, w, tag) | Wort(kurs.fSperrung, w, tag)) & bit) return false;
  if (kurs.fLehrer && BelegtOderGesperrt(*kurs.fLehrer, w, tag, bit)) return false;
  for (const TKlasse* kl : kurs.fKlassen) {
    if (Wort(kl->fSperrung, w, tag) & bit) return false;
    if (FremderKursInKlasse(*kl, &kurs, kopplung, w, tag, bit)) return false;
  }
  return true;
}
}  // namespace

bool TKurs::SetzungPossible(int woche, int tag, int std, const TRaum* raum) const {
  if (tag < 1 || tag > MaxTage || std < 1 || std > MaxStunden) return false;
  const std::uint32_t bit = 1u << (std - 1);
  const TWochenSpanne spanne = WochenArgument(woche);
  if (spanne.bis < spanne.von) return false;  // keine Woche des Zyklus
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    if (!Frei(*this, fKopplung, w, tag, bit)) return false;
    if (raum && BelegtOderGesperrt(*raum, w, tag, bit)) return false;
  }
  return true;
}

bool TKurs::IstSetzbar(int woche, int tag, int std, const TKopplung* myKopplung) const {
  // Ein Kurs ohne offene Stunden hindert seine Kopplung nicht.
  if (fNichtVerplanen || RestStunden(woche) < 1) return true;
  if (tag < 1 || tag > MaxTage || std < 1 || std > MaxStunden) return false;
  const std::uint32_t bit = 1u << (std - 1);
  const TWochenSpanne spanne = WochenArgument(woche);
  if (spanne.bis < spanne.von) return false;
  for (int w = spanne.von; w <= spanne.bis; ++w)
    if (!Frei(*this, myKopplung, w, tag, bit)) return false;
  return true;
}

void TKurs::BerechneSetzungUnmoeglich(const TRaum* raum) {
  const TStandard& s = Standard();
  TWoElem* ziel = fSetzungUnmoeglich.GetWoche(s.fAktuelleWoche);
  if (!ziel) return;
  // Die anderen Kurse der Kopplung, die noch Stunden offen haben.
  std::vector<const TKurs*> andere;
  if (fKopplung)
    for (const TKurs* k : fKopplung->fKurse)
      if (k != this && !k->fNichtVerplanen &&
          k->VerplanteStunden(-1) < k->fStunden.GetWochenStunde(-1))
        andere.push_back(k);
  TWoElem unmoeglich;
  for (int t = 1; t <= std::min(s.fMaxTageNeu, MaxTage); ++t)
    for (int h = 1; h <= MaxStunden; ++h) {
      bool nein = !SetzungPossible(-1, t, h, raum);
      for (const TKurs* k : andere) nein = nein || !k->SetzungPossible(-1, t, h, nullptr);
      unmoeglich.SetTagStd(t, h, nein);
    }
  *ziel = unmoeglich;
}

void TKurs::RechtsWahl(const TRaum* raum, TFenster* fenster) {
  BerechneSetzungUnmoeglich(raum);
  if (fenster) fenster->MarkiereRechts(this);
}

void TKurs::RechtsUebWahl(const TRaum* raum, TFenster* fenster) {
  BerechneSetzungUnmoeglich(raum);
  if (fenster) fenster->MarkiereRechts(this);
}
