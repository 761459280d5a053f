#include "output/PlanZelleUnit.h"

#include <algorithm>
#include <cmath>

#include "model/DienstUnit.h"
#include "model/ElementUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

std::array<int, 3> ZellTeilArten(TKuerzelArt planArt, const TKurs& kurs, bool kopplungZeigen,
                                 bool mitDrittem) {
  const bool kopplung = kopplungZeigen && kurs.fKopplung;
  switch (planArt) {
    case leh:
      return {kopplung ? kop : kla, fac, mitDrittem ? rau : -1};
    case kla:
      return {kopplung ? kop : leh, fac, mitDrittem ? rau : -1};
    case rau:
      return {leh, kopplung ? kop : kla, mitDrittem ? fac : -1};
    default:
      return {-1, -1, -1};
  }
}

std::array<int, 3> ZellTeilBreiten(TKuerzelArt planArt) {
  const TStandard& s = Standard();
  constexpr int r = 2 * ZellRand;
  switch (planArt) {
    case leh:
      return {s.PlnKlKoBreite() + r, s.fPlnFaBreite + r, s.fPlnRaBreite + r};
    case kla:
      return {s.PlnLeKoBreite() + r, s.fPlnFaBreite + r, s.fPlnRaBreite + r};
    case rau:
      return {s.fPlnLeBreite + r, s.PlnKlKoBreite() + r, s.fPlnFaBreite + r};
    default:
      return {0, 0, 0};
  }
}

int PlanSpaltenBreite(TKuerzelArt planArt) {
  const TStandard& s = Standard();
  if (!s.fNebenEinander) return s.PlnMaxBreite() + 2 * ZellRand;
  const std::array<int, 3> b = ZellTeilBreiten(planArt);
  return b[0] + b[1] + (s.fMitRaum ? b[2] : 0);
}

void PlanBreitenAnpassen() {
  TStandard& s = Standard();
  if (!SchuleVorhanden() || !EingesetzteDienste().Metrik) return;
  TSchrift schrift = s.fPlnFont;
  if (s.fPlnKoppFett) schrift.Fett = true;
  TTextMetrik& metrik = Metrik();
  auto heben = [&](int& breite, TKuerzelArt art) {
    for (const TElement* e : Schule().Elemente(art)) {
      const double b = metrik.TextBreite(schrift, U8(e->fKuerzel.str()));
      breite = std::max(breite, static_cast<int>(std::ceil(b - 1e-6)));
    }
  };
  heben(s.fPlnLeBreite, leh);
  heben(s.fPlnKlBreite, kla);
  heben(s.fPlnKoBreite, kop);
  heben(s.fPlnFaBreite, fac);
  heben(s.fPlnRaBreite, rau);
}

int PlanZeilenHoehe() {
  const TStandard& s = Standard();
  if (s.fNebenEinander) return s.fPlnHoehe;
  return s.fPlnHoehe * (s.fMitRaum ? 3 : 2);
}

TPlanZelle PlanZelleBauen(TKuerzelArt planArt, const TKurs* kurs, int woche, int tag, int std,
                          bool kopplungZeigen, bool gesperrt, bool markiert) {
  const TStandard& s = Standard();
  TPlanZelle z;
  z.Gesperrt = gesperrt;
  z.Markiert = markiert;
  if (!kurs) return z;
  z.Stunde = true;
  z.Farbe = kurs->fColor;
  z.Fett = kurs->fKopplung && s.fPlnKoppFett;
  const TSetzung* setzung = kurs->SetzungFinden(woche, tag, std);
  z.Unterstrichen = setzung && setzung->fFixiert;
  const std::array<int, 3> arten = ZellTeilArten(planArt, *kurs, kopplungZeigen, s.fMitRaum);
  const std::array<int, 3> breiten = ZellTeilBreiten(planArt);
  int x = ZellRand;
  for (int i = 0; i < 3; ++i) {
    const auto ui = static_cast<std::size_t>(i);
    if (s.fNebenEinander) {
      z.X[ui] = x;
      z.Y[ui] = 2;
      x += breiten[ui];
    } else {
      z.X[ui] = ZellRand;
      z.Y[ui] = i * s.fPlnHoehe + 2;
    }
    if (arten[ui] >= 0) z.Texte[ui] = U8(kurs->WahlZeile(woche, tag, std, arten[ui], -1, -1));
  }
  return z;
}
