#include "SchulPruefung.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "BelegungsPruefung.h"
#include "PlanInvarianten.h"
#include "VertretungsPruefung.h"
#include "model/SchulUnit.h"
#include "persistence/BufferUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "planning/PruefUnit.h"
#include "settings/StandardUnit.h"

namespace {

std::string Zelle(const std::string& wer, int w, int t, int h) {
  return wer + " {" + std::to_string(w) + "} Tag " + std::to_string(t) + " Stunde " +
         std::to_string(h);
}

std::string Name(const TKurs* k) {
  return "Kurs " + k->OhneRaumZeile();
}

std::string Name(const TElement* e) {
  static const char* arten[] = {"Lehrer", "Klasse", "Kopplung", "Fach", "Raum", "UV-Tabelle"};
  const int a = static_cast<int>(e->Art());
  return std::string(a >= 0 && a < 6 ? arten[a] : "Element") + " " + e->fKuerzel.str();
}

// Die Verstöße gegen die Kopplung: in einer Kopplung liegt ein Kurs mit mindestens so vielen
// Stunden einer Woche in jeder Zelle eines Kurses mit weniger; ausgenommen ein Kurs "nicht
// verplanen", den weder die Automatik noch das manuelle Setzen je setzt (auch die Kopplung zählt
// ihn nicht, wenn sie fragt, ob sie verplant ist). (Zwei Kurse der Kopplung im selben
// Raum sind eine Doppelbelegung des Raums.)
void KopplungsVerstoesse(const TSchule& schule, TPlanVerstoesse& v) {
  const int wochen = Standard().fMaxWocheNeu;
  // Die Namen der Kurse, einmal gebildet (getrennte Kopplungen bleiben oft viele Schritte so).
  std::unordered_map<const TKurs*, std::string> namen;
  auto Name = [&namen](const TKurs* k) -> const std::string& {
    auto it = namen.find(k);
    if (it == namen.end()) it = namen.emplace(k, ::Name(k)).first;
    return it->second;
  };
  for (const TKopplung* ko : schule.fKopplMenge) {
    const std::vector<TKurs*> kurse = ko->fKurse.Kopie();
    for (const TKurs* a : kurse)
      for (const TSetzung* s : a->fSetzungen) {
        const int w = s->fWoche;
        if (w < 1 || w > wochen) continue;
        for (const TKurs* b : kurse)
          if (b != a && !b->fNichtVerplanen &&
              b->fStunden.GetWochenStunde(w) >= a->fStunden.GetWochenStunde(w) &&
              !(b->fBesetzung.GetWocheTagStd(w, s->fTag, s->fStunde) &&
                b->SetzungFinden(w, s->fTag, s->fStunde)))
            v.emplace(
                Zelle(Name(b) + " fehlt neben " + Name(a) + " in Kopplung " + ko->fKuerzel.str(), w,
                      s->fTag, s->fStunde),
                Verstoss::Kopplung);
      }
  }
}

template <class Liste, class Vergleich, class Wo>
bool Geordnet(const Liste& liste, Vergleich vergleich, std::string& fehler, Wo wo) {
  const TKurs* vorige = nullptr;
  for (const TKurs* k : liste) {
    if (vorige && vergleich(vorige, k) > 0) {
      fehler = wo() + ": " + Name(vorige) + " vor " + Name(k);
      return false;
    }
    vorige = k;
  }
  return true;
}

template <class T, class Wo>
bool NachReihe(const TListe<T>& liste, std::string& fehler, Wo wo) {
  const T* vorige = nullptr;
  for (const T* e : liste) {
    if (vorige && vorige->fReihe > e->fReihe) {
      fehler = wo() + ": " + Name(vorige) + " vor " + Name(e);
      return false;
    }
    vorige = e;
  }
  return true;
}

// Ein Kurs der Kursliste eines Elements verweist auf das Element.
bool VerweistAuf(const TKurs* k, const TElement* e) {
  switch (e->Art()) {
    case leh:
      return k->fLehrer == e;
    case kla:
      return k->fKlassen.ListeElemNr(static_cast<const TKlasse*>(e)) > 0;
    case kop:
      return k->fKopplung == e;
    case fac:
      return k->fFach == e;
    case rau: {
      const auto* r = static_cast<const TRaum*>(e);
      if (k->fRaeume.ListeElemNr(r) > 0) return true;
      for (const TSetzung* s : k->fSetzungen)
        if (s->fRaum == r) return true;
      return false;
    }
    default:
      return true;
  }
}

::testing::AssertionResult Listen(const TSchule& schule) {
  std::string fehler;
  auto kursOrdnung = [](const TKurs* a, const TKurs* b) { return KursVergleich(a, b); };
  auto klassenOrdnung = [](const TKurs* a, const TKurs* b) { return KlassenKursVergleich(a, b); };
  if (!Geordnet(schule.fKursMenge, kursOrdnung, fehler,
                [] { return std::string("Kursliste der Schule"); }))
    return ::testing::AssertionFailure() << fehler;
  std::unordered_set<const TKurs*> kurse;
  for (const TKurs* k : schule.fKursMenge) kurse.insert(k);
  std::unordered_set<const TElement*> elemente;
  for (TKuerzelArt art : {leh, kla, kop, fac, rau, uvt})
    for (const TElement* e : schule.Elemente(art)) {
      if (!elemente.insert(e).second)
        return ::testing::AssertionFailure() << Name(e) << " zweimal in den Listen der Schule";
      for (const TKurs* k : e->fKurse) {
        if (!kurse.count(k))
          return ::testing::AssertionFailure()
                 << Name(e) << " führt einen Kurs, den die Schule nicht hat";
        if (!VerweistAuf(k, e))
          return ::testing::AssertionFailure()
                 << Name(e) << " führt " << Name(k) << ", der nicht auf es verweist";
      }
      if (art == uvt) continue;
      if (!Geordnet(e->fKurse, art == kla ? +klassenOrdnung : +kursOrdnung, fehler,
                    [e] { return "Kursliste von " + Name(e); }))
        return ::testing::AssertionFailure() << fehler;
    }
  auto da = [&](const TElement* e) { return e == nullptr || elemente.count(e) > 0; };
  for (const TKurs* k : schule.fKursMenge) {
    // Der Name erst für eine Meldung (ihn für jeden Kurs zu bilden, kostet mehr als die Prüfung).
    auto name = [k] { return Name(k); };
    // Die Sortierschlüssel sind die aus den Elementen und Stunden berechneten (sonst ordnet das
    // Öffnen der gesicherten Schule die Kurse anders).
    {
      auto* kurs = const_cast<TKurs*>(k);
      const std::int32_t r1 = kurs->fReihe1, r2 = kurs->fReihe2;
      kurs->BerechneReihe();
      const bool gleich = r1 == kurs->fReihe1 && r2 == kurs->fReihe2;
      const std::int32_t n1 = kurs->fReihe1, n2 = kurs->fReihe2;
      kurs->fReihe1 = r1;
      kurs->fReihe2 = r2;
      if (!gleich)
        return ::testing::AssertionFailure() << name() << ": Sortierschlüssel " << r1 << "/" << r2
                                             << ", berechnet " << n1 << "/" << n2;
    }
    // Die Kurslisten der Elemente sind kurz: durchsuchen ist billiger als ein Verzeichnis aller
    // Paare, das jeder Schritt des Dauerlaufs neu anlegen müsste.
    auto steht = [k](const TElement* e) { return e->fKurse.ListeElemNr(k) > 0; };
    if (!da(k->fLehrer) || !da(k->fKopplung) || !da(k->fFach))
      return ::testing::AssertionFailure() << name() << " verweist auf ein gelöschtes Element";
    if (k->fLehrer && !steht(k->fLehrer))
      return ::testing::AssertionFailure() << name() << " fehlt bei " << Name(k->fLehrer);
    if (k->fKopplung && !steht(k->fKopplung))
      return ::testing::AssertionFailure() << name() << " fehlt bei " << Name(k->fKopplung);
    if (k->fFach && !steht(k->fFach))
      return ::testing::AssertionFailure() << name() << " fehlt bei " << Name(k->fFach);
    for (const TKlasse* kl : k->fKlassen)
      if (!da(kl) || !steht(kl))
        return ::testing::AssertionFailure() << name() << " fehlt bei einer seiner Klassen";
    for (const TRaum* r : k->fRaeume)
      if (!da(r) || !steht(r))
        return ::testing::AssertionFailure() << name() << " fehlt bei einem seiner Räume";
    for (const TRaum* r : k->fRaumErgaenzt)
      if (!da(r) || k->fRaeume.ListeElemNr(r) == 0)
        return ::testing::AssertionFailure()
               << name() << " hat einen ergänzten Raum, der nicht in seiner Raumliste steht";
    {
      // Gezählt wie VerplanteStunden: die Zellen der Tage des Rasters und der Stunden 1..16.
      const int tage = std::min(Standard().fMaxTageNeu, 7);
      std::map<int, int> gesetzt;  // je Woche
      for (const TSetzung* s : k->fSetzungen)
        if (s->fTag >= 1 && s->fTag <= tage && s->fStunde >= 1 && s->fStunde <= 16)
          ++gesetzt[s->fWoche];
      for (const auto& [w, n] : gesetzt)
        if (w >= 1 && w <= Standard().fMaxWocheNeu && n > k->fStunden.GetWochenStunde(w))
          return ::testing::AssertionFailure()
                 << name() << " {" << w << "}: " << n << " Stunden gesetzt, "
                 << k->fStunden.GetWochenStunde(w) << " hat er";
    }
    for (const TSetzung* s : k->fSetzungen)
      if (s->fRaum && k->fRaeume.ListeNrInhalt(1) && k->fRaeume.ListeElemNr(s->fRaum) == 0)
        return ::testing::AssertionFailure()
               << Zelle(name(), s->fWoche, s->fTag, s->fStunde) << ": Raum "
               << s->fRaum->fKuerzel.str() << " fehlt in seiner Raumliste";
    if (!NachReihe(k->fKlassen, fehler, [&] { return "Klassen von " + name(); }))
      return ::testing::AssertionFailure() << fehler;
    for (const TSetzung* s : k->fSetzungen)
      if (!da(s->fRaum) || (s->fRaum && !steht(s->fRaum)))
        return ::testing::AssertionFailure() << Zelle(name(), s->fWoche, s->fTag, s->fStunde)
                                             << ": Raum fehlt oder führt ihn nicht";
  }
  for (const auto* menge :
       {&schule.fFehlLehrerMenge, &schule.fFehlKlassenMenge, &schule.fFehlRaumMenge})
    for (const TFehl* f : *menge)
      if (!f->fElement || !elemente.count(f->fElement))
        return ::testing::AssertionFailure() << "Abwesenheit eines gelöschten Elements";
  for (const TVertretung* v : schule.fVertretungsMenge)
    if (!kurse.count(v->fKurs) || !da(v->fLehrer) || !da(v->fRaum) || !da(v->fFach))
      return ::testing::AssertionFailure() << "Vertretung verweist auf Gelöschtes";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Fenster(const TSchule& schule) {
  std::set<const TFenster*> gesehen;
  for (const TFenster* f : schule.fFensterListe)
    if (!f || !gesehen.insert(f).second)
      return ::testing::AssertionFailure() << "ein Fenster steht zweimal in der Fensterliste";
  for (auto platz : TSchule::FensterPlaetze()) {
    const TFenster* f = schule.*platz;
    if (f && !gesehen.count(f))
      return ::testing::AssertionFailure() << "ein Fensterplatz zeigt auf ein abgemeldetes Fenster";
  }
  for (std::size_t i = 0; i < schule.fGespeicherteFenster.size(); ++i)
    for (std::size_t j = i + 1; j < schule.fGespeicherteFenster.size(); ++j)
      if (schule.fGespeicherteFenster[i] == schule.fGespeicherteFenster[j])
        return ::testing::AssertionFailure()
               << "Fenstersatz \"" << schule.fGespeicherteFenster[i].Titel.str() << "\" zweimal";
  return ::testing::AssertionSuccess();
}

}  // namespace

TPlanVerstoesse PlanVerstoesseDerSchule(const TSchule& schule) {
  TPlanVerstoesse v;
  for (const std::string& t : PlanVerstoesse(schule))
    v.emplace(t, t.rfind("doppelt", 0) == 0 ? Verstoss::Doppelt : Verstoss::Gesperrt);
  KopplungsVerstoesse(schule, v);
  const TStandard& st = Standard();
  for (const TKurs* k : schule.fKursMenge)
    for (const TSetzung* s : k->fSetzungen)
      if (s->fWoche < 1 || s->fWoche > st.fMaxWocheNeu || s->fTag < 1 || s->fTag > st.fMaxTageNeu ||
          s->fStunde < 1 || s->fStunde > st.fPlnStd)
        v.emplace(Zelle(Name(k) + " außerhalb des Rasters", s->fWoche, s->fTag, s->fStunde),
                  Verstoss::Raster);
  return v;
}

std::set<std::string> GetrennteKopplungen(const TPlanVerstoesse& verstoesse) {
  std::set<std::string> kopplungen;
  for (const auto& [text, art] : verstoesse) {
    if (art != Verstoss::Kopplung) continue;
    const std::size_t von = text.find(" in Kopplung ") + 13, bis = text.rfind(" {");
    if (von != std::string::npos + 13 && bis != std::string::npos && bis > von)
      kopplungen.insert(text.substr(von, bis - von));
  }
  return kopplungen;
}

std::set<std::string> DoppeltBelegte(const TPlanVerstoesse& verstoesse) {
  std::set<std::string> elemente;
  for (const auto& [text, art] : verstoesse)
    if (art == Verstoss::Doppelt && text.rfind("doppelt ", 0) == 0)
      elemente.insert(text.substr(8, text.rfind(" {") - 8));
  return elemente;
}

::testing::AssertionResult KeineNeuenVerstoesse(
    const TPlanVerstoesse& vorher, const TSchule& schule, unsigned erlaubt,
    const std::function<bool(const std::string&)>& auchErlaubt) {
  return KeineNeuenVerstoesse(vorher, PlanVerstoesseDerSchule(schule), erlaubt, auchErlaubt);
}

::testing::AssertionResult KeineNeuenVerstoesse(
    const TPlanVerstoesse& vorher, const TPlanVerstoesse& nachher, unsigned erlaubt,
    const std::function<bool(const std::string&)>& auchErlaubt) {
  static const char* namen[] = {"", "Doppelbelegung", "Sperrung", "", "Kopplung", "", "",
                                "", "Raster"};
  for (const auto& [text, art] : nachher)
    if (!(art & erlaubt) && !vorher.count(text) && !(auchErlaubt && auchErlaubt(text)))
      return ::testing::AssertionFailure() << "neuer Verstoß " << namen[art] << ": " << text;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult SchuleStimmt(const TSchule& schule) {
  return SchuleStimmt(schule, {});
}

::testing::AssertionResult SchuleStimmt(const TSchule& schule,
                                        const std::map<std::string, std::int64_t>& kontoBasis) {
  // Jede Meldung beginnt mit dem Namen ihrer Regel.
  if (auto r = BelegungenStimmen(schule); !r)
    return ::testing::AssertionFailure() << "Belegung: " << r.message();
  if (auto r = Listen(schule); !r)
    return ::testing::AssertionFailure() << "Listen: " << r.message();
  if (auto r = VertretungenStimmen(schule, kontoBasis); !r)
    return ::testing::AssertionFailure() << "Vertretungen: " << r.message();
  if (auto r = Fenster(schule); !r)
    return ::testing::AssertionFailure() << "Fenster: " << r.message();
  return ::testing::AssertionSuccess();
}

namespace {
// Zählt die Pieptöne (jede Ausbesserung der Konsistenzprüfung piept) und reicht alles andere an
// den eingesetzten Dialogdienst weiter.
class TPiepZaehler : public TDialogDienst {
 public:
  explicit TPiepZaehler(TDialogDienst& innen) : fInnen(innen) {}
  int Frage(const TFrage& frage) override { return fInnen.Frage(frage); }
  void Meldung(const std::string& titel, const std::vector<std::string>& zeilen,
               TMeldungsArt art) override {
    fInnen.Meldung(titel, zeilen, art);
  }
  void Piep() override { ++fPiepser; }
  void BeschaeftigtAn() override { fInnen.BeschaeftigtAn(); }
  void BeschaeftigtAus() override { fInnen.BeschaeftigtAus(); }
  void MeldungsFensterZeigen(const std::string& text) override {
    fInnen.MeldungsFensterZeigen(text);
  }
  void MeldungsFensterSchliessen() override { fInnen.MeldungsFensterSchliessen(); }
  void EingabenVerarbeiten() override { fInnen.EingabenVerarbeiten(); }
  using TDialogDienst::Frage;
  TDialogDienst& fInnen;
  int fPiepser = 0;
};

std::string Unterschied(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return "(" + std::to_string(a.size()) + " / " + std::to_string(b.size()) +
         " Bytes, erster Unterschied bei " + std::to_string(i) + ")";
}
}  // namespace

::testing::AssertionResult SichernStimmt(TSchule& schule) {
  std::vector<std::uint8_t> erste;
  try {
    erste = SchuleAlsBytes(schule);
  } catch (const EDateiFehler& e) {
    return ::testing::AssertionFailure() << "Sichern misslingt: " << e.what();
  }
  return SichernStimmt(schule, erste);
}

::testing::AssertionResult SichernStimmt(TSchule& /*schule*/,
                                         const std::vector<std::uint8_t>& erste) {
  // Geöffnet wird die gesicherte Schule; die Konsistenzprüfung läuft auf ihr (was sie an der
  // Schule im Speicher ausbessern würde, steht in den Bytes oder prüfen BelegungenStimmen und
  // Listen) und darf nichts auszubessern finden: kein Piep (jede Ausbesserung piept) und wieder
  // dieselben Bytes. Befunde ohne Ausbesserung (Doppelbelegungen, ein Lehrer zweimal in einer
  // Kopplung) sind Zustände, die Operationen bewusst zulassen; die Doppelbelegungen prüft
  // KeineNeuenVerstoesse gegen den Stand vor der Operation.
  const TStandard einstellungen = Standard();
  TSchule* alt = SchuleEinsetzen(nullptr);
  auto oeffnen = [&](TSchule& gelesen, std::string& fehler) {
    SchuleEinsetzen(&gelesen);
    return ReadSchuleAusBytes(erste, "pruefung.tmr", gelesen, fehler);
  };
  ::testing::AssertionResult ergebnis = ::testing::AssertionSuccess();
  {
    TSchule gelesen;
    std::string fehler;
    if (!oeffnen(gelesen, fehler)) {
      ergebnis = ::testing::AssertionFailure() << "Öffnen misslingt: " << fehler;
    } else {
      TDienste d = EingesetzteDienste();
      TPiepZaehler zaehler(*d.Dialog);
      d.Dialog = &zaehler;
      const TDienste vorher = DiensteEinsetzen(d);
      std::vector<std::string> befunde;
      KonsistenzTest(gelesen, [&](const std::string& zeile) { befunde.push_back(zeile); });
      DiensteEinsetzen(vorher);
      if (zaehler.fPiepser > 0) {
        ergebnis = ::testing::AssertionFailure()
                   << "Konsistenz bessert aus: " << zaehler.fPiepser << " Ausbesserungen"
                   << (befunde.empty() ? std::string() : ", " + befunde.front());
      } else if (const std::vector<std::uint8_t> zweite = SchuleAlsBytes(gelesen);
                 zweite != erste) {
        // Wer hat geändert: das Öffnen oder die Konsistenzprüfung?
        TSchule nochmal;
        std::string f;
        const bool schonGeoeffnet = oeffnen(nochmal, f) && SchuleAlsBytes(nochmal) != erste;
        ergebnis = ::testing::AssertionFailure()
                   << (schonGeoeffnet ? "Sichern, Öffnen, Sichern ergibt andere Bytes "
                                      : "Konsistenz bessert still aus ")
                   << Unterschied(erste, zweite);
      }
    }
    SchuleEinsetzen(nullptr);
  }
  SchuleEinsetzen(alt);
  Standard() = einstellungen;
  return ergebnis;
}
