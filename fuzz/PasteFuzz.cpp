// Fuzz-Ziel für das Einsetzen aus der Zwischenablage (TSchule::DoPaste). Das erste Byte wählt
// das aktive Fenster und die Antwort auf die Frage nach unbekannten Kürzeln, der Rest ist der
// Text der Zwischenablage (UTF-8). Die Schule kennt vorher einige Elemente und einen Kurs.
//  - "alle Kurse": Ein Text im falschen Format ändert nichts und meldet den Fehler. Sonst kommt
//    je erster Zeile ein Kurs hinzu (oder, bei "Nein" auf die Frage, keiner). Die Kurse stehen
//    bei ihren Lehrern und Klassen, die Schule lässt sich sichern, und Schreiben und Lesen
//    ergibt dieselben Kurse. Die eingesetzten Kurse, wieder kopiert und in eine frische Schule
//    eingesetzt, ergeben denselben Text.
//  - Info-, Kurs- und Vertretungswahlfenster: nur mit Fokus im Textfeld, dann genau eine Zeile
//    höchstens der Feldlänge, ohne Zeilenumbruch, oder die Fehlermeldung.
#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/KonsoleUnit.h"
#include "fuzz/FuzzZiel.h"
#include "model/AblageUnit.h"
#include "model/SchulUnit.h"
#include "persistence/BufferUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {

// Beantwortet die Frage nach unbekannten Kürzeln wie gewählt und zählt Meldungen.
class TZaehlDialog : public TDialogDienst {
 public:
  explicit TZaehlDialog(bool ja) : fJa(ja) {}
  int Frage(const TFrage&) override {
    ++fFragen;
    return fJa ? 0 : 1;
  }
  void Meldung(const std::string& titel, const std::vector<std::string>&, TMeldungsArt) override {
    if (titel == "Fehler beim Einsetzen") ++fPasteFehler;
    ++fMeldungen;
  }
  void Piep() override {}
  void BeschaeftigtAn() override {}
  void BeschaeftigtAus() override {}
  void MeldungsFensterZeigen(const std::string&) override {}
  void MeldungsFensterSchliessen() override {}
  void EingabenVerarbeiten() override {}
  using TDialogDienst::Frage;
  bool fJa;
  int fFragen = 0, fMeldungen = 0, fPasteFehler = 0;
};

class TFesteUhr : public TUhr {
 public:
  TDateTime Jetzt() override { return 46365.5; }
};

class TFuzzFenster : public TFenster {
 public:
  TFuzzFenster(int art, bool fokus) : fArt(art), fFokus(fokus) {}
  int FensterArt() const override { return fArt; }
  std::string Titel() const override { return "Fuzz"; }
  void FensterUpdate() override {}
  void FensterRefresh() override {}
  void Schliessen() override {}
  bool TextFeldHatFokus() const override { return fFokus; }
  void TextEinsetzen(const std::string& text) override { fEingesetzt.push_back(text); }
  int fArt;
  bool fFokus;
  std::vector<std::string> fEingesetzt;
};

// Konsolenumgebung mit eigenem Dialog und eingesetzter Ablage; eine Schule mit Elementen.
class TPasteUmgebung {
 public:
  TPasteUmgebung(bool ja, int art, bool fokus)
      : fKonsole(fMeldungen, &fUhr), fDialog(ja), fFenster(art, fokus) {
    TDienste d = EingesetzteDienste();
    d.Dialog = &fDialog;
    fAlt = DiensteEinsetzen(d);
    TSchule& s = fKonsole.Schule();
    for (const char* l : {"M\xFC", "Sch", "ABC"}) s.HoleLehrer(l);
    for (const char* k : {"5a", "5b", "10c"}) s.HoleKlasse(k);
    for (const char* f : {"D", "M", "Ku"}) s.HoleFach(f);
    for (const char* r : {"R1", "R2", "Aula"}) s.HoleRaum(r);
    s.HoleKopplung("K1");
    TKurs::IKurs(s.HoleLehrer("Sch"), s.HoleKlasse("5a"), nullptr, s.HoleFach("M"),
                 s.HoleRaum("R1"), 3);
    s.FensterAnmelden(&fFenster);
    s.SetAktivesFenster(&fFenster);
    s.SetDirty(false);
  }
  ~TPasteUmgebung() {
    fKonsole.Schule().FensterAbmelden(&fFenster);
    DiensteEinsetzen(fAlt);
  }
  TPasteUmgebung(const TPasteUmgebung&) = delete;
  TPasteUmgebung& operator=(const TPasteUmgebung&) = delete;

  TSchule& Schule() { return fKonsole.Schule(); }
  void Einsetzen(const std::string& text) {
    EingesetzteDienste().Ablage->SetzeText(text);
    Schule().DoPaste();
  }

  std::ostringstream fMeldungen;
  TFesteUhr fUhr;
  TKonsolenUmgebung fKonsole;
  TZaehlDialog fDialog;
  TFuzzFenster fFenster;
  TDienste fAlt;
};

// Die Kurse, die nicht schon vorher da waren, in der Folge der Kursliste. Eingesetzte Kurse
// stehen in Kursreihenfolge, nicht am Ende: ein Kurs ohne Klasse und Lehrer steht vor den
// vorhandenen.
std::vector<TKurs*> NeueKurse(TSchule& s, const std::vector<TKurs*>& vorher) {
  std::vector<TKurs*> kurse;
  for (TKurs* k : s.fKursMenge)
    if (std::find(vorher.begin(), vorher.end(), k) == vorher.end()) kurse.push_back(k);
  return kurse;
}

void PruefeVerweise(TSchule& s) {
  for (TKurs* k : s.fKursMenge) {
    if (k->fLehrer)
      FuzzPruefe(
          s.fLehrerMenge.ListeElemEnthalten(k->fLehrer) && k->fLehrer->fKurse.ListeElemNr(k) > 0,
          "Kurs fehlt bei seinem Lehrer");
    for (TKlasse* kl : k->fKlassen)
      FuzzPruefe(kl && s.fKlassenMenge.ListeElemEnthalten(kl) && kl->fKurse.ListeElemNr(k) > 0,
                 "Kurs fehlt bei seiner Klasse");
    FuzzPruefe(k->fTabellenNr >= 1 && k->fTabellenNr <= 4, "Tabelle außerhalb 1..4");
  }
}

void AlleKurse(TPasteUmgebung& u, const std::string& text) {
  TSchule& s = u.Schule();
  const std::vector<TKurs*> alte = s.fKursMenge.Kopie();
  const int vorher = s.fKursMenge.ListeZahlElemente();
  const std::vector<std::string> zeilen = AblageZeilen(Utf8ZuWin1252(text));
  u.Einsetzen(text);
  const int neu = s.fKursMenge.ListeZahlElemente() - vorher;
  if (!KursFormOk(zeilen, Standard().fEineWoche ? 1 : Standard().fMaxWocheNeu)) {
    FuzzPruefe(neu == 0 && u.fDialog.fPasteFehler == 1 && u.fDialog.fFragen == 0,
               "falsches Format ohne Fehlermeldung oder mit neuen Kursen");
    FuzzPruefe(!s.fDirty, "falsches Format hat die Schule geändert");
    return;
  }
  FuzzPruefe(u.fDialog.fMeldungen == 0, "Meldung bei gültigem Format");
  int ersteZeilen = 0;
  for (const std::string& z : zeilen) ersteZeilen += TabFelder(z)[0].empty() ? 0 : 1;
  const bool abgelehnt = u.fDialog.fFragen == 1 && !u.fDialog.fJa;
  FuzzPruefe(neu == (abgelehnt ? 0 : ersteZeilen), "Zahl der eingesetzten Kurse falsch");
  PruefeVerweise(s);

  const std::vector<TKurs*> eingesetzt = NeueKurse(s, alte);
  const std::string kopie = KurseAlsText(eingesetzt, false);
  std::vector<std::uint8_t> bytes;
  try {
    bytes = SchuleAlsBytes(s);
  } catch (const EDateiFehler& e) {
    FuzzVerletzt(std::string("eingesetzte Kurse lassen sich nicht sichern: ") + e.what());
    return;
  }
  {
    std::ostringstream meldungen;
    TFesteUhr uhr;
    TKonsolenUmgebung gelesen(meldungen, &uhr);
    std::string fehler;
    FuzzPruefe(ReadSchuleAusBytes(bytes, "fuzz.tmr", gelesen.Schule(), fehler),
               "gesicherte Schule lässt sich nicht lesen");
    FuzzPruefe(KurseAlsText(gelesen.Schule().fKursMenge.Kopie(), false) ==
                   KurseAlsText(s.fKursMenge.Kopie(), false),
               "Kurse überstehen Sichern und Lesen nicht");
  }
  if (neu == 0) return;
  TPasteUmgebung zweite(true, FensterArt::AlleKurse, false);
  const std::vector<TKurs*> basis = zweite.Schule().fKursMenge.Kopie();
  zweite.Einsetzen(Win1252ZuUtf8(kopie));
  FuzzPruefe(zweite.fDialog.fMeldungen == 0, "kopierte Kurse lassen sich nicht einsetzen");
  FuzzPruefe(KurseAlsText(NeueKurse(zweite.Schule(), basis), false) == kopie,
             "Kopieren und Einsetzen ergibt andere Kurse");
}

void TextFeld(TPasteUmgebung& u, const std::string& text, bool fokus, std::size_t laenge) {
  const std::vector<std::string> zeilen = AblageZeilen(Utf8ZuWin1252(text));
  const int kurse = u.Schule().fKursMenge.ListeZahlElemente();
  u.Einsetzen(text);
  FuzzPruefe(u.Schule().fKursMenge.ListeZahlElemente() == kurse, "Kurse im Textfeld eingesetzt");
  const auto& e = u.fFenster.fEingesetzt;
  if (!fokus) {
    FuzzPruefe(e.empty() && u.fDialog.fMeldungen == 0, "Einsetzen ohne Fokus");
    return;
  }
  const bool ok = zeilen.size() == 1 && zeilen[0].size() <= laenge;
  FuzzPruefe(e.size() == (ok ? 1u : 0u) && u.fDialog.fPasteFehler == (ok ? 0 : 1),
             "Textfeld: eingesetzt oder Fehlermeldung falsch");
  if (!ok) return;
  const std::string w = Utf8ZuWin1252(e[0]);
  FuzzPruefe(w == zeilen[0] && w.size() <= laenge, "eingesetzter Text weicht ab");
  FuzzPruefe(w.find_first_of("\r\n") == std::string::npos, "Zeilenumbruch im Textfeld");
}

}  // namespace

TAMREL_FUZZ_ZIEL(PasteFuzz) {
  if (groesse == 0) return 0;
  const std::uint8_t wahl = daten[0];
  const std::string text(reinterpret_cast<const char*>(daten + 1), groesse - 1);
  const bool ja = (wahl & 0x08) != 0, fokus = (wahl & 0x10) != 0;
  switch (wahl & 0x07) {
    case 0:
    case 1:
    case 2:
    case 3: {
      TPasteUmgebung u(ja, FensterArt::AlleKurse, fokus);
      AlleKurse(u, text);
      break;
    }
    case 4: {
      TPasteUmgebung u(ja, FensterArt::LehrerDaten, fokus);
      TextFeld(u, text, fokus, 31);
      break;
    }
    case 5: {
      TPasteUmgebung u(ja, FensterArt::Kurs, fokus);
      TextFeld(u, text, fokus, 31);
      break;
    }
    case 6: {
      TPasteUmgebung u(ja, FensterArt::VertretungsWahl, fokus);
      TextFeld(u, text, fokus, 81);
      break;
    }
    default: {
      // Ein Fenster, in das nichts eingesetzt wird: nur die Fehlermeldung.
      TPasteUmgebung u(ja, FensterArt::LehrerPlan, fokus);
      const int kurse = u.Schule().fKursMenge.ListeZahlElemente();
      u.Einsetzen(text);
      FuzzPruefe(u.Schule().fKursMenge.ListeZahlElemente() == kurse && u.fDialog.fPasteFehler == 1,
                 "Planfenster: Einsetzen ohne Fehlermeldung");
      break;
    }
  }
  return 0;
}
