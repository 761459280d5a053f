#include "persistence/StandardSpeicherUnit.h"

#include <cstdlib>
#include <string>

#include "model/DienstUnit.h"
#include "persistence/EinstellungsWerteUnit.h"
#include "settings/StandardUnit.h"
#include "settings/StundenZeitUnit.h"

namespace {
using namespace EinstellungsWerte;

// Zugriff auf ein Feld, gleichermaßen für die zu füllenden und die zu schreibenden Einstellungen.
#define FELD(ausdruck)    \
  [&](auto& s) -> auto& { \
    return s.ausdruck;    \
  }

template <class T>
auto Mitglied(T TStandard::*feld) {
  return [feld](auto& s) -> auto& {
    return s.*feld;
  };
}

// Die Felder eines Plandrucks (Lehrer, Klassen, Räume, Kopplungen); nullptr: gibt es nicht.
struct TPlanDruck {
  std::string p;
  TSchrift TStandard::*Font;
  int TStandard::*VonTag;
  int TStandard::*VonStd;
  int TStandard::*BisTag;
  int TStandard::*BisStd;
  int TStandard::*Neben;
  int TStandard::*Links;
  TBemString TStandard::*Bem;
  std::string ErstesName;
  bool TStandard::*Erstes;
  bool TStandard::*Fa;
  std::string ZweitesName;
  bool TStandard::*Zweites;
  bool TStandard::*Ko;
  bool TStandard::*Statt;
  bool TStandard::*Sperr;
  bool TStandard::*Fix;
  bool TStandard::*Fett;
  bool TStandard::*Alle;
  bool TStandard::*Datum;
  bool TStandard::*EineSeite;
  int TStandard::*RandLi;
  int TStandard::*RandRe;
  int TStandard::*RandOb;
  int TStandard::*RandUn;
  TDateTime TStandard::*Ab;
  bool TStandard::*Farbe;
  bool TStandard::*Versionen;
  bool TStandard::*MitKoBez;
};

template <class V>
void Bool(V& v, const std::string& name, bool TStandard::*feld) {
  if (feld) v.Bool(name, Mitglied(feld));
}
template <class V>
void Zahl(V& v, const std::string& name, int TStandard::*feld, long long von, long long bis) {
  if (feld) v.Zahl(name, Mitglied(feld), von, bis);
}

template <class V>
void Rand(V& v, const std::string& p, int TStandard::*li, int TStandard::*re, int TStandard::*ob,
          int TStandard::*un) {
  v.Zahl(p + "rl", Mitglied(li), 0, kRandMax);
  v.Zahl(p + "rr", Mitglied(re), 0, kRandMax);
  v.Zahl(p + "ro", Mitglied(ob), 0, kRandMax);
  v.Zahl(p + "ru", Mitglied(un), 0, kRandMax);
}

template <class V>
void PlanDruck(V& v, const TPlanDruck& d) {
  const std::string& p = d.p;
  v.Schrift(p + "fn", p + "fs", Mitglied(d.Font));
  v.Zahl(p + "vt", Mitglied(d.VonTag), 1, MaxTage);
  v.Zahl(p + "vs", Mitglied(d.VonStd), 1, MaxStunden);
  v.Zahl(p + "bt", Mitglied(d.BisTag), 1, MaxTage);
  v.Zahl(p + "bs", Mitglied(d.BisStd), 1, MaxStunden);
  Zahl(v, p + "ne", d.Neben, 0, 1);
  Zahl(v, p + "li", d.Links, 0, 1);
  v.Text(p + "bm", Mitglied(d.Bem));
  Bool(v, d.ErstesName, d.Erstes);
  Bool(v, p + "fa", d.Fa);
  Bool(v, d.ZweitesName, d.Zweites);
  Bool(v, p + "ko", d.Ko);
  Bool(v, p + "st", d.Statt);
  Bool(v, p + "sp", d.Sperr);
  Bool(v, p + "fi", d.Fix);
  Bool(v, p + "fe", d.Fett);
  Bool(v, p + "al", d.Alle);
  Bool(v, p + "da", d.Datum);
  Bool(v, "d1s", d.EineSeite);
  Rand(v, p, d.RandLi, d.RandRe, d.RandOb, d.RandUn);
  if (d.Ab) v.Zeitpunkt(p + "a", Mitglied(d.Ab));
  Bool(v, p + "co", d.Farbe);
  Bool(v, p + "ve", d.Versionen);
  Bool(v, "omk", d.MitKoBez);
}

template <class V>
void Schriftgruppe(V& v, const std::string& p, TSchrift TStandard::*font) {
  v.Schrift(p + "fn", p + "fs", Mitglied(font));
}

template <class V>
void Layout(V& v) {
  using S = TStandard;
  // Quon0: Allgemeines
  v.Schluessel(0);
  v.Bool("eaw", FELD(fEineWoche));
  v.Zahl("pal", FELD(fPaletteLinks));
  v.Zahl("pat", FELD(fPaletteTop));
  v.Zahl("pas", FELD(fPaletteSchalter), 0, 6);
  v.Zahl("for", FELD(fFensterOrd));
  for (int w = 1; w <= MaxWochen; ++w) v.Liste("sp" + std::to_string(w), FELD(fStdBez[w]));
  // Beginn und Ende der Stunden je Planversion, wie die Bezeichnungen als "$"-Liste.
  for (int w = 1; w <= MaxWochen; ++w) {
    v.Liste("sb" + std::to_string(w), FELD(fStdBeginn[w]));
    v.Liste("se" + std::to_string(w), FELD(fStdEnde[w]));
  }
  v.Liste("spg", FELD(fTagBez));
  v.Liste("spn", FELD(fTagName));
  v.Kennwort("wks", FELD(fKennwort));
  v.Farben("cfa", FELD(fCustomFarbe));
  v.Pfad("opf", FELD(fOpenPfad));
  v.Pfad("ipf", FELD(fImportPfad));
  v.Pfad("vep", FELD(fVertrExportPfad));
  v.Pfad("hpf", FELD(fHTMLPlanPfad));
  v.Pfad("vpf", FELD(fHTMLVertPfad));
  v.Bool("fwo", FELD(fFensterWieder));

  // Quon1: Eckdaten
  v.Schluessel(1);
  v.Zahl("dvs", FELD(fDivisor), 1, 100);
  v.Zahl("vkm", FELD(fVorKomma), 1, 3);
  v.Zahl("nkm", FELD(fNachKomma), 0, 3);
  v.Zahl("mwn", FELD(fMaxWocheNeu), 1, MaxWochen);
  v.Zahl("mtn", FELD(fMaxTageNeu), 5, MaxTage);
  v.Zahl("vtm", FELD(fVertrMerke), 1, 800);
  v.Zahl("spz", FELD(fSpeicherZeit), 0, 60);
  v.Zahl("efa", FELD(fHintergrundFarbe), 0, kFarbeMax);
  v.Bool("hga", FELD(fHintergrundAn));

  // Quon2: Planfenster
  v.Schluessel(2);
  v.Zahl("pst", FELD(fPlnStd), 1, MaxStunden);
  v.Bool("neb", FELD(fNebenEinander));
  v.Bool("mra", FELD(fMitRaum));
  v.Bool("pkf", FELD(fPlnKoppFett));
  v.Schrift("pfn", "pfs", FELD(fPlnFont));
  if constexpr (V::kLesen) v.Ziel().fPlnHoehe = std::abs(v.Ziel().fPlnFont.Groesse) + 10;
  v.Zahl("plb", FELD(fPlnLeBreite), 1, kBreiteMax);
  v.Zahl("pkb", FELD(fPlnKlBreite), 1, kBreiteMax);
  v.Zahl("pob", FELD(fPlnKoBreite), 1, kBreiteMax);
  v.Zahl("pfb", FELD(fPlnFaBreite), 1, kBreiteMax);
  v.Zahl("prb", FELD(fPlnRaBreite), 1, kBreiteMax);
  v.Zahl("ptb", FELD(fPlnTagBreite), 1, kBreiteMax);
  v.Zahl("psb", FELD(fPlnStdBreite), 1, kBreiteMax);
  v.Zahl("pwb", FELD(fPlnWertBreite), 1, kBreiteMax);
  v.Zahl("pma", FELD(fManArt), 0, 5);
  v.Bool("pzk", FELD(fManZeigKopp));

  // Quon3: Deputatsfenster
  v.Schluessel(3);
  v.Schrift("dfn", "dfs", FELD(fDepFont));
  if constexpr (V::kLesen) v.Ziel().fDepHoehe = std::abs(v.Ziel().fDepFont.Groesse) + 10;
  v.Zahl("dlb", FELD(fDepLeBreite), 1, kBreiteMax);
  v.Zahl("dkb", FELD(fDepKlBreite), 1, kBreiteMax);
  v.Zahl("dob", FELD(fDepKoBreite), 1, kBreiteMax);
  v.Zahl("dfb", FELD(fDepFaBreite), 1, kBreiteMax);
  v.Zahl("drb", FELD(fDepRaBreite), 1, kBreiteMax);
  v.Zahl("dwb", FELD(fDepWertBreite), 1, kBreiteMax);
  v.Zahl("dsb", FELD(fDepStdBreite), 1, kBreiteMax);
  v.Bool("mns", FELD(fMitNullStd));
  v.Bool("mki", FELD(fMitKursInfo));
  v.Bool("mzi", FELD(fMitZusatzInfo));
  v.Bool("mst", FELD(fMitStatistik));
  v.Datum("dv1", "dv2", "dv3", FELD(fDepVon));
  v.Datum("db1", "db2", "db3", FELD(fDepBis));

  // Quon4: Vorgaben für Lehrer, Klassen, Räume; Unterrichtsausfall
  v.Schluessel(4);
  v.Raster("gds", FELD(fGrWoElem));
  const long long sollMax = 200LL * v.Ziel().fDivisor;
  v.Zahl("les", FELD(fLeSoll), 1, sollMax);
  v.Zahl("kls", FELD(fKlSoll), 1, sollMax);
  v.Zahl("wok", FELD(fWoAusfallKW), 1, 53);
  v.Zahl("woj", FELD(fWoAusfallJahr), 2018, 2100);

  // Quon5: Vorgaben für Kurse
  v.Schluessel(5);
  v.Raster("kus", FELD(fKuWoElem));
  v.Zahl("kst", FELD(fKursStd), 0, 112);
  v.Zahl("spt", FELD(fStdProTag), 1, MaxStunden);
  v.Zahl("ezs", FELD(fEinzelStd), 0, 7);
  v.Zahl("tbn", FELD(fTabellenNr), 1, 4);
  v.Zahl("fkt", FELD(fFaktor), 0, 10000);
  v.Bool("nvp", FELD(fNichtVerplanen));
  v.Bool("nzl", FELD(fNichtZaehlenLe));
  v.Bool("nzk", FELD(fNichtZaehlenKl));
  v.Zahl("kfa", FELD(fKursFarbe), 0, kFarbeMax);
  v.Bool("nks", FELD(fNachKlSortiert));

  // Quon6: Pläne löschen
  v.Schluessel(6);
  v.Zahl("plr", FELD(fPlLoeRadio), 0, 5);
  v.Bool("plm", FELD(fPlLoeMitKopp));
  v.Bool("plf", FELD(fPlLoeFixNicht));

  // Quon7: Automatische Planung
  v.Schluessel(7);
  for (int t = 1; t <= 4; ++t)
    for (int h = 1; h <= MaxStunden; ++h)
      v.TabellenZeile("T" + std::to_string(100 * t + h), FELD(fAuTab[t][h]));
  if constexpr (V::kLesen) v.Ziel().TesteTabelle();
  v.Zahl("ast", FELD(fAuStd), 1, 5000);
  v.Zahl("apr", FELD(fAuProzent), 5, 100);
  v.Bool("ara", FELD(fAuRaumUnwichtig));
  v.Bool("aei", FELD(fAuEinzelUnwichtig));
  v.Bool("afr", FELD(fAuFreiUnwichtig));
  v.Bool("anb", FELD(fAuNachbessern));
  v.Zahl("ans", FELD(fAuNachbessernSek), 1, 3600);

  // Quon8: Parallele Kopplungen
  v.Schluessel(8);
  v.Zahl("pze", FELD(fParZeilen), 2, 40);
  v.Zahl("psp", FELD(fParSpalten), 2, 10);
  v.Bool("pue", FELD(fParUeber));
  v.Bool("pmf", FELD(fParMitFach));

  // Quon9: Druck der Kürzellisten
  v.Schluessel(9);
  v.Schrift("kfn", "kfs", FELD(fKueDruckFont));
  v.Bool("kle", FELD(fKueDruckLe));
  v.Bool("kkl", FELD(fKueDruckKl));
  v.Bool("kko", FELD(fKueDruckKo));
  v.Bool("kfa", FELD(fKueDruckFa));
  v.Bool("kra", FELD(fKueDruckRa));
  v.Bool("kuv", FELD(fKueDruckUV));
  v.Zahl("ran", FELD(fKueDruckRand), 0, kRandMax);

  // Quon10: Schulname und Kalender
  v.Schluessel(10);
  v.Schulname(FELD(fSchulname));
  v.Kalender(FELD(fFerien));
  v.Pfad("skn", FELD(fSchulKennung));

  // Quon11: Planversionen kopieren
  v.Schluessel(11);
  v.Zahl("vku", FELD(fVersKuerzel), 0, 5);
  v.Bool("vap", FELD(fVersAuchPlan));

  // Quon12: Druck der Deputate
  v.Schluessel(12);
  v.Schrift("dfn", "dfs", FELD(fDepDruckFont));
  v.Zahl("dda", FELD(fDepDruckArt));
  v.Bool("dkl", FELD(fDepDruckKlListe));
  v.Bool("drl", FELD(fDepDruckRaListe));
  v.Bool("d1s", FELD(fDepDruck1Seite));
  v.Bool("dzu", FELD(fDepDruckZusatz));
  v.Bool("din", FELD(fDepDruckInfo));
  v.Zahl("dra", FELD(fDepDruckRand), 0, kRandMax);
  v.Bool("dco", FELD(fDepDruckFarbe));

  // Quon13 … Quon16: Plandrucke
  v.Schluessel(13);
  PlanDruck(v, TPlanDruck{"l",
                          &S::fLPlnDruckFont,
                          &S::fLPlnDruckVonTag,
                          &S::fLPlnDruckVonStd,
                          &S::fLPlnDruckBisTag,
                          &S::fLPlnDruckBisStd,
                          &S::fLPlnDruckNeben,
                          &S::fLPlnDruckLinks,
                          &S::fLPlnDruckBem,
                          "lkl",
                          &S::fLPlnDruckKl,
                          &S::fLPlnDruckFa,
                          "lra",
                          &S::fLPlnDruckRa,
                          &S::fLPlnDruckKo,
                          &S::fLPlnDruckStatt,
                          &S::fLPlnDruckSperr,
                          &S::fLPlnDruckFix,
                          &S::fLPlnDruckFett,
                          &S::fLPlnDruckAlle,
                          &S::fLPlnDruckDatum,
                          &S::fLPlnDruck1Seite,
                          &S::fLPlnDruckRandLi,
                          &S::fLPlnDruckRandRe,
                          &S::fLPlnDruckRandOb,
                          &S::fLPlnDruckRandUn,
                          &S::fLPlnDruckAb,
                          &S::fLPlnDruckFarbe,
                          &S::fLPlnDruckVersionen,
                          nullptr});
  v.Schluessel(14);
  PlanDruck(v, TPlanDruck{"k",
                          &S::fKPlnDruckFont,
                          &S::fKPlnDruckVonTag,
                          &S::fKPlnDruckVonStd,
                          &S::fKPlnDruckBisTag,
                          &S::fKPlnDruckBisStd,
                          &S::fKPlnDruckNeben,
                          &S::fKPlnDruckLinks,
                          &S::fKPlnDruckBem,
                          "kle",
                          &S::fKPlnDruckLe,
                          &S::fKPlnDruckFa,
                          "kra",
                          &S::fKPlnDruckRa,
                          &S::fKPlnDruckKo,
                          &S::fKPlnDruckStatt,
                          &S::fKPlnDruckSperr,
                          &S::fKPlnDruckFix,
                          &S::fKPlnDruckFett,
                          &S::fKPlnDruckAlle,
                          &S::fKPlnDruckDatum,
                          &S::fKPlnDruck1Seite,
                          &S::fKPlnDruckRandLi,
                          &S::fKPlnDruckRandRe,
                          &S::fKPlnDruckRandOb,
                          &S::fKPlnDruckRandUn,
                          &S::fKPlnDruckAb,
                          &S::fKPlnDruckFarbe,
                          &S::fKPlnDruckVersionen,
                          nullptr});
  v.Schluessel(15);
  PlanDruck(v, TPlanDruck{"r",
                          &S::fRPlnDruckFont,
                          &S::fRPlnDruckVonTag,
                          &S::fRPlnDruckVonStd,
                          &S::fRPlnDruckBisTag,
                          &S::fRPlnDruckBisStd,
                          &S::fRPlnDruckNeben,
                          &S::fRPlnDruckLinks,
                          &S::fRPlnDruckBem,
                          "rkl",
                          &S::fRPlnDruckKl,
                          &S::fRPlnDruckFa,
                          "rle",
                          &S::fRPlnDruckLe,
                          &S::fRPlnDruckKo,
                          &S::fRPlnDruckStatt,
                          &S::fRPlnDruckSperr,
                          &S::fRPlnDruckFix,
                          &S::fRPlnDruckFett,
                          &S::fRPlnDruckAlle,
                          &S::fRPlnDruckDatum,
                          &S::fRPlnDruck1Seite,
                          &S::fRPlnDruckRandLi,
                          &S::fRPlnDruckRandRe,
                          &S::fRPlnDruckRandOb,
                          &S::fRPlnDruckRandUn,
                          &S::fRPlnDruckAb,
                          &S::fRPlnDruckFarbe,
                          &S::fRPlnDruckVersionen,
                          nullptr});
  v.Schluessel(16);
  PlanDruck(v, TPlanDruck{"o",
                          &S::fKoKlPlnDruckFont,
                          &S::fKoKlPlnDruckVonTag,
                          &S::fKoKlPlnDruckVonStd,
                          &S::fKoKlPlnDruckBisTag,
                          &S::fKoKlPlnDruckBisStd,
                          nullptr,
                          &S::fKoKlPlnDruckLinks,
                          &S::fKoKlPlnDruckBem,
                          "",
                          nullptr,
                          nullptr,
                          "",
                          nullptr,
                          nullptr,
                          nullptr,
                          &S::fKoKlPlnDruckSperr,
                          &S::fKoKlPlnDruckFix,
                          &S::fKoKlPlnDruckFett,
                          &S::fKoKlPlnDruckAlle,
                          &S::fKoKlPlnDruckDatum,
                          nullptr,
                          &S::fKoKlPlnDruckRandLi,
                          &S::fKoKlPlnDruckRandRe,
                          &S::fKoKlPlnDruckRandOb,
                          &S::fKoKlPlnDruckRandUn,
                          &S::fKoKlPlnDruckAb,
                          &S::fKoKlPlnDruckFarbe,
                          &S::fKoKlPlnDruckVersionen,
                          &S::fKoKlPlnDruckMitKoBez});

  // Quon17 … Quon20: Übersichtsdrucke
  struct TUebDruck {
    std::string p;
    TSchrift S::*Font;
    int S::*VonTag;
    int S::*VonStd;
    int S::*BisTag;
    int S::*BisStd;
    TBemString S::*Bem;
    std::string ErstesName;
    bool S::*Erstes;
    bool S::*Fa;
    std::string ZweitesName;
    bool S::*Zweites;
    bool S::*Ko;
    bool S::*Statt;
    bool S::*Sperr;
    bool S::*Fix;
    bool S::*Fett;
    bool S::*Datum;
    int S::*RandLi;
    int S::*RandRe;
    int S::*RandOb;
    int S::*RandUn;
    bool S::*Farbe;
    bool S::*Unter;
  };
  auto uebDruck = [&v](const TUebDruck& d) {
    const std::string& p = d.p;
    v.Schrift(p + "fn", p + "fs", Mitglied(d.Font));
    v.Zahl(p + "vt", Mitglied(d.VonTag), 1, MaxTage);
    v.Zahl(p + "vs", Mitglied(d.VonStd), 1, MaxStunden);
    v.Zahl(p + "bt", Mitglied(d.BisTag), 1, MaxTage);
    v.Zahl(p + "bs", Mitglied(d.BisStd), 1, MaxStunden);
    v.Text(p + "bm", Mitglied(d.Bem));
    Bool(v, d.ErstesName, d.Erstes);
    Bool(v, p + "fa", d.Fa);
    Bool(v, d.ZweitesName, d.Zweites);
    Bool(v, p + "ko", d.Ko);
    Bool(v, p + "st", d.Statt);
    Bool(v, p + "sp", d.Sperr);
    Bool(v, p + "fi", d.Fix);
    Bool(v, p + "fe", d.Fett);
    Bool(v, p + "da", d.Datum);
    Rand(v, p, d.RandLi, d.RandRe, d.RandOb, d.RandUn);
    Bool(v, p + "co", d.Farbe);
    Bool(v, p + "un", d.Unter);
  };
  v.Schluessel(17);
  uebDruck(TUebDruck{"lu",
                     &S::fLUebDruckFont,
                     &S::fLUebDruckVonTag,
                     &S::fLUebDruckVonStd,
                     &S::fLUebDruckBisTag,
                     &S::fLUebDruckBisStd,
                     &S::fLUebDruckBem,
                     "lukl",
                     &S::fLUebDruckKl,
                     &S::fLUebDruckFa,
                     "lura",
                     &S::fLUebDruckRa,
                     &S::fLUebDruckKo,
                     &S::fLUebDruckStatt,
                     &S::fLUebDruckSperr,
                     &S::fLUebDruckFix,
                     &S::fLUebDruckFett,
                     nullptr,
                     &S::fLUebDruckRandLi,
                     &S::fLUebDruckRandRe,
                     &S::fLUebDruckRandOb,
                     &S::fLUebDruckRandUn,
                     &S::fLUebDruckFarbe,
                     &S::fLUebDruckUnter});
  v.Schluessel(18);
  uebDruck(TUebDruck{"ku",
                     &S::fKUebDruckFont,
                     &S::fKUebDruckVonTag,
                     &S::fKUebDruckVonStd,
                     &S::fKUebDruckBisTag,
                     &S::fKUebDruckBisStd,
                     &S::fKUebDruckBem,
                     "kule",
                     &S::fKUebDruckLe,
                     &S::fKUebDruckFa,
                     "kura",
                     &S::fKUebDruckRa,
                     &S::fKUebDruckKo,
                     &S::fKUebDruckStatt,
                     &S::fKUebDruckSperr,
                     &S::fKUebDruckFix,
                     &S::fKUebDruckFett,
                     nullptr,
                     &S::fKUebDruckRandLi,
                     &S::fKUebDruckRandRe,
                     &S::fKUebDruckRandOb,
                     &S::fKUebDruckRandUn,
                     &S::fKUebDruckFarbe,
                     &S::fKUebDruckUnter});
  v.Schluessel(19);
  uebDruck(TUebDruck{"ru",
                     &S::fRUebDruckFont,
                     &S::fRUebDruckVonTag,
                     &S::fRUebDruckVonStd,
                     &S::fRUebDruckBisTag,
                     &S::fRUebDruckBisStd,
                     &S::fRUebDruckBem,
                     "rukl",
                     &S::fRUebDruckKl,
                     &S::fRUebDruckFa,
                     "rule",
                     &S::fRUebDruckLe,
                     &S::fRUebDruckKo,
                     &S::fRUebDruckStatt,
                     &S::fRUebDruckSperr,
                     &S::fRUebDruckFix,
                     &S::fRUebDruckFett,
                     nullptr,
                     &S::fRUebDruckRandLi,
                     &S::fRUebDruckRandRe,
                     &S::fRUebDruckRandOb,
                     &S::fRUebDruckRandUn,
                     &S::fRUebDruckFarbe,
                     &S::fRUebDruckUnter});
  v.Schluessel(20);
  uebDruck(TUebDruck{"ou",
                     &S::fKoUebDruckFont,
                     &S::fKoUebDruckVonTag,
                     &S::fKoUebDruckVonStd,
                     &S::fKoUebDruckBisTag,
                     &S::fKoUebDruckBisStd,
                     &S::fKoUebDruckBem,
                     "",
                     nullptr,
                     nullptr,
                     "",
                     nullptr,
                     nullptr,
                     nullptr,
                     &S::fKoUebDruckSperr,
                     &S::fKoUebDruckFix,
                     &S::fKoUebDruckFett,
                     &S::fKoUebDruckDatum,
                     &S::fKoUebDruckRandLi,
                     &S::fKoUebDruckRandRe,
                     &S::fKoUebDruckRandOb,
                     &S::fKoUebDruckRandUn,
                     &S::fKoUebDruckFarbe,
                     &S::fKoUebDruckUnter});

  // Quon21: Fachkonferenzen
  v.Schluessel(21);
  Schriftgruppe(v, "fk", &S::fFaKonfDruckFont);
  v.Bool("fkez", FELD(fFaKonfDruckEinzeln));
  v.Bool("fkes", FELD(fFaKonfDruckEinsatz));
  v.Zahl("fkrd", FELD(fFaKonfDruckRand), 0, kRandMax);

  // Quon22: Klassenkonferenzen
  v.Schluessel(22);
  Schriftgruppe(v, "kk", &S::fKlKonfDruckFont);
  v.Bool("kkez", FELD(fKlKonfDruckEinzeln));
  v.Zahl("kkrd", FELD(fKlKonfDruckRand), 0, kRandMax);

  // Quon23: Reststunden
  v.Schluessel(23);
  Schriftgruppe(v, "r", &S::fRestDruckFont);
  v.Zahl("rda", FELD(fRestDruckArt));
  v.Zahl("rra", FELD(fRestDruckRand), 0, kRandMax);

  // Quon24: Stundenverteilung
  v.Schluessel(24);
  Schriftgruppe(v, "sv", &S::fSVDruckFont);
  v.Zahl("svda", FELD(fSVDruckArt));
  v.Bool("svsr", FELD(fSVDruckSperr));
  v.Bool("svsg", FELD(fSVDruckSpring));
  v.Bool("svfa", FELD(fSVDruckFarbe));
  v.Zahl("svra", FELD(fSVDruckRand), 0, kRandMax);

  // Quon25: Unterrichtsverteilung
  v.Schluessel(25);
  Schriftgruppe(v, "uv", &S::fUVDruckFont);
  v.Bool("uvft", FELD(fUVDruckFett));
  v.Zahl("uvra", FELD(fUVDruckRand), 0, kRandMax);
  v.Bool("uvco", FELD(fUVDruckFarbe));

  // Quon26: Fehlerliste
  v.Schluessel(26);
  Schriftgruppe(v, "fe", &S::fFehlDruckFont);
  v.Zahl("fera", FELD(fFehlDruckRand), 0, kRandMax);

  // Quon27: Parallele Kopplungen
  v.Schluessel(27);
  Schriftgruppe(v, "p", &S::fParDruckFont);
  v.Bool("pml", FELD(fParDruckMitLe));
  v.Bool("pmf", FELD(fParDruckMitFa));
  v.Bool("pmk", FELD(fParDruckMitKonfl));
  v.Zahl("pra", FELD(fParDruckRand), 0, kRandMax);

  // Quon28: Vertretungsfenster
  v.Schluessel(28);
  v.Zahl("vsa", FELD(fVertrSortArt), 0, 3);
  v.Zahl("vla", FELD(fVertrLeAuswahl), 0, 2);
  v.Zahl("vll", FELD(fVertrLeLeft));
  v.Zahl("vlt", FELD(fVertrLeTop));
  v.Zahl("vrl", FELD(fVertrRaLeft));
  v.Zahl("vrt", FELD(fVertrRaTop));
  v.Zahl("vle", FELD(fVertrLeft));
  v.Zahl("vto", FELD(fVertrTop));
  v.Zahl("vva", FELD(fVertrVStdAuswahl), 0, 2);
  v.Zahl("vpl", FELD(fVertrPlnAuswahl), 0, 1);
  v.Bool("vfc", FELD(fVertrFreiCheck));
  v.Bool("vrc", FELD(fVertrRandCheck));
  v.Bool("via", FELD(fVertrInaktivCheck));

  // Quon29: Vertretungsdrucke und HTML
  v.Schluessel(29);
  v.Schrift("vfn", "vfs", FELD(fVertrDruckFont));
  v.Zahl("vra", FELD(fVertrDruckRand), 0, kRandMax);
  for (int i = 1; i <= 10; ++i) v.Memo(i, FELD(fVMemo[i]));
  for (int p = 1; p <= 4; ++p) v.Bool("vc" + std::to_string(p), FELD(fVertrCheck[p]));
  for (int p = 1; p <= 4; ++p) {
    const std::string n = std::to_string(p);
    v.Bool("vdv" + n, FELD(fVDEinstellung[p].DruckVP));
    v.Zahl("vvs" + n, FELD(fVDEinstellung[p].VPSortArt), 0, 3);
    v.Bool("vde" + n, FELD(fVDEinstellung[p].DruckEP));
    v.Zahl("ves" + n, FELD(fVDEinstellung[p].EPSortArt), 0, 3);
    v.Bool("vmk" + n, FELD(fVDEinstellung[p].mitKop));
    v.Bool("vmd" + n, FELD(fVDEinstellung[p].mitDatum));
    v.Bool("vma" + n, FELD(fVDEinstellung[p].mitAllgBem));
    v.Bool("vfl" + n, FELD(fVDEinstellung[p].mitFeLe));
    v.Bool("vfk" + n, FELD(fVDEinstellung[p].mitFeKl));
    v.Bool("vfr" + n, FELD(fVDEinstellung[p].mitFeRa));
    v.Bool("vfg" + n, FELD(fVDEinstellung[p].mitFehlGrund));
    v.Bool("vah" + n, FELD(fVDEinstellung[p].mitAdHoc));
    v.Bool("vna" + n, FELD(fVDEinstellung[p].nurAdHoc));
    v.Bool("mfa" + n, FELD(fVDEinstellung[p].mitFarbe));
    v.Bool("lel" + n, FELD(fVDEinstellung[p].mitLeLinks));
    v.Bool("ler" + n, FELD(fVDEinstellung[p].mitLeRechts));
    v.Bool("kll" + n, FELD(fVDEinstellung[p].mitKlLinks));
    v.Bool("klr" + n, FELD(fVDEinstellung[p].mitKlRechts));
    v.Bool("fal" + n, FELD(fVDEinstellung[p].mitFaLinks));
    v.Bool("far" + n, FELD(fVDEinstellung[p].mitFaRechts));
    v.Bool("ral" + n, FELD(fVDEinstellung[p].mitRaLinks));
    v.Bool("rar" + n, FELD(fVDEinstellung[p].mitRaRechts));
    v.Bool("mkw" + n, FELD(fVDEinstellung[p].mitKW));
    v.Bool("fot" + n, FELD(fVDEinstellung[p].folgeTag));
    v.Pfad("pfa" + n, FELD(fVDEinstellung[p].HTMLPfad));
    v.Zahl("vlb" + n, FELD(fVDEinstellung[p].LehrerBez));
    v.Zahl("vba" + n, FELD(fVDEinstellung[p].BemArt));
    v.Zahl("vbp" + n, FELD(fVDEinstellung[p].BemPos));
  }
  v.Schrift("sfn", "sfs", FELD(fVStdDruckFont));
  v.Zahl("sra", FELD(fVStdDruckRand), 0, kRandMax);
  v.Bool("vhg", FELD(fVertrHTMLGemeinsam));
  v.Bool("vhs", FELD(fVertrHTMLScrollen));
  v.Bool("vht", FELD(fVertrHTMLMitTagesordner));
  v.Bool("vhv", FELD(fVertrHTMLNurVertreteneStd));
  v.Bool("vhz", FELD(fVertrHTMLMitZurueck));
  v.Zahl("vsi", FELD(fVertrHTMLSize), -2, 4);
  v.Zahl("vss", FELD(fVertrScrollSekunden), 1, 60000);
  v.Zahl("vsp", FELD(fVertrScrollPixel), 1, 500);
  v.Zahl("vla", FELD(fVertrLaden), 1, 120);
  v.Zahl("vle", FELD(fVertrLeerzeilen), 0, 20);
  v.Text("vcs", FELD(fVertrCSS));
  v.Datum("vv1", "vv2", "vv3", FELD(fVExpVon));
  v.Datum("vb1", "vb2", "vb3", FELD(fVExpBis));

  // Quon30: Fachübersicht
  v.Schluessel(30);
  Schriftgruppe(v, "fu", &S::fFUebDruckFont);
  v.Text("fubm", FELD(fFUebDruckBem));
  v.Bool("fuku", FELD(fFUebDruckKue));
  v.Bool("funa", FELD(fFUebDruckName));
  v.Bool("fukl", FELD(fFUebDruckKl));
  v.Bool("fura", FELD(fFUebDruckRa));
  v.Bool("fuko", FELD(fFUebDruckKo));
  v.Bool("fust", FELD(fFUebDruckStatt));
  v.Bool("fuda", FELD(fFUebDruckdate));
  v.Zahl("furd", FELD(fFUebDruckRand), 0, kRandMax);

  // Quon31: Vertretungsübersichten
  v.Schluessel(31);
  Schriftgruppe(v, "vu", &S::fVUebDruckFont);
  v.Zahl("vura", FELD(fVUebDruckRand), 0, kRandMax);

  // Quon32: Bemerkungen und Gründe
  v.Schluessel(32);
  for (int n = 1; n <= 20; ++n) v.Text("bem" + std::to_string(n), FELD(fBemBez[n]));
  for (int n = 1; n <= 20; ++n) v.Text("grd" + std::to_string(n), FELD(fGrund[n]));
  v.Bool("vba", FELD(fVBemAuto));
  v.Bool("vfr", FELD(fVFrei));

  // Quon33: Verdichten
  v.Schluessel(33);
  v.Bool("kmpm", FELD(fKompMehrfach));
  v.Bool("kmpb", FELD(fKompBruecken));

  // Quon35: Kopplungspläne nach Lehrern
  v.Schluessel(35);
  PlanDruck(v, TPlanDruck{"o",
                          &S::fKoLePlnDruckFont,
                          &S::fKoLePlnDruckVonTag,
                          &S::fKoLePlnDruckVonStd,
                          &S::fKoLePlnDruckBisTag,
                          &S::fKoLePlnDruckBisStd,
                          nullptr,
                          &S::fKoLePlnDruckLinks,
                          &S::fKoLePlnDruckBem,
                          "",
                          nullptr,
                          nullptr,
                          "",
                          nullptr,
                          nullptr,
                          nullptr,
                          &S::fKoLePlnDruckSperr,
                          &S::fKoLePlnDruckFix,
                          &S::fKoLePlnDruckFett,
                          &S::fKoLePlnDruckAlle,
                          &S::fKoLePlnDruckDatum,
                          nullptr,
                          &S::fKoLePlnDruckRandLi,
                          &S::fKoLePlnDruckRandRe,
                          &S::fKoLePlnDruckRandOb,
                          &S::fKoLePlnDruckRandUn,
                          &S::fKoLePlnDruckAb,
                          &S::fKoLePlnDruckFarbe,
                          &S::fKoLePlnDruckVersionen,
                          &S::fKoLePlnDruckMitKoBez});
}
}  // namespace

std::string StandardSchluessel(int n) {
  return "Software\\WTamrel3\\Quon" + std::to_string(n);
}

void LoadStandard(TStandard& standard, TEinstellungsSpeicher& speicher) {
  TLeser leser(standard, speicher);
  Layout(leser);
  StundenZeitenBereinigen(standard);
}

bool SaveStandard(const TStandard& standard, TEinstellungsSpeicher& speicher) {
  TSchreiber schreiber(standard, speicher);
  Layout(schreiber);
  return speicher.Sichern();
}
