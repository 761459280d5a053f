#include "planning/KonfliktUnit.h"

#include <algorithm>
#include <functional>

#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

void TKonflikt::IKonflikt(TKonfliktArt a, std::int32_t s, std::int32_t w, TPlanElement* e,
                          TKurs* k) {
  fArt = a;
  fSchwere = s;
  fWoche = w;
  fElement = e;
  fKurs = k;
}

std::string TKonflikt::Zeile() const {
  if (fArt == koRa) return {};
  const std::string woche = "{" + std::to_string(fWoche);
  const std::string element = fElement ? fElement->fKuerzel.str() : std::string();
  const std::string kurs = fKurs ? fKurs->OhneRaumZeile() : std::string();
  switch (fArt) {
    case kuSp:
      return woche + "} Kurs " + kurs + " gesperrt.";
    case leSp:
      return woche + "} Lehrer " + element + " gesperrt. ";
    case klSp:
      return woche + "} Klasse " + element + " gesperrt. ";
    case raSp:
      return woche + "} Raum " + element + " gesperrt. ";
    case leFx:
      return woche + "} Lehrer " + element + " fixiert durch " + kurs + ".";
    case klFx:
      return woche + "} Klasse " + element + " fixiert durch " + kurs + ".";
    case raFx:
      return woche + "} Raum " + element + " fixiert durch " + kurs + ".";
    case leBe:
      return woche + "} Lehrer " + element + " besetzt durch " + kurs + ".";
    case klBe:
      return woche + "} Klasse " + element + " besetzt durch " + kurs + ".";
    case raBe:
      return woche + "} Raum " + element + " besetzt durch " + kurs + ".";
    case koRa:
      break;
  }
  return {};
}

int KonfliktEintragen(TKonfliktListe& liste, TKonfliktArt a, std::int32_t s, std::int32_t w,
                      TPlanElement* e, TKurs* k) {
  const int getroffen = a == koRa ? 0 : s;
  if (a >= leFx && a <= raBe)
    for (const TKonflikt* vorhanden : liste)
      if (vorhanden->fKurs == k && vorhanden->fWoche == w) return getroffen;
  auto neu = std::make_unique<TKonflikt>();
  neu->IKonflikt(a, s, w, e, k);
  liste.ListeEinfuegen(std::move(neu), [](const TKonflikt* x, const TKonflikt* y) {
    return static_cast<int>(x->fArt) - static_cast<int>(y->fArt);
  });
  return getroffen;
}

std::vector<TKurs*> GekoppeltInZelle(const TKopplung* kopplung, int woche, int tag, int std) {
  std::vector<TKurs*> kurse;
  if (!kopplung) return kurse;
  for (TKurs* k : kopplung->fKurse)
    if (k->fBesetzung.GetWocheTagStd(woche, tag, std)) kurse.push_back(k);
  return kurse;
}

TKoppelAntwort FrageKoppelLoeschen(const std::vector<TKurs*>& kurse, int woche, int tag, int std) {
  std::vector<std::string> zeilen;
  for (const TKurs* k : kurse)
    zeilen.push_back(U8(ZellenText(woche, tag, std) + " " + k->KurzZeile(woche, tag, std)));
  const int antwort =
      Dialog().Frage("gekoppelten Kurs löschen", std::move(zeilen), TMeldungsArt::Frage,
                     {"Dieser Kurs", "Kopplung", "Abbrechen"}, 0, 2);
  if (antwort == 0) return TKoppelAntwort::DieserKurs;
  if (antwort == 1) return TKoppelAntwort::Kopplung;
  return TKoppelAntwort::Abbrechen;
}

void StundeLoeschen(TKurs* kurs, int tag, int std, bool nurRaum) {
  if (!kurs) return;
  if (nurRaum) {
    kurs->LoescheRaumInSetzung(-1, tag, std);
    return;
  }
  if (!kurs->fKopplung) {
    kurs->LoescheSetzung(-1, tag, std, false);
    return;
  }
  const int woche = Standard().fAktuelleWoche;
  std::vector<TKurs*> kurse = GekoppeltInZelle(kurs->fKopplung, woche, tag, std);
  if (kurse.empty()) kurse.push_back(kurs);
  switch (FrageKoppelLoeschen(kurse, woche, tag, std)) {
    case TKoppelAntwort::DieserKurs:
      kurs->LoescheSetzung(-1, tag, std, false);
      break;
    case TKoppelAntwort::Kopplung:
      kurs->LoescheSetzung(-1, tag, std, true);
      break;
    case TKoppelAntwort::Abbrechen:
      break;
  }
}

// --- Listen füllen ---------------------------------------------------------------------------

namespace {
inline bool Bit(const TWochBereich& b, int w, int tag, std::uint32_t bit) {
  const TWoElem* e = b.GetWoche(w);
  return e && (e->fTage[static_cast<std::size_t>(tag - 1)] & bit);
}

// Die Regeln für eine Zielzelle in jeder Woche der Arbeitswoche(n), in ihrer Reihenfolge.
// Die Klassenregel übergeht Stunden von myKurs und der Kurse von myKopplung. Geprüft wird der
// Raum raum, oder, wenn raumJeWoche gegeben ist, in jeder Woche der Raum, den es für sie nennt.
int Fuellen(TKurs& kurs, int tag, int std, TKonfliktListe& liste, const TRaum* raum,
            const TKopplung* myKopplung, const TKurs* myKurs,
            const std::function<const TRaum*(int)>& raumJeWoche = {}) {
  if (tag < 1 || tag > MaxTage || std < 1 || std > MaxStunden) return 0;
  const std::uint32_t bit = 1u << (std - 1);
  const TWochenSpanne spanne = WochenArgument(-1);
  int schwere = 0;
  auto eintragen = [&](TKonfliktArt a, int s, int w, TPlanElement* e, TKurs* k) {
    schwere = std::max(schwere, KonfliktEintragen(liste, a, s, w, e, k));
  };
  // Fixiert oder nur besetzt: die Stunde des Kurses k in der Zelle.
  auto fixiert = [&](const TKurs* k, int w) {
    const TSetzung* s = k->SetzungFinden(w, tag, std);
    return s && s->fFixiert;
  };
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    if (Bit(kurs.fSperrung, w, tag, bit)) eintragen(kuSp, 3, w, nullptr, &kurs);
    if (TLehrer* l = kurs.fLehrer) {
      if (Bit(l->fSperrung, w, tag, bit)) eintragen(leSp, 3, w, l, nullptr);
      // Keine Ausnahme für die Kopplung: ein Lehrer gibt nur eine Stunde zugleich.
      if (Bit(l->fBesetzung, w, tag, bit))
        for (TKurs* k : l->fKurse)
          if (Bit(k->fBesetzung, w, tag, bit)) {
            if (fixiert(k, w))
              eintragen(leFx, 3, w, l, k);
            else
              eintragen(leBe, 1, w, l, k);
          }
    }
    for (TKlasse* kl : kurs.fKlassen) {
      if (Bit(kl->fSperrung, w, tag, bit)) eintragen(klSp, 3, w, kl, nullptr);
      if (!Bit(kl->fBesetzung, w, tag, bit)) continue;
      for (TKurs* k : kl->fKurse) {
        if (k == myKurs || (myKopplung && k->fKopplung == myKopplung)) continue;
        if (!Bit(k->fBesetzung, w, tag, bit)) continue;
        if (fixiert(k, w))
          eintragen(klFx, 3, w, kl, k);
        else
          eintragen(klBe, 1, w, kl, k);
      }
    }
    if (raumJeWoche) raum = raumJeWoche(w);
    if (raum) {
      TRaum* r = const_cast<TRaum*>(raum);
      if (Bit(r->fSperrung, w, tag, bit)) eintragen(raSp, 2, w, r, nullptr);
      if (Bit(r->fBesetzung, w, tag, bit))
        for (TKurs* k : r->fKurse) {
          if (!Bit(k->fBesetzung, w, tag, bit)) continue;
          const TSetzung* s = k->SetzungFinden(w, tag, std);
          if (!s || s->fRaum != r) continue;
          if (s->fFixiert)
            eintragen(raFx, 2, w, r, k);
          else
            eintragen(raBe, 1, w, r, k);
        }
    }
  }
  return schwere;
}
}  // namespace

int TKurs::FuelleKonfliktListe(int neuTag, int neuStd, int altTag, int altStd,
                               TKonfliktListe& konfliktListe, const TKopplung* myKopplung,
                               const TKurs* myKurs) {
  // Die Stunde nimmt beim Verschieben in jeder Woche ihren Raum dieser Woche mit (Schiebe): in
  // jeder Woche wird dieser Raum geprüft, nicht nur der Raum der aktuellen Woche.
  return Fuellen(*this, neuTag, neuStd, konfliktListe, nullptr, myKopplung, myKurs,
                 [this, altTag, altStd](int w) { return RaumFinden(w, altTag, altStd); });
}

int TKurs::FuelleKonfliktListeMitRaum(int neuTag, int neuStd, int /*altTag*/, int /*altStd*/,
                                      TKonfliktListe& konfliktListe, const TKopplung* myKopplung,
                                      const TKurs* myKurs, const TRaum* neuRaum) {
  return Fuellen(*this, neuTag, neuStd, konfliktListe, neuRaum, myKopplung, myKurs);
}

int TKurs::ManKonfliktListe(int tag, int std, TKonfliktListe& konfliktListe, const TRaum* raum) {
  return Fuellen(*this, tag, std, konfliktListe, raum, fKopplung, this);
}

void TKurs::ManKoRaumKonflikt(int tag, int std, TKonfliktListe& konfliktListe) {
  if (fRaeume.empty()) return;
  const TWochenSpanne spanne = WochenArgument(-1);
  for (int w = spanne.von; w <= spanne.bis; ++w)
    if (!FreierRaum(w, tag, std)) KonfliktEintragen(konfliktListe, koRa, 1, w, nullptr, this);
}
