#include "settings/VersKopieUnit.h"

#include <algorithm>
#include <string>

#include "model/SchulUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"

namespace {
enum class THindernis { keins, verboten, verdraengbar };

class TKopie {
 public:
  explicit TKopie(const TVersKopieAuftrag& a) : fA(a) {}

  bool Ausfuehren() {
    TSchule& schule = Schule();
    std::vector<TKurs*> alleKurse;
    if (fA.AlleKurse) {
      for (TKuerzelArt art : {TKuerzelArt::leh, TKuerzelArt::kla, TKuerzelArt::rau})
        for (TElement* e : schule.Elemente(art)) ElementKopieren(e);
      for (TKurs* k : schule.fKursMenge) alleKurse.push_back(k);
      return KurseKopieren(alleKurse);
    }
    for (TElement* e : fA.Elemente) {
      ElementKopieren(e);
      std::vector<TKurs*> kurse;
      for (TKurs* k : e->fKurse) kurse.push_back(k);
      if (!KurseKopieren(kurse)) return false;
    }
    return true;
  }

 private:
  // Schritte 1 und 2: Soll und Sperrung des Elements.
  void ElementKopieren(TElement* e) {
    if (auto* soll = dynamic_cast<TSollElement*>(e))
      soll->fSoll.SetWochenStunde(fA.Zu, soll->fSoll.GetWochenStunde(fA.Von));
    if (!fA.AuchPlaene) return;
    if (auto* p = dynamic_cast<TPlanElement*>(e)) {
      for (int t = 1; t <= 7; ++t)
        p->fSperrung.SetWocheTag(fA.Zu, t, p->fSperrung.GetWocheTag(fA.Von, t));
      p->fBesetzung.ReinigeSperrung(p->fSperrung);
    }
    Schule().SetDirty(true);
  }

  bool KurseKopieren(const std::vector<TKurs*>& kurse) {
    if (fA.AuchPlaene)
      for (TKurs* k : kurse) {
        if (!fWeiter) break;
        Pruefen(k);
      }
    if (!fWeiter) return false;
    for (TKurs* k : kurse) KursKopieren(k);
    return true;
  }

  // Das Hindernis, das eine Setzung an der Zelle bildet.
  static THindernis Art(const TSetzung* s) {
    if (!s) return THindernis::keins;
    return s->fFixiert ? THindernis::verboten : THindernis::verdraengbar;
  }

  THindernis ZelleDesElements(const TPlanElement* e, int t, int h) const {
    if (!e) return THindernis::keins;
    if (e->fSperrung.GetWocheTagStd(fA.Zu, t, h)) return THindernis::verboten;
    if (!e->fBesetzung.GetWocheTagStd(fA.Zu, t, h)) return THindernis::keins;
    return Art(e->FindeSetzung(fA.Zu, t, h));
  }

  // Schritt 3: die Prüfung eines Kurses.
  void Pruefen(TKurs* k) {
    const int maxTage = Standard().fMaxTageNeu;
    for (TSetzung* s : k->fSetzungen.Kopie()) {
      if (s->fWoche != fA.Von || s->fTag > maxTage) continue;
      const int t = s->fTag, h = s->fStunde;
      std::vector<THindernis> hindernisse;
      if (k->fSperrung.GetWocheTagStd(fA.Zu, t, h))
        hindernisse.push_back(THindernis::verboten);
      else if (k->fBesetzung.GetWocheTagStd(fA.Zu, t, h))
        hindernisse.push_back(Art(k->SetzungFinden(fA.Zu, t, h)));
      hindernisse.push_back(ZelleDesElements(k->fLehrer, t, h));
      hindernisse.push_back(ZelleDesElements(s->fRaum, t, h));
      for (TKlasse* kl : k->fKlassen) {
        if (kl->fSperrung.GetWocheTagStd(fA.Zu, t, h)) {
          hindernisse.push_back(THindernis::verboten);
          continue;
        }
        for (TKurs* andere : kl->fKurse) {
          if (andere->fKopplung && andere->fKopplung != k->fKopplung) continue;
          hindernisse.push_back(Art(andere->SetzungFinden(fA.Zu, t, h)));
        }
      }
      for (THindernis x : hindernisse) {
        if (x == THindernis::verboten) {
          Dialog().Meldung("Kollision",
                           {"Stunden, die in der neuen Version verplant werden",
                            "sollen, kollidieren mit dort schon verplanten und",
                            "fixierten Stunden bzw. Sperrungen.",
                            "Sperrungen und Fixierungen können nicht", "verdrängt werden."},
                           TMeldungsArt::Fehler);
          fWeiter = false;
          return;
        }
        if (x == THindernis::verdraengbar && !fGefragt) {
          const int antwort =
              Dialog().Frage("Kollision",
                             {"Stunden, die in der neuen Version verplant werden",
                              "sollen, kollidieren mit dort schon verplanten Stunden.",
                              "Sollen diese schon verplanten Stunden aus den ",
                              "Plänen der neuen Version verdrängt werden?"},
                             TMeldungsArt::Frage, {"Ja", "Nein", "Abbrechen"}, 1, 2);
          if (antwort != 0 && antwort != 1) {
            fWeiter = false;
            return;
          }
          fVerdraengen = antwort == 0;
          fGefragt = true;
        }
      }
    }
  }

  // Räumt eine Setzung aus dem Weg; falsch, wenn sie bleiben muss. Eine fixierte Stunde wird nie
  // verdrängt.
  bool Raeumen(TKurs* kurs, TSetzung* s) {
    if (!kurs || !s) return true;
    if (!fVerdraengen || s->fFixiert) return false;
    kurs->SetzungEntfernen(s);
    return true;
  }

  bool ZelleRaeumen(TKurs* k, int t, int h, TRaum* raum) {
    if (!Raeumen(k, k->SetzungFinden(fA.Zu, t, h))) return false;
    if (k->fLehrer) {
      auto [kurs, s] = k->fLehrer->FindeKursSetzung(fA.Zu, t, h);
      if (!Raeumen(kurs, s)) return false;
    }
    if (raum) {
      auto [kurs, s] = raum->FindeKursSetzung(fA.Zu, t, h);
      if (!Raeumen(kurs, s)) return false;
    }
    for (TKlasse* kl : k->fKlassen)
      for (TKurs* andere : kl->fKurse.Kopie()) {
        if (andere == k || (andere->fKopplung && andere->fKopplung == k->fKopplung)) continue;
        if (!Raeumen(andere, andere->SetzungFinden(fA.Zu, t, h))) return false;
      }
    return true;
  }

  // Schritt 4: Stunden, Setzungen und Sperrung eines Kurses.
  void KursKopieren(TKurs* k) {
    k->fStunden.SetWochenStunde(fA.Zu, k->fStunden.GetWochenStunde(fA.Von));
    k->ElementeEintragen();  // die Stunden gehören zum Sortierschlüssel
    for (TSetzung* s : k->fSetzungen.Kopie())
      if (s->fWoche == fA.Zu) k->SetzungEntfernen(s);
    if (fA.AuchPlaene) {
      const int maxTage = Standard().fMaxTageNeu;
      struct TStelle {
        int t, h;
        TRaum* raum;
      };
      std::vector<TStelle> stellen;
      for (const TSetzung* s : k->fSetzungen)
        if (s->fWoche == fA.Von && s->fTag <= maxTage)
          stellen.push_back({s->fTag, s->fStunde, s->fRaum});
      for (const TStelle& st : stellen)
        if (ZelleRaeumen(k, st.t, st.h, st.raum)) k->NeueSetzung(fA.Zu, st.t, st.h, st.raum);
      for (int t = 1; t <= 7; ++t)
        k->fSperrung.SetWocheTag(fA.Zu, t, k->fSperrung.GetWocheTag(fA.Von, t));
      k->fBesetzung.ReinigeSperrung(k->fSperrung);
    }
    Schule().SetDirty(true);
    k->FensterRefresh();
  }

  const TVersKopieAuftrag& fA;
  bool fWeiter = true;
  bool fGefragt = false;
  bool fVerdraengen = true;
};
}  // namespace

bool VersKopierenWaehlbar(int von, int zu) {
  return von != zu;
}

bool VersionKopieren(const TVersKopieAuftrag& auftrag) {
  const int n = Standard().fMaxWocheNeu;
  if (!VersKopierenWaehlbar(auftrag.Von, auftrag.Zu) || auftrag.Von < 1 || auftrag.Von > n ||
      auftrag.Zu < 1 || auftrag.Zu > n)
    return false;
  Dialog().MeldungsFensterZeigen("Die Planversion wird kopiert.");
  bool ok = false;
  {
    TBeschaeftigt sanduhr;
    ok = TKopie(auftrag).Ausfuehren();
    Schule().AlleFensterUpdate();
  }
  Dialog().MeldungsFensterSchliessen();
  return ok;
}
