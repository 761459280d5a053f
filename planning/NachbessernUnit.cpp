#include "planning/NachbessernUnit.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <array>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

#include "model/DienstUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/ToolsUnit.h"
#include "planning/AutomatUnit.h"
#include "planning/NachbessernRegelUnit.h"
#include "planning/SetzungAnzeigeUnit.h"
#include "planning/SetzungUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr std::uint32_t kGanzerTag = 0xFFFFu;  // Stunden 1..16

std::uint32_t Wort(const TWochBereich& b, int w, int t) {
  return b.GetWocheTag(w, t) & kGanzerTag;
}

std::uint32_t Bit(int std) {
  return 1u << (std - 1);
}

// Die Stunden des Wortes liegen lückenlos (auch: keine).
bool Lueckenlos(std::uint32_t wort) {
  if (!wort) return true;
  const std::uint32_t ab = wort >> std::countr_zero(wort);
  return (ab & (ab + 1)) == 0;
}

struct TOrt {
  int woche = 0, tag = 0, std = 0;
  bool operator==(const TOrt&) const = default;
};

// Die Zelle ist im Bereich gesetzt.
bool Hat(const TWochBereich& b, const TOrt& o) {
  return (Wort(b, o.woche, o.tag) & Bit(o.std)) != 0;
}

// Die Stunde des Kurses in der Zelle; erst die Belegung, sie ist schneller gefragt als die Liste.
TSetzung* Liegt(const TKurs* k, const TOrt& o) {
  if (!Hat(k->fBesetzung, o)) return nullptr;
  return k->SetzungFinden(o.woche, o.tag, o.std);
}

// Die Stunden einer Gruppe (Kopplung oder einzelner Kurs) in einer Zelle.
struct TEinheit {
  int gruppe = -1;
  TOrt ort;
  bool operator==(const TEinheit&) const = default;
};

// Eine Änderung am Plan, um zum Stand vor der Kette zurückzukehren.
enum class TArt {
  Abgehoben,  // die Stunde verließ ihre Zelle (mit dem Raum) und wartet
  Abgelegt,   // eine wartende Stunde kam in die Zelle
  Neu         // eine neue Stunde kam in die Zelle
};
struct TAenderung {
  TArt art;
  TKurs* kurs;
  TSetzung* setzung;
  TOrt ort;
  TRaum* raum;
};

// Was eine Zelle für eine offene Einheit kostet.
struct TBewertung {
  bool moeglich = true;
  THindernis hindernis = THindernis::Raster;
  long kosten = 0;
  int luecken = 0;
  std::vector<TEinheit> weg;  // zu verdrängen
};

// Hohlstunden eines Tages der Klasse: freie, nicht gesperrte Stunden vor der letzten Stunde.
int Luecken(std::uint32_t belegt, std::uint32_t gesperrt) {
  if (!belegt) return 0;
  const int letzte = 32 - std::countl_zero(belegt);
  return std::popcount(~(belegt | gesperrt) & ((1u << (letzte - 1)) - 1));
}
}  // namespace

std::string HindernisName(THindernis h) {
  switch (h) {
    case THindernis::Raster:
      return "Raster";
    case THindernis::Tag:
      return "Std/Tag";
    case THindernis::Gesperrt:
      return "gesperrt";
    case THindernis::Fest:
      return "fest belegt";
    case THindernis::Raum:
      return "Raum";
    case THindernis::Kopplung:
      return "Kopplung";
  }
  return {};
}

struct TNachbesserung::TDaten {
  TDaten(const std::vector<TKurs*>& kurse, TAutomatAnzeige& a, const bool& abbruch)
      : anzeige(a), abbruch(abbruch) {
    const TStandard& st = Standard();
    tage = std::clamp(st.fMaxTageNeu, 1, MaxTage);
    stunden = std::clamp(st.fPlnStd, 1, MaxStunden);
    raeumeWichtig = !st.fAuRaumUnwichtig;
    einzelWichtig = !st.fAuEinzelUnwichtig;
    freiWichtig = !st.fAuFreiUnwichtig;
    wochen = WochenArgument(-1);
    for (int t = 1; t <= 4; ++t)
      for (int h = 1; h <= MaxStunden; ++h)
        for (int d = 1; d <= MaxTage; ++d) {
          const int wert = st.fAuTab[t][h][d];
          if (std::abs(wert) >= 1 && std::abs(wert) <= 112)
            ordnung[t][std::abs(wert)] = 7 * (h - 1) + d;
        }
    std::unordered_map<const TKopplung*, int> kopplungen;
    for (TKurs* k : kurse) {
      if (k->fNichtVerplanen || gruppeVon.count(k)) continue;
      int g = -1;
      if (k->fKopplung) {
        if (auto it = kopplungen.find(k->fKopplung); it != kopplungen.end()) g = it->second;
      }
      if (g < 0) {
        g = static_cast<int>(gruppen.size());
        gruppen.emplace_back();
        if (k->fKopplung) {
          kopplungen[k->fKopplung] = g;
          for (TKurs* p : k->fKopplung->fKurse) gruppen.back().push_back(p);
        } else {
          gruppen.back().push_back(k);
        }
      }
      gruppeVon[k] = g;
      beweglich.push_back(k);
    }
    for (const std::vector<TKurs*>& gruppe : gruppen) {
      int s = 1;
      TFeld<std::uint32_t, 1, MaxTage> verbunden;
      for (const TKurs* k : gruppe) {
        s = std::max(s, k->fStdProTag);
        const int tab = std::clamp(k->fTabellenNr, 1, 4);
        for (int d = 1; d <= MaxTage; ++d)
          for (int h = 1; h <= MaxStunden; ++h)
            if (st.fAuTab[tab][h][d] < 0) verbunden[d] |= Bit(h);
      }
      proTag.push_back(s);
      verbindungen.push_back(verbunden);
    }
    strafe.assign(gruppen.size(), 0);
  }

  // --- Fragen an den Plan ---------------------------------------------------------------------

  bool ImPlan(const TKurs* k) const {
    auto it = gruppeVon.find(k);
    return it != gruppeVon.end() && !k->fNichtVerplanen;
  }

  int Gruppe(const TKurs* k) const { return gruppeVon.at(k); }

  // Die offenen Kurse der Gruppe in der Woche, der mit den meisten offenen Stunden zuerst.
  std::vector<TKurs*> Offene(int g, int w) const {
    std::vector<TKurs*> offen;
    for (TKurs* k : gruppen[static_cast<std::size_t>(g)])
      if (ImPlan(k) && k->RestStunden(w) > 0) offen.push_back(k);
    std::stable_sort(offen.begin(), offen.end(), [w](const TKurs* a, const TKurs* b) {
      return a->RestStunden(w) > b->RestStunden(w);
    });
    return offen;
  }

  // Die Einheit der Stunde von x in der Zelle, wenn sie verschoben werden darf.
  std::optional<TEinheit> Beweglich(const TKurs* x, const TOrt& o) const {
    if (!ImPlan(x)) return std::nullopt;
    const int g = Gruppe(x);
    for (const TKurs* k : gruppen[static_cast<std::size_t>(g)])
      if (const TSetzung* s = Liegt(k, o)) {
        if (s->fFixiert || !ImPlan(k)) return std::nullopt;
        // Aus der Mitte eines Blocks genommen, zerfiele der Tag.
        if (!Lueckenlos(Wort(k->fBesetzung, o.woche, o.tag) & ~Bit(o.std))) return std::nullopt;
      }
    return TEinheit{g, o};
  }

  // Der Tag des Kurses bleibt mit der neuen Stunde ein Block nach den Regeln der Gruppe.
  bool TagPasst(const TKurs* k, int g, const TOrt& o) const {
    const std::uint32_t wort = Wort(k->fBesetzung, o.woche, o.tag) | Bit(o.std);
    const int zahl = std::popcount(wort);
    if (zahl > proTag[static_cast<std::size_t>(g)]) return false;
    const int erste = std::countr_zero(wort) + 1, letzte = 32 - std::countl_zero(wort);
    if (letzte - erste + 1 != zahl) return false;
    if (zahl > 1 && letzte >= MaxStunden) return false;
    const std::uint32_t verbunden = verbindungen[static_cast<std::size_t>(g)][o.tag];
    for (int h = erste; h < letzte; ++h)
      if (!(verbunden & Bit(h))) return false;
    // Wie die Automatik: müssen freie Tage eingehalten werden, beginnt ein neuer Tag nur, wo
    // Vor- und Folgetag frei sind.
    if (freiWichtig && zahl == 1 &&
        (Wort(k->fBesetzung, o.woche, Vortag(o.tag)) ||
         Wort(k->fBesetzung, o.woche, Folgetag(o.tag))))
      return false;
    return !einzelWichtig || EinzelErreichbar(k, o);
  }

  // Die Woche des Kurses kann mit der neuen Stunde noch die Einzelstundenbedingung erfüllen.
  bool EinzelErreichbar(const TKurs* k, const TOrt& o) const {
    TFeld<int, 1, MaxTage> zahl{};
    for (int t = 1; t <= tage; ++t) zahl[t] = std::popcount(Wort(k->fBesetzung, o.woche, t));
    ++zahl[o.tag];
    return EinzelBedingungErreichbar(zahl, tage, k->fStunden.GetWochenStunde(o.woche),
                                     k->fStdProTag, k->fEinzelStd);
  }

  // Merkt die Woche des Kurses (und die Hohlstunden seiner Klassen in der Woche) vor ihrer
  // ersten Änderung in diesem Schritt.
  void Beruehre(TKurs* k, int w) {
    for (const TBeruehrt& b : beruehrt)
      if (b.kurs == k && b.woche == w) return;
    const TWoElem* e = k->fBesetzung.GetWoche(w);
    beruehrt.push_back(
        {k, w, e ? *e : TWoElem{}, k->VerplanteStunden(w), TAutomat::WocheStimmt(*k, w)});
    for (const TKlasse* kl : k->fKlassen) {
      const bool schon = std::any_of(hohlVorher.begin(), hohlVorher.end(), [&](const auto& x) {
        return std::get<0>(x) == kl && std::get<1>(x) == w;
      });
      if (!schon) hohlVorher.emplace_back(kl, w, KlassenHohl(kl, w));
    }
  }

  // Die Hohlstunden der Klasse in der Woche wie TKlasse::HohlStunden: je Tag die freien, nicht
  // gesperrten Stunden vor der letzten Stunde, in der eine nicht fixierte Stunde eines ihrer
  // Kurse liegt.
  static int KlassenHohl(const TKlasse* kl, int w) {
    const int tage = std::min(Standard().fMaxTageNeu, 7);
    int n = 0;
    for (int t = 1; t <= tage; ++t) {
      const std::uint32_t belegt = Wort(kl->fBesetzung, w, t);
      int j = 0;
      for (int h = 32 - std::countl_zero(belegt); h >= 1 && !j; --h) {
        if (!(belegt & Bit(h))) continue;
        for (const TKurs* k : kl->fKurse)
          if (const TSetzung* s = Liegt(k, {w, t, h}); s && !s->fFixiert) {
            j = h;
            break;
          }
      }
      if (j > 1) n += std::popcount(~(belegt | Wort(kl->fSperrung, w, t)) & ((1u << (j - 1)) - 1));
    }
    return n;
  }

  // Um wie viel dieser Schritt die Hohlstunden der Klassen änderte.
  long HohlZuwachs() const {
    long n = 0;
    for (const auto& [kl, w, vorher] : hohlVorher) n += KlassenHohl(kl, w) - vorher;
    return n;
  }

  // Die Hohlstunden aller Klassen bleiben mit diesem Schritt in der Grenze (nie mehr als nach der
  // Automatik); merkt den Zuwachs für Annehmen().
  bool HohlInGrenze() {
    zuwachs = HohlZuwachs();
    return hohl + zuwachs <= hohlGrenze;
  }

  // Ein Schritt gilt: der Plan bleibt so, die Zahl der Hohlstunden folgt. Das Protokoll behält
  // seine Änderungen, damit die Rechnung zum besten Stand zurückkehren kann.
  void Annehmen() {
    ++planStand;
    hohl += zuwachs;
    zuwachs = 0;
    if (hohl <= hohlGrenze &&
        (gesetzt > bester.gesetzt || (gesetzt == bester.gesetzt && hohl < bester.hohl))) {
      bester = {protokoll.size(), gesetzt, hohl};
      // Der Weg bis hierher wird nicht mehr zurückgenommen.
      protokoll.clear();
      bester.marke = 0;
    }
  }

  // Am Ende: zurück zum Stand mit den meisten gesetzten Stunden (bei gleich vielen den wenigsten
  // Hohlstunden), an dem die Hohlstunden nicht über dem Stand nach der Automatik lagen.
  void ZumBestenStand() {
    Zuruecknehmen(bester.marke);
    hohl = bester.hohl;
  }

  // Beginnt einen Schritt: nichts berührt.
  void Neubeginn() {
    beruehrt.clear();
    hohlVorher.clear();
    zuwachs = 0;
  }

  // Jede Woche, die dieser Schritt änderte, ist wieder wie vorher, oder: eine Woche, die die
  // Einzelstundenbedingung (TAutomat::WocheStimmt) erfüllte, erfüllt sie noch, und zählt die
  // Bedingung, erfüllt jede geänderte Woche sie.
  bool WochenStimmen() const {
    for (const TBeruehrt& b : beruehrt) {
      if (TAutomat::WocheStimmt(*b.kurs, b.woche)) continue;
      const TWoElem* e = b.kurs->fBesetzung.GetWoche(b.woche);
      const bool wieVorher = e ? *e == b.vorher : b.vorher.Leer();
      if (wieVorher) continue;
      if (einzelWichtig || b.richtig) return false;
    }
    return true;
  }

  // Kein Kurs, den der Schritt berührte, hat in einer Woche weniger Stunden als vorher.
  bool KeinerVerliert() const {
    for (const TBeruehrt& b : beruehrt)
      if (b.kurs->VerplanteStunden(b.woche) < b.stunden) return false;
    return true;
  }

  // Die Stunden der Kurse einer Gruppe in der Woche.
  int GruppenStunden(int g, int w) const {
    int n = 0;
    for (const TKurs* k : gruppen[static_cast<std::size_t>(g)])
      if (ImPlan(k)) n += k->VerplanteStunden(w);
    return n;
  }

  // Räume für die offenen Kurse: je Kurs mit Räumen einer aus seiner Liste, keiner doppelt.
  // Freie Räume zuerst; mit verdraengen auch Räume, deren Stunde verdrängt werden darf.
  // Liefert je Kurs den Raum (oder nichts) und fügt die nötigen Verdrängungen an weg.
  bool RaeumeWaehlen(const std::vector<TKurs*>& kurse, const TOrt& o, bool verdraengen,
                     std::vector<TEinheit>& weg, std::vector<TRaum*>& wahl) const {
    struct TOption {
      TRaum* raum;
      std::optional<TEinheit> einheit;  // zu verdrängen, wenn der Raum genommen wird
    };
    std::vector<std::vector<TOption>> optionen(kurse.size());
    std::vector<TRaum*> raeume;  // Nummern in der Folge des ersten Auftretens
    const auto nummer = [&](TRaum* r) {
      for (std::size_t i = 0; i < raeume.size(); ++i)
        if (raeume[i] == r) return static_cast<int>(i);
      raeume.push_back(r);
      return static_cast<int>(raeume.size()) - 1;
    };
    for (std::size_t i = 0; i < kurse.size(); ++i) {
      std::vector<TOption> frei, besetzt;
      for (TRaum* r : kurse[i]->fRaeume) {
        if (Hat(r->fSperrung, o)) continue;
        if (!Hat(r->fBesetzung, o)) {
          frei.push_back({r, std::nullopt});
          continue;
        }
        if (!verdraengen) continue;
        const TKurs* inhaber = nullptr;
        for (const TKurs* x : r->fKurse)
          if (const TSetzung* s = Liegt(x, o); s && s->fRaum == r) inhaber = x;
        if (!inhaber) continue;
        const std::optional<TEinheit> e = Beweglich(inhaber, o);
        if (!e) continue;
        if (std::find(weg.begin(), weg.end(), *e) != weg.end())
          frei.push_back({r, std::nullopt});
        else
          besetzt.push_back({r, e});
      }
      optionen[i] = frei;
      optionen[i].insert(optionen[i].end(), besetzt.begin(), besetzt.end());
      for (const TOption& op : optionen[i]) nummer(op.raum);
    }
    // Zuordnung mit erweiternden Wegen (Kuhn), je Kurs in der Folge seiner Optionen.
    std::vector<int> inhaber(raeume.size(), -1);
    std::vector<int> gewaehlt(kurse.size(), -1);  // Index der Option
    const std::function<bool(std::size_t, std::vector<bool>&)> erweitere =
        [&](std::size_t k, std::vector<bool>& besucht) {
          for (std::size_t j = 0; j < optionen[k].size(); ++j) {
            const auto r = static_cast<std::size_t>(nummer(optionen[k][j].raum));
            if (besucht[r]) continue;
            besucht[r] = true;
            if (inhaber[r] < 0 || erweitere(static_cast<std::size_t>(inhaber[r]), besucht)) {
              inhaber[r] = static_cast<int>(k);
              gewaehlt[k] = static_cast<int>(j);
              return true;
            }
          }
          return false;
        };
    bool alle = true;
    for (std::size_t k = 0; k < kurse.size(); ++k) {
      if (kurse[k]->fRaeume.empty()) continue;
      std::vector<bool> besucht(raeume.size(), false);
      if (!erweitere(k, besucht)) alle = false;
    }
    wahl.assign(kurse.size(), nullptr);
    for (std::size_t k = 0; k < kurse.size(); ++k) {
      if (gewaehlt[k] < 0) continue;
      const TOption& op = optionen[k][static_cast<std::size_t>(gewaehlt[k])];
      wahl[k] = op.raum;
      if (op.einheit && std::find(weg.begin(), weg.end(), *op.einheit) == weg.end())
        weg.push_back(*op.einheit);
    }
    return alle;
  }

  // Was die Zelle für die offenen Kurse der Gruppe kostet, oder woran sie scheitert.
  TBewertung Bewerte(int g, const std::vector<TKurs*>& kurse, const TOrt& o) const {
    TBewertung b;
    const auto scheitert = [&b](THindernis h) {
      b.moeglich = false;
      b.hindernis = h;
      return b;
    };
    if (o.tag > tage || o.std > stunden) return scheitert(THindernis::Raster);
    const std::uint32_t bit = Bit(o.std);
    const auto verdraenge = [&](const TKurs* x, THindernis hart) {
      const std::optional<TEinheit> e = Beweglich(x, o);
      if (!e) return std::optional<THindernis>(hart);
      if (e->gruppe == g) return std::optional<THindernis>(THindernis::Kopplung);
      if (std::find(b.weg.begin(), b.weg.end(), *e) == b.weg.end()) b.weg.push_back(*e);
      return std::optional<THindernis>();
    };
    // In einer Kopplung liegt ein Kurs mit mindestens so vielen Stunden in jeder Zelle eines
    // Kurses mit weniger: wer nicht mitgesetzt wird, muss schon dort liegen.
    for (const TKurs* p : gruppen[static_cast<std::size_t>(g)]) {
      if (std::find(kurse.begin(), kurse.end(), p) != kurse.end()) continue;
      for (const TKurs* k : kurse)
        if (p->fStunden.GetWochenStunde(o.woche) >= k->fStunden.GetWochenStunde(o.woche) &&
            !(Wort(p->fBesetzung, o.woche, o.tag) & bit))
          return scheitert(THindernis::Kopplung);
    }
    std::vector<const TLehrer*> lehrer;
    for (const TKurs* k : kurse) {
      if (Wort(k->fBesetzung, o.woche, o.tag) & bit) return scheitert(THindernis::Tag);
      if (Wort(k->fSperrung, o.woche, o.tag) & bit) return scheitert(THindernis::Gesperrt);
      if (!TagPasst(k, g, o)) return scheitert(THindernis::Tag);
      if (const TLehrer* l = k->fLehrer) {
        if (std::find(lehrer.begin(), lehrer.end(), l) != lehrer.end())
          return scheitert(THindernis::Kopplung);
        lehrer.push_back(l);
        if (Wort(l->fSperrung, o.woche, o.tag) & bit) return scheitert(THindernis::Gesperrt);
        if (Wort(l->fBesetzung, o.woche, o.tag) & bit)
          for (const TKurs* x : l->fKurse)
            if (Liegt(x, o))
              if (const auto h = verdraenge(x, THindernis::Fest)) return scheitert(*h);
      }
    }
    // Die Klassen der Kurse, jede einmal: dort darf nur die eigene Kopplung liegen.
    std::vector<const TKlasse*> klassen;
    for (const TKurs* k : kurse)
      for (const TKlasse* kl : k->fKlassen)
        if (std::find(klassen.begin(), klassen.end(), kl) == klassen.end()) klassen.push_back(kl);
    const TKopplung* kopplung = kurse.front()->fKopplung;
    for (const TKlasse* kl : klassen) {
      if (Wort(kl->fSperrung, o.woche, o.tag) & bit) return scheitert(THindernis::Gesperrt);
      if (!(Wort(kl->fBesetzung, o.woche, o.tag) & bit)) continue;
      for (const TKurs* x : kl->fKurse) {
        if (kopplung && x->fKopplung == kopplung) continue;
        if (Liegt(x, o))
          if (const auto h = verdraenge(x, THindernis::Fest)) return scheitert(*h);
      }
    }
    if (raeumeWichtig) {
      std::vector<TRaum*> wahl;
      if (!RaeumeWaehlen(kurse, o, true, b.weg, wahl)) return scheitert(THindernis::Raum);
    }
    for (const TEinheit& e : b.weg)
      b.kosten +=
          static_cast<long>(Kurse(e).size()) * (1 + strafe[static_cast<std::size_t>(e.gruppe)]);
    // Hohlstunden der Klassen.
    for (const TKlasse* kl : klassen) {
      const std::uint32_t belegt = Wort(kl->fBesetzung, o.woche, o.tag);
      const std::uint32_t gesperrt = Wort(kl->fSperrung, o.woche, o.tag);
      b.luecken += Luecken(belegt | bit, gesperrt) - Luecken(belegt, gesperrt);
    }
    return b;
  }

  // Die Kurse der Gruppe mit einer Stunde in der Zelle der Einheit.
  std::vector<TKurs*> Kurse(const TEinheit& e) const {
    std::vector<TKurs*> kurse;
    for (TKurs* k : gruppen[static_cast<std::size_t>(e.gruppe)])
      if (Liegt(k, e.ort)) kurse.push_back(k);
    return kurse;
  }

  // --- Ändern ---------------------------------------------------------------------------------

  // Die Stunde verlässt ihre Zelle an Ort und Stelle: dieselbe Setzung wartet (Tag 0) ohne
  // Belegung, bis sie wieder abgelegt wird. Nichts sonst wird dabei angefasst (keine
  // Vertretung, keine Änderungszeit, kein Protokoll des Manuellfensters).
  static void Abheben(TKurs* k, TSetzung* s) {
    const int w = s->fWoche, t = s->fTag, h = s->fStunde;
    TRaum* raum = s->fRaum;
    s->fTag = 0;
    s->fStunde = 0;
    k->fBesetzung.SetWocheTagStd(w, t, h, k->SetzungFinden(w, t, h) != nullptr);
    // Wie die Klassen bleiben Lehrer und Raum belegt, solange ein anderer Kurs dort liegt
    // (doppelt belegt nach einem Import oder "Trotzdem").
    if (TLehrer* l = k->fLehrer)
      l->fBesetzung.SetWocheTagStd(w, t, h, l->FindeKurs(w, t, h) != nullptr);
    for (TKlasse* kl : k->fKlassen)
      kl->fBesetzung.SetWocheTagStd(w, t, h, kl->FindeKurs(w, t, h) != nullptr);
    if (raum) raum->fBesetzung.SetWocheTagStd(w, t, h, raum->FindeKurs(w, t, h) != nullptr);
  }

  static void Ablegen(TKurs* k, TSetzung* s, const TOrt& o, TRaum* raum) {
    s->fWoche = o.woche;
    s->fTag = o.tag;
    s->fStunde = o.std;
    s->fRaum = raum;
    k->fBesetzung.SetWocheTagStd(o.woche, o.tag, o.std, true);
    if (TLehrer* l = k->fLehrer) l->fBesetzung.SetWocheTagStd(o.woche, o.tag, o.std, true);
    for (TKlasse* kl : k->fKlassen) kl->fBesetzung.SetWocheTagStd(o.woche, o.tag, o.std, true);
    if (raum) raum->fBesetzung.SetWocheTagStd(o.woche, o.tag, o.std, true);
  }

  void Entferne(const TEinheit& e) {
    for (TKurs* k : Kurse(e)) {
      Beruehre(k, e.ort.woche);
      TSetzung* s = Liegt(k, e.ort);
      protokoll.push_back({TArt::Abgehoben, k, s, e.ort, s->fRaum});
      if (!neu.count(s)) ursprung.emplace(s, TAenderung{TArt::Abgehoben, k, s, e.ort, s->fRaum});
      Abheben(k, s);
      wartend.push_back({k, s});
      --gesetzt;
    }
    ++strafe[static_cast<std::size_t>(e.gruppe)];
  }

  void Setze(const std::vector<TKurs*>& kurse, const TOrt& o) {
    std::vector<TEinheit> keine;
    std::vector<TRaum*> wahl;
    RaeumeWaehlen(kurse, o, false, keine, wahl);
    for (std::size_t i = 0; i < kurse.size(); ++i) {
      TKurs* k = kurse[i];
      Beruehre(k, o.woche);
      // Wie TKurs::NeueSetzung: nur offene Stunden, nie zwei in einer Zelle.
      if (k->fNichtVerplanen || k->RestStunden(o.woche) <= 0 || Liegt(k, o)) continue;
      // Eine wartende Stunde des Kurses aus dieser Woche kommt zuerst wieder in den Plan.
      const auto it = std::find_if(wartend.begin(), wartend.end(), [&](const auto& x) {
        return x.first == k && x.second->fWoche == o.woche;
      });
      if (it != wartend.end()) {
        TSetzung* s = it->second;
        wartend.erase(it);
        Ablegen(k, s, o, wahl[i]);
        protokoll.push_back({TArt::Abgelegt, k, s, o, wahl[i]});
      } else {
        auto neue = std::make_unique<TSetzung>();
        TSetzung* s = neue.get();
        k->fSetzungen.ListeAnhaengen(std::move(neue));
        Ablegen(k, s, o, wahl[i]);
        neu.insert(s);
        protokoll.push_back({TArt::Neu, k, s, o, wahl[i]});
      }
      ++gesetzt;
    }
  }

  // Nimmt die Änderungen bis zur Marke zurück, die letzte zuerst.
  void Zuruecknehmen(std::size_t marke) {
    while (protokoll.size() > marke) {
      const TAenderung a = protokoll.back();
      protokoll.pop_back();
      switch (a.art) {
        case TArt::Abgehoben: {
          const auto it = std::find(wartend.begin(), wartend.end(), std::pair(a.kurs, a.setzung));
          if (it != wartend.end()) wartend.erase(it);
          Ablegen(a.kurs, a.setzung, a.ort, a.raum);
          ++gesetzt;
          break;
        }
        case TArt::Abgelegt:
          Abheben(a.kurs, a.setzung);
          wartend.emplace_back(a.kurs, a.setzung);
          --gesetzt;
          break;
        case TArt::Neu:
          Abheben(a.kurs, a.setzung);
          neu.erase(a.setzung);
          a.kurs->fSetzungen.ListeElemEntfernen(a.setzung);
          --gesetzt;
          break;
      }
    }
  }

  // Nach der Rechnung: was neu ist oder in einer anderen Zelle endete, wird gebucht wie ein
  // Setzen (Vertretungen der alten Zelle gehen, die neue Zelle bekommt die ihren, die
  // Änderungszeit der Lehrer, Klassen und Räume) und im Protokoll des Manuellfensters als ein
  // Stück aufgezeichnet: erst alle Stunden fort von ihren alten Zellen, dann alle an die neuen.
  // Eine Stunde, die in ihrer alten Zelle endet, bleibt unberührt.
  // Liegt eine Stunde eines Kurses (neu oder verschoben) in einer Zelle, aus der eine andere
  // Stunde desselben Kurses fortzog, tauschen die beiden ihre Plätze: so bleibt in jeder Zelle,
  // die der Kurs behält, die alte Setzung mit ihren Vertretungen. Belegungen ändern sich nicht
  // (derselbe Kurs, dieselben Zellen und Räume).
  void Heimholen() {
    const auto ort = [](const TSetzung* s) { return TOrt{s->fWoche, s->fTag, s->fStunde}; };
    for (TKurs* k : beweglich) {
      bool getauscht = true;
      while (getauscht) {
        getauscht = false;
        for (TSetzung* alt : k->fSetzungen) {
          const auto it = ursprung.find(alt);
          if (it == ursprung.end() || it->second.ort == ort(alt)) continue;
          const TOrt heim = it->second.ort;
          if (!Hat(k->fBesetzung, heim)) continue;
          TSetzung* dort = k->SetzungFinden(heim.woche, heim.tag, heim.std);
          if (!dort || dort == alt) continue;
          std::swap(alt->fWoche, dort->fWoche);
          std::swap(alt->fTag, dort->fTag);
          std::swap(alt->fStunde, dort->fStunde);
          std::swap(alt->fRaum, dort->fRaum);
          getauscht = true;
        }
      }
    }
  }

  void Buchen() {
    Heimholen();
    TManuellProtokoll* merken = Merken() ? ManuellProtokoll() : nullptr;
    const auto zeit = [](TKurs* k, TRaum* raum) {
      if (k->fLehrer) k->fLehrer->MerkeZeit();
      for (TKlasse* kl : k->fKlassen) kl->MerkeZeit();
      if (raum) raum->MerkeZeit();
    };
    std::vector<std::pair<TKurs*, TSetzung*>> hin;
    std::vector<TKurs*> geaendert;
    // In der Folge der Kurse und ihrer Setzungen: dieselbe Rechnung bucht immer gleich.
    for (TKurs* k : beweglich)
      for (TSetzung* s : k->fSetzungen) {
        if (neu.count(s)) {
          hin.emplace_back(k, s);
          continue;
        }
        const auto it = ursprung.find(s);
        if (it == ursprung.end()) continue;
        const TAenderung& a = it->second;
        if (a.ort == TOrt{s->fWoche, s->fTag, s->fStunde}) continue;
        if (merken)
          merken->MerkeZelle(k, TUndoArt::weg, a.ort.woche, a.ort.tag, a.ort.std, a.raum,
                             s->fFixiert);
        // Die Vertretungen der alten Zelle gehen mit ihr.
        const TOrt jetzt{s->fWoche, s->fTag, s->fStunde};
        TRaum* raum = s->fRaum;
        s->fTag = a.ort.tag;
        s->fStunde = a.ort.std;
        s->fRaum = a.raum;
        VertretungenAbloesen(k, s);
        s->fTag = jetzt.tag;
        s->fStunde = jetzt.std;
        s->fRaum = raum;
        zeit(k, a.raum);
        ZeigeEntfernteSetzung(k, a.ort.woche, a.ort.tag, a.ort.std, a.raum);
        hin.emplace_back(k, s);
      }
    for (const auto& [k, s] : hin) {
      VertretungenAnbinden(k, s);
      zeit(k, s->fRaum);
      ZeigeNeueSetzung(k, s->fWoche, s->fTag, s->fStunde, s->fRaum);
      if (merken) merken->Merke(k, s, TUndoArt::hin);
      if (std::find(geaendert.begin(), geaendert.end(), k) == geaendert.end())
        geaendert.push_back(k);
    }
    for (TKurs* k : geaendert) {
      k->PlanRefresh();
      k->FensterRefresh();
    }
    if (!hin.empty()) SchuleGeaendert();
    neu.clear();
    ursprung.clear();
  }

  // --- Verdrängungsketten ---------------------------------------------------------------------

  struct TKandidat {
    TBewertung bewertung;
    TOrt ort;
    int folge;  // Ordnungszahl der Tabelle
  };

  // Die möglichen Zellen der offenen Kurse, die billigste zuerst; ausgeschlossen sind Zellen,
  // aus denen die Gruppe in dieser Kette verdrängt wurde, und Verdrängungen von Einheiten, die
  // diese Kette schon gesetzt hat.
  std::vector<TKandidat> Kandidaten(int g, int w, const std::vector<TKurs*>& kurse) const {
    const int tab = std::clamp(kurse.front()->fTabellenNr, 1, 4);
    std::vector<TKandidat> liste;
    for (int n = 1; n <= 112; ++n) {
      const int e = ordnung[tab][n];
      if (e == 0) continue;
      const TOrt o{w, (e - 1) % 7 + 1, (e - 1) / 7 + 1};
      if (o.tag > tage || o.std > stunden) continue;
      if (std::find(verboten.begin(), verboten.end(), TEinheit{g, o}) != verboten.end()) continue;
      TBewertung b = Bewerte(g, kurse, o);
      if (!b.moeglich) continue;
      const auto gesetztHier = [&](const TEinheit& x) {
        return std::find(bewegt.begin(), bewegt.end(), x) != bewegt.end();
      };
      if (std::any_of(b.weg.begin(), b.weg.end(), gesetztHier)) continue;
      liste.push_back({std::move(b), o, n});
    }
    // Gemischt: ein kleines Rauschen aus der Saat auf den Kosten, damit Ketten andere Wege gehen.
    std::vector<long> rauschen(liste.size(), 0);
    if (gemischt)
      for (long& r : rauschen) r = Zufall(3);
    std::vector<std::size_t> folge(liste.size());
    for (std::size_t i = 0; i < folge.size(); ++i) folge[i] = i;
    // Gegen Hohlstunden: die Zelle, die sie am meisten senkt, zuerst.
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
      const long ka = liste[a].bewertung.kosten + rauschen[a],
                 kb = liste[b].bewertung.kosten + rauschen[b];
      if (lueckenModus)
        return std::tuple(liste[a].bewertung.luecken, ka) <
               std::tuple(liste[b].bewertung.luecken, kb);
      return std::tuple(ka, liste[a].bewertung.luecken) <
             std::tuple(kb, liste[b].bewertung.luecken);
    });
    std::vector<TKandidat> sortiert;
    sortiert.reserve(liste.size());
    for (std::size_t i : folge) sortiert.push_back(std::move(liste[i]));
    liste = std::move(sortiert);
    return liste;
  }

  // Setzt eine Stunde jeder offenen Einheit in offen (Gruppe, Woche); Verdrängte kommen dazu.
  // Gelingt es nicht bis zur Tiefe, ist alles wie vorher.
  bool Kette(std::vector<std::pair<int, int>> offen, int tiefe) {
    // Eine Kette zählt nur, wenn keine Stunde wartet, kein berührter Kurs eine Stunde verlor und
    // die offene Einheit gewann.
    if (offen.empty() && lueckenModus)
      return wartend.empty() && KeinerVerliert() && WochenStimmen() &&
             (zuwachs = HohlZuwachs()) < 0;
    if (offen.empty())
      return wartend.empty() && KeinerVerliert() &&
             GruppenStunden(start.first, start.second) > startStunden && WochenStimmen() &&
             (HohlInGrenze() || !(hohlSperrte = true));
    if (tiefe >= (einzelWichtig ? 2 * kTiefe : kTiefe)) return false;
    const auto [g, w] = offen.back();
    offen.pop_back();
    const std::vector<TKurs*> kurse = Offene(g, w);
    if (kurse.empty()) return Kette(offen, tiefe);
    const std::vector<TKandidat> kandidaten = Kandidaten(g, w, kurse);
    // Breit: jede Zelle, wenn die Verdrängten danach gleich eine freie Zelle finden.
    const std::size_t breite = breit ? (tiefe == 0 ? kandidaten.size() : 1)
                               : tiefe < static_cast<int>(kBreite.size())
                                   ? kBreite[static_cast<std::size_t>(tiefe)]
                                   : 1;
    std::size_t versucht = 0;
    for (std::size_t i = 0; i < kandidaten.size() && versucht < breite; ++i) {
      const TKandidat& k = kandidaten[i];
      if (breit && tiefe > 0 && !k.bewertung.weg.empty()) continue;
      ++versucht;
      const std::size_t marke = protokoll.size(), verbotenVorher = verboten.size(),
                        bewegtVorher = bewegt.size();
      std::vector<std::pair<int, int>> weiter = offen;
      for (const TEinheit& e : k.bewertung.weg) {
        Entferne(e);
        verboten.push_back(e);
        // Auch eine Gruppe, die schon wartet: jede verdrängte Stunde braucht ihre Zelle.
        weiter.emplace_back(e.gruppe, w);
      }
      Setze(kurse, k.ort);
      bewegt.push_back({g, k.ort});
      // Zählt die Einzelstundenbedingung, wird die Woche in dieser Kette ganz gesetzt.
      if (einzelWichtig && !Offene(g, w).empty()) weiter.emplace_back(g, w);
      if (Kette(weiter, tiefe + 1)) return true;
      Zuruecknehmen(marke);
      verboten.resize(verbotenVorher);
      bewegt.resize(bewegtVorher);
    }
    return false;
  }

  // Ein Schritt: eine Kette für die nächste offene Einheit. Wahr, wenn sie gelang.
  bool Schritt() {
    ++schritt;
    const auto [g, w] =
        gemischt ? reihe[static_cast<std::size_t>(Zufall(static_cast<long>(reihe.size())))]
                 : reihe[naechste % reihe.size()];
    ++naechste;
    verboten.clear();
    bewegt.clear();
    Neubeginn();
    start = {g, w};
    startStunden = GruppenStunden(g, w);
    if (!Kette({{g, w}}, 0)) return false;
    Annehmen();  // gelungen: bleibt
    return true;
  }

  // --- Hohlstunden ----------------------------------------------------------------------------

  // Die Hohlstunden der Klasse am Tag wie TKlasse::HohlStunden (freie, nicht gesperrte Stunden
  // vor der letzten nicht fixierten), mit einer weiteren nicht fixierten Stunde dazu.
  static int Hohl(const TKlasse* kl, int w, int t, std::uint32_t dazu) {
    std::uint32_t beweglich = dazu;
    for (const TKurs* k : kl->fKurse)
      for (const TSetzung* s : k->fSetzungen)
        if (s->fWoche == w && s->fTag == t && !s->fFixiert && s->fStunde >= 1 &&
            s->fStunde <= MaxStunden)
          beweglich |= Bit(s->fStunde);
    if (!beweglich) return 0;
    const int letzte = 32 - std::countl_zero(beweglich);
    const std::uint32_t belegt = Wort(kl->fBesetzung, w, t) | dazu;
    return std::popcount(~(belegt | Wort(kl->fSperrung, w, t)) & ((1u << (letzte - 1)) - 1));
  }

  // Die Klassen der Kurse, jede einmal.
  static std::vector<const TKlasse*> Klassen(const std::vector<TKurs*>& kurse) {
    std::vector<const TKlasse*> klassen;
    for (const TKurs* k : kurse)
      for (const TKlasse* kl : k->fKlassen)
        if (std::find(klassen.begin(), klassen.end(), kl) == klassen.end()) klassen.push_back(kl);
    return klassen;
  }

  static int KlassenLuecken(const std::vector<const TKlasse*>& klassen, int w, int t,
                            std::uint32_t dazu = 0) {
    int n = 0;
    for (const TKlasse* kl : klassen) n += Hohl(kl, w, t, dazu);
    return n;
  }

  // Verschiebt die Stunden der Einheit in die freie Zelle, die die Hohlstunden ihrer Klassen am
  // meisten senkt; ohne eine solche bleibt alles, wie es war. Wahr, wenn verschoben wurde.
  bool LueckeSchliessen(const TEinheit& e) {
    const std::vector<TKurs*> kurse = Kurse(e);
    if (kurse.empty() || !Beweglich(kurse.front(), e.ort)) return false;
    bool mitRaum = true;
    for (const TKurs* k : kurse)
      if (!k->fRaeume.empty() && !Liegt(k, e.ort)->fRaum) mitRaum = false;
    const int w = e.ort.woche;
    const std::vector<const TKlasse*> klassen = Klassen(kurse);
    const int vorher = KlassenLuecken(klassen, w, e.ort.tag);
    const std::size_t marke = protokoll.size();
    Neubeginn();
    Entferne(e);
    TFeld<int, 1, MaxTage> ohne{};  // je Tag die Hohlstunden ohne die Einheit
    for (int t = 1; t <= tage; ++t) ohne[t] = KlassenLuecken(klassen, w, t);
    const int durchEntfernen = ohne[e.ort.tag] - vorher;
    std::optional<TOrt> ziel;
    int besteAenderung = 0;
    for (int t = 1; t <= tage; ++t)
      for (int h = 1; h <= stunden; ++h) {
        const TOrt o{w, t, h};
        if (o == e.ort) continue;
        const TBewertung b = Bewerte(e.gruppe, kurse, o);
        if (!b.moeglich || !b.weg.empty()) continue;
        const int aenderung = durchEntfernen + KlassenLuecken(klassen, w, t, Bit(h)) - ohne[t];
        if (aenderung >= besteAenderung) continue;
        // Wer einen Raum hatte, behält einen.
        std::vector<TEinheit> keine;
        std::vector<TRaum*> wahl;
        if (mitRaum && !raeumeWichtig && !RaeumeWaehlen(kurse, o, false, keine, wahl)) continue;
        ziel = o;
        besteAenderung = aenderung;
      }
    if (ziel) Setze(kurse, *ziel);
    // Gezählt wie TKlasse::HohlStunden über alle Tage: es muss wirklich weniger werden.
    if (!ziel || !wartend.empty() || !KeinerVerliert() || !WochenStimmen() || !HohlInGrenze() ||
        zuwachs >= 0) {
      Zuruecknehmen(marke);
      return false;
    }
    Annehmen();
    return true;
  }

  // Eine Kette gegen Hohlstunden: die Einheit verlässt ihre Zelle und sucht eine andere, die
  // Verdrängten wie bei den Ketten für offene Stunden; gilt nur, wenn am Ende alles wieder
  // gesetzt ist und die Hohlstunden der Klassen sanken. Wahr, wenn sie gelang.
  bool LueckenKette(const TEinheit& e) {
    const std::vector<TKurs*> kurse = Kurse(e);
    if (kurse.empty() || !Beweglich(kurse.front(), e.ort)) return false;
    verboten.clear();
    bewegt.clear();
    Neubeginn();
    const std::size_t marke = protokoll.size();
    lueckenModus = true;
    Entferne(e);
    verboten.push_back(e);
    const bool gelungen = Kette({{e.gruppe, e.ort.woche}}, 0);
    lueckenModus = false;
    verboten.clear();
    if (!gelungen) {
      Zuruecknehmen(marke);
      return false;
    }
    Annehmen();
    return true;
  }

  // Eine Störung: eine zufällige gesetzte Einheit zieht in eine zufällige freie Zelle, in der sie
  // alle Regeln hält, ohne dass die Hohlstunden über die Grenze steigen. Wahr, wenn sie zog.
  bool Stoeren() {
    const auto g = static_cast<int>(Zufall(static_cast<long>(gruppen.size())));
    const int w = wochen.von + static_cast<int>(Zufall(wochen.bis - wochen.von + 1));
    std::vector<TOrt> da, frei;
    for (int t = 1; t <= tage; ++t)
      for (int h = 1; h <= stunden; ++h) {
        const TOrt o{w, t, h};
        bool liegt = false;
        for (const TKurs* k : gruppen[static_cast<std::size_t>(g)])
          liegt = liegt || (ImPlan(k) && Liegt(k, o));
        if (liegt) da.push_back(o);
      }
    if (da.empty()) return false;
    const TEinheit e{g, da[static_cast<std::size_t>(Zufall(static_cast<long>(da.size())))]};
    const std::vector<TKurs*> kurse = Kurse(e);
    if (!Beweglich(kurse.front(), e.ort)) return false;
    Neubeginn();
    const std::size_t marke = protokoll.size();
    Entferne(e);
    for (int t = 1; t <= tage; ++t)
      for (int h = 1; h <= stunden; ++h) {
        const TOrt o{w, t, h};
        if (o == e.ort) continue;
        const TBewertung b = Bewerte(g, kurse, o);
        if (b.moeglich && b.weg.empty()) frei.push_back(o);
      }
    if (!frei.empty())
      Setze(kurse, frei[static_cast<std::size_t>(Zufall(static_cast<long>(frei.size())))]);
    if (frei.empty() || !wartend.empty() || !KeinerVerliert() || !WochenStimmen() ||
        !HohlInGrenze()) {
      Zuruecknehmen(marke);
      return false;
    }
    Annehmen();
    return true;
  }

  // --- Tausch zweier Zellen -------------------------------------------------------------------

  // Wie oft die Woche des Kurses die Regeln des Tages bricht: Tage, die kein Block nach den Regeln
  // der Gruppe sind, und (müssen freie Tage eingehalten werden) belegte Tage mit belegtem Folgetag.
  int TagVerstoesse(const TKurs* k, int w) const {
    const auto g = static_cast<std::size_t>(Gruppe(k));
    int n = 0;
    for (int t = 1; t <= tage; ++t) {
      const std::uint32_t wort = Wort(k->fBesetzung, w, t);
      if (!wort) continue;
      const int zahl = std::popcount(wort);
      const int erste = std::countr_zero(wort) + 1, letzte = 32 - std::countl_zero(wort);
      bool gut =
          zahl <= proTag[g] && letzte - erste + 1 == zahl && !(zahl > 1 && letzte >= MaxStunden);
      for (int h = erste; gut && h < letzte; ++h) gut = (verbindungen[g][t] & Bit(h)) != 0;
      if (!gut) ++n;
      if (freiWichtig && Folgetag(t) != t && Wort(k->fBesetzung, w, Folgetag(t))) ++n;
    }
    return n;
  }

  // Ein Tausch zweier gleich langer Folgen von Zellen einer Woche: a[i] mit b[i].
  struct TTausch {
    std::vector<TOrt> a, b;
    // Die Zelle, mit der o tauscht.
    TOrt Partner(const TOrt& o) const {
      for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == o) return b[i];
        if (b[i] == o) return a[i];
      }
      return o;
    }
  };

  // Die Einheiten, die mit start tauschen müssen, damit kein Lehrer, keine Klasse und kein Raum
  // doppelt belegt wird, die Kurse einer Gruppe zusammen bleiben und eine Gruppe mit allen ihren
  // Stunden in den Zellen des Tauschs zieht (ein Block bleibt ein Block): die
  // Zusammenhangskomponente der Konflikte; leer, wenn eine fixierte Stunde oder ein Kurs außerhalb
  // der Rechnung dazugehört.
  std::vector<TEinheit> Komponente(const TEinheit& start, const TTausch& tausch) const {
    std::vector<TEinheit> komp{start};
    bool gut = true;
    const auto nimm = [&](const TKurs* x, const TOrt& o, const TRaum* raum) {
      const TSetzung* s = Liegt(x, o);
      if (!s || (raum && s->fRaum != raum)) return;
      if (!ImPlan(x) || s->fFixiert) {
        gut = false;
        return;
      }
      const TEinheit e{Gruppe(x), o};
      if (std::find(komp.begin(), komp.end(), e) == komp.end()) komp.push_back(e);
    };
    for (std::size_t i = 0; i < komp.size(); ++i) {
      const TOrt hier = komp[i].ort;
      const TOrt dort = tausch.Partner(hier);
      for (const TKurs* p : gruppen[static_cast<std::size_t>(komp[i].gruppe)]) {
        for (const TOrt& o : tausch.a) nimm(p, o, nullptr);
        for (const TOrt& o : tausch.b) nimm(p, o, nullptr);
      }
      for (const TKurs* k : Kurse(komp[i])) {
        const TSetzung* s = Liegt(k, hier);
        if (s->fFixiert) return {};
        if (const TLehrer* l = k->fLehrer; l && Hat(l->fBesetzung, dort))
          for (const TKurs* x : l->fKurse) nimm(x, dort, nullptr);
        for (const TKlasse* kl : k->fKlassen)
          if (Hat(kl->fBesetzung, dort))
            for (const TKurs* x : kl->fKurse) nimm(x, dort, nullptr);
        if (const TRaum* r = s->fRaum; r && Hat(r->fBesetzung, dort))
          for (const TKurs* x : r->fKurse) nimm(x, dort, r);
      }
      if (!gut) return {};
    }
    return komp;
  }

  // Die Einheiten der Komponente tauschen ihre Zellen, jede Stunde mit ihrem Raum. Gilt nur, wenn
  // keine Stunde in eine gesperrte Zelle kommt, kein Kurs die Regeln des Tages öfter bricht als
  // vorher, die Wochen stimmen, die Hohlstunden in der Grenze bleiben und um höchstens erlaubt
  // steigen (-1: sinken müssen); sonst ist alles wie vorher. Wahr, wenn getauscht wurde.
  bool Tauschen(const std::vector<TEinheit>& komp, const TTausch& tausch, long erlaubt = -1) {
    struct TZug {
      TKurs* kurs;
      TSetzung* setzung;
      TOrt von, nach;
      TRaum* raum;
    };
    std::vector<TZug> zuege;
    for (const TEinheit& e : komp) {
      for (TKurs* k : Kurse(e)) {
        TSetzung* s = Liegt(k, e.ort);
        const TOrt nach = tausch.Partner(e.ort);
        if (Hat(k->fSperrung, nach) || (k->fLehrer && Hat(k->fLehrer->fSperrung, nach)) ||
            (s->fRaum && Hat(s->fRaum->fSperrung, nach)))
          return false;
        for (const TKlasse* kl : k->fKlassen)
          if (Hat(kl->fSperrung, nach)) return false;
        zuege.push_back({k, s, e.ort, nach, s->fRaum});
      }
    }
    std::vector<std::pair<TKurs*, int>> verstoesse;
    const int w = tausch.a.front().woche;
    const auto merke = [&](TKurs* k) {
      if (std::none_of(verstoesse.begin(), verstoesse.end(),
                       [&](const auto& v) { return v.first == k; }))
        verstoesse.emplace_back(k, TagVerstoesse(k, w));
    };
    for (const TZug& z : zuege) merke(z.kurs);
    Neubeginn();
    const std::size_t marke = protokoll.size();
    for (const TZug& z : zuege) {
      Beruehre(z.kurs, z.von.woche);
      protokoll.push_back({TArt::Abgehoben, z.kurs, z.setzung, z.von, z.raum});
      if (!neu.count(z.setzung))
        ursprung.emplace(z.setzung, TAenderung{TArt::Abgehoben, z.kurs, z.setzung, z.von, z.raum});
      Abheben(z.kurs, z.setzung);
      --gesetzt;
    }
    for (const TZug& z : zuege) {
      Ablegen(z.kurs, z.setzung, z.nach, z.raum);
      protokoll.push_back({TArt::Abgelegt, z.kurs, z.setzung, z.nach, z.raum});
      ++gesetzt;
    }
    const bool regeln = std::all_of(verstoesse.begin(), verstoesse.end(), [&](const auto& v) {
      return TagVerstoesse(v.first, tausch.a.front().woche) <= v.second;
    });
    if (!regeln || !WochenStimmen() || !HohlInGrenze() || zuwachs > erlaubt) {
      Zuruecknehmen(marke);
      return false;
    }
    Annehmen();
    return true;
  }

  // Ein zufälliger Tausch aus der Saat: zwei Zellen (oder zwei Paare übereinander) einer Woche,
  // die Komponente einer zufälligen Einheit darin; gilt, wenn die Hohlstunden höchstens um
  // erlaubt steigen. Wahr, wenn getauscht wurde.
  bool ZufallsTausch(long erlaubt) {
    const int w = wochen.von + static_cast<int>(Zufall(wochen.bis - wochen.von + 1));
    const int laenge = 1 + static_cast<int>(Zufall(2));
    const int i = static_cast<int>(Zufall(tage * stunden)),
              j = static_cast<int>(Zufall(tage * stunden));
    const int ti = i / stunden + 1, hi = i % stunden + 1, tj = j / stunden + 1,
              hj = j % stunden + 1;
    if (hi + laenge - 1 > stunden || hj + laenge - 1 > stunden) return false;
    if (ti == tj && std::abs(hi - hj) < laenge) return false;
    TTausch tausch;
    for (int n = 0; n < laenge; ++n) {
      tausch.a.push_back({w, ti, hi + n});
      tausch.b.push_back({w, tj, hj + n});
    }
    std::vector<TEinheit> start;
    for (const TOrt& o : tausch.a) {
      const std::vector<TEinheit> da = EinheitenIn(o);
      start.insert(start.end(), da.begin(), da.end());
    }
    for (const TOrt& o : tausch.b) {
      const std::vector<TEinheit> da = EinheitenIn(o);
      start.insert(start.end(), da.begin(), da.end());
    }
    if (start.empty()) return false;
    const std::vector<TEinheit> komp = Komponente(
        start[static_cast<std::size_t>(Zufall(static_cast<long>(start.size())))], tausch);
    return !komp.empty() && Tauschen(komp, tausch, erlaubt);
  }

  // Die Einheiten der Rechnung in der Zelle.
  std::vector<TEinheit> EinheitenIn(const TOrt& o) const {
    std::vector<TEinheit> liste;
    for (std::size_t g = 0; g < gruppen.size(); ++g)
      for (const TKurs* k : gruppen[g])
        if (ImPlan(k) && Liegt(k, o)) {
          liste.push_back({static_cast<int>(g), o});
          break;
        }
    return liste;
  }

  // Versucht den Tausch: die Komponenten der Konflikte jede für sich, dann alle zusammen (die
  // ganzen Zellen), bis keiner die Hohlstunden mehr senkt. Wahr, wenn getauscht wurde.
  bool TauschVersuchen(const TTausch& tausch) {
    bool getauscht = false;
    bool weiterSuchen = true;
    while (weiterSuchen) {
      weiterSuchen = false;
      std::vector<TEinheit> start;
      for (const TOrt& o : tausch.a) {
        const std::vector<TEinheit> da = EinheitenIn(o);
        start.insert(start.end(), da.begin(), da.end());
      }
      for (const TOrt& o : tausch.b) {
        const std::vector<TEinheit> da = EinheitenIn(o);
        start.insert(start.end(), da.begin(), da.end());
      }
      std::vector<TEinheit> erfasst, alle;
      bool alleGut = true;
      int komponenten = 0;
      for (const TEinheit& e : start) {
        if (std::find(erfasst.begin(), erfasst.end(), e) != erfasst.end()) continue;
        const std::vector<TEinheit> komp = Komponente(e, tausch);
        if (komp.empty()) {
          alleGut = false;
          erfasst.push_back(e);
          continue;
        }
        ++komponenten;
        erfasst.insert(erfasst.end(), komp.begin(), komp.end());
        alle.insert(alle.end(), komp.begin(), komp.end());
        if (Tauschen(komp, tausch)) {
          getauscht = weiterSuchen = true;
          break;
        }
      }
      if (!weiterSuchen && alleGut && komponenten > 1 && Tauschen(alle, tausch)) getauscht = true;
    }
    return getauscht;
  }

  // Ein Durchgang über alle Paare von Zellen einer Woche und alle Paare von je zwei Zellen
  // übereinander (für Blöcke). Falsch, wenn nichts getauscht wurde oder weiter die Frage ist
  // (Abbruch, Zeit).
  template <class TWeiter>
  bool TauschDurchgang(const TWeiter& weiter) {
    bool getauscht = false;
    for (int laenge = 1; laenge <= 2; ++laenge)
      for (int w = wochen.von; w <= wochen.bis; ++w)
        for (int i = 0; i < tage * stunden; ++i)
          for (int j = i + 1; j < tage * stunden; ++j) {
            if (!weiter()) return false;
            const int ti = i / stunden + 1, hi = i % stunden + 1;
            const int tj = j / stunden + 1, hj = j % stunden + 1;
            if (hi + laenge - 1 > stunden || hj + laenge - 1 > stunden) continue;
            TTausch tausch;
            bool getrennt = true;
            for (int n = 0; n < laenge; ++n) {
              tausch.a.push_back({w, ti, hi + n});
              tausch.b.push_back({w, tj, hj + n});
            }
            for (const TOrt& o : tausch.a)
              if (std::find(tausch.b.begin(), tausch.b.end(), o) != tausch.b.end())
                getrennt = false;
            if (getrennt && TauschVersuchen(tausch)) getauscht = true;
          }
    return getauscht;
  }

  // Ein Durchgang über alle gesetzten Einheiten der Rechnung, mit höchstens so vielen Ketten;
  // falsch, wenn nichts verschoben wurde oder weiter die Frage ist (Abbruch, Zeit).
  template <class TWeiter>
  bool LueckenDurchgang(const TWeiter& weiter, long ketten) {
    bool verschoben = false;
    for (std::size_t g = 0; g < gruppen.size(); ++g)
      for (int w = wochen.von; w <= wochen.bis; ++w)
        for (int t = 1; t <= tage; ++t)
          for (int h = 1; h <= stunden; ++h) {
            if (!weiter()) return false;
            const TEinheit e{static_cast<int>(g), {w, t, h}};
            bool da = false;
            for (const TKurs* k : gruppen[g]) da = da || (ImPlan(k) && Liegt(k, {w, t, h}));
            if (!da) continue;
            if (LueckeSchliessen(e)) {
              verschoben = true;
              continue;
            }
            // Mit Verdrängen nur, wo eine Klasse der Einheit an dem Tag Hohlstunden hat.
            if (ketten > 0 && KlassenLuecken(Klassen(Kurse(e)), w, t) > 0) {
              --ketten;
              if (LueckenKette(e)) verschoben = true;
            }
          }
    return verschoben;
  }

  // Die offenen Einheiten in fester Folge (Gruppe, dann Woche); falsch, wenn keine offen ist.
  bool ReiheAufbauen() {
    reihe.clear();
    for (std::size_t g = 0; g < gruppen.size(); ++g)
      for (int w = wochen.von; w <= wochen.bis; ++w)
        if (!Offene(static_cast<int>(g), w).empty()) reihe.emplace_back(static_cast<int>(g), w);
    // Kleine Einheiten zuerst: ihre Ketten sind kurz und gelingen eher.
    std::stable_sort(reihe.begin(), reihe.end(), [this](const auto& a, const auto& b) {
      return Offene(a.first, a.second).size() < Offene(b.first, b.second).size();
    });
    naechste = 0;
    return !reihe.empty();
  }

  // Der Zufall der gemischten Runde: SplitMix64 aus der Saat, auf jeder Maschine gleich.
  long Zufall(long n) const {
    std::uint64_t z = (zustand += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<long>(z % static_cast<std::uint64_t>(std::max(1L, n)));
  }

  static constexpr int kTiefe = 8;
  bool breit = false;
  bool gemischt = false;
  bool lueckenModus = false;  // die Kette gilt, wenn die Hohlstunden sinken
  mutable std::uint64_t zustand = 1;
  static constexpr std::array<int, 2> kBreite = {3, 2};

  TAutomatAnzeige& anzeige;
  const bool& abbruch;
  int tage = 5, stunden = 16;
  bool raeumeWichtig = false;
  bool einzelWichtig = false;
  bool freiWichtig = false;
  struct TBeruehrt {
    TKurs* kurs;
    int woche;
    TWoElem vorher;
    int stunden;   // gesetzte Stunden der Woche vorher
    bool richtig;  // die Woche erfüllte vorher TAutomat::WocheStimmt
  };
  std::vector<TBeruehrt> beruehrt;  // Wochen, die der Schritt änderte, wie sie vorher waren
  // Je Klasse und Woche, die der Schritt berührte: die Hohlstunden vorher.
  std::vector<std::tuple<const TKlasse*, int, int>> hohlVorher;
  long hohl = 0;             // Hohlstunden aller Klassen der Rechnung in ihren Wochen
  long hohlGrenze = 0;       // nie mehr als nach der Automatik
  long zuwachs = 0;          // des Schritts
  bool hohlSperrte = false;  // eine Kette wäre gelungen, nur die Hohlstunden hielten sie auf
  long planStand = 0;        // zählt die angenommenen Schritte
  long lueckenStand = -1;    // planStand beim letzten Durchgang gegen Hohlstunden ohne Erfolg
  struct TStand {
    std::size_t marke = 0;  // Länge des Protokolls
    int gesetzt = 0;
    long hohl = 0;
  } bester;
  TWochenSpanne wochen;
  TFeld<TFeld<int, 1, 112>, 1, 4> ordnung{};  // Ordnungszahl -> Eintrag 7·(Stunde − 1) + Tag
  std::vector<std::vector<TKurs*>> gruppen;
  std::vector<int> proTag;
  std::vector<TFeld<std::uint32_t, 1, MaxTage>> verbindungen;  // je Tag: Stunde h in h+1
  std::unordered_map<const TKurs*, int> gruppeVon;
  std::vector<TKurs*> beweglich;
  std::vector<long> strafe;
  std::vector<TAenderung> protokoll;
  std::vector<std::pair<TKurs*, TSetzung*>> wartend;  // abgehoben, noch nicht wieder abgelegt
  std::set<const TSetzung*> neu;                      // in dieser Rechnung entstanden
  std::map<const TSetzung*, TAenderung> ursprung;     // Zelle vor der Rechnung, je bewegte Stunde
  std::vector<TEinheit> verboten;                     // in dieser Kette verdrängt
  std::vector<TEinheit> bewegt;                       // in dieser Kette gesetzt
  std::vector<std::pair<int, int>> reihe;             // Gruppe, Woche
  std::size_t naechste = 0;
  std::pair<int, int> start;  // die offene Einheit der Kette (Gruppe, Woche)
  int startStunden = 0;       // ihre Stunden vor der Kette
  long schritt = 0;
  int gesetzt = 0;
};

TNachbesserung::TNachbesserung(const std::vector<TKurs*>& kurse, TAutomatAnzeige& anzeige,
                               const bool& abbruch)
    : fDaten(std::make_unique<TDaten>(kurse, anzeige, abbruch)) {}

TNachbesserung::~TNachbesserung() = default;

namespace {
constexpr int kStoerungen = 100;
constexpr int kPlatzTausche =
    5000;  // zufällige Tausche, wenn die Hohlstunden eine Kette aufhielten
}  // namespace

TNachbessernErgebnis TNachbesserung::Rechne(const TNachbessernGrenze& grenze) {
  TDaten& d = *fDaten;
  TNachbessernErgebnis ergebnis;
  int offen = 0;
  for (const TKurs* k : d.beweglich)
    for (int w = d.wochen.von; w <= d.wochen.bis; ++w) {
      d.gesetzt += k->VerplanteStunden(w);
      offen += std::max(0, k->RestStunden(w));
    }
  ergebnis.vorher = d.gesetzt;
  ergebnis.nachher = d.gesetzt;
  // Ist nichts offen, bleibt alles, wie es ist.
  if (offen == 0) return ergebnis;
  // Die Hohlstunden der Klassen der Rechnung: keine Kette darf sie über den Stand nach der
  // Automatik heben.
  {
    std::vector<const TKlasse*> klassen;
    for (const TKurs* k : d.beweglich)
      for (const TKlasse* kl : k->fKlassen)
        if (std::find(klassen.begin(), klassen.end(), kl) == klassen.end()) klassen.push_back(kl);
    for (const TKlasse* kl : klassen)
      for (int w = d.wochen.von; w <= d.wochen.bis; ++w) d.hohl += TDaten::KlassenHohl(kl, w);
    d.hohlGrenze = d.hohl;
    d.bester = {0, d.gesetzt, d.hohl};
    ergebnis.hohlVorher = d.hohl;
  }
  const TDateTime anfang = Jetzt();
  const auto sekunden = [&] { return (Jetzt() - anfang) * 86400.0; };
  // Ein Siebtel der Zeit bleibt für die Hohlstunden.
  const double frist = grenze.sekunden * 0.85;
  const auto melden = [&] {
    d.anzeige.Nachbessern(std::max(0, offen - (d.gesetzt - ergebnis.vorher)), sekunden());
  };
  melden();
  // Hielten nur die Hohlstunden eine Kette auf, schafft ein Durchgang gegen Hohlstunden Platz
  // (wenn sich der Plan seit dem letzten vergeblichen Durchgang änderte).
  long gefragt = 0;
  const auto platzSchaffen = [&] {
    if (!d.hohlSperrte || d.planStand == d.lueckenStand) return;
    d.hohlSperrte = false;
    const auto weiter = [&] {
      if (++gefragt % 512 == 0) melden();
      return !d.abbruch && !(grenze.sekunden > 0 && sekunden() >= frist);
    };
    // Zufällige Tausche zweier Zellen aus der Saat, die die Hohlstunden nicht heben; sanken sie
    // nicht, erst wieder, wenn sich der Plan durch eine Kette änderte.
    const long vorher = d.hohl;
    for (int i = 0; i < kPlatzTausche && weiter(); ++i) d.ZufallsTausch(0);
    if (d.hohl == vorher) d.lueckenStand = d.planStand;
  };
  bool offenDa = d.ReiheAufbauen();
  // Erst breite Ketten aus einer Verdrängung, dann tiefe und schmale.
  for (const bool breit : {true, false}) {
    d.breit = breit;
    long ohneErfolg = 0;
    while (offenDa && !d.abbruch) {
      if (grenze.schritte >= 0 && d.schritt >= grenze.schritte) break;
      // Breit: eine Runde ohne Erfolg; sonst auch mehr, die Strafen ändern die Ketten.
      const long runde = static_cast<long>(d.reihe.size());
      if (ohneErfolg >= (breit ? runde : std::max(grenze.ohneFortschritt, runde))) break;
      if (d.Schritt()) {
        ohneErfolg = 0;
        offenDa = d.ReiheAufbauen();
      } else {
        ++ohneErfolg;
        platzSchaffen();
      }
      if (d.schritt % 8 == 0) melden();
      if (grenze.sekunden > 0 && sekunden() >= frist) {
        ergebnis.zeitUm = offenDa;
        break;
      }
    }
    if (ergebnis.zeitUm) break;
  }
  d.breit = false;
  // Bleiben Stunden offen und ist Zeit oder Arbeit übrig, gehen die Ketten gemischte Wege: die
  // offene Einheit und die Folge gleich teurer Zellen aus der Saat. Ohne jede Grenze (weder Zeit
  // noch Schritte) entfällt die Runde; sonst endet sie an der Grenze oder nach langer Zeit ohne
  // Erfolg.
  if (offenDa && !d.abbruch && !ergebnis.zeitUm && (grenze.sekunden > 0 || grenze.schritte >= 0)) {
    d.gemischt = true;
    d.zustand = 0x6E61636862657373ull ^ grenze.saat;
    long ohneErfolg = 0;
    const long geduld = 20 * std::max(grenze.ohneFortschritt, static_cast<long>(d.reihe.size()));
    // Die ganze Zeit (oder Arbeit) wird genutzt: nach langer Zeit ohne Erfolg stören einige
    // zufällige Züge aus der Saat den Plan, die Strafen beginnen neu, und die Ketten suchen weiter
    // (höchstens so oft, falls die Uhr steht).
    int stoerungen = 0;
    while (offenDa && !d.abbruch) {
      if (ohneErfolg >= geduld) {
        if (++stoerungen > kStoerungen) break;
        ohneErfolg = 0;
        std::fill(d.strafe.begin(), d.strafe.end(), 0);
        for (int i = 0; i < 4 * static_cast<int>(d.reihe.size()) + 8; ++i) d.Stoeren();
      }
      if (grenze.schritte >= 0 && d.schritt >= grenze.schritte) break;
      if (grenze.sekunden > 0 && sekunden() >= frist) {
        ergebnis.zeitUm = true;
        break;
      }
      if (d.Schritt()) {
        ohneErfolg = 0;
        offenDa = d.ReiheAufbauen();
      } else {
        ++ohneErfolg;
        platzSchaffen();
      }
      if (d.schritt % 8 == 0) melden();
    }
    d.gemischt = false;
  }
  // Zum Schluss die Hohlstunden der Klassen: Tausch zweier Zellen, Stunden in freie Zellen und
  // Ketten, wo es sie senkt.
  if (!d.abbruch) {
    const auto weiter = [&] {
      if (++gefragt % 512 == 0) melden();  // auch hier darf "Abbrechen" kommen
      if (d.abbruch) return false;
      if (grenze.sekunden > 0 && sekunden() >= grenze.sekunden) {
        ergebnis.zeitUm = true;
        return false;
      }
      return true;
    };
    for (int durchgang = 0; durchgang < 8; ++durchgang) {
      const bool getauscht = d.TauschDurchgang(weiter);
      const bool verschoben = d.LueckenDurchgang(weiter, std::numeric_limits<long>::max());
      melden();
      if (!getauscht && !verschoben) break;
    }
  }
  d.ZumBestenStand();
  d.Buchen();
  ergebnis.abgebrochen = d.abbruch;
  ergebnis.schritte = d.schritt;
  ergebnis.nachher = d.gesetzt;
  ergebnis.hohlNachher = d.hohl;
  // Woran die übrigen offenen Stunden hängen.
  for (std::size_t g = 0; g < d.gruppen.size(); ++g)
    for (int w = d.wochen.von; w <= d.wochen.bis; ++w) {
      const std::vector<TKurs*> kurse = d.Offene(static_cast<int>(g), w);
      if (kurse.empty()) continue;
      for (int t = 1; t <= d.tage; ++t)
        for (int h = 1; h <= d.stunden; ++h) {
          const TBewertung b = d.Bewerte(static_cast<int>(g), kurse, {w, t, h});
          if (!b.moeglich) ++ergebnis.hindernisse[static_cast<std::size_t>(b.hindernis)];
        }
    }
  melden();
  return ergebnis;
}
