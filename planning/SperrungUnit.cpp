// Sperrungen eines Kurses und die Was-wäre-wenn-Belegung.
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"

void TKurs::KopiereSperrung(const TWochBereich& woBereich) {
  const TWochenSpanne spanne = WochenArgument(-1);
  for (int w = spanne.von; w <= spanne.bis; ++w)
    for (int t = 1; t <= MaxTage; ++t) {
      const std::uint32_t alt = fSperrung.GetWocheTag(w, t);
      const std::uint32_t neu = woBereich.GetWocheTag(w, t) & ~fBesetzung.GetWocheTag(w, t);
      fSperrung.SetWocheTag(w, t, (alt & ~0xFFFFu) | (neu & 0xFFFFu));
    }
  SchuleGeaendert();
}

bool TKurs::IstGesperrt(int woche, int tag, int std, const TRaum* raum) const {
  if (fSperrung.GetWocheTagStd(woche, tag, std)) return true;
  if (fLehrer && fLehrer->fSperrung.GetWocheTagStd(woche, tag, std)) return true;
  for (const TKlasse* k : fKlassen)
    if (k->fSperrung.GetWocheTagStd(woche, tag, std)) return true;
  return raum && raum->fSperrung.GetWocheTagStd(woche, tag, std);
}

bool TKurs::IstFixiert(int woche, int tag, int std) const {
  const TWochenSpanne spanne = WochenArgument(woche);
  for (const TSetzung* s : fSetzungen)
    if (s->fFixiert && s->fTag == tag && s->fStunde == std && s->fWoche >= spanne.von &&
        s->fWoche <= spanne.bis)
      return true;
  return false;
}

void TKurs::EntSperre(int woche, int tag, int std, TRaum* raum) {
  if (fLehrer) fLehrer->fSperrung.SetWocheTagStd(woche, tag, std, false);
  for (TKlasse* k : fKlassen) k->fSperrung.SetWocheTagStd(woche, tag, std, false);
  if (raum) raum->fSperrung.SetWocheTagStd(woche, tag, std, false);
  SchuleGeaendert();
}

void TKurs::AendereBesetzung(int woche, int tag, int std, bool setzen, bool mitKopplung) {
  if (mitKopplung && fKopplung) {
    for (TKurs* k : fKopplung->fKurse.Kopie()) k->AendereBesetzung(woche, tag, std, setzen, false);
    return;
  }
  const TWochenSpanne spanne = WochenArgument(woche);
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    const TSetzung* s = SetzungFinden(w, tag, std);
    if (!s) continue;
    fBesetzung.SetWocheTagStd(w, tag, std, setzen);
    if (fLehrer) fLehrer->fBesetzung.SetWocheTagStd(w, tag, std, setzen);
    // Beim Herausheben bleibt eine Klasse besetzt, solange ein anderer Kurs dort liegt.
    for (TKlasse* k : fKlassen)
      k->fBesetzung.SetWocheTagStd(w, tag, std, setzen || k->FindeKurs(w, tag, std) != nullptr);
    if (s->fRaum) s->fRaum->fBesetzung.SetWocheTagStd(w, tag, std, setzen);
  }
}
