// Zeichnen der Stundenplandrucke.
#include "output/DruckPlnUnit.h"

#include <algorithm>
#include <map>
#include <set>

#include "model/SchulUnit.h"
#include "output/DrBreiteUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr TColor kSilber = 0xC0C0C0;

std::string Links(const std::string& s, std::size_t n) {
  return s.size() > n ? s.substr(0, n) : s;
}

// Die Kürzelart (für DrKueBreite) der Elementart an der Stelle der Druckfolge.
int KuerzelArt(TPlanDruckArt art, int stelle) {
  static const int kArten[3][4] = {{1, 3, 4, 2}, {0, 3, 4, 2}, {0, 1, 3, 2}};
  return kArten[std::min(static_cast<int>(art), 2)][stelle];
}

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

const TRaum* AlsRaum(const TPlanElement* e) {
  return e->Art() == rau ? static_cast<const TRaum*>(e) : nullptr;
}

// Die Planversionen, die ein Element bekommt.
std::vector<int> Versionen(const TPlanDruckOptionen& o) {
  std::vector<int> v;
  if (o.Versionen)
    for (int w = 1; w <= Standard().fMaxWocheNeu; ++w) v.push_back(w);
  else
    v.push_back(std::clamp(Standard().fAktuelleWoche, 1, Standard().fMaxWocheNeu));
  return v;
}

// Die Pläne des Auftrags in Druckfolge: Element und Planversion.
std::vector<std::pair<TPlanElement*, int>> ZuDrucken(const TPlanDruckOptionen& o,
                                                     const std::vector<TPlanElement*>& liste) {
  std::vector<std::pair<TPlanElement*, int>> plaene;
  for (TPlanElement* e : liste) {
    if (!e || (!o.Alle && !(e->fLetzteAenderung > o.Ab))) continue;
    for (int w : Versionen(o)) plaene.emplace_back(e, w);
  }
  return plaene;
}

TPlanMasse Messen(TPlanDruckArt art, const TPlanDruckOptionen& o, TPrevPrinter& d,
                  const std::vector<int>& versionen) {
  TPlanMasse m;
  d.Font = o.Font;
  m.h = d.TextHeight();
  d.Font.Fett = o.Font.Fett || o.Fett;
  const bool koppl = IstKoppDruck(art);
  for (int i = 0; i < 4; ++i) {
    int kuerzelArt = i;
    if (koppl)  // Kopplungspläne: Klasse bzw. Lehrer, Fach, Raum, Kopplung
      kuerzelArt = i == 0 ? (art == TPlanDruckArt::KoppLehrer ? 1 : 0)
                          : (i == 1   ? 3
                             : i == 2 ? 4
                                      : 2);
    else
      kuerzelArt = KuerzelArt(art, i);
    m.Kuerzel[i] = DrKueBreite(kuerzelArt, d);
  }
  m.Kopplung = DrKueBreite(2, d);
  d.Font.Fett = o.Font.Fett;
  m.Tag = DrTagBreite(d);
  for (int w : versionen) m.Std = std::max(m.Std, DrStdBreite(w, d));
  m.Stern = d.TextWidth("*");
  const TDruckerMasse& dm = d.Masse();
  m.BlattBreite = dm.XOff + dm.Breite;
  m.BlattHoehe = dm.YOff + dm.Hoehe;
  m.Rand[0] = d.RandPunkte(o.RandLi);
  m.Rand[1] = d.RandPunkte(o.RandRe);
  m.Rand[2] = d.RandPunkte(o.RandOb);
  m.Rand[3] = d.RandPunkte(o.RandUn);
  return m;
}

void Kasten(TPrevPrinter& d, int x, int y, int b, int h, const std::string& text) {
  d.Rectangle({x, y, x + b, y + h});
  d.TextOut(x + 10, y + 10, text);
}

// Der Rahmen eines Plans: Eckkasten, Spaltenköpfe und Zeilenköpfe. zeilenHoehe gibt die Höhe
// jeder Zeile (bei Kopplungsplänen verschieden).
void Rahmen(TPrevPrinter& d, const TPlanDruckOptionen& o, const TPlanLayout& l, int x, int y,
            int version, const std::vector<int>& zeilenHoehe) {
  const TStandard& s = Standard();
  d.Rectangle({x, y, x + l.LinksBreite, y + l.KopfHoehe});
  const bool stundenLinks = o.Links == 0;
  for (int i = 0; i < l.Spalten; ++i) {
    const std::string text = stundenLinks ? U8(s.fTagBez[o.VonTag + i].str())
                                          : U8(s.fStdBez[version][o.VonStd + i].str());
    Kasten(d, x + l.LinksBreite + i * l.ZellBreite, y, l.ZellBreite, l.KopfHoehe, text);
  }
  int zy = y + l.KopfHoehe;
  for (int j = 0; j < l.Zeilen; ++j) {
    const std::string text = stundenLinks ? U8(s.fStdBez[version][o.VonStd + j].str())
                                          : U8(s.fTagBez[o.VonTag + j].str());
    Kasten(d, x, zy, l.LinksBreite, zeilenHoehe[static_cast<std::size_t>(j)], text);
    zy += zeilenHoehe[static_cast<std::size_t>(j)];
  }
}

// Spalte und Zeile einer Zelle nach "Reihenfolge".
int SpalteVon(const TPlanDruckOptionen& o, int tag, int std) {
  return o.Links == 0 ? tag - o.VonTag : std - o.VonStd;
}
int ZeileVon(const TPlanDruckOptionen& o, int tag, int std) {
  return o.Links == 0 ? std - o.VonStd : tag - o.VonTag;
}
bool ImBereich(const TPlanDruckOptionen& o, int tag, int std) {
  return tag >= o.VonTag && tag <= o.BisTag && std >= o.VonStd && std <= o.BisStd;
}

// Jede Zelle umrandet, gesperrte 1 Punkt innerhalb grau gefüllt. Erst die Flächen, dann die
// Linien: so deckt keine Fläche die Linie der Nachbarzelle.
void Raster(TPrevPrinter& d, const TPlanDruckOptionen& o, const TPlanLayout& l,
            const TPlanElement* e, int version, int x0, const std::vector<int>& zeilenOben,
            const std::vector<int>& zeilenHoehe) {
  for (int durchgang = 0; durchgang < 2; ++durchgang)
    for (int tag = o.VonTag; tag <= o.BisTag; ++tag)
      for (int std = o.VonStd; std <= o.BisStd; ++std) {
        const int sp = SpalteVon(o, tag, std), ze = ZeileVon(o, tag, std);
        const int zx = x0 + sp * l.ZellBreite, zy = zeilenOben[static_cast<std::size_t>(ze)];
        const int zh = zeilenHoehe[static_cast<std::size_t>(ze)];
        if (durchgang == 1) {
          const TPinsel alt = d.Brush;
          d.Brush = TPinsel{};  // nur die Linie
          d.Rectangle({zx, zy, zx + l.ZellBreite, zy + zh});
          d.Brush = alt;
        } else if (o.Sperr && e->fSperrung.GetWocheTagStd(version, tag, std)) {
          const TPinsel alt = d.Brush;
          d.Brush = TPinsel{kSilber, false};
          d.FillRect({zx + 1, zy + 1, zx + l.ZellBreite - 1, zy + zh - 1});
          d.Brush = alt;
        }
      }
}

std::string LeiterText(const TKlasse* k) {
  if (!k->fLehrer1 && !k->fLehrer2) return {};
  return "  ( " + Kuerzel(k->fLehrer1) + " " + Kuerzel(k->fLehrer2) + " " + ")";
}

// Die vier Texte einer Stunde in Druckfolge.
void ZellTexte(TPlanDruckArt art, const TPlanDruckOptionen& o, const TKurs* k, const TSetzung* s,
               std::string texte[4]) {
  const std::string klasse = Kuerzel(k->fKlassen.empty() ? nullptr : k->fKlassen[0]);
  const std::string statt = o.Statt && k->fKopplung ? Kuerzel(k->fKopplung) : std::string();
  const std::string lehrer = Kuerzel(k->fLehrer);
  const std::string fach = Kuerzel(k->fFach), raum = Kuerzel(s->fRaum);
  const std::string koppl = Kuerzel(k->fKopplung);
  switch (art) {
    case TPlanDruckArt::Lehrer:
      texte[0] = statt.empty() ? klasse : statt;
      texte[1] = fach;
      texte[2] = raum;
      break;
    case TPlanDruckArt::Klassen:
      texte[0] = statt.empty() ? lehrer : statt;
      texte[1] = fach;
      texte[2] = raum;
      break;
    default:
      texte[0] = lehrer;
      texte[1] = statt.empty() ? klasse : statt;
      texte[2] = fach;
      break;
  }
  texte[3] = koppl;
}

// Ein Plan der Lehrer-, Klassen- und Raumpläne mit der linken oberen Ecke (x, y).
void EinPlan(TPlanDruckArt art, const TPlanDruckOptionen& o, const TPlanLayout& l, int h,
             TPrevPrinter& d, TPlanElement* e, int version, int x, int y) {
  if (!o.Bem.empty()) {
    d.TextOut(x, y, U8(o.Bem));
    y += h;
  }
  d.TextOut(x, y, U8(PlanTitel(art, e, version)));
  y += h;
  const std::vector<int> hoehen(static_cast<std::size_t>(l.Zeilen), l.ZellHoehe);
  std::vector<int> oben;
  for (int j = 0; j < l.Zeilen; ++j) oben.push_back(y + l.KopfHoehe + j * l.ZellHoehe);
  Rahmen(d, o, l, x, y, version, hoehen);
  const int x0 = x + l.LinksBreite;
  Raster(d, o, l, e, version, x0, oben, hoehen);

  const TRaum* raum = AlsRaum(e);
  const bool nurErster = art == TPlanDruckArt::Klassen;
  std::set<std::pair<int, int>> belegt;
  const bool ohneArt = !(o.Mit[0] || o.Mit[1] || o.Mit[2] || o.Mit[3]);
  for (TKurs* k : e->fKurse) {
    d.Brush = TPinsel{o.Farbe ? k->fColor : clWhite, false};
    d.Font.Fett = o.Font.Fett || (o.Fett && k->fKopplung);
    for (TSetzung* s : k->fSetzungen) {
      if (s->fWoche != version || !ImBereich(o, s->fTag, s->fStunde)) continue;
      if (raum && s->fRaum != raum) continue;
      if (nurErster && !belegt.insert({s->fTag, s->fStunde}).second) continue;
      d.Font.Unterstrichen = o.Font.Unterstrichen || (o.Fix && s->fFixiert);
      const int zx = x0 + SpalteVon(o, s->fTag, s->fStunde) * l.ZellBreite;
      const int zy = oben[static_cast<std::size_t>(ZeileVon(o, s->fTag, s->fStunde))];
      d.FillRect({zx + 11, zy + 11, zx + l.ZellBreite - 11, zy + l.ZellHoehe - 11});
      const int cx = zx + 10, cy = zy + 10;
      if (ohneArt) {
        d.TextOut(cx, cy, k->fKopplung ? "o" : "+");
      } else {
        std::string texte[4];
        ZellTexte(art, o, k, s, texte);
        int versatz = 0;
        for (int i = 0; i < 4; ++i) {
          if (!o.Mit[i]) continue;
          if (o.Neben == 0) {
            d.TextOut(cx + versatz, cy, U8(texte[i]));
            versatz += l.Spalte[i];
          } else {
            d.TextOut(cx, cy + versatz, U8(texte[i]));
            versatz += h;
          }
        }
      }
      d.Font.Unterstrichen = o.Font.Unterstrichen;
    }
    d.Brush = TPinsel{clWhite, false};
    d.Font.Fett = o.Font.Fett;
  }
}

// --- Kopplungspläne ---

struct TKoppZeile {
  const TKurs* Kurs;
  const TSetzung* Setzung;
  std::string Erster;  // Klasse (Lehrerpläne) bzw. Lehrer (Klassenpläne)
};

// Die Zeilen jeder Zelle in Kursfolge.
std::map<std::pair<int, int>, std::vector<TKoppZeile>> KoppZeilen(TPlanDruckArt art,
                                                                  const TPlanDruckOptionen& o,
                                                                  const TPlanElement* e,
                                                                  int version) {
  std::map<std::pair<int, int>, std::vector<TKoppZeile>> zellen;
  for (const TKurs* k : e->fKurse)
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fWoche != version || !ImBereich(o, s->fTag, s->fStunde)) continue;
      auto& z = zellen[{s->fTag, s->fStunde}];
      if (art == TPlanDruckArt::KoppLehrer && k->fKlassen.size() > 1) {
        for (const TKlasse* kl : k->fKlassen) z.push_back({k, s, Kuerzel(kl)});
      } else if (art == TPlanDruckArt::KoppLehrer) {
        z.push_back({k, s, Kuerzel(k->fKlassen.empty() ? nullptr : k->fKlassen[0])});
      } else {
        z.push_back({k, s, Kuerzel(k->fLehrer)});
      }
    }
  return zellen;
}

const TKopplung* ErsteKopplung(const std::vector<TKoppZeile>& zeilen) {
  for (const TKoppZeile& z : zeilen)
    if (z.Kurs->fKopplung) return z.Kurs->fKopplung;
  return nullptr;
}

void EinKoppPlan(TPlanDruckArt art, const TPlanDruckOptionen& o, const TPlanLayout& l, int h,
                 TPrevPrinter& d, TPlanElement* e, int version, int x, int y) {
  if (!o.Bem.empty()) {
    d.TextOut(x, y, U8(o.Bem));
    y += h;
  }
  d.TextOut(x, y, U8(PlanTitel(art, e, version)));
  y += h;
  const auto zellen = KoppZeilen(art, o, e, version);
  // Jede Zeile so hoch wie ihre vollste Zelle.
  std::vector<int> linien(static_cast<std::size_t>(l.Zeilen), 1);
  for (const auto& [zelle, zeilen] : zellen) {
    const int n = static_cast<int>(zeilen.size()) + (o.MitKoBez && ErsteKopplung(zeilen) ? 1 : 0);
    int& m = linien[static_cast<std::size_t>(ZeileVon(o, zelle.first, zelle.second))];
    m = std::max(m, n);
  }
  std::vector<int> hoehen, oben;
  int zy = y + l.KopfHoehe;
  for (int n : linien) {
    hoehen.push_back(n * h + 20);
    oben.push_back(zy);
    zy += n * h + 20;
  }
  Rahmen(d, o, l, x, y, version, hoehen);
  const int x0 = x + l.LinksBreite;
  Raster(d, o, l, e, version, x0, oben, hoehen);

  for (const auto& [zelle, zeilen] : zellen) {
    const int zx = x0 + SpalteVon(o, zelle.first, zelle.second) * l.ZellBreite;
    const int top = oben[static_cast<std::size_t>(ZeileVon(o, zelle.first, zelle.second))];
    int linie = 0;
    const TKopplung* kop = o.MitKoBez ? ErsteKopplung(zeilen) : nullptr;
    if (kop) {
      d.Font.Fett = o.Font.Fett || o.Fett;
      const std::string name = U8(kop->fKuerzel.str());
      d.TextOut(zx + 10 + (l.ZellBreite - d.TextWidth(name) - 20) / 2, top + 10, name);
      d.Font.Fett = o.Font.Fett;
      linie = 1;
    }
    for (const TKoppZeile& z : zeilen) {
      const int ly = top + 10 + linie * h;
      d.Brush = TPinsel{o.Farbe ? z.Kurs->fColor : clWhite, false};
      d.FillRect({zx + 11, ly + 1, zx + l.ZellBreite - 11, ly + h});
      d.Font.Fett = o.Font.Fett || (o.Fett && z.Kurs->fKopplung);
      d.Font.Unterstrichen = o.Font.Unterstrichen || (o.Fix && z.Setzung->fFixiert);
      d.TextOut(zx + 10, ly, U8(z.Erster));
      d.TextOut(zx + 10 + l.Spalte[0], ly, U8(Kuerzel(z.Kurs->fFach)));
      d.TextOut(zx + 10 + l.Spalte[0] + l.Spalte[1], ly, U8(Kuerzel(z.Setzung->fRaum)));
      d.Font.Fett = o.Font.Fett;
      d.Font.Unterstrichen = o.Font.Unterstrichen;
      d.Brush = TPinsel{clWhite, false};
      ++linie;
    }
  }
}

TPlanLayout KoppLayout(const TPlanDruckOptionen& o, const TPlanMasse& m) {
  TPlanLayout l;
  for (int i = 0; i < 3; ++i) l.Spalte[i] = m.Kuerzel[i] + 20;
  const int tag = m.Tag + 20, std = m.Std + 20;
  l.ZellBreite = std::max(
      {l.Spalte[0] + l.Spalte[1] + l.Spalte[2], m.Kopplung + 20, o.Links == 0 ? tag : std});
  l.ZellHoehe = m.h + 20;
  l.KopfHoehe = m.h + 20;
  l.LinksBreite = o.Links == 0 ? std : tag;
  l.Spalten = o.Links == 0 ? o.BisTag - o.VonTag + 1 : o.BisStd - o.VonStd + 1;
  l.Zeilen = o.Links == 0 ? o.BisStd - o.VonStd + 1 : o.BisTag - o.VonTag + 1;
  l.PlanBreite = l.Spalten * l.ZellBreite + l.LinksBreite + 50;
  return l;
}
}  // namespace

TPlanLayout PlanLayoutBerechnen(TPlanDruckArt art, const TPlanDruckOptionen& o,
                                const TPlanMasse& m) {
  TPlanLayout l;
  bool gewaehlt = false;
  for (int i = 0; i < 4; ++i) {
    l.Spalte[i] = o.Mit[i] ? m.Kuerzel[i] + 20 : 0;
    gewaehlt = gewaehlt || o.Mit[i];
  }
  // "Kopplung statt …": die ersetzte Spalte muss auch das Kopplungskürzel fassen.
  const int ersetzt = StattStelle(art);
  if (o.Statt && o.Mit[ersetzt]) l.Spalte[ersetzt] = std::max(l.Spalte[ersetzt], m.Kopplung + 20);
  const int h = m.h;
  const int tag = m.Tag + 20, std = m.Std + 20;
  int anzahl = 0;
  for (bool b : o.Mit) anzahl += b ? 1 : 0;
  if (o.Neben == 0) {
    l.ZellBreite = gewaehlt ? l.Spalte[0] + l.Spalte[1] + l.Spalte[2] + l.Spalte[3] : m.Stern + 20;
    l.ZellHoehe = h + 20;
  } else {
    l.ZellBreite =
        gewaehlt ? std::max({l.Spalte[0], l.Spalte[1], l.Spalte[2], l.Spalte[3]}) : m.Stern + 20;
    l.ZellHoehe = h * std::max(anzahl, 1) + 20;
  }
  if (o.Links == 0) {
    l.Spalten = o.BisTag - o.VonTag + 1;
    l.Zeilen = o.BisStd - o.VonStd + 1;
    l.LinksBreite = std;
    l.ZellBreite = std::max(l.ZellBreite, tag);
  } else {
    l.Spalten = o.BisStd - o.VonStd + 1;
    l.Zeilen = o.BisTag - o.VonTag + 1;
    l.LinksBreite = tag;
    l.ZellBreite = std::max(l.ZellBreite, std);
  }
  l.Spalten = std::max(l.Spalten, 1);
  l.Zeilen = std::max(l.Zeilen, 1);
  l.KopfHoehe = h + 20;
  l.PlanBreite = l.Spalten * l.ZellBreite + l.LinksBreite + 50;
  l.PlanHoehe = l.Zeilen * l.ZellHoehe + 4 * h + (o.Bem.empty() ? 0 : h);
  if (o.EineSeite) {
    l.Quer = l.Hoch = 1;
  } else {
    l.Quer = std::max(1, (m.BlattBreite - m.Rand[0] - m.Rand[1]) / std::max(l.PlanBreite, 1));
    l.Hoch = std::max(1, (m.BlattHoehe - m.Rand[2] - m.Rand[3] - 3 * h) / std::max(l.PlanHoehe, 1));
  }
  return l;
}

std::string PlanTitel(TPlanDruckArt art, const TPlanElement* e, int version) {
  std::string t = Links(Links(e->fKuerzel.str() + "   ", 14) + e->fInfo.str(), 45);
  const bool koppl = IstKoppDruck(art);
  if (const TLehrer* l = e->Art() == leh ? static_cast<const TLehrer*>(e) : nullptr) {
    if (l->fRaum) t += "  (" + Kuerzel(l->fRaum) + ")";
    if (koppl) {
      for (const TKlasse* k : Schule().fKlassenMenge)
        if (k->fLehrer1 == l || k->fLehrer2 == l) t += "  ( " + Kuerzel(k) + ")";
    } else {
      std::string klassen;
      for (const TKlasse* k : Schule().fKlassenMenge)
        if (k->fLehrer1 == l || k->fLehrer2 == l) klassen += Kuerzel(k) + " ";
      if (!klassen.empty()) t += "  ( " + klassen + ")";
    }
  } else if (const TKlasse* k = e->Art() == kla ? static_cast<const TKlasse*>(e) : nullptr) {
    if (k->fRaum) t += "  (" + Kuerzel(k->fRaum) + ")";
    t += LeiterText(k);
  }
  if (!koppl && Standard().fMaxWocheNeu > 1) t = " {" + std::to_string(version) + "}  " + t;
  return t;
}

int DruckePlaene(TPlanDruckArt art, TPlanDruckOptionen o, const std::vector<TPlanElement*>& liste,
                 TPrevPrinter& d) {
  BereichKlemmen(o);
  const auto plaene = ZuDrucken(o, liste);
  if (plaene.empty()) return 0;
  d.NewJob();
  const std::vector<int> versionen = Versionen(o);
  const TPlanMasse m = Messen(art, o, d, versionen);
  const int h = m.h;
  const bool koppl = IstKoppDruck(art);
  const TPlanLayout l = koppl ? KoppLayout(o, m) : PlanLayoutBerechnen(art, o, m);
  const bool mehrVersionen = Standard().fMaxWocheNeu > 1;
  const int proBlatt = l.Quer * l.Hoch;
  int gedruckt = 0;
  for (const auto& [e, version] : plaene) {
    if (d.Abgebrochen()) break;
    if (koppl) {
      if (gedruckt > 0) d.NewPage();
      d.Font = o.Font;
      d.SeitenKopf(m.Rand[0], m.Rand[2], o.Datum,
                   mehrVersionen ? "{" + std::to_string(version) + "}  " : std::string());
      EinKoppPlan(art, o, l, h, d, e, version, m.Rand[0], m.Rand[2] + 3 * h);
    } else {
      const int slot = gedruckt % proBlatt;
      if (slot == 0) {
        if (gedruckt > 0) d.NewPage();
        d.Font = o.Font;
        d.SeitenKopf(m.Rand[0], m.Rand[2], o.Datum);
      }
      d.Font = o.Font;
      const int x = (slot % l.Quer) * l.PlanBreite + m.Rand[0];
      const int y = (slot / l.Quer) * l.PlanHoehe + 3 * h + m.Rand[2];
      EinPlan(art, o, l, h, d, e, version, x, y);
    }
    ++gedruckt;
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : gedruckt;
}
