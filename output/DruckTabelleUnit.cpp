// Tabellen in Kacheln: UV-Tabellen und die Tabelle der parallelen Kopplungen.
#include <algorithm>
#include <map>

#include "model/SchulUnit.h"
#include "model/UVTabelleUnit.h"
#include "output/DrBreiteUnit.h"
#include "output/DruckListeUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/ParTabelleUnit.h"
#include "settings/StandardUnit.h"

namespace {
std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}
}  // namespace

TListDruckOptionen LadeUVDruck(const TStandard& s) {
  TListDruckOptionen o;
  o.Rand = std::clamp(s.fUVDruckRand, 0, 6);
  o.Font = s.fUVDruckFont;
  o.Fett = s.fUVDruckFett;
  o.Farbe = s.fUVDruckFarbe;
  return o;
}

void SpeichereUVDruck(const TListDruckOptionen& o, TStandard& s) {
  s.fUVDruckRand = o.Rand;
  s.fUVDruckFont = o.Font;
  s.fUVDruckFett = o.Fett;
  s.fUVDruckFarbe = o.Farbe;
}

TListDruckOptionen LadeParDruck(const TStandard& s) {
  TListDruckOptionen o;
  o.Rand = std::clamp(s.fParDruckRand, 0, 6);
  o.Font = s.fParDruckFont;
  o.MitLe = s.fParDruckMitLe;
  o.MitFa = s.fParDruckMitFa;
  o.MitKonfl = s.fParDruckMitKonfl;
  return o;
}

void SpeichereParDruck(const TListDruckOptionen& o, TStandard& s) {
  s.fParDruckRand = o.Rand;
  s.fParDruckFont = o.Font;
  s.fParDruckMitLe = o.MitLe;
  s.fParDruckMitFa = o.MitFa;
  s.fParDruckMitKonfl = o.MitKonfl;
}

TKacheln KachelnBerechnen(int spalten, int zeilen, int n, int m) {
  TKacheln k;
  k.N = std::max(n, 1);
  k.M = std::max(m, 1);
  k.Spaltengruppen = std::max(1, (std::max(spalten, 0) + k.N - 1) / k.N);
  k.Zeilengruppen = std::max(1, (std::max(zeilen, 0) + k.M - 1) / k.M);
  return k;
}

// --- UV-Tabelle ---

int DruckeUVTabellen(TListDruckOptionen o, const std::vector<TUVDruckTabelle>& tabellen,
                     bool kopplungKnopf, TPrevPrinter& d) {
  std::vector<TUVDruckTabelle> da;
  for (const TUVDruckTabelle& t : tabellen)
    if (t.Tab && t.Raster) da.push_back(t);
  if (da.empty()) return 0;
  TListRahmen r(d, o.Font, o.Rand, true);
  r.Beginnen();
  const int h = r.h;
  // Die Breiten wie gedruckt: fett, wenn Kopplungen fett gedruckt werden.
  d.Font.Fett = o.Font.Fett || o.Fett;
  const int RH = h + 10;
  const int leW = DrKueBreite(0, d) + 20, klW = DrKueBreite(1, d) + 20;
  const int koW = DrKueBreite(2, d) + 20, faW = DrKueBreite(3, d) + 20;
  const int NW = d.TextWidth(StundenText(99LL * std::max(Standard().fDivisor, 1))) + 10;
  d.Font = o.Font;
  const int x0 = r.Links, y0 = r.Oben + 4 * h;
  int kacheln = 0;
  bool erste = true;
  for (const TUVDruckTabelle& t : da) {
    const TUVRaster& raster = *t.Raster;
    const bool istFach = raster.IstFach();
    const int CW = istFach ? std::max({std::max(leW, koW) + NW, klW, faW})
                           : std::max({std::max(faW, koW) + NW, leW + NW, klW});
    const TKacheln k =
        KachelnBerechnen(raster.Spalten(), raster.Zeilen(), (r.Breite - r.Links - 50) / CW - 1,
                         (r.Unten - r.Oben - 8 * h) / RH - 1);
    const std::string titel = U8(("UV-Tabelle " + t.Tab->fKuerzel.str()).substr(0, 22));
    auto kasten = [&](int x, int y) { d.Rectangle({x, y, x + CW, y + RH}); };
    for (int sg = 0; sg < k.Spaltengruppen && !d.Abgebrochen(); ++sg)
      for (int zg = 0; zg < k.Zeilengruppen && !d.Abgebrochen(); ++zg) {
        if (!erste) r.NeueSeite();
        erste = false;
        ++kacheln;
        d.Font = o.Font;
        d.TextOut(r.Links, r.Oben + 3 * h, titel);
        d.Brush = TPinsel{clWhite, false};
        kasten(x0, y0);
        const int s0 = sg * k.N + 1, s1 = std::min(raster.Spalten(), sg * k.N + k.N);
        const int z0 = zg * k.M + 1, z1 = std::min(raster.Zeilen(), zg * k.M + k.M);
        for (int c = s0; c <= s1; ++c) {
          const int x = x0 + (c - s0 + 1) * CW;
          kasten(x, y0);
          d.TextOut(x + 10, y0 + 5, U8(Kuerzel(raster.SpaltenKopf(c))));
        }
        for (int z = z0; z <= z1; ++z) {
          const int y = y0 + (z - z0 + 1) * RH;
          const TElement* zeile = raster.ZeilenKopf(z);
          d.Font = o.Font;
          d.Brush = TPinsel{clWhite, false};
          kasten(x0, y);
          d.TextOut(x0 + 10, y + 5, U8(Kuerzel(zeile)));
          if (zeile && zeile->Art() == leh) {
            const auto* l = static_cast<const TLehrer*>(zeile);
            d.TextOut(x0 + 10 + leW, y + 5,
                      StundenText(l->GetSoll(-1) - l->FaktorSumme(-1, false, leh)));
          }
          for (int c = s0; c <= s1; ++c) {
            const int x = x0 + (c - s0 + 1) * CW;
            d.Brush = TPinsel{clWhite, false};
            kasten(x, y);
            const TKurs* kurs = raster.Kurs(c, z);
            if (!kurs) continue;
            const TKlasse* klasse = raster.KlasseVon(c, z);
            d.Brush = TPinsel{o.Farbe ? kurs->fColor : clWhite, false};
            d.FillRect({x + 11, y + 11, x + CW - 11, y + RH - 11});
            d.Font.Fett = o.Font.Fett || (o.Fett && kurs->fKopplung);
            d.Font.Kursiv = o.Font.Kursiv || kurs->fKlassen.ListeNrInhalt(1) != klasse;
            d.TextOut(x + 10, y + 5,
                      StundenText(static_cast<std::int64_t>(kurs->fStunden.GetWochenStunde(-1)) *
                                  kurs->fFaktor));
            const std::string rest = kopplungKnopf && kurs->fKopplung ? Kuerzel(kurs->fKopplung)
                                     : istFach                        ? Kuerzel(kurs->fLehrer)
                                                                      : Kuerzel(kurs->fFach);
            d.TextOut(x + 10 + NW, y + 5, U8(rest));
            d.Font = o.Font;
          }
        }
      }
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : kacheln;
}

int DruckeUVTabelle(TListDruckOptionen o, const TUVTab* tab, const TUVRaster& raster,
                    bool kopplungKnopf, TPrevPrinter& d) {
  return DruckeUVTabellen(o, {TUVDruckTabelle{tab, &raster}}, kopplungKnopf, d);
}

// --- Parallele Kopplungen ---

namespace {
// Die Kurse je Kopplung einer Zeile (Spalte für Spalte) und die Lehrer mit mehr als einem Kurs.
struct TKonfliktZeile {
  const TLehrer* Lehrer;
  std::vector<std::string> Kopplungen;
};

std::vector<TKonfliktZeile> Konflikte(const TParTabelle& t, int r) {
  std::vector<TKonfliktZeile> aus;
  std::map<const TLehrer*, std::size_t> stelle;
  for (int c = 1; c <= t.Spalten(); ++c) {
    const TKopplung* kop = t.Kopplung(r, c);
    if (!kop) continue;
    for (const TKurs* k : kop->fKurse) {
      if (!k->fLehrer) continue;
      auto [it, neu] = stelle.emplace(k->fLehrer, aus.size());
      if (neu) aus.push_back({k->fLehrer, {}});
      aus[it->second].Kopplungen.push_back(kop->fKuerzel.str());
    }
  }
  std::vector<TKonfliktZeile> mehrfach;
  for (const TLehrer* l : Schule().fLehrerMenge)
    for (const TKonfliktZeile& z : aus)
      if (z.Lehrer == l && z.Kopplungen.size() > 1) mehrfach.push_back(z);
  return mehrfach;
}
}  // namespace

int DruckeParallelKopplungen(TListDruckOptionen o, const TParTabelle& t, TPrevPrinter& d) {
  if (t.Zeilen() < 1) return 0;
  TListRahmen r(d, o.Font, o.Rand, false);
  r.Beginnen();
  const int h = r.h;
  const int A = d.TextWidth("A");
  const int LW = A + DrKueBreite(0, d), KW = A + DrKueBreite(2, d), FW = A + DrKueBreite(3, d);
  const int ZW = A + d.TextWidth("99:");
  int FB = std::max(ZW, KW);
  if (o.MitLe && o.MitFa)
    FB = std::max(FB, LW + FW);
  else if (o.MitLe)
    FB = std::max(FB, LW);
  else if (o.MitFa)
    FB = std::max(FB, FW);
  const int felder = std::max(1, (r.Breite - r.Links - ZW) / FB);
  const int spalten = t.Spalten() + 1;  // die Konfliktspalte zuerst
  auto titel = [&] {
    d.TextOut(r.Links, r.Oben + 3 * h, "Parallele Kopplungen");
    r.y = r.Oben + 5 * h;
  };
  titel();
  auto zeilenHoehe = [&](int z) {
    if (!o.MitLe && !o.MitFa) return h + 10;
    std::size_t meiste = 0;
    for (int c = 1; c <= t.Spalten(); ++c)
      if (const TKopplung* k = t.Kopplung(z, c)) meiste = std::max(meiste, k->fKurse.size());
    return static_cast<int>(meiste + 1) * h + 10;
  };
  for (int g0 = 0; g0 < spalten && !d.Abgebrochen(); g0 += felder) {
    if (g0 > 0) {
      r.NeueSeite();
      titel();
    }
    const int g1 = std::min(spalten, g0 + felder);
    for (int z = 1; z <= t.Zeilen(); ++z) {
      const int hoehe = zeilenHoehe(z);
      if (r.y + hoehe > r.Unten - 2 * h && r.y > r.Oben + 5 * h) {
        r.NeueSeite();
        titel();
      }
      d.TextOut(r.Links, r.y + 5, std::to_string(z) + ":");
      for (int c = g0; c < g1; ++c) {
        const int x = r.Links + ZW + (c - g0) * FB;
        d.Rectangle({x, r.y, x + FB, r.y + hoehe});
        if (c == 0) {
          d.TextOut(x + 10, r.y + 5, std::to_string(t.Schnitt(z)));
          continue;
        }
        const TKopplung* kop = t.Kopplung(z, c);
        if (!kop) continue;
        d.TextOut(x + 10, r.y + 5, U8(kop->fKuerzel.str()));
        if (!o.MitLe && !o.MitFa) continue;
        int zy = r.y + 5 + h;
        for (const TKurs* k : kop->fKurse) {
          if (o.MitLe) d.TextOut(x + 10, zy, U8(Kuerzel(k->fLehrer)));
          if (o.MitFa) d.TextOut(x + 10 + (o.MitLe ? LW : 0), zy, U8(Kuerzel(k->fFach)));
          zy += h;
        }
      }
      r.y += hoehe;
    }
  }
  if (o.MitKonfl) {
    bool irgendein = false;
    for (int z = 1; z <= t.Zeilen(); ++z) irgendein = irgendein || t.Schnitt(z) != 0;
    if (irgendein) {
      r.Zeile(3);
      r.Brauche(5 * h);
      d.TextOut(r.Links, r.y, "Konflikte bei der Kopplungsparallelisierung");
      r.Zeile();
      const int einzug = d.TextWidth("Zeile 99:  ");
      for (int z = 1; z <= t.Zeilen(); ++z) {
        if (t.Schnitt(z) == 0) continue;
        const std::vector<TKonfliktZeile> k = Konflikte(t, z);
        r.Brauche(static_cast<int>(k.size() + 1) * h);
        d.TextOut(r.Links, r.y, "Zeile " + std::to_string(z) + ":");
        if (k.empty()) r.Zeile();
        for (const TKonfliktZeile& zeile : k) {
          std::string liste;
          for (const std::string& s : zeile.Kopplungen) liste += (liste.empty() ? "" : ", ") + s;
          d.TextOut(r.Links + einzug, r.y, U8(zeile.Lehrer->fKuerzel.str()));
          d.TextOut(r.Links + einzug + LW, r.y, U8("[" + liste + "]"));
          r.Zeile();
        }
      }
    }
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : t.Zeilen();
}
