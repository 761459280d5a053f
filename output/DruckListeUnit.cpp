// Der Listenrahmen, die Optionen der Listendrucke, Deputate, Kürzellisten und Konferenzen.
#include "output/DruckListeUnit.h"

#include <algorithm>
#include <climits>

#include "model/SchulUnit.h"
#include "output/DrBreiteUnit.h"
#include "output/PrevPrinterUnit.h"
#include "settings/StandardUnit.h"

namespace {
std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

int Rand(int cm) {
  return std::clamp(cm, 0, 6);
}

// Der gewichtete Wert eines Kurses als Stundentext (Stunden / Divisor · Faktor).
std::string Gewichtet(std::int64_t stunden, const TKurs& k) {
  return StundenText(stunden * k.fFaktor);
}
}  // namespace

// --- Rahmen ---

TListRahmen::TListRahmen(TPrevPrinter& drucker, const TSchrift& font, int randCm, bool mitVersion)
    : d(drucker), Font(font), MitVersion(mitVersion) {
  Links = d.RandPunkte(Rand(randCm));
  Oben = d.XInch(1 / 2.54);
  Unten = d.Masse().YOff + d.Masse().Hoehe;
  Breite = d.Masse().XOff + d.Masse().Breite;
}

void TListRahmen::Beginnen() {
  d.NewJob();
  d.Font = Font;
  h = d.TextHeight();
  d.Font = Font;
  const TStandard& st = Standard();
  const std::string vor =
      MitVersion && st.fMaxWocheNeu > 1
          ? "{" + std::to_string(std::clamp(st.fAktuelleWoche, 1, st.fMaxWocheNeu)) + "}  "
          : std::string();
  d.SeitenKopf(Links, Oben, true, vor);
  y = Oben + 3 * h;
}

void TListRahmen::NeueSeite() {
  const TSchrift alt = d.Font;
  const TPinsel pinsel = d.Brush;
  d.NewPage();
  d.Font = Font;
  const TStandard& st = Standard();
  const std::string vor =
      MitVersion && st.fMaxWocheNeu > 1
          ? "{" + std::to_string(std::clamp(st.fAktuelleWoche, 1, st.fMaxWocheNeu)) + "}  "
          : std::string();
  d.SeitenKopf(Links, Oben, true, vor);
  y = Oben + 3 * h;
  d.Font = alt;
  d.Brush = pinsel;
}

void TListRahmen::Brauche(int hoehe) {
  // Eine frische Seite nimmt jeden Block auf, auch einen, der höher ist als sie: er läuft dann
  // über das Blatt weiter, statt eine Seite nach der anderen anzufangen.
  if (Rest() < hoehe && y > Oben + 3 * h) NeueSeite();
}

void TListRahmen::Rechts(int rechts, int zeileY, const std::string& text) {
  d.TextOut(rechts - d.TextWidth(text), zeileY, text);
}

// --- Optionen ---

TDepDruckOptionen LadeDepDruck(const TStandard& s) {
  TDepDruckOptionen o;
  o.Art = std::clamp(s.fDepDruckArt, 0, 5);
  o.KlListe = s.fDepDruckKlListe;
  o.RaListe = s.fDepDruckRaListe;
  o.EineSeite = s.fDepDruck1Seite;
  o.Info = s.fDepDruckInfo;
  o.Farbe = s.fDepDruckFarbe;
  o.Zusatz = s.fDepDruckZusatz;
  o.Rand = Rand(s.fDepDruckRand);
  o.Font = s.fDepDruckFont;
  return o;
}

void SpeichereDepDruck(const TDepDruckOptionen& o, TStandard& s) {
  s.fDepDruckArt = o.Art;
  s.fDepDruckKlListe = o.KlListe;
  s.fDepDruckRaListe = o.RaListe;
  s.fDepDruck1Seite = o.EineSeite;
  s.fDepDruckInfo = o.Info;
  s.fDepDruckFarbe = o.Farbe;
  s.fDepDruckZusatz = o.Zusatz;
  s.fDepDruckRand = o.Rand;
  s.fDepDruckFont = o.Font;
}

TKueDruckOptionen LadeKueDruck(const TStandard& s) {
  TKueDruckOptionen o;
  const bool art[6] = {s.fKueDruckLe, s.fKueDruckKl, s.fKueDruckKo,
                       s.fKueDruckFa, s.fKueDruckRa, s.fKueDruckUV};
  std::copy(std::begin(art), std::end(art), o.Art);
  o.Rand = Rand(s.fKueDruckRand);
  o.Font = s.fKueDruckFont;
  return o;
}

void SpeichereKueDruck(const TKueDruckOptionen& o, TStandard& s) {
  s.fKueDruckLe = o.Art[0];
  s.fKueDruckKl = o.Art[1];
  s.fKueDruckKo = o.Art[2];
  s.fKueDruckFa = o.Art[3];
  s.fKueDruckRa = o.Art[4];
  s.fKueDruckUV = o.Art[5];
  s.fKueDruckRand = o.Rand;
  s.fKueDruckFont = o.Font;
}

TKonfDruckOptionen LadeFaKonfDruck(const TStandard& s) {
  return {s.fFaKonfDruckEinzeln, s.fFaKonfDruckEinsatz, Rand(s.fFaKonfDruckRand),
          s.fFaKonfDruckFont};
}

void SpeichereFaKonfDruck(const TKonfDruckOptionen& o, TStandard& s) {
  s.fFaKonfDruckEinzeln = o.Einzeln;
  s.fFaKonfDruckEinsatz = o.Einsatz;
  s.fFaKonfDruckRand = o.Rand;
  s.fFaKonfDruckFont = o.Font;
}

TKonfDruckOptionen LadeKlKonfDruck(const TStandard& s) {
  return {s.fKlKonfDruckEinzeln, false, Rand(s.fKlKonfDruckRand), s.fKlKonfDruckFont};
}

void SpeichereKlKonfDruck(const TKonfDruckOptionen& o, TStandard& s) {
  s.fKlKonfDruckEinzeln = o.Einzeln;
  s.fKlKonfDruckRand = o.Rand;
  s.fKlKonfDruckFont = o.Font;
}

// --- Deputate ---

namespace {
struct TDepSpalten {
  int A = 0, Le = 0, Kl = 0, Ko = 0, Fa = 0, Ra = 0, Z = 0, D = 0;
};

TDepSpalten DepSpalten(TPrevPrinter& d) {
  TDepSpalten s;
  auto w = [&](const char* t) { return d.TextWidth(t); };
  s.A = w("A");
  s.Le = std::max(s.A + DrKueBreite(0, d), w("LeA"));
  s.Kl = std::max(s.A + DrKueBreite(1, d), w("KlA"));
  s.Ko = std::max(s.A + DrKueBreite(2, d), w("KoA"));
  s.Fa = std::max(s.A + DrKueBreite(3, d), w("FaA"));
  s.Ra = std::max(s.A + DrKueBreite(4, d), w("RaA"));
  s.Z = std::max({s.A + w("999"), w("StdA"), w("FaktA"), w("SpTA"), w("EinzA"), w("TabA")});
  const TStandard& st = Standard();
  s.D = std::max({w("9") * (st.fVorKomma + st.fNachKomma + 3), w("WertA"), w("SummeA")});
  return s;
}

void DepKopfZeile(TListRahmen& r, const TDepDruckOptionen& o, const TDepSpalten& s) {
  int x = r.Links;
  const std::pair<const char*, int> spalten[] = {{"Wert", s.D}, {"Std", s.Z}, {"Le", s.Le},
                                                 {"Fa", s.Fa},  {"Kl", s.Kl}, {"Ko", s.Ko},
                                                 {"Ra", s.Ra}};
  for (const auto& [t, b] : spalten) r.Rechts(x += b, r.y, t);
  if (o.Zusatz) {
    const std::pair<const char*, int> zusatz[] = {
        {"Fakt", s.Z}, {"SpT", s.Z}, {"Einz", s.Z}, {"Tab", s.Z}, {"Summe", s.D}};
    for (const auto& [t, b] : zusatz) r.Rechts(x += b, r.y, t);
  }
  if (o.Info) r.d.TextOut(x + r.d.TextWidth("AA"), r.y, "Info");
  r.Zeile();
}

void KursZeilen(TListRahmen& r, const TDepDruckOptionen& o, const TDepSpalten& s, const TKurs& k) {
  const int n = DepKursZeilen(o, k);
  if (n == 0) return;
  TPrevPrinter& d = r.d;
  r.Brauche((n + 2) * r.h);
  const std::int32_t std = k.fStunden.GetWochenStunde(-1);
  d.Font = r.Font;
  d.Font.Kursiv = k.fNichtVerplanen || k.fNichtZaehlenLe || k.fNichtZaehlenKl;
  const int band = s.D + s.Z + s.Le + s.Fa + s.Kl + s.Ko + s.Ra;
  if (o.Farbe) {
    d.Brush = TPinsel{k.fColor, false};
    d.FillRect({r.Links, r.y, r.Links + band, r.y + r.h});
  }
  int x = r.Links;
  const std::pair<std::string, int> texte[] = {{Gewichtet(std, k), s.D},
                                               {ZahlText(std), s.Z},
                                               {Kuerzel(k.fLehrer), s.Le},
                                               {Kuerzel(k.fFach), s.Fa},
                                               {Kuerzel(k.fKlassen.ListeNrInhalt(1)), s.Kl},
                                               {Kuerzel(k.fKopplung), s.Ko},
                                               {Kuerzel(k.fRaeume.ListeNrInhalt(1)), s.Ra}};
  // Die rechten Kanten der Klassen- und Raumspalte für die weiteren Zeilen.
  int klRechts = 0, raRechts = 0;
  for (std::size_t i = 0; i < std::size(texte); ++i) {
    x += texte[i].second;
    r.Rechts(x, r.y, U8(texte[i].first));
    if (i == 4) klRechts = x;
    if (i == 6) raRechts = x;
  }
  d.Brush = TPinsel{clWhite, false};
  if (o.Zusatz) {
    const std::pair<std::string, int> zusatz[] = {{ZahlText(k.fFaktor), s.Z},
                                                  {ZahlText(k.fStdProTag), s.Z},
                                                  {ZahlText(k.fEinzelStd), s.Z},
                                                  {ZahlText(k.fTabellenNr), s.Z},
                                                  {Gewichtet(k.StatistikSumme(), k), s.D}};
    for (const auto& [t, b] : zusatz) r.Rechts(x += b, r.y, t);
  }
  if (o.Info) d.TextOut(x + d.TextWidth("A"), r.y, U8(k.fInfo.str()));
  r.Zeile();
  for (int i = 2; i <= n; ++i) {
    if (o.KlListe && i <= k.fKlassen.ListeZahlElemente())
      r.Rechts(klRechts, r.y, U8(Kuerzel(k.fKlassen.ListeNrInhalt(i))));
    if (o.RaListe && i <= k.fRaeume.ListeZahlElemente())
      r.Rechts(raRechts, r.y, U8(Kuerzel(k.fRaeume.ListeNrInhalt(i))));
    r.Zeile();
  }
  d.Font = r.Font;
}

std::string DepTitel(const TElement& e) {
  const std::string kopf = e.fKuerzel.str() + "  " + e.fInfo.str();
  switch (e.Art()) {
    case leh: {
      std::string t = "Lehrerdeputat " + kopf + " ( ";
      for (const TKlasse* k : Schule().fKlassenMenge)
        if (k->fLehrer1 == &e || k->fLehrer2 == &e) t += Kuerzel(k) + " ";
      return t + ")";
    }
    case kla: {
      const auto& k = static_cast<const TKlasse&>(e);
      std::string t = "Klassendeputat " + kopf + " ( ";
      for (const TElement* x :
           {static_cast<const TElement*>(k.fRaum), static_cast<const TElement*>(k.fLehrer1),
            static_cast<const TElement*>(k.fLehrer2)})
        if (x) t += Kuerzel(x) + " ";
      return t + ")";
    }
    case kop:
      return "Kopplungsdeputat " + kopf;
    case fac:
      return "Fachdeputat " + kopf;
    default:
      return "Raumdeputat " + kopf;
  }
}

std::string DepZweiteZeile(const TElement& e) {
  const std::int32_t soll =
      e.Art() == leh || e.Art() == kla ? static_cast<const TSollElement&>(e).GetSoll(-1) : 0;
  if (e.Art() == leh || e.Art() == kla) {
    const bool ohneKopp = e.Art() == kla && static_cast<const TKlasse&>(e).fKopDop;
    const std::int32_t ist = e.FaktorSumme(-1, ohneKopp, e.Art());
    return "Soll: " + StundenText(soll) + "  Ist: " + StundenText(ist) +
           "  Rest: " + StundenText(soll - ist);
  }
  if (e.Art() == fac) {
    const auto& f = static_cast<const TFach&>(e);
    return "Lehrer: " + ZahlText(f.fLehrer.ListeZahlElemente()) +
           "  Klassen: " + ZahlText(f.fKlassen.ListeZahlElemente());
  }
  return {};
}
}  // namespace

int DepKursZeilen(const TDepDruckOptionen& o, const TKurs& k) {
  if (k.fStunden.GetWochenStunde(-1) == 0 && !Standard().fMitNullStd) return 0;
  const int klassen = o.KlListe ? k.fKlassen.ListeZahlElemente() : 1;
  const int raeume = o.RaListe ? k.fRaeume.ListeZahlElemente() : 1;
  return std::max({klassen, raeume, 1});
}

int DruckeDeputate(TDepDruckOptionen o, const std::vector<TElement*>& liste, TPrevPrinter& d) {
  o.Art = std::clamp(o.Art, 0, 5);
  std::vector<TElement*> elemente;
  for (TElement* e : liste)
    if (e) elemente.push_back(e);
  const bool alle = o.Art == 5;
  if (alle ? Schule().fKursMenge.empty() : elemente.empty()) return 0;
  TListRahmen r(d, o.Font, o.Rand, false);
  r.Beginnen();
  const TDepSpalten s = DepSpalten(d);
  if (alle) {
    for (const TKurs* k : Schule().fKursMenge) {
      if (d.Abgebrochen()) break;
      KursZeilen(r, o, s, *k);
    }
    d.DonePrinting();
    return d.PageCount() == 0 ? 0 : 1;
  }
  int bloecke = 0;
  for (std::size_t i = 0; i < elemente.size() && !d.Abgebrochen(); ++i) {
    const TElement& e = *elemente[i];
    if (i > 0) {
      if (o.EineSeite) {
        // Jedes weitere Element auf eine eigene Seite, genau einmal umbrechen.
        r.NeueSeite();
      } else {
        int zeilen = 0;
        for (const TKurs* k : e.fKurse) zeilen += DepKursZeilen(o, *k);
        r.Brauche((zeilen + 1) * r.h);
      }
    }
    d.TextOut(r.Links, r.y, U8(DepTitel(e)));
    r.Zeile();
    const std::string zweite = DepZweiteZeile(e);
    if (!zweite.empty()) {
      d.TextOut(r.Links, r.y, zweite);
      r.Zeile();
    }
    DepKopfZeile(r, o, s);
    for (const TKurs* k : e.fKurse) KursZeilen(r, o, s, *k);
    r.Zeile();
    ++bloecke;
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : bloecke;
}

// --- Kürzellisten ---

TKueRaster KueRasterBerechnen(int n, int blattBreite, int links, int abstand) {
  TKueRaster r;
  r.Spalten = std::max(1, (blattBreite - links) / std::max(abstand, 1));
  r.Zeilen = n <= 0 ? 0 : (n + r.Spalten - 1) / r.Spalten;
  return r;
}

int DruckeKuerzel(TKueDruckOptionen o, TPrevPrinter& d) {
  static const char* const kTitel[6] = {"Lehrerkürzel", "Klassenkürzel", "Kopplungskürzel",
                                        "Fachkürzel",   "Raumkürzel",    "UV-Kürzel"};
  if (std::none_of(std::begin(o.Art), std::end(o.Art), [](bool b) { return b; })) return 0;
  TListRahmen r(d, o.Font, o.Rand, false);
  r.Beginnen();
  int arten = 0;
  for (int art = 0; art < 6 && !d.Abgebrochen(); ++art) {
    if (!o.Art[art]) continue;
    const std::vector<TElement*> elemente = Schule().Elemente(static_cast<TKuerzelArt>(art));
    r.Brauche(2 * r.h);
    d.TextOut(r.Links, r.y, kTitel[art]);
    r.Zeile();
    const int kue = DrKueBreite(art, d) + d.TextWidth("A");
    const int abstand = kue + DrInfoBreite(art, d) + d.TextWidth("AA");
    const TKueRaster g =
        KueRasterBerechnen(static_cast<int>(elemente.size()), r.Breite, r.Links, abstand);
    for (int zeile = 1; zeile <= g.Zeilen; ++zeile) {
      for (int spalte = 1; spalte <= g.Spalten; ++spalte) {
        const std::size_t nr = static_cast<std::size_t>((spalte - 1) * g.Zeilen + zeile);
        if (nr > elemente.size()) continue;
        const TElement* e = elemente[nr - 1];
        const int x = r.Links + (spalte - 1) * abstand;
        d.TextOut(x, r.y, U8(e->fKuerzel.str()));
        d.TextOut(x + kue, r.y, U8(e->fInfo.str()));
      }
      r.Zeile();
      if (zeile < g.Zeilen) r.Brauche(2 * r.h);
    }
    r.Zeile();
    ++arten;
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : arten;
}

// --- Konferenzen ---

void KonferenzEinfuegen(std::vector<TElement*>& liste, TElement* e) {
  if (!e || std::find(liste.begin(), liste.end(), e) != liste.end()) return;
  const std::vector<TElement*> alle = Schule().Elemente(e->Art());
  auto stelle = [&](const TElement* x) {
    return std::find(alle.begin(), alle.end(), x) - alle.begin();
  };
  auto pos = std::find_if(liste.begin(), liste.end(),
                          [&](const TElement* x) { return stelle(x) > stelle(e); });
  liste.insert(pos, e);
}

namespace {
bool GehoertZurKonferenz(bool fach, const TKurs& k, const std::vector<const TElement*>& konf) {
  for (const TElement* e : konf) {
    if (fach && k.fFach == e) return true;
    if (!fach)
      for (const TKlasse* kl : k.fKlassen)
        if (kl == e) return true;
  }
  return false;
}

bool IstMitglied(bool fach, bool einsatz, const TLehrer& l,
                 const std::vector<const TElement*>& konf) {
  for (const TElement* e : konf) {
    if (fach) {
      const auto* f = static_cast<const TFach*>(e);
      bool inListe = false;
      for (const TLehrer* x : f->fLehrer) inListe = inListe || x == &l;
      if (inListe && (!einsatz || l.FachSumme(f) > 0)) return true;
    } else {
      for (const TKurs* k : l.fKurse)
        if (GehoertZurKonferenz(false, *k, {e})) return true;
    }
  }
  return false;
}

void EineKonferenz(TListRahmen& r, bool fach, const TKonfDruckOptionen& o,
                   const std::vector<const TElement*>& konf) {
  TPrevPrinter& d = r.d;
  r.Brauche(10 * r.h);
  std::string titel = fach ? "Fachkonferenz " : "Klassenkonferenz ";
  if (o.Einzeln)
    titel += konf[0]->fKuerzel.str();
  else
    for (const TElement* e : konf) titel += e->fKuerzel.str() + " ";
  d.TextOut(r.Links, r.y, U8(titel));
  r.Zeile(2);
  const int kue = DrKueBreite(0, d) + 20;
  const int info = DrInfoBreite(0, d) + 20;
  const int eintragLinks = r.Links + kue + info;
  for (const TLehrer* l : Schule().fLehrerMenge) {
    if (!IstMitglied(fach, o.Einsatz, *l, konf)) continue;
    r.Brauche(2 * r.h);
    d.TextOut(r.Links, r.y, U8(l->fKuerzel.str()));
    d.TextOut(r.Links + kue, r.y, U8(l->fInfo.str()));
    int x = eintragLinks;
    for (const TKurs* k : l->fKurse) {
      if (!GehoertZurKonferenz(fach, *k, konf)) continue;
      const std::int32_t std = k->fStunden.GetWochenStunde(-1);
      const std::string wo =
          k->fKopplung ? Kuerzel(k->fKopplung) : Kuerzel(k->fKlassen.ListeNrInhalt(1));
      const std::string eintrag = U8("[" + Gewichtet(std, *k) + " (" + ZahlText(std) + ") " +
                                     Kuerzel(k->fFach) + " " + wo + "] ");
      const int b = d.TextWidth(eintrag);
      if (x > eintragLinks && x + b > r.Breite - 50) {
        r.Zeile();
        // Auch eine umbrochene Zeile braucht Platz auf der Seite.
        r.Brauche(2 * r.h);
        x = eintragLinks;
      }
      d.TextOut(x, r.y, eintrag);
      x += b;
    }
    r.Zeile();
  }
  r.Zeile();
}
}  // namespace

int DruckeKonferenzen(bool fach, TKonfDruckOptionen o, const std::vector<TElement*>& gewaehlt,
                      TPrevPrinter& d) {
  std::vector<const TElement*> konf;
  for (const TElement* e : gewaehlt)
    if (e && e->Art() == (fach ? fac : kla)) konf.push_back(e);
  if (konf.empty()) return 0;
  TListRahmen r(d, o.Font, o.Rand, true);
  r.Beginnen();
  int zahl = 0;
  if (o.Einzeln) {
    for (const TElement* e : konf) {
      if (d.Abgebrochen()) break;
      EineKonferenz(r, fach, o, {e});
      ++zahl;
    }
  } else {
    EineKonferenz(r, fach, o, konf);
    zahl = 1;
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : zahl;
}
