#include "output/PlanTextUnit.h"

#include <algorithm>

#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "settings/StandardUnit.h"
#include "output/PlanZelleUnit.h"

namespace {
constexpr const char* kZeilenEnde = "\r\n";
constexpr const char* kLeer = "---";

// Die Kürzel der Stunde nach der Art des Plans, wie die Zelle sie zeigt.
std::string ZellText(TKuerzelArt art, int woche, const TKurs& kurs, int tag, int std,
                     bool schalterO) {
  const bool mitRaum = Standard().fMitRaum;
  // Raumpläne nennen das Fach immer, auch ohne Raum in den Zellen.
  const std::array<int, 3> a = ZellTeilArten(art, kurs, schalterO, art == rau ? true : mitRaum);
  return kurs.WahlZeile(woche, tag, std, a[0], a[1], a[2]);
}

// Lehrer, Fach und Raum der Stunde.
std::string LehrerFachRaum(const TKurs& kurs, int woche, int tag, int std, bool mitRaum) {
  return kurs.WahlZeile(woche, tag, std, leh, fac, mitRaum ? rau : -1);
}

// Die Zahl der Kurse der Kopplung des Kurses (0 ohne Kopplung).
int KopplungsGroesse(const TKurs* kurs) {
  return kurs && kurs->fKopplung ? kurs->fKopplung->fKurse.ListeZahlElemente() : 0;
}

// Klassenplan mit den Kursen der Kopplungen ("Kopieren" mit Shift).
void KopplungsZeile(int w, const std::vector<TTextZelle>& zellen, bool schalterO,
                    std::string& text) {
  const bool mitRaum = Standard().fMitRaum;
  int k = 0;
  for (const TTextZelle& z : zellen) {
    const TKurs* kurs = z.Kurs;
    text += '\t';
    if (!kurs) {
      text += kLeer;
      continue;
    }
    k = std::max(k, KopplungsGroesse(kurs));
    if (!kurs->fKopplung)
      text += LehrerFachRaum(*kurs, w, z.Tag, z.Std, mitRaum);
    else if (schalterO)
      text += kurs->WahlZeile(w, z.Tag, z.Std, kop, -1, -1);
    else
      text += kurs->fKopplung->fKurse.ListeNrInhalt(1)->WahlZeile(w, z.Tag, z.Std, kop, fac, rau);
  }
  text += kZeilenEnde;
  // Folgezeilen: mit "o" alle Kurse der Kopplung mit Lehrer, Fach und Raum; mit "x" ab dem
  // zweiten Kurs mit Kopplung, Fach und Raum.
  for (int i = schalterO ? 1 : 2; i <= k; ++i) {
    for (const TTextZelle& z : zellen) {
      text += '\t';
      const TKurs* kurs = z.Kurs;
      if (i > KopplungsGroesse(kurs)) continue;
      const TKurs* ite = kurs->fKopplung->fKurse.ListeNrInhalt(i);
      text += schalterO ? ite->WahlZeile(w, z.Tag, z.Std, leh, fac, rau)
                        : ite->WahlZeile(w, z.Tag, z.Std, kop, fac, rau);
    }
    text += kZeilenEnde;
  }
}
}  // namespace

std::string PlanZeilenText(TKuerzelArt art, int woche, const std::vector<TTextZelle>& zellen,
                           bool schalterO, bool kopplungsZeilen) {
  std::string text;
  if (kopplungsZeilen && art == kla) {
    KopplungsZeile(woche, zellen, schalterO, text);
    return text;
  }
  for (const TTextZelle& z : zellen) {
    text += '\t';
    text += z.Kurs ? ZellText(art, woche, *z.Kurs, z.Tag, z.Std, schalterO) : std::string(kLeer);
  }
  text += kZeilenEnde;
  return text;
}

std::string PlanAlsText(const TPlanInhalt& plan, bool schalterO, bool kopplungsZeilen) {
  const TStandard& s = Standard();
  const int w = plan.Woche();
  const bool gueltigeWoche = w >= 1 && w <= MaxWochen;
  std::string text;
  for (int t = 1; t <= plan.Tage(); ++t) text += '\t' + s.fTagBez[t].str();
  text += kZeilenEnde;
  for (int h = 1; h <= plan.Stunden(); ++h) {
    if (gueltigeWoche) text += s.fStdBez[w][h].str();
    std::vector<TTextZelle> zellen;
    for (int t = 1; t <= plan.Tage(); ++t) zellen.push_back({plan.Kurs(t, h), t, h});
    text += PlanZeilenText(plan.Art(), w, zellen, schalterO, kopplungsZeilen);
  }
  return U8(text);
}
