#include "planning/PruefUnit.h"

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "planning/AutomatUnit.h"
#include "settings/StandardUnit.h"

namespace {

constexpr std::uint32_t kGanzerTag = 0xFFFFu;  // Stunden 1..16

int Wochen() {
  return std::clamp(Standard().fMaxWocheNeu, 1, MaxWochen);
}

int Tage() {
  return std::clamp(Standard().fMaxTageNeu, 1, MaxTage);
}

std::string W(int woche) {
  return "{" + std::to_string(woche) + "}";
}

std::string TagName(int tag) {
  return tag >= 1 && tag <= 7 ? Standard().fTagBez[tag].str() : std::string();
}

std::string StdName(int woche, int std) {
  if (woche < 1 || woche > MaxWochen || std < 1 || std > 16) return {};
  return Standard().fStdBez[woche][std].str();
}

void Hebe(TFehlerArt& stufe, TFehlerArt neu) {
  if (static_cast<int>(neu) > static_cast<int>(stufe)) stufe = neu;
}

// Die Zelle einer Setzung liegt im Raster der Wochenbereiche.
bool ImRaster(const TSetzung* s) {
  return s->fWoche >= 1 && s->fWoche <= Wochen() && s->fTag >= 1 && s->fTag <= 7 &&
         s->fStunde >= 1 && s->fStunde <= 16;
}

// Setzt oder löscht eine Zelle; wahr, wenn sie sich dabei geändert hat.
bool Stelle(TWochBereich& b, int w, int t, int h, bool wert) {
  if (b.GetWocheTagStd(w, t, h) == wert) return false;
  b.SetWocheTagStd(w, t, h, wert);
  return true;
}

// Löscht in der Sperrung jede Zelle, die in der Belegung gesetzt ist; wahr bei einer Änderung.
bool SperrungReinigen(const TWochBereich& belegt, TWochBereich& sperrung) {
  const TWochBereich vorher = sperrung;
  belegt.ReinigeSperrung(sperrung);
  return !(vorher == sperrung);
}

class TKonsistenz {
 public:
  TKonsistenz(TSchule& schule, const TFehlerAusgabe& aus) : fSchule(schule), fAus(aus) {}

  TFehlerArt Lauf() {
    for (TKurs* k : fSchule.fKursMenge.Kopie()) Kurs(*k);
    for (TLehrer* l : fSchule.fLehrerMenge) Lehrer(*l);
    for (TKlasse* kl : fSchule.fKlassenMenge) Klasse(*kl);
    for (TRaum* r : fSchule.fRaumMenge) Raum(*r);
    for (TKopplung* ko : fSchule.fKopplMenge) Kopplung(*ko);
    if (fGeaendert) {
      // Ausgebesserte Daten: die Schule ist geändert, die Fenster zeigen den neuen Stand.
      SchuleGeaendert();
      fSchule.AlleFensterUpdate();
    }
    return fStufe;
  }

 private:
  void Reparatur() {
    Hebe(fStufe, TFehlerArt::klein);
    fGeaendert = true;
    Dialog().Piep();
  }

  void Doppelt(const std::string& wer, const TKuerzelString& kuerzel, int w, int t, int h) {
    Hebe(fStufe, TFehlerArt::gross);
    fAus(wer + " " + kuerzel.str() + " " + W(w) + " " + TagName(t) + " " + StdName(w, h) +
         " doppelt im Plan.");
  }

  void Kurs(TKurs& k) {
    const int wochen = Wochen();
    if (k.fEinzelStd > Standard().fMaxTageNeu) {
      k.fEinzelStd = Standard().fMaxTageNeu;
      Hebe(fStufe, TFehlerArt::klein);
      fGeaendert = true;
    }
    // Die Belegung des Kurses aus seinen Setzungen.
    TWochBereich neu(k.fBesetzung.WochenZahl());
    std::vector<int> zahl(static_cast<std::size_t>(wochen) + 1, 0);
    for (TSetzung* s : k.fSetzungen.Kopie()) {
      if (!ImRaster(s)) continue;
      const int w = s->fWoche, t = s->fTag, h = s->fStunde;
      neu.SetWocheTagStd(w, t, h, true);
      ++zahl[static_cast<std::size_t>(w)];
      fGeaendert |= Stelle(k.fSperrung, w, t, h, false);
      if (TRaum* r = s->fRaum) {
        fGeaendert |= Stelle(r->fBesetzung, w, t, h, true);
        fGeaendert |= Stelle(r->fSperrung, w, t, h, false);
        if (!k.fRaeume.ListeElemEnthalten(r)) {
          // Wie beim Setzen: der Raum kommt zu den Räumen des Kurses, und beide Seiten kennen
          // sich; so bleibt beim Löschen des Kurses kein Verweis im Raum zurück.
          k.RaumErgaenzen(r, true);
          Reparatur();
        }
      }
    }
    if (!(neu == k.fBesetzung)) {
      k.fBesetzung = neu;
      fGeaendert = true;
    }
    for (int w = 1; w <= wochen; ++w)
      if (k.fStunden.GetWochenStunde(w) < zahl[static_cast<std::size_t>(w)]) {
        k.fStunden.SetWochenStunde(w, zahl[static_cast<std::size_t>(w)]);
        Reparatur();
      }
    // Ein später ergänzter Raum gehört auch zu den Räumen des Kurses.
    for (TRaum* r : k.fRaumErgaenzt.Kopie())
      if (!k.fRaeume.ListeElemEnthalten(r)) {
        k.fRaeume.ListeAnhaengen(r);
        Reparatur();
      }
    // Der Kurs steht in den Kurslisten seiner Elemente: jede fehlende Verknüpfung zählt als
    // Reparatur, eingetragen werden sie zusammen.
    std::vector<TElement*> fehlend;
    auto pruefen = [&](TElement* e) {
      if (e && !e->fKurse.ListeElemEnthalten(&k) &&
          std::find(fehlend.begin(), fehlend.end(), e) == fehlend.end())
        fehlend.push_back(e);
    };
    pruefen(k.fLehrer);
    pruefen(k.fKopplung);
    pruefen(k.fFach);
    for (TKlasse* kl : k.fKlassen) pruefen(kl);
    for (TRaum* r : k.fRaeume) pruefen(r);
    if (fehlend.empty()) return;
    k.ElementeEintragen();
    for (std::size_t i = 0; i < fehlend.size(); ++i) Reparatur();
  }

  // Lehrer und Räume: eine frische Belegung aus den Setzungen ihrer Kurse.
  template <class TFilter>
  void Element(TPlanElement& e, const char* wer, TFilter&& zaehlt) {
    TWochBereich frisch(e.fBesetzung.WochenZahl());
    for (const TKurs* k : e.fKurse)
      for (const TSetzung* s : k->fSetzungen) {
        if (!ImRaster(s) || !zaehlt(s)) continue;
        if (frisch.GetWocheTagStd(s->fWoche, s->fTag, s->fStunde))
          Doppelt(wer, e.fKuerzel, s->fWoche, s->fTag, s->fStunde);
        else
          frisch.SetWocheTagStd(s->fWoche, s->fTag, s->fStunde, true);
      }
    fGeaendert |= SperrungReinigen(frisch, e.fSperrung);
    if (!(frisch == e.fBesetzung)) {
      e.fBesetzung = frisch;
      fGeaendert = true;
    }
  }

  void Lehrer(TLehrer& l) {
    Element(l, "Lehrer", [](const TSetzung*) { return true; });
  }

  void Raum(TRaum& r) {
    Element(r, "Raum", [&r](const TSetzung* s) { return s->fRaum == &r; });
  }

  void Klasse(TKlasse& kl) {
    const int wochen = Wochen();
    TWochBereich belegt(kl.fBesetzung.WochenZahl());
    for (const TKurs* k : kl.fKurse) belegt.OrBereich(k->fBesetzung);
    // Je Kurs die Tagesworte seiner Belegung (Woche w, Tag t an (w-1)*7+t-1) und die Tage, an
    // denen er liegt: ein Paar von Kursen teilt sich nur an solchen Tagen eine Stunde.
    const std::vector<TKurs*> kurse = kl.fKurse.Kopie();
    std::vector<std::vector<std::uint32_t>> worte(kurse.size());
    std::vector<std::vector<int>> tage(kurse.size());
    for (std::size_t i = 0; i < kurse.size(); ++i) {
      worte[i].resize(static_cast<std::size_t>(wochen) * 7);
      for (int w = 1; w <= wochen; ++w)
        for (int t = 1; t <= 7; ++t) {
          const int n = (w - 1) * 7 + t - 1;
          const std::uint32_t wort = kurse[i]->fBesetzung.GetWocheTag(w, t) & kGanzerTag;
          worte[i][static_cast<std::size_t>(n)] = wort;
          if (wort) tage[i].push_back(n);
        }
    }
    // Nur Kurse mit einer Stunde, die auch ein anderer Kurs der Klasse hat, können ein Paar bilden
    // (die übrigen ergäben keine Meldung; die Folge der Meldungen bleibt dieselbe).
    std::vector<std::uint32_t> gesehen(static_cast<std::size_t>(wochen) * 7),
        mehrfach(static_cast<std::size_t>(wochen) * 7);
    for (std::size_t i = 0; i < kurse.size(); ++i)
      for (const int n : tage[i]) {
        const auto z = static_cast<std::size_t>(n);
        mehrfach[z] |= gesehen[z] & worte[i][z];
        gesehen[z] |= worte[i][z];
      }
    std::vector<std::size_t> teilen;
    for (std::size_t i = 0; i < kurse.size(); ++i)
      for (const int n : tage[i])
        if (worte[i][static_cast<std::size_t>(n)] & mehrfach[static_cast<std::size_t>(n)]) {
          teilen.push_back(i);
          break;
        }
    for (const std::size_t i : teilen)
      for (const std::size_t j : teilen) {
        const TKurs* a = kurse[i];
        const TKurs* b = kurse[j];
        if (a == b || (a->fKopplung && a->fKopplung == b->fKopplung)) continue;
        for (const int n : tage[i]) {
          const std::uint32_t beide =
              worte[i][static_cast<std::size_t>(n)] & worte[j][static_cast<std::size_t>(n)];
          for (int h = 1; h <= 16; ++h)
            if (beide & (1u << (h - 1))) Doppelt("Klasse", kl.fKuerzel, n / 7 + 1, n % 7 + 1, h);
        }
      }
    if (!(belegt == kl.fBesetzung)) {
      kl.fBesetzung = belegt;
      fGeaendert = true;
    }
    fGeaendert |= SperrungReinigen(kl.fBesetzung, kl.fSperrung);
  }

  void Kopplung(const TKopplung& ko) {
    const auto kurse = ko.fKurse.Kopie();
    for (std::size_t i = 0; i < kurse.size(); ++i) {
      const TLehrer* l = kurse[i]->fLehrer;
      if (!l) continue;
      const bool frueher = std::any_of(kurse.begin(), kurse.begin() + static_cast<long>(i),
                                       [l](const TKurs* k) { return k->fLehrer == l; });
      if (!frueher) continue;
      Hebe(fStufe, TFehlerArt::gross);
      fAus("Lehrer " + l->fKuerzel.str() + " ist doppelt in Kopplung " + ko.fKuerzel.str());
    }
  }

  TSchule& fSchule;
  const TFehlerAusgabe& fAus;
  TFehlerArt fStufe = TFehlerArt::kein;
  bool fGeaendert = false;
};

// Die Stunden des Kurses je Tag der Woche als Bitwort, aus den Setzungen.
std::uint32_t TagWort(const TKurs& k, int w, int t) {
  std::uint32_t wort = 0;
  for (const TSetzung* s : k.fSetzungen)
    if (s->fWoche == w && s->fTag == t && s->fStunde >= 1 && s->fStunde <= 16)
      wort |= 1u << (s->fStunde - 1);
  return wort;
}

std::string GleichZeile(const std::string& anfang, const char* was) {
  return anfang + " ist die " + was + " in Planversionen unterschiedlich.";
}

}  // namespace

TFehlerArt KonsistenzTest(TSchule& schule, const TFehlerAusgabe& neuerFehler) {
  return TKonsistenz(schule, neuerFehler).Lauf();
}

TFehlerArt BrueckenTest(const TSchule& schule, const TFehlerAusgabe& neuerFehler) {
  TFehlerArt stufe = TFehlerArt::kein;
  for (const TKurs* k : schule.fKursMenge)
    for (int w = 1; w <= Wochen(); ++w)
      for (int t = 1; t <= Tage(); ++t) {
        const std::uint32_t wort = TagWort(*k, w, t);
        if (wort == 0) continue;
        const int erste = std::countr_zero(wort);
        const int letzte = 31 - std::countl_zero(wort);
        if (std::popcount(wort) == letzte - erste + 1) continue;
        Hebe(stufe, TFehlerArt::klein);
        neuerFehler("Der Kurs " + k->OhneRaumZeile() + " hat " + W(w) + " " + TagName(t) +
                    " eine Br\xfc"
                    "cke.");
      }
  return stufe;
}

TFehlerArt FehlRaumTest(const TSchule& schule, const TFehlerAusgabe& neuerFehler) {
  TFehlerArt stufe = TFehlerArt::kein;
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fRaeume.empty()) continue;
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fRaum) continue;
      Hebe(stufe, TFehlerArt::klein);
      neuerFehler("Der Kurs " + k->OhneRaumZeile() + " hat " + W(s->fWoche) + " " +
                  TagName(s->fTag) + " " + StdName(s->fWoche, s->fStunde) + " keinen Raum.");
    }
  }
  return stufe;
}

TFehlerArt FehlStundenTest(const TSchule& schule, const TFehlerAusgabe& neuerFehler) {
  TFehlerArt stufe = TFehlerArt::kein;
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fNichtVerplanen) continue;
    for (int w = 1; w <= Wochen(); ++w) {
      const int offen = k->fStunden.GetWochenStunde(w) - k->VerplanteStunden(w);
      if (offen <= 0) continue;
      Hebe(stufe, TFehlerArt::klein);
      neuerFehler("Im Kurs " + W(w) + " " + k->OhneRaumZeile() + " sind " + std::to_string(offen) +
                  " Stunden noch nicht gesetzt.");
    }
  }
  return stufe;
}

TFehlerArt VersionsPruefung(const TSchule& schule, const TFehlerAusgabe& neuerFehler) {
  TFehlerArt stufe = TFehlerArt::kein;
  auto zeile = [&](const std::string& text) {
    Hebe(stufe, TFehlerArt::klein);
    neuerFehler(text);
  };
  auto soll = [&](const TSollElement& e, const std::string& anfang) {
    if (!e.fSoll.StundenGleich())
      zeile(anfang + " ist die Anzahl der Sollstunden in Planversionen unterschiedlich.");
  };
  auto plan = [&](const TWochBereich& sperrung, const TWochBereich& besetzung,
                  const std::string& anfang) {
    if (!sperrung.GleichBereich()) zeile(GleichZeile(anfang, "Sperrung"));
    if (!besetzung.GleichBereich()) zeile(GleichZeile(anfang, "Lage der Stunden"));
  };
  for (const TLehrer* l : schule.fLehrerMenge) {
    const std::string anfang = "Bei Lehrer " + l->fKuerzel.str();
    soll(*l, anfang);
    plan(l->fSperrung, l->fBesetzung, anfang);
  }
  for (const TKlasse* kl : schule.fKlassenMenge) {
    const std::string anfang = "Bei Klasse " + kl->fKuerzel.str();
    soll(*kl, anfang);
    plan(kl->fSperrung, kl->fBesetzung, anfang);
  }
  for (const TRaum* r : schule.fRaumMenge)
    plan(r->fSperrung, r->fBesetzung, "Bei Raum " + r->fKuerzel.str());
  for (const TKurs* k : schule.fKursMenge) {
    const std::string anfang = "Bei Kurs " + k->OhneRaumZeile();
    if (!k->fStunden.StundenGleich())
      zeile(anfang + " ist die Anzahl der Stunden in Planversionen unterschiedlich.");
    plan(k->fSperrung, k->fBesetzung, anfang);
  }
  return stufe;
}

TFehlerArt KopplPruefung(const TSchule& schule, const TFehlerAusgabe& neuerFehler) {
  TFehlerArt stufe = TFehlerArt::kein;
  for (const TKopplung* ko : schule.fKopplMenge) {
    const auto kurse = ko->fKurse.Kopie();
    if (kurse.empty()) continue;
    const TKurs& erster = *kurse.front();
    bool stunden = false, proTag = false, einzel = false, tabelle = false;
    for (std::size_t i = 1; i < kurse.size(); ++i) {
      const TKurs& k = *kurse[i];
      for (int w = 1; w <= Wochen(); ++w)
        stunden |= k.fStunden.GetWochenStunde(w) != erster.fStunden.GetWochenStunde(w);
      proTag |= k.fStdProTag != erster.fStdProTag;
      einzel |= k.fEinzelStd != erster.fEinzelStd;
      tabelle |= k.fTabellenNr != erster.fTabellenNr;
    }
    if (stunden || proTag || einzel || tabelle) Hebe(stufe, TFehlerArt::klein);
    if (stunden)
      for (const TKurs* k : kurse)
        for (int w = 1; w <= Wochen(); ++w)
          neuerFehler(k->OhneRaumZeile() + " " + W(w) + " " +
                      std::to_string(k->fStunden.GetWochenStunde(w)) + " Wochenstunden.");
    if (proTag)
      for (const TKurs* k : kurse)
        neuerFehler(k->OhneRaumZeile() + " " + std::to_string(k->fStdProTag) + " Stunden pro Tag.");
    if (einzel)
      for (const TKurs* k : kurse)
        neuerFehler(k->OhneRaumZeile() + " " + std::to_string(k->fEinzelStd) + " Einzelstunden.");
    if (tabelle)
      for (const TKurs* k : kurse)
        neuerFehler(k->OhneRaumZeile() + " Tabelle " + std::to_string(k->fTabellenNr) + ".");
  }
  return stufe;
}

TFehlerArt EinzelPruefung(const TSchule& schule, const TFehlerAusgabe& neuerFehler) {
  TFehlerArt stufe = TFehlerArt::kein;
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fNichtVerplanen) continue;
    for (int w = 1; w <= Wochen(); ++w) {
      const int stunden = k->fStunden.GetWochenStunde(w);
      // Eine Woche ohne Stunden hat nichts zu beurteilen, eine mit offenen Stunden noch nicht.
      if (stunden <= 0 || k->VerplanteStunden(w) < stunden) continue;
      if (TAutomat::WocheStimmt(*k, w)) continue;
      Hebe(stufe, TFehlerArt::klein);
      neuerFehler("Im Kurs " + W(w) + " " + k->OhneRaumZeile() +
                  " ist die Einzelstundenbedingung verletzt. ");
    }
  }
  return stufe;
}

TFehlerArt Pruefe(TPruefArt art, TSchule& schule, const TFehlerAusgabe& neuerFehler) {
  TBeschaeftigt sanduhr;
  Dialog().MeldungsFensterZeigen("Die Daten werden geprüft.");
  TFehlerArt stufe = TFehlerArt::kein;
  switch (art) {
    case TPruefArt::Konsistenz:
      stufe = KonsistenzTest(schule, neuerFehler);
      break;
    case TPruefArt::Bruecken:
      stufe = BrueckenTest(schule, neuerFehler);
      break;
    case TPruefArt::FehlRaum:
      stufe = FehlRaumTest(schule, neuerFehler);
      break;
    case TPruefArt::FehlStunden:
      stufe = FehlStundenTest(schule, neuerFehler);
      break;
    case TPruefArt::Versionen:
      stufe = VersionsPruefung(schule, neuerFehler);
      break;
    case TPruefArt::Kopplungen:
      stufe = KopplPruefung(schule, neuerFehler);
      break;
    case TPruefArt::Einzel:
      stufe = EinzelPruefung(schule, neuerFehler);
      break;
  }
  Dialog().MeldungsFensterSchliessen();
  return stufe;
}

std::vector<std::string> PruefErgebnisZeilen(TFehlerArt art) {
  return {"Beim Prüfen der Daten wurden", PruefStufenText(art) + " gefunden."};
}

void PruefErgebnisZeigen(TFehlerArt art) {
  Dialog().Meldung("Prüfergebnis", PruefErgebnisZeilen(art), TMeldungsArt::Information);
}

std::string PruefStufenText(TFehlerArt art) {
  switch (art) {
    case TFehlerArt::kein:
      return "keine Fehler";
    case TFehlerArt::klein:
      return "kleinere Fehler";
    case TFehlerArt::gross:
      break;
  }
  return "größere Fehler";
}

namespace {
bool Beginnt(const std::string& text, const std::string& anfang) {
  return text.compare(0, anfang.size(), anfang) == 0;
}

TPlanElement* KursElement(const TKurs& k) {
  if (TKlasse* kl = k.fKlassen.ListeNrInhalt(1)) return kl;
  if (k.fLehrer) return k.fLehrer;
  return k.fRaeume.ListeNrInhalt(1);
}
}  // namespace

TPlanElement* FehlerElement(const TSchule& schule, const std::string& zeile) {
  auto suche = [&zeile](const auto& menge, const std::string& art) -> TPlanElement* {
    for (auto* e : menge)
      for (const char* vor : {"", "Bei "})
        if (Beginnt(zeile, vor + art + " " + e->fKuerzel.str() + " ")) return e;
    return nullptr;
  };
  if (TPlanElement* e = suche(schule.fLehrerMenge, "Lehrer")) return e;
  if (TPlanElement* e = suche(schule.fKlassenMenge, "Klasse")) return e;
  if (TPlanElement* e = suche(schule.fRaumMenge, "Raum")) return e;
  // Kurszeilen: der Kurs mit der längsten Zeile, die an ihrer Stelle steht.
  const TKurs* bester = nullptr;
  std::size_t laenge = 0;
  for (const TKurs* k : schule.fKursMenge) {
    const std::string z = k->OhneRaumZeile();
    if (z.empty() || z.size() <= laenge) continue;
    bool passt = Beginnt(zeile, "Der Kurs " + z + " hat ") ||
                 Beginnt(zeile, "Bei Kurs " + z + " ist ") || Beginnt(zeile, z + " ");
    if (!passt && Beginnt(zeile, "Im Kurs {")) {
      const std::size_t zu = zeile.find("} ");
      passt = zu != std::string::npos && zeile.compare(zu + 2, z.size() + 1, z + " ") == 0;
    }
    if (passt) {
      bester = k;
      laenge = z.size();
    }
  }
  return bester ? KursElement(*bester) : nullptr;
}
