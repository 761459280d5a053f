// Hilfen für die Tests der Kurse und der Schule.
#pragma once

#include <string>
#include <vector>

#include "common/TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

// Ein Fenster, das ausgewählte Kurse, Inhalt und ein Textfeld mit Fokus vorspielt.
class TTestFenster : public TFakeFenster {
 public:
  using TFakeFenster::TFakeFenster;
  // Ein Testfenster lebt kürzer als die Schule: es meldet sich ab, wie ein echtes beim Schließen.
  ~TTestFenster() override {
    if (SchuleVorhanden()) Schule().FensterAbmelden(this);
  }
  std::vector<TKurs*> AusgewaehlteKurse() const override { return fAuswahl; }
  std::string InhaltAlsText() const override { return fInhalt; }
  bool TextFeldHatFokus() const override { return fFokus; }
  std::string MarkierterText() const override { return fMarkiert; }
  void MarkiertenTextLoeschen() override {
    fMarkiert.clear();
    ++fAusgeschnitten;
  }
  void TextEinsetzen(const std::string& text) override { fEingesetzt.push_back(text); }
  void KursGeloescht(TKurs* kurs) override { fGeloescht.push_back(kurs); }

  std::vector<TKurs*> fAuswahl;
  std::string fInhalt;
  bool fFokus = false;
  std::string fMarkiert;
  int fAusgeschnitten = 0;
  std::vector<std::string> fEingesetzt;
  std::vector<TKurs*> fGeloescht;
};

// Trägt das Fenster in die Fensterliste ein und macht es zum aktiven Fenster.
inline void Aktiviere(TSchule& schule, TTestFenster& f) {
  schule.FensterAnmelden(&f);
  schule.SetAktivesFenster(&f);
}

// Die Zeilen der letzten Frage oder Meldung.
inline std::vector<std::string> LetzteZeilen(const TFakeDialog& d) {
  return d.fProtokoll.empty() ? std::vector<std::string>{} : d.fProtokoll.back().Zeilen;
}
