// Zeichnen der Übersichtsdrucke.
#include "output/DruckUebUnit.h"

#include <algorithm>
#include <set>

#include "model/SchulUnit.h"
#include "output/DrBreiteUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr TColor kSilber = 0xC0C0C0;
constexpr TColor kDunkelgrau = 0x808080;

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

std::string ErsteKlasse(const TKurs* k) {
  return k->fKlassen.empty() ? std::string() : Kuerzel(k->fKlassen[0]);
}

// Die Kürzelart (für DrKueBreite) der Art an der Stelle der Druckfolge.
int KuerzelArt(TUebDruckArt art, int stelle) {
  static const int kArten[3][4] = {{1, 3, 4, 2}, {0, 3, 4, 2}, {0, 1, 3, 2}};
  return kArten[std::min(static_cast<int>(art), 2)][stelle];
}

int EigeneArt(TUebDruckArt art) {
  static const int kEigen[3] = {0, 1, 4};
  return kEigen[std::min(static_cast<int>(art), 2)];
}

int AktuelleVersion() {
  return std::clamp(Standard().fAktuelleWoche, 1, std::max(Standard().fMaxWocheNeu, 1));
}

std::string VersionVorDatei() {
  return Standard().fMaxWocheNeu > 1 ? "{" + std::to_string(AktuelleVersion()) + "}  "
                                     : std::string();
}

}  // namespace

TUebMasse UebMessen(TUebDruckArt art, const TUebDruckOptionen& o, TPrevPrinter& d) {
  TUebMasse m;
  d.Font = o.Font;
  m.h = d.TextHeight();
  d.Font.Fett = o.Font.Fett || o.Fett;
  if (art == TUebDruckArt::Kombination) {
    for (int a : {0, 1, 2, 3, 4}) m.Kombi = std::max(m.Kombi, DrKueBreite(a, d));
  } else {
    m.Eigen = DrKueBreite(EigeneArt(art), d);
    for (int i = 0; i < 4; ++i) m.Kuerzel[i] = DrKueBreite(KuerzelArt(art, i), d);
  }
  m.Kopplung = DrKueBreite(2, d);
  d.Font.Fett = o.Font.Fett;
  m.Tag = DrTagBreite(d);
  m.Std = DrStdBreite(AktuelleVersion(), d);
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

namespace {

// Kopfzeilen jeder Seite einer Übersicht.
void UebKopf(TPrevPrinter& d, const TUebDruckOptionen& o, const TUebMasse& m, bool mitDatum) {
  d.Font = o.Font;
  d.SeitenKopf(m.Rand[0], m.Rand[2], mitDatum, VersionVorDatei());
  if (!o.Bem.empty()) d.TextOut(m.Rand[0], m.Rand[2] + 2 * m.h, U8(o.Bem));
}

// Die Texte einer Stunde in Druckfolge; wie viele gedruckt werden, sagt Mit[] (die Kombination
// druckt immer drei).
void ZellTexte(TUebDruckArt art, const TUebDruckOptionen& o, const TPlanElement* e, const TKurs* k,
               const TSetzung* s, std::string t[4]) {
  const std::string kopp = Kuerzel(k->fKopplung);
  const std::string fach = Kuerzel(k->fFach), raum = Kuerzel(s->fRaum);
  const std::string lehrer = Kuerzel(k->fLehrer), klasse = ErsteKlasse(k);
  const bool statt = o.Statt && k->fKopplung;
  switch (art) {
    case TUebDruckArt::Lehrer:
      t[0] = statt ? kopp : klasse;
      t[1] = fach;
      t[2] = raum;
      t[3] = kopp;
      break;
    case TUebDruckArt::Klassen:
      t[0] = statt ? kopp : lehrer;
      if (!statt) {
        t[1] = fach;
        t[2] = raum;
        t[3] = kopp;
      }
      break;
    case TUebDruckArt::Raeume:
      t[0] = lehrer;
      t[1] = statt ? kopp : klasse;
      t[2] = fach;
      t[3] = kopp;
      break;
    case TUebDruckArt::Kombination:
      if (e->Art() == leh) {
        t[0] = k->fKopplung ? kopp : klasse;
        t[1] = fach;
        t[2] = raum;
      } else if (e->Art() == kla) {
        t[0] = k->fKopplung ? kopp : lehrer;
        if (!k->fKopplung) {
          t[1] = fach;
          t[2] = raum;
        }
      } else {
        t[0] = lehrer;
        t[1] = k->fKopplung ? kopp : klasse;
        t[2] = fach;
      }
      break;
  }
}

struct TBereich {
  int d1, d2;
};

// Eine Elementspalte im Platz slot für die Tage d1..d2.
void ElementSpalte(TUebDruckArt art, const TUebDruckOptionen& o, const TUebLayout& l,
                   const TUebMasse& m, TPrevPrinter& d, const TPlanElement* e, int slot,
                   TBereich b) {
  const TStandard& st = Standard();
  const int version = AktuelleVersion();
  const int h = m.h;
  const int x0 = slot * l.Abstand + m.Rand[0];
  const int y0 = l.GitterOben;
  const int stunden = o.BisStd - o.VonStd + 1;
  auto zeileOben = [&](int tag, int std) {
    return y0 + (tag - b.d1) * l.BlockHoehe + (std - o.VonStd) * l.ZellHoehe;
  };
  d.Font = o.Font;
  d.Brush = TPinsel{clWhite, false};
  if (slot == 0)
    for (int tag = b.d1; tag <= b.d2; ++tag)
      for (int std = o.VonStd; std <= o.BisStd; ++std) {
        const int y = zeileOben(tag, std);
        d.Rectangle({x0, y, x0 + l.LabelBreite, y + l.ZellHoehe});
        d.TextOut(x0 + 10, y + 10, U8(st.fTagBez[tag].str()));
        d.TextOut(x0 + l.TagBreite + 10, y + 10, U8(st.fStdBez[version][std].str()));
      }
  const int x = x0 + l.LabelBreite + 10;
  const std::string name = U8(e->fKuerzel.str());
  d.TextOut(x + (l.ZellBreite - d.TextWidth(name)) / 2, y0 - h - h / 2, name);
  for (int tag = b.d1; tag <= b.d2; ++tag) {
    for (int std = o.VonStd; std <= o.BisStd; ++std) {
      const int y = zeileOben(tag, std);
      d.Brush = TPinsel{clWhite, false};
      d.Rectangle({x, y, x + l.ZellBreite, y + l.ZellHoehe});
      if (o.Sperr && e->fSperrung.GetWocheTagStd(version, tag, std)) {
        d.Brush = TPinsel{kSilber, false};
        d.FillRect({x + 1, y + 1, x + l.ZellBreite - 1, y + l.ZellHoehe - 1});
      }
    }
    if (tag < b.d2) {
      const int unten = y0 + (tag - b.d1) * l.BlockHoehe + stunden * l.ZellHoehe;
      d.Brush = TPinsel{kDunkelgrau, false};
      d.Rectangle({slot == 0 ? x0 : x, unten + 1, x + l.ZellBreite, unten + 9});
    }
  }
  const TRaum* raum = e->Art() == rau ? static_cast<const TRaum*>(e) : nullptr;
  const bool nurErster = art == TUebDruckArt::Klassen;
  const bool ohneArt =
      art != TUebDruckArt::Kombination && !(o.Mit[0] || o.Mit[1] || o.Mit[2] || o.Mit[3]);
  const int vorschub = art == TUebDruckArt::Kombination ? l.Eigen : 0;
  std::set<std::pair<int, int>> belegt;
  for (const TKurs* k : e->fKurse) {
    d.Brush = TPinsel{o.Farbe ? k->fColor : clWhite, false};
    d.Font.Fett = o.Font.Fett || (o.Fett && k->fKopplung);
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fWoche != version || s->fTag < b.d1 || s->fTag > b.d2 || s->fStunde < o.VonStd ||
          s->fStunde > o.BisStd)
        continue;
      if (raum && s->fRaum != raum) continue;
      if (nurErster && !belegt.insert({s->fTag, s->fStunde}).second) continue;
      d.Font.Unterstrichen = o.Font.Unterstrichen || (o.Fix && s->fFixiert);
      const int y = zeileOben(s->fTag, s->fStunde);
      d.FillRect({x + 11, y + 11, x + l.ZellBreite - 11, y + l.ZellHoehe - 11});
      if (ohneArt) {
        d.TextOut(x + 10, y + 10, k->fKopplung ? "o" : "+");
      } else {
        std::string t[4];
        ZellTexte(art, o, e, k, s, t);
        int versatz = 0;
        for (int i = 0; i < 4; ++i) {
          const bool gewaehlt = art == TUebDruckArt::Kombination ? i < 3 : o.Mit[i];
          if (!gewaehlt) continue;
          if (o.Unter) {
            d.TextOut(x + 10, y + 10 + versatz, U8(t[i]));
            versatz += h;
          } else {
            d.TextOut(x + 10 + versatz, y + 10, U8(t[i]));
            versatz += vorschub ? vorschub : l.Spalte[i];
          }
        }
      }
      d.Font.Unterstrichen = o.Font.Unterstrichen;
    }
    d.Brush = TPinsel{clWhite, false};
    d.Font.Fett = o.Font.Fett;
  }
}
}  // namespace

TUebLayout UebLayoutBerechnen(TUebDruckArt art, const TUebDruckOptionen& o, const TUebMasse& m) {
  TUebLayout l;
  const int h = m.h;
  const bool kombi = art == TUebDruckArt::Kombination;
  int anzahl = 0;
  if (kombi) {
    l.Eigen = m.Kombi + 20;
    l.ZellBreite = o.Unter ? l.Eigen : 3 * l.Eigen;
    l.ZellHoehe = (o.Unter ? 3 * h : h) + 20;
  } else {
    l.Eigen = m.Eigen + 20;
    for (int i = 0; i < 4; ++i) {
      l.Spalte[i] = o.Mit[i] ? m.Kuerzel[i] + 20 : 0;
      anzahl += o.Mit[i] ? 1 : 0;
    }
    // "Kopplung statt …": die ersetzte Spalte fasst auch das Kopplungskürzel.
    const int ersetzt = UebStattStelle(art);
    if (o.Statt && o.Mit[ersetzt]) l.Spalte[ersetzt] = std::max(l.Spalte[ersetzt], m.Kopplung + 20);
    const int stern = m.Stern + 20;
    if (o.Unter) {
      int breit = std::max({l.Eigen, l.Spalte[0], l.Spalte[1], l.Spalte[2], l.Spalte[3]});
      if (breit == 0) breit = stern;
      l.ZellBreite = std::max(breit, l.Eigen);
      l.ZellHoehe = h * std::max(anzahl, 1) + 20;
    } else {
      const int summe = l.Spalte[0] + l.Spalte[1] + l.Spalte[2] + l.Spalte[3];
      l.ZellBreite = std::max(anzahl ? summe : stern, l.Eigen);
      l.ZellHoehe = h + 20;
    }
  }
  l.TagBreite = m.Tag + 20;
  l.StdBreite = m.Std + 20;
  l.LabelBreite = l.TagBreite + l.StdBreite;
  l.Abstand = l.ZellBreite + 10;
  l.BlockHoehe = (o.BisStd - o.VonStd + 1) * l.ZellHoehe + 10;
  // Auch der rechte Rand begrenzt die Spalten (bei jeder Übersicht, nicht nur der Kombination).
  const int breite = m.BlattBreite - m.Rand[0] - m.Rand[1] - l.LabelBreite;
  l.Spalten = std::max(1, breite / std::max(l.Abstand, 1));
  const int hoehe = m.BlattHoehe - m.Rand[2] - m.Rand[3] - 5 * h;
  l.Tage = std::clamp(hoehe / std::max(l.BlockHoehe, 1), 1, std::max(o.BisTag - o.VonTag + 1, 1));
  l.GitterOben = m.Rand[2] + 5 * h;
  return l;
}

int DruckeUebersicht(TUebDruckArt art, TUebDruckOptionen o, const std::vector<TPlanElement*>& liste,
                     TPrevPrinter& d) {
  UebBereichKlemmen(o);
  std::vector<TPlanElement*> elemente;
  for (TPlanElement* e : liste)
    if (e) elemente.push_back(e);
  if (elemente.empty()) return 0;
  d.NewJob();
  const TUebMasse m = UebMessen(art, o, d);
  const TUebLayout l = UebLayoutBerechnen(art, o, m);
  const bool mitDatum = art != TUebDruckArt::Kombination || o.Datum;
  int gedruckt = 0;
  bool ersteSeite = true;
  for (int d1 = o.VonTag; d1 <= o.BisTag && !d.Abgebrochen(); d1 += l.Tage) {
    const TBereich b{d1, std::min(d1 + l.Tage - 1, o.BisTag)};
    for (std::size_t k = 0; k < elemente.size() && !d.Abgebrochen(); ++k) {
      const int slot = static_cast<int>(k % static_cast<std::size_t>(l.Spalten));
      if (slot == 0) {
        if (!ersteSeite) d.NewPage();
        ersteSeite = false;
        UebKopf(d, o, m, mitDatum);
      }
      ElementSpalte(art, o, l, m, d, elemente[k], slot, b);
      ++gedruckt;
    }
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : gedruckt;
}

// --- Fächerübersicht ---

namespace {
struct TFUebLage {
  int Links = 0, Oben = 0, h = 0, Unten = 0;
  int Tag = 0, Std = 0, Klasse = 0, Kopplung = 0, Raum = 0, Lehrer = 0;
};

std::string FachTitel(const TFach* f) {
  const std::string t = f->fKuerzel.str() + " " + f->fInfo.str();
  return t.size() > 43 ? t.substr(0, 43) : t;
}
}  // namespace

int DruckeFaecherUebersicht(const TFUebDruckOptionen& oEin, const TFach* von, const TFach* bis,
                            TPrevPrinter& d) {
  TFUebDruckOptionen o = oEin;
  o.Rand = std::clamp(o.Rand, 0, 6);
  const auto& faecher = Schule().fFachMenge;
  const int a = von ? faecher.ListeElemNr(von) : 0;
  const int z = bis ? faecher.ListeElemNr(bis) : 0;
  if (a <= 0 || z <= 0 || z < a) return 0;
  d.NewJob();
  d.Font = o.Font;
  TFUebLage g;
  g.Links = d.RandPunkte(o.Rand);
  g.Oben = d.XInch(1 / 2.54);
  g.h = d.TextHeight();
  g.Unten = d.Masse().YOff + d.Masse().Hoehe;
  const int version = AktuelleVersion();
  auto breite = [&](bool mit, int art) { return mit ? DrKueBreite(art, d) + 20 : 0; };
  g.Klasse = breite(o.Kl, 1);
  g.Kopplung = breite(o.Ko || o.Statt, 2);
  g.Lehrer = breite(o.Kue, 0);
  g.Raum = breite(o.Ra, 4);
  if (o.Statt) g.Klasse = std::max(g.Klasse, g.Kopplung);
  g.Tag = DrTagBreite(d) + 20;
  g.Std = DrStdBreite(version, d) + 20;
  const int h = g.h;
  int y = 0;
  const TFach* titelGedruckt = nullptr;
  auto kopf = [&](const TFach* f) {
    d.Font = o.Font;
    const std::string seite = "Seite " + std::to_string(d.CurrentPage());
    d.TextOut(g.Links, g.Oben, o.Datum ? KopfDatumText(Jetzt()) + seite : seite);
    d.TextOut(g.Links, g.Oben + h,
              VersionVorDatei() +
                  U8(Schule().fDateiName.str().substr(
                      Schule().fDateiName.str().find_last_of("/\\") + 1)) +
                  "   " + U8(Standard().fSchulname));
    y = g.Oben + 2 * h;
    if (!o.Bem.empty()) {
      d.TextOut(g.Links, y, U8(o.Bem));
      y += 2 * h;
    }
    d.TextOut(g.Links, y, U8(FachTitel(f)));
    y += 2 * h;
    titelGedruckt = f;
  };
  kopf(von);
  int zahl = 0;
  for (int nr = a; nr <= z && !d.Abgebrochen(); ++nr) {
    const TFach* f = faecher.ListeNrInhalt(nr);
    if (titelGedruckt != f) {
      // Der Titel braucht Platz wie eine Zeile: sonst beginnt er eine neue Seite (auch eine Folge
      // von Fächern ohne Stunden läuft so nicht über das Blatt hinaus).
      if (g.Unten - y < 5 * h) {
        d.NewPage();
        kopf(f);
      } else {
        y += h;
        d.TextOut(g.Links, y, U8(FachTitel(f)));
        y += 2 * h;
        titelGedruckt = f;
      }
    }
    ++zahl;
    for (int tag = 1; tag <= Standard().fMaxTageNeu; ++tag)
      for (const TKurs* k : f->fKurse)
        for (const TSetzung* s : k->fSetzungen) {
          if (s->fWoche != version || s->fTag != tag) continue;
          if (g.Unten - y < 5 * h) {
            d.NewPage();
            kopf(f);
          }
          const int x = g.Links;
          d.TextOut(x, y, U8(Standard().fTagBez[tag].str()));
          d.TextOut(x + g.Tag, y, U8(Standard().fStdBez[version][s->fStunde].str()));
          if (o.Kl)
            d.TextOut(x + g.Tag + g.Std, y,
                      U8(o.Statt && k->fKopplung ? Kuerzel(k->fKopplung) : ErsteKlasse(k)));
          const int c = x + g.Tag + g.Std + g.Klasse;
          if (o.Ko) d.TextOut(c, y, U8(Kuerzel(k->fKopplung)));
          if (o.Ra) d.TextOut(c + g.Kopplung, y, U8(Kuerzel(s->fRaum)));
          if (o.Kue) d.TextOut(c + g.Kopplung + g.Raum, y, U8(Kuerzel(k->fLehrer)));
          if (o.Name && k->fLehrer)
            d.TextOut(c + g.Kopplung + g.Raum + g.Lehrer, y, U8(k->fLehrer->fInfo.str()));
          y += h;
        }
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : zahl;
}
