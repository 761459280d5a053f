#include "ui/PlanTextUnit.h"

#include <algorithm>

#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr const char* kZeilenEnde = "\r\n";
constexpr const char* kLeer = "---";

// Die Kürzel der Stunde nach der Art des Plans, wie die Zelle sie zeigt.
std::string ZellText(const TPlanInhalt& plan, const TKurs& kurs, int tag, int std, bool schalterO) {
  const bool mitRaum = Standard().fMitRaum;
  // Raumpläne nennen das Fach immer, auch ohne Raum in den Zellen.
  const std::array<int, 3> a =
      ZellTeilArten(plan.Art(), kurs, schalterO, plan.Art() == rau ? true : mitRaum);
  return kurs.WahlZeile(plan.Woche(), tag, std, a[0], a[1], a[2]);
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
void KopplungsStunde(const TPlanInhalt& plan, int h, bool schalterO, std::string& text) {
  const bool mitRaum = Standard().fMitRaum;
  const int w = plan.Woche();
  int k = 0;
  for (int t = 1; t <= plan.Tage(); ++t) {
    const TKurs* kurs = plan.Kurs(t, h);
    text += '\t';
    if (!kurs) {
      text += kLeer;
      continue;
    }
    k = std::max(k, KopplungsGroesse(kurs));
    if (!kurs->fKopplung)
      text += LehrerFachRaum(*kurs, w, t, h, mitRaum);
    else if (schalterO)
      text += kurs->WahlZeile(w, t, h, kop, -1, -1);
    else
      text += kurs->fKopplung->fKurse.ListeNrInhalt(1)->WahlZeile(w, t, h, kop, fac, rau);
  }
  text += kZeilenEnde;
  // Folgezeilen: mit "o" alle Kurse der Kopplung mit Lehrer, Fach und Raum; mit "x" ab dem
  // zweiten Kurs mit Kopplung, Fach und Raum.
  for (int i = schalterO ? 1 : 2; i <= k; ++i) {
    for (int t = 1; t <= plan.Tage(); ++t) {
      text += '\t';
      const TKurs* kurs = plan.Kurs(t, h);
      if (i > KopplungsGroesse(kurs)) continue;
      const TKurs* ite = kurs->fKopplung->fKurse.ListeNrInhalt(i);
      text += schalterO ? ite->WahlZeile(w, t, h, leh, fac, rau)
                        : ite->WahlZeile(w, t, h, kop, fac, rau);
    }
    text += kZeilenEnde;
  }
}
}  // namespace

std::string PlanAlsText(const TPlanInhalt& plan, bool schalterO, bool kopplungsZeilen) {
  const TStandard& s = Standard();
  const int w = plan.Woche();
  const bool gueltigeWoche = w >= 1 && w <= MaxWochen;
  std::string text;
  for (int t = 1; t <= plan.Tage(); ++t) text += '\t' + s.fTagBez[t].str();
  text += kZeilenEnde;
  for (int h = 1; h <= plan.Stunden(); ++h) {
    if (gueltigeWoche) text += s.fStdBez[w][h].str();
    if (kopplungsZeilen && plan.Art() == kla) {
      KopplungsStunde(plan, h, schalterO, text);
      continue;
    }
    for (int t = 1; t <= plan.Tage(); ++t) {
      text += '\t';
      const TKurs* kurs = plan.Kurs(t, h);
      text += kurs ? ZellText(plan, *kurs, t, h, schalterO) : std::string(kLeer);
    }
    text += kZeilenEnde;
  }
  return U8(text);
}
