// Reststunden, Stundenverteilungen, Vertretungskonten und die Fehlerliste.
#include <algorithm>
#include <functional>

#include "model/SchulUnit.h"
#include "output/DrBreiteUnit.h"
#include "output/DruckListeUnit.h"
#include "output/PrevPrinterUnit.h"
#include "settings/StandardUnit.h"

namespace {
std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

int AktuelleVersion() {
  return std::clamp(Standard().fAktuelleWoche, 1, std::max(Standard().fMaxWocheNeu, 1));
}
}  // namespace

TRestDruckOptionen LadeRestDruck(const TStandard& s) {
  return {std::clamp(s.fRestDruckArt, 0, 2), std::clamp(s.fRestDruckRand, 0, 6), s.fRestDruckFont};
}

void SpeichereRestDruck(const TRestDruckOptionen& o, TStandard& s) {
  s.fRestDruckArt = o.Art;
  s.fRestDruckRand = o.Rand;
  s.fRestDruckFont = o.Font;
}

TSVDruckOptionen LadeSVDruck(const TStandard& s) {
  return {std::clamp(s.fSVDruckArt, 0, 4),  s.fSVDruckSperr, s.fSVDruckSpring, s.fSVDruckFarbe,
          std::clamp(s.fSVDruckRand, 0, 6), s.fSVDruckFont};
}

void SpeichereSVDruck(const TSVDruckOptionen& o, TStandard& s) {
  s.fSVDruckArt = o.Art;
  s.fSVDruckSperr = o.Sperr;
  s.fSVDruckSpring = o.Spring;
  s.fSVDruckFarbe = o.Farbe;
  s.fSVDruckRand = o.Rand;
  s.fSVDruckFont = o.Font;
}

TListDruckOptionen LadeVStdDruck(const TStandard& s) {
  TListDruckOptionen o;
  o.Rand = std::clamp(s.fVStdDruckRand, 0, 6);
  o.Font = s.fVStdDruckFont;
  return o;
}

void SpeichereVStdDruck(const TListDruckOptionen& o, TStandard& s) {
  s.fVStdDruckRand = o.Rand;
  s.fVStdDruckFont = o.Font;
}

TListDruckOptionen LadeFehlDruck(const TStandard& s) {
  TListDruckOptionen o;
  o.Rand = std::clamp(s.fFehlDruckRand, 0, 6);
  o.Font = s.fFehlDruckFont;
  return o;
}

void SpeichereFehlDruck(const TListDruckOptionen& o, TStandard& s) {
  s.fFehlDruckRand = o.Rand;
  s.fFehlDruckFont = o.Font;
}

TKuerzelArt ListenArt(bool rest, int art) {
  static const TKuerzelArt kRest[3] = {leh, kla, fac};
  static const TKuerzelArt kSV[5] = {leh, kla, kop, fac, rau};
  return rest ? kRest[std::clamp(art, 0, 2)] : kSV[std::clamp(art, 0, 4)];
}

std::vector<TElement*> ElementBereich(TKuerzelArt art, const TElement* von, const TElement* bis) {
  const std::vector<TElement*> alle = Schule().Elemente(art);
  const auto a = std::find(alle.begin(), alle.end(), von);
  const auto z = std::find(alle.begin(), alle.end(), bis);
  if (a == alle.end() || z == alle.end() || z < a) return {};
  return {a, z + 1};
}

void BereichAbgleichen(TKuerzelArt art, TElement*& von, TElement*& bis, bool vonGewaehlt) {
  const std::vector<TElement*> alle = Schule().Elemente(art);
  const auto a = std::find(alle.begin(), alle.end(), von);
  const auto z = std::find(alle.begin(), alle.end(), bis);
  if (a == alle.end() || z == alle.end() || z >= a) return;
  if (vonGewaehlt)
    bis = von;
  else
    von = bis;
}

// --- Reststunden ---

int DruckeReststunden(TRestDruckOptionen o, const std::vector<TElement*>& liste, TPrevPrinter& d) {
  o.Art = std::clamp(o.Art, 0, 2);
  std::vector<TElement*> elemente;
  for (TElement* e : liste)
    if (e && e->Art() == ListenArt(true, o.Art)) elemente.push_back(e);
  if (elemente.empty()) return 0;
  TListRahmen r(d, o.Font, o.Rand, false);
  r.Beginnen();
  const int A = d.TextWidth("A");
  const int KB = std::max(A + std::max({DrKueBreite(0, d), DrKueBreite(1, d), DrKueBreite(3, d)}),
                          (A + d.TextWidth("Lehrer")) / 2);
  int Z = A + d.TextWidth("9999.99");
  for (const char* t : {"Soll", "Ist", "Rest", "n.z.Le.", "n.z.Kl.", "n.verpl."})
    Z = std::max(Z, A + d.TextWidth(t));
  const TStandard& st = Standard();
  const int basis = r.Links + (o.Art == 1 ? 4 : 2) * KB;
  const int erste = o.Art == 2 ? 1 : 0;  // Fächer: die Lehrerzahl steht bei basis
  std::vector<const char*> titel;
  if (o.Art == 0) titel = {"Soll", "Ist", "Rest", "n.z.Le.", "n.verpl."};
  if (o.Art == 1) titel = {"Soll", "Ist", "Rest", "n.z.Kl.", "n.verpl."};
  if (o.Art == 2) titel = {"Soll", "Ist", "Rest", "n.z.Le.", "n.z.Kl.", "n.verpl."};
  const char* kKopf[3] = {"Lehrer", "Klassen", "Fächer"};
  auto kopfZeile = [&] {
    d.TextOut(r.Links, r.y, kKopf[o.Art]);
    if (o.Art == 2) d.TextOut(basis, r.y, "Lehrer");
    for (std::size_t i = 0; i < titel.size(); ++i)
      d.TextOut(basis + static_cast<int>(i + erste) * Z, r.y, titel[i]);
    r.Zeile();
  };
  kopfZeile();
  std::vector<std::int64_t> summe(titel.size(), 0);
  std::int64_t lehrerSumme = 0;
  for (const TElement* e : elemente) {
    if (d.Abgebrochen()) break;
    if (r.Rest() < 3 * r.h) {
      r.NeueSeite();
      kopfZeile();
    }
    d.TextOut(r.Links, r.y, U8(e->fKuerzel.str()));
    std::vector<std::int64_t> werte;
    if (e->Art() == leh) {
      const auto* l = static_cast<const TLehrer*>(e);
      d.TextOut(r.Links + KB, r.y, U8(Kuerzel(l->fRaum)));
      const std::int64_t soll = l->GetSoll(-1), ist = l->FaktorSumme(-1, false, leh);
      werte = {soll, ist, soll - ist, l->nzSumme(-1, leh), l->nvpSumme(-1)};
    } else if (e->Art() == kla) {
      const auto* k = static_cast<const TKlasse*>(e);
      d.TextOut(r.Links + KB, r.y, U8(Kuerzel(k->fRaum)));
      d.TextOut(r.Links + 2 * KB, r.y, U8(Kuerzel(k->fLehrer1)));
      d.TextOut(r.Links + 3 * KB, r.y, U8(Kuerzel(k->fLehrer2)));
      const std::int64_t soll = k->GetSoll(-1), ist = k->FaktorSumme(-1, k->fKopDop, kla);
      werte = {soll, ist, soll - ist, k->nzSumme(-1, kla), k->nvpSumme(-1)};
    } else {
      const auto* f = static_cast<const TFach*>(e);
      const int lehrer = f->fLehrer.ListeZahlElemente();
      d.TextOut(basis, r.y, ZahlText(lehrer));
      lehrerSumme += lehrer;
      const std::int64_t soll = f->FaktorSumme(-1, false, fac), ist = f->IstSumme(-1);
      werte = {soll, ist, soll - ist, f->nzSumme(-1, leh), f->nzSumme(-1, kla), f->nvpSumme(-1)};
    }
    for (std::size_t i = 0; i < werte.size(); ++i) {
      d.TextOut(basis + static_cast<int>(i + erste) * Z, r.y, StundenText(werte[i]));
      summe[i] += werte[i];
    }
    r.Zeile();
  }
  r.Brauche(3 * r.h);
  const int rechts = basis + static_cast<int>(titel.size() + erste) * Z;
  d.Line({r.Links, r.y}, {rechts, r.y});
  r.Zeile();
  d.TextOut(r.Links, r.y, "Summe");
  if (o.Art == 2) d.TextOut(basis, r.y, ZahlText(lehrerSumme));
  for (std::size_t i = 0; i < summe.size(); ++i) {
    // Fächer: nur Soll, Ist und n.z.Le. bekommen die breitere Summe.
    const bool breiter = o.Art != 2 || i == 0 || i == 1 || i == 3;
    d.TextOut(basis + static_cast<int>(i + erste) * Z, r.y,
              StundenText(summe[i], st.fDivisor, st.fVorKomma + (breiter ? 1 : 0), st.fNachKomma));
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : static_cast<int>(elemente.size());
}

// --- Stundenverteilung ---

namespace {
constexpr TColor kOliv = 0x008080;  // Rot 128, Grün 128, Blau 0 (Farbwerte als 0x00BBGGRR)
constexpr TColor kSilber = 0xC0C0C0;
constexpr TColor kRot = 0x0000FF;

struct TSVLage {
  int SW = 0, K1 = 0, K2 = 0, h = 0, Links = 0;
  int TagX(int tag) const { return Links + K1 + K2 + (tag - 1) * 17 * SW; }
  int StdX(int tag, int std) const { return TagX(tag) + (std - 1) * SW + 5; }
};

// Ein Zeichen der Tageskennung im Kasten SW - 10 breit, SW - 8 hoch.
void Symbol(TPrevPrinter& d, const TSVDruckOptionen& o, char c, int x, int zeileOben,
            const TSVLage& g) {
  const int oben = zeileOben + (g.h - g.SW) / 2;
  const TRechteck kasten{x, oben, x + g.SW - 10, oben + g.SW - 8};
  const int mitte = oben + (g.SW - 8) / 2;
  const TRechteck flach{x, mitte - 3, x + g.SW - 10, mitte + 3};
  if (c == 'S' && !o.Sperr) c = 'F';
  const TPinsel leer{clWhite, true};
  switch (c) {
    case 'E':
      d.Brush = leer;
      d.Ellipse(kasten);
      break;
    case 'G':
      d.Brush = leer;
      d.Rectangle(kasten);
      break;
    case 'K':
      d.Brush = TPinsel{clBlack, false};
      d.Ellipse(kasten);
      break;
    case 'L':
      d.Brush = TPinsel{clBlack, false};
      d.Rectangle(kasten);
      break;
    case 'F':
      d.Brush = leer;
      d.Rectangle(flach);
      break;
    case 'S':
      d.Brush = TPinsel{o.Farbe ? kOliv : kSilber, false};
      d.Rectangle(kasten);
      break;
    case 'U':
      d.Brush = TPinsel{o.Farbe ? kRot : clBlack, false};
      d.Rectangle(flach);
      break;
    default:
      break;
  }
  d.Brush = leer;
}

void TagNamen(TPrevPrinter& d, const TSVLage& g, int y) {
  for (int tag = 1; tag <= Standard().fMaxTageNeu; ++tag) {
    const std::string t = U8(Standard().fTagBez[tag].str());
    d.TextOut(g.TagX(tag) + (17 * g.SW - d.TextWidth(t)) / 2, y, t);
  }
}

void TagesZeile(TPrevPrinter& d, const TSVDruckOptionen& o, const TSVLage& g, int y,
                const std::function<std::string(int)>& kennung) {
  for (int tag = 1; tag <= Standard().fMaxTageNeu; ++tag) {
    d.Line({g.TagX(tag), y}, {g.TagX(tag), y + g.h});
    const std::string code = kennung(tag);
    for (int std = 1; std <= 16 && std <= static_cast<int>(code.size()); ++std)
      Symbol(d, o, code[static_cast<std::size_t>(std - 1)], g.StdX(tag, std), y, g);
  }
}
}  // namespace

int DruckeStundenverteilung(TSVDruckOptionen o, const std::vector<TElement*>& liste,
                            TPrevPrinter& d) {
  o.Art = std::clamp(o.Art, 0, 4);
  const TKuerzelArt art = ListenArt(false, o.Art);
  std::vector<TElement*> elemente;
  for (TElement* e : liste)
    if (e && e->Art() == art) elemente.push_back(e);
  if (elemente.empty()) return 0;
  TListRahmen r(d, o.Font, o.Rand, false);
  r.Beginnen();
  TSVLage g;
  g.SW = std::max(d.TextWidth("o"), 11);
  g.h = r.h;
  g.Links = r.Links;
  if (art == kop) {
    g.K1 = DrKueBreite(0, d) + g.SW;
    g.K2 = DrKueBreite(3, d) + g.SW;
  } else if (art == fac) {
    g.K1 = DrKueBreite(0, d) + g.SW;
    g.K2 = std::max(DrKueBreite(1, d), DrKueBreite(2, d)) + g.SW;
  } else {
    g.K1 = DrKueBreite(static_cast<int>(art), d) + g.SW;
  }
  const int version = AktuelleVersion();
  const int tage = std::clamp(Standard().fMaxTageNeu, 1, MaxTage);
  const std::vector<TElement*> alle = Schule().Elemente(art);
  if (art == leh || art == kla || art == rau) {
    static const char* const kKopf[5] = {"Lehrer", "Klasse", "", "", "Raum"};
    auto kopf = [&] {
      d.TextOut(r.Links, r.y, kKopf[art]);
      TagNamen(d, g, r.y);
      r.Zeile();
    };
    kopf();
    int zahl[MaxTage + 1][17] = {};
    for (const TElement* e : elemente) {
      if (d.Abgebrochen()) break;
      if (r.Rest() < 6 * r.h) {
        r.NeueSeite();
        kopf();
      }
      const auto* p = static_cast<const TPlanElement*>(e);
      d.TextOut(r.Links, r.y, U8(p->fKuerzel.str()));
      TagesZeile(d, o, g, r.y, [&](int tag) {
        const std::string code = p->SVZeile(version, tag);
        for (int std = 1; std <= 16 && std <= static_cast<int>(code.size()); ++std) {
          const char c = code[static_cast<std::size_t>(std - 1)];
          const bool zaehlt = o.Spring ? c == 'U' : (c == 'E' || c == 'G' || c == 'K' || c == 'L');
          if (zaehlt && tag <= MaxTage) ++zahl[tag][std];
        }
        return code;
      });
      const int ende = g.TagX(tage + 1);
      if (o.Spring) {
        d.Line({ende, r.y}, {ende, r.y + r.h});
        d.TextOut(ende + 10, r.y, ZahlText(p->SpringStd()));
      }
      r.Zeile();
      const auto pos = std::find(alle.begin(), alle.end(), e) - alle.begin() + 1;
      if (pos % 5 == 0) {
        const int rechts = o.Spring ? ende + 10 + d.TextWidth("999") : ende;
        d.Line({r.Links, r.y}, {rechts, r.y});
        r.y += 10;
      }
    }
    // Die Zählzeile: Ziffern von oben nach unten, die Einer zuerst.
    r.Brauche(4 * r.h);
    for (int tag = 1; tag <= tage; ++tag)
      for (int std = 1; std <= 16; ++std) {
        int wert = zahl[tag][std] % 1000;
        int zeile = 0;
        do {
          d.TextOut(g.StdX(tag, std), r.y + zeile * r.h, std::to_string(wert % 10));
          wert /= 10;
          ++zeile;
        } while (wert > 0);
      }
    r.Zeile(3);
  } else {
    for (const TElement* e : elemente) {
      if (d.Abgebrochen()) break;
      r.Brauche(6 * r.h);
      d.TextOut(r.Links, r.y, U8(e->fKuerzel.str()));
      TagNamen(d, g, r.y);
      r.Zeile();
      for (const TKurs* k : e->fKurse) {
        if (r.Rest() < 6 * r.h) {
          r.NeueSeite();
          TagNamen(d, g, r.y);
          r.Zeile();
        }
        d.TextOut(r.Links, r.y, U8(Kuerzel(k->fLehrer)));
        const std::string zweiter =
            art == kop
                ? Kuerzel(k->fFach)
                : (k->fKopplung ? Kuerzel(k->fKopplung) : Kuerzel(k->fKlassen.ListeNrInhalt(1)));
        d.TextOut(r.Links + g.K1, r.y, U8(zweiter));
        TagesZeile(d, o, g, r.y, [&](int tag) { return k->SVZeile(tag); });
        r.Zeile();
      }
      r.Zeile();
    }
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : static_cast<int>(elemente.size());
}

// --- Vertretungskonten ---

int DruckeVertretungsstunden(TListDruckOptionen o, TPrevPrinter& d) {
  if (Schule().fLehrerMenge.empty()) return 0;
  TListRahmen r(d, o.Font, o.Rand, false);
  r.Beginnen();
  const TStandard& st = Standard();
  const int A = d.TextWidth("A");
  const int KB = A + DrKueBreite(0, d);
  const int NB = std::max(A + DrInfoBreite(0, d), A + d.TextWidth("Lehrer") - KB);
  const int TB = std::max(A * (st.fVorKomma + st.fNachKomma + 3), A + d.TextWidth("Tabelle 2"));
  const int t1 = r.Links + KB + NB, t2 = t1 + TB;
  auto kopf = [&] {
    d.TextOut(r.Links, r.y, "Lehrer");
    d.TextOut(t1, r.y, "Tabelle 1");
    d.TextOut(t2, r.y, "Tabelle 2");
    r.Zeile();
  };
  kopf();
  std::int64_t s1 = 0, s2 = 0;
  for (const TLehrer* l : Schule().fLehrerMenge) {
    if (d.Abgebrochen()) break;
    if (r.Rest() < 3 * r.h) {
      r.NeueSeite();
      kopf();
    }
    d.TextOut(r.Links, r.y, U8(l->fKuerzel.str()));
    d.TextOut(r.Links + KB, r.y, U8(l->fInfo.str()));
    r.Rechts(t1 + TB - A, r.y, StundenText(l->fVStunden1));
    r.Rechts(t2 + TB - A, r.y, StundenText(l->fVStunden2));
    s1 += l->fVStunden1;
    s2 += l->fVStunden2;
    r.Zeile();
  }
  r.Brauche(3 * r.h);
  d.Line({r.Links, r.y + r.h / 2}, {t2 + TB, r.y + r.h / 2});
  r.Zeile();
  d.TextOut(r.Links, r.y, "Summe");
  r.Rechts(t1 + TB - A, r.y, StundenText(s1));
  r.Rechts(t2 + TB - A, r.y, StundenText(s2));
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : static_cast<int>(Schule().fLehrerMenge.size());
}

// --- Fehlerliste ---

int DruckeFehlerliste(TListDruckOptionen o, const std::vector<std::string>& zeilen,
                      TPrevPrinter& d) {
  if (zeilen.empty()) return 0;
  TListRahmen r(d, o.Font, o.Rand, true);
  r.Beginnen();
  for (const std::string& z : zeilen) {
    if (d.Abgebrochen()) break;
    if (r.Rest() < 3 * r.h) r.NeueSeite();
    d.TextOut(r.Links, r.y, z);
    r.Zeile();
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : static_cast<int>(zeilen.size());
}
