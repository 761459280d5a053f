// Die Umgebung des Dauerlaufs und die Operationen, jede über die Logik der Menüs und Fenster.
#include "AblaufSchule.h"

#include <algorithm>

#include "SchulPruefung.h"
#include "app/BeispielSchuleUnit.h"
#include "app/BeispielSchwerUnit.h"
#include "model/FensterArtUnit.h"
#include "model/SchulUnit.h"
#include "output/ExportUnit.h"
#include "persistence/BufferUnit.h"
#include "persistence/ImportUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "planning/AutomatUnit.h"
#include "planning/KompressUnit.h"
#include "planning/ManuellUnit.h"
#include "planning/PlLoeschUnit.h"
#include "planning/TauschFrageUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"
#include "settings/VoreinstellungUnit.h"
#include "substitution/FehlDialogUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/KalenderDialogUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VWahlUnit.h"
#include "substitution/VertrUnit.h"
#include "ui/ElementMenueUnit.h"
#include "ui/KuerzelUnit.h"
#include "ui/KursFeldUnit.h"

namespace {

constexpr TDateTime kHeute = 46365.5;

class TStilleAnzeige : public TAutomatAnzeige {
 public:
  void Zaehler(int, int) override {}
  void Fortschritt(int, int) override {}
  void Zustand(TAutomatZustand) override {}
  void NachKurs() override {}
  void Piep() override {}
};

template <class T>
std::vector<T*> Alle(const TListe<T, true>& menge) {
  return menge.Kopie();
}

template <class T>
std::vector<T*> Alle(const TListe<T, false>& menge) {
  return menge.Kopie();
}

// Ein zufälliger Kurs der Schule, oder nichts.
TKurs* EinKurs(TZufall& z) {
  return z.Wahl(Alle(Schule().fKursMenge));
}

TPlanElement* EinPlanElement(TZufall& z, TKuerzelArt art) {
  std::vector<TPlanElement*> v;
  for (TElement* e : Schule().Elemente(art)) v.push_back(static_cast<TPlanElement*>(e));
  return z.Wahl(v);
}

// Eine Setzung des Kurses (in der aktuellen Woche, wenn es dort eine gibt).
TSetzung* EineSetzung(TZufall& z, const TKurs* k) {
  if (!k) return nullptr;
  std::vector<TSetzung*> v, inWoche;
  for (TSetzung* s : k->fSetzungen) {
    v.push_back(s);
    if (s->fWoche == Standard().fAktuelleWoche) inWoche.push_back(s);
  }
  return inWoche.empty() ? z.Wahl(v) : z.Wahl(inWoche);
}

int EinTag(TZufall& z) {
  return z.Zwischen(1, std::max(1, Standard().fMaxTageNeu));
}

int EineStunde(TZufall& z) {
  return z.Zwischen(1, std::max(1, Standard().fPlnStd));
}

// Ein Tag um heute herum, mittags (so verfällt beim Öffnen nichts).
TDateTime EinDatum(TZufall& z) {
  return kHeute + z.Zwischen(-6, 45);
}

TVertretung* EineVertretung(TZufall& z) {
  return z.Wahl(Alle(Schule().fVertretungsMenge));
}

// Jeden Eintrag einmal, in der Folge des ersten Auftretens (nie nach Adressen: der Lauf muss
// sich wiederholen lassen).
template <class T>
void OhneDoppelte(std::vector<T*>& v) {
  std::vector<T*> einmal;
  for (T* e : v)
    if (std::find(einmal.begin(), einmal.end(), e) == einmal.end()) einmal.push_back(e);
  v = std::move(einmal);
}

TKuerzelArt EineFehlArt(TZufall& z) {
  static const TKuerzelArt arten[] = {leh, leh, kla, rau};
  return arten[z.Bis(4)];
}

}  // namespace

int TAblaufDialog::Frage(const TFrage& frage) {
  if (!fZufall || frage.Knoepfe.empty()) return frage.StandardKnopf;
  return fZufall->Bis(static_cast<int>(frage.Knoepfe.size()));
}

int TAblaufFenster::FensterArt() const {
  return FensterArt::AlleKurse;
}

TAblaufSchule::TAblaufSchule(TSchulArt art)
    : fAlteDienste(
          DiensteEinsetzen(TDienste{&fDialog, &fSpeicher, &fAblage, &fMetrik, &fUhr, nullptr})),
      fStandard(std::make_unique<TStandard>()),
      fAlterStandard(StandardEinsetzen(fStandard.get())),
      fSchule(std::make_unique<TSchule>()),
      fAlteSchule(SchuleEinsetzen(fSchule.get())) {
  if (art == TSchulArt::Gymnasium)
    ErzeugeGymnasium(*fSchule);
  else if (art == TSchulArt::Grundschule)
    ErzeugeGrundschule(*fSchule);
  else
    ErzeugeBeispielSchule(*fSchule, art != TSchulArt::Klein, art == TSchulArt::Knapp);
  fSchule->FensterAnmelden(&fFenster);
  fSchule->SetAktivesFenster(&fFenster);
  fSchule->SetDirty(false);
}

TAblaufSchule::~TAblaufSchule() {
  fManuell.reset();
  if (fSchule) fSchule->FensterAbmelden(&fFenster);
  SchuleEinsetzen(nullptr);
  fSchule.reset();
  SchuleEinsetzen(fAlteSchule);
  StandardEinsetzen(fAlterStandard);
  fStandard.reset();
  DiensteEinsetzen(fAlteDienste);
}

TSchrittWirkung TAblaufSchule::Ausfuehren(const TSchritt& schritt) {
  TZufall z(schritt.Wert * 0x2545F4914F6CDD1Dull + static_cast<std::uint64_t>(schritt.Art));
  fDialog.fZufall = &z;
  struct TZurueck {
    TAblaufDialog& d;
    ~TZurueck() { d.fZufall = nullptr; }
  } zurueck{fDialog};
  switch (schritt.Art) {
    case TAblaufArt::ManuellOeffnen:
    case TAblaufArt::ManuellSetzen:
    case TAblaufArt::ManuellSchieben:
    case TAblaufArt::ManuellAblegen:
    case TAblaufArt::ManuellLoeschen:
    case TAblaufArt::ManuellFixieren:
    case TAblaufArt::ManuellWiderrufen:
    case TAblaufArt::ManuellBlaettern:
    case TAblaufArt::ManuellSchliessen:
      return Manuell(schritt.Art, z);
    case TAblaufArt::Automatik:
    case TAblaufArt::Komprimieren:
    case TAblaufArt::PlaeneLoeschen:
    case TAblaufArt::RaeumeAufraeumen:
    case TAblaufArt::StundenTauschen:
      return Planung(schritt.Art, z);
    case TAblaufArt::ElementNeu:
    case TAblaufArt::ElementAendern:
    case TAblaufArt::ElementLoeschen:
    case TAblaufArt::KursNeu:
    case TAblaufArt::KursLoeschen:
    case TAblaufArt::KursAendern:
    case TAblaufArt::KurseKopieren:
    case TAblaufArt::KurseImportieren:
    case TAblaufArt::Planversionen:
    case TAblaufArt::Kalender:
      return Stammdaten(schritt.Art, z);
    case TAblaufArt::Abwesenheit:
    case TAblaufArt::AbwesenheitLang:
    case TAblaufArt::AbwesenheitWeg:
    case TAblaufArt::Vertreter:
    case TAblaufArt::VertretungLoeschen:
    case TAblaufArt::AdHoc:
      return Vertretung(schritt.Art, z);
    case TAblaufArt::SichernOeffnen:
      return SichernOeffnen();
    case TAblaufArt::Anzahl:
      break;
  }
  return {};
}

// ---- manuelle Planung ----

void TAblaufSchule::ManuellOeffnen(TZufall& z) {
  std::vector<TKurs*> kurse;
  TSchule& s = Schule();
  switch (z.Bis(3)) {
    case 0:
      if (TElement* e = EinPlanElement(z, kla)) kurse = e->fKurse.Kopie();
      break;
    case 1:
      if (TElement* e = EinPlanElement(z, leh)) kurse = e->fKurse.Kopie();
      break;
    default:
      for (int i = z.Zwischen(1, 6); i > 0; --i)
        if (TKurs* k = EinKurs(z)) kurse.push_back(k);
  }
  std::erase_if(kurse, [](const TKurs* k) { return k->fNichtVerplanen; });
  OhneDoppelte(kurse);
  (void)s;
  fManuell.reset();
  if (kurse.empty()) return;
  fManuell = std::make_unique<TManuellPlanung>(kurse, z.Ja(20));
  fManuell->KopplungWaehlen(z.Ja(80));
}

TSchrittWirkung TAblaufSchule::Manuell(TAblaufArt art, TZufall& z) {
  // Die manuelle Planung darf eine Kopplung auseinanderreißen: mit "ohne" Kopplung planen, oder
  // beim Löschen "nur diesen Kurs" wählen.
  TSchrittWirkung w{true, Verstoss::Kopplung};
  if (art == TAblaufArt::ManuellOeffnen ||
      (!fManuell && art != TAblaufArt::ManuellSchliessen && art != TAblaufArt::ManuellWiderrufen)) {
    ManuellOeffnen(z);
    if (art == TAblaufArt::ManuellOeffnen) return w;
  }
  if (art == TAblaufArt::ManuellSchliessen) {
    fManuell.reset();
    return w;
  }
  if (art == TAblaufArt::ManuellWiderrufen) {
    // "Widerrufen" oder "Löschen" des Hauptfensters.
    if (z.Ja(80))
      Widerrufen();
    else
      ProtokollLoeschen();
    return w;
  }
  if (!fManuell || !fManuell->fKurs) return {};
  TManuellPlanung& m = *fManuell;
  switch (art) {
    case TAblaufArt::ManuellSetzen:
    case TAblaufArt::ManuellSchieben: {
      const int std = EineStunde(z), tag = EinTag(z);
      if (art == TAblaufArt::ManuellSetzen)
        m.Setzen(tag, std);
      else
        m.SchiebSetzen(tag, std);
      break;
    }
    case TAblaufArt::ManuellAblegen: {
      TSetzung* s = EineSetzung(z, m.fKurs);
      if (!s) return {};
      const int std = EineStunde(z), tag = EinTag(z);
      m.Ablegen(tag, std, s->fTag, s->fStunde);
      break;
    }
    case TAblaufArt::ManuellLoeschen:
    case TAblaufArt::ManuellFixieren: {
      TKurs* k = z.Ja(70) ? m.fKurs : z.Wahl(m.fKurse.Kopie());
      TSetzung* s = EineSetzung(z, k);
      if (!s) return {};
      if (art == TAblaufArt::ManuellLoeschen)
        m.Loeschen(k, s->fTag, s->fStunde, z.Ja(20));
      else
        m.Fixieren(k, s->fTag, s->fStunde);
      break;
    }
    case TAblaufArt::ManuellBlaettern:
      switch (z.Bis(6)) {
        case 0: {
          const bool nurOffene = z.Ja();
          m.Blaettern(z.Ja() ? 1 : -1, nurOffene);
          break;
        }
        case 1:
          m.RaumWaehlen(z.Ja(20) ? nullptr : z.Wahl(m.fKurs->fRaeume.Kopie()));
          break;
        case 2:
          m.KopplungWaehlen(z.Ja(70));
          break;
        case 3:
          m.NaechsterOffenerKurs();
          break;
        case 4:
          if (TKurs* k = EinKurs(z); k && !k->fNichtVerplanen) m.Zeigen(k);
          break;
        default:
          // Die Arbeitswoche der Palette: eine Planversion oder alle.
          Standard().fEineWoche = z.Ja(70);
          Standard().fAktuelleWoche = z.Zwischen(1, Standard().fMaxWocheNeu);
          m.PlanRefresh();
      }
      break;
    default:
      return {};
  }
  return w;
}

// ---- Planpflege ----

TSchrittWirkung TAblaufSchule::Planung(TAblaufArt art, TZufall& z) {
  TSchrittWirkung w{true, Verstoss::Keine};
  TSchule& s = Schule();
  TStandard& st = Standard();
  switch (art) {
    case TAblaufArt::Automatik: {
      std::vector<TKurs*> auswahl;
      if (z.Ja()) {
        if (TElement* e = EinPlanElement(z, z.Ja() ? kla : leh)) auswahl = e->fKurse.Kopie();
      } else {
        for (int i = z.Zwischen(1, 12); i > 0; --i)
          if (TKurs* k = EinKurs(z)) auswahl.push_back(k);
      }
      TStilleAnzeige anzeige;
      TAutomat automat(anzeige);
      automat.KurseSammeln(auswahl);
      automat.Rechne();
      if (z.Ja(40)) {
        TNachbessernGrenze grenze;
        grenze.sekunden = 0;
        grenze.schritte = z.Zwischen(1, 25);
        grenze.ohneFortschritt = 40;
        automat.Nachbessern(grenze);
      }
      break;
    }
    case TAblaufArt::Komprimieren: {
      TKomprimierer k;
      if (TElement* kl = EinPlanElement(z, kla)) k.NeueKlasse(static_cast<TKlasse*>(kl));
      if (!k.fKlasse) return {};
      k.NeueVersion(z.Zwischen(1, st.fMaxWocheNeu));
      // Sucht die Lückensuche lange (sie kann bei vielen beweglichen Stunden Sekunden brauchen),
      // drückt der Benutzer "nächste Klasse" oder "Abbrechen": nach einer festen Zahl geprüfter
      // Kandidaten, damit der Lauf wiederholbar bleibt.
      const bool abbrechen = z.Ja(30);
      int geduld = 20000;
      fDialog.fBeiEingaben = [&k, &geduld, abbrechen] {
        if (--geduld == 0) abbrechen ? k.Abbrechen() : k.NaechsteKlasse();
      };
      struct TOhneBenutzer {
        TAblaufDialog& d;
        ~TOhneBenutzer() { d.fBeiEingaben = nullptr; }
      } ohne{fDialog};
      k.KompressKlasse(k.fVersion);
      break;
    }
    case TAblaufArt::PlaeneLoeschen: {
      TWochBereich zellen(st.fMaxWocheNeu);
      const int t1 = EinTag(z), t2 = EinTag(z), h1 = EineStunde(z), h2 = EineStunde(z);  // in Folge
      for (int t = std::min(t1, t2); t <= std::max(t1, t2); ++t)
        for (int h = std::min(h1, h2); h <= std::max(h1, h2); ++h)
          zellen.SetWocheTagStd(st.fAktuelleWoche, t, h, true);
      const int radio = z.Bis(6);
      st.fPlLoeRadio = radio;
      st.fPlLoeMitKopp = z.Ja(70);
      st.fPlLoeFixNicht = z.Ja(70);
      TElement* von = nullptr;
      TElement* bis = nullptr;
      if (radio != 0) {
        const std::vector<TElement*> liste = s.Elemente(PlLoeschArt(radio));
        von = VonWahl(radio, z.Wahl(liste), nullptr);
        bis = BisWahl(radio, z.Wahl(liste), von);
        von = VonWahl(radio, von, bis);
      }
      // "Pläne löschen" nimmt nur die Stunden der besuchten Kurse, und mit "ohne fixierte Std."
      // bleiben fixierte: eine Kopplung darf es dann trennen, wenn die Auswahl nur einen Teil
      // ihrer Kurse besucht oder einer ihrer Kurse in einer markierten Zelle fixiert ist.
      if (st.fPlLoeMitKopp) {
        const std::vector<TKurs*> besucht = PlLoeschKurse(radio, von, bis);
        for (const TKurs* k : besucht) {
          if (!k->fKopplung) continue;
          for (const TKurs* partner : k->fKopplung->fKurse)
            if (std::find(besucht.begin(), besucht.end(), partner) == besucht.end())
              w.Erlaubt = Verstoss::Kopplung;
          if (st.fPlLoeFixNicht)
            for (const TSetzung* z : k->fSetzungen)
              if (z->fFixiert && zellen.GetWocheTagStd(st.fAktuelleWoche, z->fTag, z->fStunde))
                w.Erlaubt = Verstoss::Kopplung;
        }
      }
      PlaeneLoeschen(zellen, radio, von, bis);
      break;
    }
    case TAblaufArt::RaeumeAufraeumen:
      if (z.Ja())
        UnbelegteRaeumeLoeschen();
      else
        ErgaenzteRaeumeLoeschen();
      break;
    case TAblaufArt::StundenTauschen: {
      const int bisStd = EineStunde(z), bisTag = EinTag(z), vonStd = EineStunde(z),
                vonTag = EinTag(z);
      StundenTauschen(vonTag, vonStd, bisTag, bisStd);
      break;
    }
    default:
      return {};
  }
  if (fManuell) fManuell->PlanRefresh();
  return w;
}

// ---- Stammdaten, Kurse, Zwischenablage, Import, Planversionen, Kalender ----

TSchrittWirkung TAblaufSchule::Stammdaten(TAblaufArt art, TZufall& z) {
  // Geänderte Stammdaten dürfen Konflikte schaffen (ein Lehrer mehr im Kurs, eine Sperrung
  // kopiert ...); das Raster bleibt.
  TSchrittWirkung w{true, Verstoss::Doppelt | Verstoss::Gesperrt | Verstoss::Kopplung};
  TSchule& s = Schule();
  TStandard& st = Standard();
  static const char* silben[] = {"Ne", "u", "X", "7", "\xC4", "ab", "Q", "-"};
  auto kuerzel = [&] {
    std::string k;
    for (int i = z.Zwischen(1, 4); i > 0; --i) k += silben[z.Bis(8)];
    return k;
  };
  switch (art) {
    case TAblaufArt::ElementNeu:
      KuerzelNeu(z.Bis(KuerzelArten), kuerzel());
      ReihenSetzen();  // beim Schließen des Kürzeleditors (MenuAnlage)
      break;
    case TAblaufArt::ElementAendern: {
      const int a = z.Bis(KuerzelArten);
      const std::vector<TElement*> liste = KuerzelListe(a);
      switch (z.Bis(3)) {
        case 0:
          if (TElement* e = z.Wahl(liste)) KuerzelAendern(e, kuerzel());
          break;
        case 1:
          KuerzelSortieren(a);
          break;
        default: {
          const int n = static_cast<int>(liste.size());
          if (n > 1) {
            const int nach = z.Bis(n), von = z.Bis(n);
            KuerzelVerschieben(a, von, nach);
          }
        }
      }
      ReihenSetzen();
      break;
    }
    case TAblaufArt::ElementLoeschen: {
      const std::vector<TElement*> liste = KuerzelListe(z.Bis(KuerzelArten));
      TElement* e = z.Wahl(liste);
      if (!e) return {};
      KuerzelLoeschen(e);
      ReihenSetzen();
      break;
    }
    case TAblaufArt::KursNeu: {
      auto element = [&](TKuerzelArt a, int prozent) -> TElement* {
        return z.Ja(prozent) ? z.Wahl(s.Elemente(a)) : nullptr;
      };
      const int stunden = z.Zwischen(0, 5);
      auto* raum = static_cast<TRaum*>(element(rau, 70));
      auto* fach = static_cast<TFach*>(element(fac, 90));
      auto* kopplung = static_cast<TKopplung*>(element(kop, 20));
      auto* klasse = static_cast<TKlasse*>(element(kla, 90));
      auto* lehrer = static_cast<TLehrer*>(element(leh, 90));
      TKurs::IKurs(lehrer, klasse, kopplung, fach, raum, stunden);
      break;
    }
    case TAblaufArt::KursLoeschen: {
      TKurs* k = EinKurs(z);
      if (!k) return {};
      s.KursLoeschen(k);
      break;
    }
    case TAblaufArt::KursAendern: {
      TKurs* k = EinKurs(z);
      if (!k) return {};
      switch (z.Bis(12)) {
        case 0:
          KursFeld::StundenAendern(*k, z.Zwischen(0, 8), true);
          break;
        case 1:
          KursFeld::SpTAendern(*k, z.Zwischen(1, 3), true);
          break;
        case 2:
          KursFeld::EinzelAendern(*k, z.Zwischen(0, 5), true);
          break;
        case 3:
          KursFeld::TabelleAendern(*k, z.Zwischen(1, 4), true);
          break;
        case 4:
          KursFeld::FaktorAendern(*k, z.Zwischen(0, 3), true);
          break;
        case 5:
          KursFeld::NvpAendern(*k, z.Ja(), true);
          break;
        case 6: {
          const int a = z.Bis(5);
          KursFeld::ElementWaehlen(*k, a, z.Wahl(s.Elemente(static_cast<TKuerzelArt>(a))));
          break;
        }
        case 7:
          KursFeld::LehrerLoeschen(*k);
          break;
        case 8:
          KursFeld::KopplungLoeschen(*k);
          break;
        case 9:
          KursFeld::KlasseLoeschen(*k, z.Wahl(k->fKlassen.Kopie()));
          break;
        case 10:
          KursFeld::RaumLoeschen(*k, z.Wahl(k->fRaeume.Kopie()));
          break;
        default: {
          const int j = z.Zwischen(1, 3), i = z.Zwischen(1, 3);
          KursFeld::RaeumeTauschen(*k, i, j);
        }
      }
      break;
    }
    case TAblaufArt::KurseKopieren: {
      fFenster.fAuswahl.clear();
      for (int i = z.Zwischen(1, 4); i > 0; --i)
        if (TKurs* k = EinKurs(z)) fFenster.fAuswahl.push_back(k);
      s.SetAktivesFenster(&fFenster);
      const bool shift = z.Ja(30), ausschneiden = z.Ja(15);
      s.DoCopy(ausschneiden, shift);
      if (z.Ja(80)) s.DoPaste();
      break;
    }
    case TAblaufArt::KurseImportieren: {
      std::vector<TKurs*> kurse;
      for (int i = z.Zwischen(1, 4); i > 0; --i)
        if (TKurs* k = EinKurs(z)) kurse.push_back(k);
      TExport ex;
      ex.KursExport("kurse.txt");
      const std::vector<std::uint8_t>& alles = ex.Puffer().Daten();
      // Einige Zeilen des Kursexports (CR beendet eine Zeile).
      std::vector<std::vector<std::uint8_t>> zeilen(1);
      for (std::uint8_t b : alles) {
        zeilen.back().push_back(b);
        if (b == '\r') zeilen.emplace_back();
      }
      std::vector<std::uint8_t> daten;
      for (int i = z.Zwischen(1, 3); i > 0; --i) {
        const auto& zeile =
            zeilen[static_cast<std::size_t>(z.Bis(static_cast<int>(zeilen.size())))];
        daten.insert(daten.end(), zeile.begin(), zeile.end());
      }
      TImport(nullptr, z.Ja() ? TUnbekannte::Fragen : TUnbekannte::Anlegen)
          .ImportAusBytes(daten, "kurse.txt");
      ReihenSetzen();  // nach dem Import legt die Palette die Elementmenüs neu an
      break;
    }
    case TAblaufArt::Planversionen: {
      TEckWerte e = EckWerteAusStandard();
      e.MaxWoche = z.Zwischen(1, 4);
      EckdatenUebernehmen(e);
      w.Erlaubt = Verstoss::Keine;
      break;
    }
    case TAblaufArt::Kalender: {
      TKalenderModell m;
      m.IKalender();
      for (int i = z.Zwischen(0, 2); i > 0; --i) m.Blaettern(1);
      for (int i = z.Zwischen(1, 3); i > 0; --i) {
        if (z.Ja()) {
          const int version = z.Zwischen(1, st.fMaxWocheNeu), spalte = z.Zwischen(1, 6);
          m.PlanversionWaehlen(spalte, version);
        } else {
          const int zz = z.Zwischen(2, 8), zs = z.Zwischen(1, 6), sz = z.Zwischen(2, 8),
                    ss = z.Zwischen(1, 6);
          m.FerienZiehen(ss, sz, zs, zz);
        }
      }
      m.Ok();
      w.Erlaubt = Verstoss::Keine;
      break;
    }
    default:
      return {};
  }
  if (fManuell) {
    fManuell->VerweisePruefen();
    fManuell->PlanRefresh();
  }
  return w;
}

// ---- Abwesenheiten und Vertretungen ----

TSchrittWirkung TAblaufSchule::Vertretung(TAblaufArt art, TZufall& z) {
  TSchrittWirkung w{true, Verstoss::Keine};
  TSchule& s = Schule();
  switch (art) {
    case TAblaufArt::Abwesenheit:
    case TAblaufArt::AbwesenheitLang: {
      const TKuerzelArt a = EineFehlArt(z);
      TPlanElement* e = EinPlanElement(z, a);
      if (!e) return {};
      TFehlDialog d;
      d.IFehlForm(EinDatum(z), a, nullptr);
      const int von = EineStunde(z);
      d.VonWaehlen(von);
      d.BisWaehlen(z.Zwischen(von, std::min(16, von + 4)));
      if (!d.ElementHinzufuegen(e)) d.fAuswahl = d.ZeileVon(e);
      const int zeile = d.ZeileVon(e);
      if (z.Ja(30)) {
        const bool strg = z.Ja(10), shift = z.Ja(10);
        const int x = z.Bis(150);
        d.StreifenKlick(zeile, x, shift, strg);
      }
      if (art == TAblaufArt::AbwesenheitLang)
        d.LaengereFehlzeit(zeile, d.fDatum + z.Zwischen(1, 12));
      d.Ok();
      break;
    }
    case TAblaufArt::AbwesenheitWeg: {
      const TKuerzelArt a = EineFehlArt(z);
      TEigenListe<TFehl>* menge = s.FehlMenge(a);
      TFehl* f = menge ? z.Wahl(menge->Kopie()) : nullptr;
      if (!f) return {};
      TFehlDialog d;
      d.IFehlForm(f->fDatum, a, f);
      const int zeile = d.ZeileVon(f->fElement);
      if (z.Ja(70))
        d.StreifenKlick(zeile, 0, true, false);  // Shift: keine Stunde
      else
        d.StreifenKlick(zeile, z.Bis(150), false, false);
      d.Ok();
      break;
    }
    case TAblaufArt::Vertreter: {
      TVertretung* v = EineVertretung(z);
      if (!v) return {};
      TVWahl wahl;
      wahl.IVWahlForm(v);
      switch (z.Bis(8)) {
        case 0:
        case 1:
        case 2: {
          const std::vector<TVWahlZeile> l = wahl.LehrerListe();
          if (!l.empty())
            wahl.LehrerEintragen(static_cast<TLehrer*>(
                l[static_cast<std::size_t>(z.Bis(static_cast<int>(l.size())))].Element));
          break;
        }
        case 3: {
          const std::vector<TVWahlZeile> l = wahl.RaumListe();
          if (!l.empty())
            wahl.RaumEintragen(static_cast<TRaum*>(
                l[static_cast<std::size_t>(z.Bis(static_cast<int>(l.size())))].Element));
          break;
        }
        case 4:
          wahl.Frei();
          break;
        case 5:
          wahl.Loeschen();
          break;
        case 6:
          wahl.Anrechnen(z.Ja());
          break;
        default: {
          // "statt": nach Klasse (mit einem Lehrer der Liste) oder nach Zeit, dann ein Eintrag.
          TMenue menue;
          if (z.Ja()) {
            const std::vector<TVWahlZeile> l = wahl.LehrerListe();
            if (!l.empty())
              menue = wahl.KlassenStattMenu(static_cast<TLehrer*>(
                  l[static_cast<std::size_t>(z.Bis(static_cast<int>(l.size())))].Element));
          } else {
            menue = wahl.ZeitStattMenu();
          }
          std::vector<TMenueEintrag*> waehlbar;
          for (TMenueEintrag& e : menue)
            if (e.Aktiv && e.Aktion) waehlbar.push_back(&e);
          if (TMenueEintrag* e = z.Wahl(waehlbar)) e->Aktion();
        }
      }
      if (s.fVertretungsMenge.ListeElemEnthalten(v)) wahl.Loesen();
      break;
    }
    case TAblaufArt::VertretungLoeschen: {
      TVertretung* v = EineVertretung(z);
      if (!v) return {};
      VertrLoeschenFragen(v);
      break;
    }
    case TAblaufArt::AdHoc: {
      std::vector<TVertretung*> v;
      for (int i = z.Zwischen(1, 5); i > 0; --i)
        if (TVertretung* e = EineVertretung(z)) v.push_back(e);
      OhneDoppelte(v);
      VertrAdHoc(v, z.Ja(70));
      break;
    }
    default:
      return {};
  }
  if (fManuell) fManuell->PlanRefresh();
  return w;
}

// ---- Sichern und Öffnen ----

TSchrittWirkung TAblaufSchule::SichernOeffnen() {
  const std::vector<std::uint8_t> bytes = SchuleAlsBytes(Schule());
  // Wie "Datei schließen" und "Öffnen": erst schließen die Fenster, dann kommt die neue Schule.
  fManuell.reset();
  Schule().FensterAbmelden(&fFenster);
  fFenster.fAuswahl.clear();
  auto neu = std::make_unique<TSchule>();
  SchuleEinsetzen(neu.get());
  std::string fehler;
  if (!ReadSchuleAusBytes(bytes, "ablauf.tmr", *neu, fehler)) {
    fVerletzung = "Öffnen: die gesicherte Schule lässt sich nicht öffnen: " + fehler;
    SchuleEinsetzen(fSchule.get());
    fSchule->FensterAnmelden(&fFenster);
    return {true, 0};
  }
  SchuleErsetzen(std::move(neu));
  ReihenSetzen();
  return {true, Verstoss::Keine};
}

void TAblaufSchule::SchuleErsetzen(std::unique_ptr<TSchule> neu) {
  SchuleEinsetzen(nullptr);
  fSchule.reset();
  fSchule = std::move(neu);
  SchuleEinsetzen(fSchule.get());
  fSchule->FensterAnmelden(&fFenster);
  fSchule->SetAktivesFenster(&fFenster);
}
