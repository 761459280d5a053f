// Ein Schulmonat auf der Beispielschule: 20 Schultage über das Monatsende, jeden Morgen fehlen
// Lehrer, Klassen und Räume, Vertreter werden gewählt, zwischendurch werden Stunden verschoben,
// entfernt und widerrufen, einmal ändert sich der Kalender, und jeden Abend wird gesichert und
// wieder geöffnet. Nach jedem Schritt stimmen Vertretungen und Konten.
#include "VertretungHilfe.h"
#include "app/BeispielSchuleUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "substitution/KalenderWechselUnit.h"

namespace {

// Ein fester Zufall (lineare Kongruenz), gleich auf jeder Maschine.
class TZufall {
 public:
  explicit TZufall(std::uint32_t saat) : fX(saat) {}
  int Zahl(int n) {
    fX = fX * 1664525u + 1013904223u;
    return n > 0 ? static_cast<int>((fX >> 8) % static_cast<std::uint32_t>(n)) : 0;
  }

 private:
  std::uint32_t fX;
};

class SchulmonatTest : public ::testing::Test {
 protected:
  SchulmonatTest() {
    ErzeugeBeispielSchule(u.schule(), false);
    u.standard.fEineWoche = true;
  }

  static TSchule& S() { return Schule(); }

  // Sichert und öffnet die Schule neu; alle Zeiger werden danach neu geholt.
  void Wiederoeffnen() {
    const std::vector<std::uint8_t> bytes = SchuleAlsBytes(S());
    u.NeueSchule();
    std::string fehler;
    ASSERT_TRUE(ReadSchuleAusBytes(bytes, "monat.tmr", u.schule(), fehler)) << fehler;
  }

  template <class T>
  T* Eins(TEigenListe<T>& liste) {
    return liste[z.Zahl(liste.ListeZahlElemente())];
  }

  // Ein Vertreter, den nichts hindert (keine Frage): nicht der Lehrer des Kurses, da, vertritt
  // nicht schon, nicht gesperrt und hat an dem Tag Unterricht. Vielleicht hat er selbst eine
  // Stunde zugleich: dann fällt sie aus oder wird verlegt.
  TLehrer* Vertreter(const TVertretung* v) {
    TEigenListe<TLehrer>& lehrer = S().fLehrerMenge;
    const int n = lehrer.ListeZahlElemente(), start = z.Zahl(n);
    const TSetzung* p = v->fSetzung;
    for (int i = 0; i < n; ++i) {
      TLehrer* l = lehrer[(start + i) % n];
      if (l == v->fKurs->fLehrer || l->Abwesend(v->fDatum, p->fStunde) ||
          l->VertrittSchon(v->fDatum, p->fStunde) ||
          l->fSperrung.GetWocheTagStd(p->fWoche, p->fTag, p->fStunde) ||
          (l->fBesetzung.GetWocheTag(p->fWoche, p->fTag) & 0xFFFFu) == 0)
        continue;
      return l;
    }
    return nullptr;
  }

  // Morgens: Abwesenheiten des Tages, dann die Vertreter.
  void Morgen(TDateTime tag, int nr) {
    for (int i = 0; i < 2; ++i) {
      const int von = 1 + z.Zahl(6);
      FehlzeitEintragen(Eins(S().fLehrerMenge), tag, StundenMaske(von, von + z.Zahl(4)), "k");
      ASSERT_TRUE(VertretungenStimmen(S())) << "Lehrer fehlt, Tag " << nr;
    }
    if (nr % 2 == 0) {
      FehlzeitEintragen(Eins(S().fKlassenMenge), tag, StundenMaske(1, 10), "a");
      ASSERT_TRUE(VertretungenStimmen(S())) << "Klasse fehlt, Tag " << nr;
    }
    if (nr % 3 == 0) {
      const int von = 1 + z.Zahl(8);
      FehlzeitEintragen(Eins(S().fRaumMenge), tag, StundenMaske(von, von + 2), "-");
      ASSERT_TRUE(VertretungenStimmen(S())) << "Raum fehlt, Tag " << nr;
    }
    if (nr == 3) {
      // Eine Woche lang, über die folgenden Tage (auch in den nächsten Monat).
      LaengereFehlzeit(Eins(S().fLehrerMenge), tag, tag + 9, StundenMaske(2, 6), "k");
      ASSERT_TRUE(VertretungenStimmen(S())) << "längere Fehlzeit, Tag " << nr;
    }
    // Eine Klasse kommt früher zurück.
    if (nr % 4 == 1 && !S().fFehlKlassenMenge.empty()) {
      TFehl* f = S().fFehlKlassenMenge[S().fFehlKlassenMenge.ListeZahlElemente() - 1];
      FehlzeitEintragen(f->fElement, f->fDatum, f->fZeit & StundenMaske(1, 4), "a");
      ASSERT_TRUE(VertretungenStimmen(S())) << "Klasse zurück, Tag " << nr;
    }
    for (TVertretung* v : S().fVertretungsMenge.Kopie()) {
      if (!S().fVertretungsMenge.ListeElemEnthalten(v) || !GleicherTag(v->fDatum, tag)) continue;
      if (!v->fGueltig || v->fLehrer || v->fFrei) continue;
      const int wahl = z.Zahl(8);
      if (wahl == 0) {
        v->Frei();
      } else if (TLehrer* l = Vertreter(v)) {
        v->TrageLehrerEin(l, nullptr);
        if (wahl == 1) v->Anrechnen(false);
        if (wahl == 2) v->Loeschen(true);
      }
      ASSERT_TRUE(VertretungenStimmen(S())) << "Vertreter, Tag " << nr;
    }
  }

  // Eine Stunde des Tages (ohne Kopplung) in eine freie Zelle seiner Woche.
  bool StundeVerschieben(TDateTime tag, bool widerrufen, int nr) {
    const int woche = PlanversionAm(tag), wt = WochenTag(tag);
    u.standard.fAktuelleWoche = woche;
    TEigenListe<TKurs>& kurse = S().fKursMenge;
    const int n = kurse.ListeZahlElemente(), start = z.Zahl(n);
    for (int i = 0; i < n; ++i) {
      TKurs* k = kurse[(start + i) % n];
      if (k->fKopplung || !k->fLehrer) continue;
      for (TSetzung* p : k->fSetzungen) {
        if (p->fWoche != woche || p->fTag != wt || p->fFixiert) continue;
        const int altStd = p->fStunde;
        TRaum* raum = p->fRaum;
        for (int t = 1; t <= 5; ++t)
          for (int h = 1; h <= 10; ++h) {
            if (k->SetzungFinden(woche, t, h) || k->IstGesperrt(woche, t, h, raum)) continue;
            bool frei = !k->fLehrer->fBesetzung.GetWocheTagStd(woche, t, h) &&
                        !(raum && raum->fBesetzung.GetWocheTagStd(woche, t, h));
            for (const TKlasse* kl : k->fKlassen)
              frei = frei && !kl->fBesetzung.GetWocheTagStd(woche, t, h);
            if (!frei) continue;
            {
              TManuellProtokoll protokoll;
              k->Schiebe(t, h, wt, altStd, false);
              EXPECT_TRUE(VertretungenStimmen(S())) << "verschoben, Tag " << nr;
              if (widerrufen) protokoll.Widerrufen();
            }
            EXPECT_TRUE(VertretungenStimmen(S())) << "widerrufen, Tag " << nr;
            return true;
          }
      }
    }
    return false;
  }

  // Eine vertretene Stunde des Tages wird entfernt und wieder gesetzt.
  bool StundeEntfernen(TDateTime tag, int nr) {
    for (TVertretung* v : S().fVertretungsMenge) {
      if (!GleicherTag(v->fDatum, tag) || !v->fLehrer || v->fLehrer == v->fKurs->fLehrer ||
          v->fKurs->fKopplung)
        continue;
      TKurs* k = v->fKurs;
      const TSetzung* p = v->fSetzung;
      const int w = p->fWoche, t = p->fTag, h = p->fStunde;
      TRaum* raum = p->fRaum;
      k->LoescheSetzung(w, t, h, false);
      EXPECT_TRUE(VertretungenStimmen(S())) << "entfernt, Tag " << nr;
      k->NeueSetzung(w, t, h, raum);
      EXPECT_TRUE(VertretungenStimmen(S())) << "wieder gesetzt, Tag " << nr;
      return true;
    }
    return false;
  }

  // Der Kalender ändert sich: übermorgen wird Ferientag, die Woche darauf tauscht A und B.
  void KalenderAendern(TDateTime tag) {
    TKalenderBytes kalender = S().fKalender;
    TKalender ferien = u.standard.fFerien;
    const TDateTime uebermorgen = tag + 2;
    ferien[KalenderIndex(uebermorgen)] |=
        static_cast<std::uint8_t>(1u << (WochenTag(uebermorgen) - 1));
    const int naechste = KalenderIndex(tag + 7) + 1;
    kalender[naechste] = static_cast<std::uint8_t>(3 - kalender[naechste]);
    KalenderSetzen(kalender, ferien);
  }

  TTestUmgebung u;
  TZufall z{20261116};
};

TEST_F(SchulmonatTest, ZwanzigSchultageUeberDasMonatsendeMitSichernUndOeffnen) {
  TDateTime tag = DatumZuZahl(2026, 11, 16) + 0.5;  // ein Montag
  int schultage = 0, entfernt = 0;
  for (; schultage < 20; tag += 1) {
    if (!Schultag(tag)) continue;
    ++schultage;
    u.uhr.fJetzt = tag - 0.5 + 0.3;  // morgens
    Morgen(tag, schultage);
    if (HasFatalFailure()) return;
    if (schultage % 3 == 0) {
      EXPECT_TRUE(StundeVerschieben(tag, schultage % 2 == 0, schultage));
    }
    if (schultage % 4 == 2) entfernt += StundeEntfernen(tag, schultage);
    if (schultage == 8) KalenderAendern(tag);
    ASSERT_TRUE(VertretungenStimmen(S())) << "Tag " << schultage;
    u.uhr.fJetzt = tag + 0.25;  // abends
    Wiederoeffnen();
    ASSERT_TRUE(VertretungenStimmen(S())) << "wieder geöffnet, Tag " << schultage;
  }
  EXPECT_GE(entfernt, 3);
  // Beide Monate stehen und ergeben zusammen die laufenden Summen.
  int mitNovember = 0, mitDezember = 0;
  std::map<std::string, std::int64_t> november;
  for (TLehrer* l : S().fLehrerMenge) {
    ASSERT_EQ(l->fDict.count("202611"), 1u);
    ASSERT_EQ(l->fDict.count("202612"), 1u);
    const std::int64_t nov = std::stoll(l->fDict.at("202611"));
    const std::int64_t dez = std::stoll(l->fDict.at("202612"));
    const std::int64_t jan = l->MonatsStunden(2027, 1);
    EXPECT_EQ(nov, KontoNeu(S(), *l, DatumZuZahl(2026, 11, 1), DatumZuZahl(2026, 11, 30)));
    EXPECT_EQ(dez, KontoNeu(S(), *l, DatumZuZahl(2026, 12, 1), DatumZuZahl(2026, 12, 31)));
    EXPECT_EQ(nov + dez + jan, l->fVStunden1) << l->fKuerzel.str();
    mitNovember += nov != 0;
    mitDezember += dez != 0;
    november[l->fKuerzel.str()] = nov;
  }
  EXPECT_GT(mitNovember, 5);
  EXPECT_GT(mitDezember, 5);
  // Am 20. Januar ist der November ganz verfallen, der Dezember (voriger Monat) noch da.
  std::map<std::string, std::string> dezember;
  for (TLehrer* l : S().fLehrerMenge) dezember[l->fKuerzel.str()] = l->fDict.at("202612");
  u.uhr.fJetzt = DatumZuZahl(2027, 1, 20) + 0.4;
  Wiederoeffnen();
  for (const TVertretung* v : S().fVertretungsMenge) EXPECT_GE(v->fDatum, DatumZuZahl(2026, 12, 1));
  for (TLehrer* l : S().fLehrerMenge) EXPECT_EQ(l->fDict.at("202612"), dezember[l->fKuerzel.str()]);
  EXPECT_TRUE(VertretungenStimmen(S(), november));
}

}  // namespace
