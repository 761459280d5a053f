#include "ui/GrundDatenUnit.h"

#include <algorithm>

#include "model/DienstUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/KursFeldUnit.h"

namespace GrundDaten {

namespace {

std::string Rechts4(std::int64_t wert) {
  std::string t = ZahlText(wert);
  if (t.size() < 4) t.insert(0, 4 - t.size(), ' ');
  return t;
}

bool OhneKopplung(const TSollElement& e) {
  // Lehrer zählen jeden Kurs; Klassen gekoppelte Kurse nur ohne "einfach".
  return e.Art() == leh || static_cast<const TKlasse&>(e).fKopDop;
}

TRaum*& Stammraum(TSollElement& e) {
  if (e.Art() == leh) return static_cast<TLehrer&>(e).fRaum;
  return static_cast<TKlasse&>(e).fRaum;
}

}  // namespace

std::string Titel(const TElement* element) {
  return element ? "Grunddaten " + element->fKuerzel.str() : std::string("Grunddaten");
}

std::string SollText(const TSollElement& element) {
  return StundenText(element.GetSoll(-1));
}

std::string IstText(const TSollElement& element) {
  return "( " + StundenText(element.StundenSumme(-1, OhneKopplung(element), element.Art())) + " )";
}

std::string IstWertText(const TSollElement& element) {
  return StundenText(element.FaktorSumme(-1, OhneKopplung(element), element.Art()));
}

bool StammraumWaehlen(TSollElement& element, TRaum* raum) {
  if (element.Art() != leh && element.Art() != kla) return false;
  TRaum*& stamm = Stammraum(element);
  if (raum == stamm) return false;
  if (!raum) {
    stamm = nullptr;
    element.FensterRefresh();
    SchuleGeaendert();
    return true;
  }
  const bool lehrer = element.Art() == leh;
  const std::string wer = lehrer ? "des Lehrers" : "der Klasse";
  int antwort;
  if (stamm) {
    antwort = Dialog().Frage(lehrer ? "Lehrerraumwechsel" : "Klasssenraumwechsel",
                             {"Soll in allen Kursen", wer, "der Raum", U8(stamm->fKuerzel.str()),
                              "durch Raum", U8(raum->fKuerzel.str()), "ersetzt werden?"},
                             TMeldungsArt::Frage, {"Ja", "Nein", "Abbrechen"}, 0, 2);
  } else {
    antwort = Dialog().Frage(
        lehrer ? "Neuer Lehrerraum" : "Neuer Klassenraum",
        {"Soll in allen Kursen", wer, "der Raum", U8(raum->fKuerzel.str()), "ergänzt werden?"},
        TMeldungsArt::Frage, {"Ja", "Nein", "Abbrechen"}, 0, 2);
  }
  if (antwort != 0 && antwort != 1) return false;
  if (antwort == 0) {
    if (lehrer)
      static_cast<TLehrer&>(element).NeuerRaum(raum);
    else
      static_cast<TKlasse&>(element).NeuerRaum(raum);
  }
  stamm = raum;
  element.FensterRefresh();
  SchuleGeaendert();
  return true;
}

std::vector<std::string> FachZeilen(const TLehrer& lehrer) {
  std::vector<std::string> z;
  for (const TFach* f : lehrer.fFaecher)
    z.push_back(Rechts4(lehrer.FachSumme(f)) + " " + f->fKuerzel.str());
  return z;
}

int FachDazu(TLehrer& lehrer, TFach* fach) {
  if (!fach) return 0;
  if (!lehrer.fFaecher.ListeElemEnthalten(fach)) {
    lehrer.NeuesFach(fach);
    lehrer.FensterRefresh();
    SchuleGeaendert();
  }
  const auto& liste = lehrer.fFaecher;
  for (int i = 1; i <= liste.ListeZahlElemente(); ++i)
    if (liste.ListeNrInhalt(i) == fach) return i;
  return 0;
}

bool KlassenLehrerSetzen(TKlasse& klasse, int nummer, TLehrer* lehrer) {
  TLehrer*& feld = nummer == 2 ? klasse.fLehrer2 : klasse.fLehrer1;
  if (feld == lehrer) return false;
  feld = lehrer;
  klasse.FensterRefresh();
  SchuleGeaendert();
  return true;
}

std::vector<TKursZeile> KursZeilen(const TKlasse& klasse) {
  std::vector<TKursZeile> z;
  for (const TKurs* k : klasse.fKurse)
    z.push_back({Rechts4(k->fStunden.GetWochenStunde(-1)) + " " +
                     (k->fFach ? k->fFach->fKuerzel.str() : std::string("????")),
                 k->fKopplung != nullptr});
  return z;
}

TKurs* NeuerKlassenKurs(TKlasse& klasse, TFach* fach) {
  if (!fach) return nullptr;
  TKurs* k = TKurs::IKurs(nullptr, &klasse, nullptr, fach, klasse.fRaum, Standard().fKursStd);
  klasse.FensterRefresh();
  SchuleGeaendert();
  return k;
}

bool StundenSchritt(TKurs& kurs, int richtung) {
  const TStandard& s = Standard();
  const int schritt = s.fEineWoche ? 1 : std::max(1, s.fMaxWocheNeu);
  const int wert = kurs.fStunden.GetWochenStunde(-1) + (richtung < 0 ? -schritt : schritt);
  return KursFeld::StundenAendern(kurs, wert, true);
}

bool HatVerplanteKurse(const TKlasse& klasse) {
  // fSetzungen hält die Stunden aller Planversionen.
  for (const TKurs* k : klasse.fKurse)
    if (!k->fSetzungen.empty()) return true;
  return false;
}

bool StopMeldung(const TKlasse& klasse) {
  if (!HatVerplanteKurse(klasse)) return false;
  Dialog().Meldung(
      "Stop",
      {"Die Stundentafel der  Klasse", U8(klasse.fKuerzel.str()),
       "enthält schon verplante Kurse. Diese müssen", "erst aus den Plänen gelöscht werden."},
      TMeldungsArt::Warnung);
  return true;
}

bool KurseUebernehmen(TKlasse& klasse, TKlasse* quelle, TUebernahme art, bool klassenraum) {
  if (!quelle || quelle == &klasse || HatVerplanteKurse(klasse)) return false;
  TSchule& schule = Schule();
  // Die alten Kurse: über eine Kopie der Liste, die sich dabei leert.
  for (TKurs* k : klasse.fKurse.Kopie()) {
    if (k->fKlassen.ListeZahlElemente() == 1)
      schule.KursLoeschen(k);
    else
      k->KlasseEntfernen(&klasse);
  }
  for (TKurs* q : quelle->fKurse.Kopie()) {
    if (q->fKopplung && art == TUebernahme::KlasseInKopplungen) {
      if (!q->fKlassen.ListeElemEnthalten(&klasse)) q->KlasseErgaenzen(&klasse);
      continue;
    }
    if (q->fKopplung && art == TUebernahme::OhneKopplungen) continue;
    TKurs* neu = TKurs::IKurs(nullptr, &klasse, nullptr, q->fFach, nullptr,
                              q->fStunden.GetWochenStunde(Standard().fAktuelleWoche));
    // Die Stunden jeder Woche, nicht nur die der gezeigten.
    neu->fStunden = q->fStunden;
    for (TKlasse* c : q->fKlassen.Kopie()) {
      if (c == quelle) continue;
      TKlasse* dazu = c == &klasse ? quelle : c;
      if (!neu->fKlassen.ListeElemEnthalten(dazu)) neu->KlasseErgaenzen(dazu);
    }
    for (TRaum* r : q->fRaeume.Kopie()) {
      TRaum* dazu = r;
      if (klassenraum && klasse.fRaum && r == quelle->fRaum) dazu = klasse.fRaum;
      if (!neu->fRaeume.ListeElemEnthalten(dazu)) neu->RaumErgaenzen(dazu, false);
    }
    neu->fSperrung = q->fSperrung;
    neu->fNichtVerplanen = q->fNichtVerplanen;
    neu->fNichtZaehlenLe = q->fNichtZaehlenLe;
    neu->fNichtZaehlenKl = q->fNichtZaehlenKl;
    neu->fStdProTag = q->fStdProTag;
    neu->fEinzelStd = q->fEinzelStd;
    neu->fTabellenNr = q->fTabellenNr;
    // Faktor und Farbe gehören zum Kurs wie seine Stunden: die Kopie gleicht der Vorlage.
    neu->fFaktor = q->fFaktor;
    neu->fColor = q->fColor;
  }
  klasse.FensterUpdate();
  SchuleGeaendert();
  return true;
}

TMenue KurseMit(const TElement& element, const TElement& mit) {
  TMenue menue;
  for (TKurs* k : element.fKurse) {
    bool dabei = false;
    switch (mit.Art()) {
      case leh:
        dabei = k->fLehrer == &mit;
        break;
      case fac:
        dabei = k->fFach == &mit;
        break;
      case kla:
        dabei = k->fKlassen.ListeElemEnthalten(static_cast<const TKlasse*>(&mit));
        break;
      default:
        break;
    }
    if (!dabei) continue;
    TMenueEintrag e;
    e.Text = U8(k->Zeile(-1, 0, 0, false, element.Art()));
    e.Objekt = k;
    menue.push_back(std::move(e));
  }
  return menue;
}

}  // namespace GrundDaten
