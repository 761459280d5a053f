#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

std::string TFakeDialog::Eintrag::Text() const {
  std::string t;
  for (std::size_t i = 0; i < Zeilen.size(); ++i) t += (i ? "\n" : "") + Zeilen[i];
  return t;
}

int TFakeDialog::Frage(const TFrage& frage) {
  Eintrag e{frage.Titel, frage.Zeilen, frage.Art, frage.Knoepfe, true, -1};
  if (fAntworten.empty()) {
    ADD_FAILURE() << "Unerwartete Frage: " << frage.Titel << "\n" << e.Text();
    e.Antwort =
        frage.EscapeKnopf >= 0 ? frage.EscapeKnopf : static_cast<int>(frage.Knoepfe.size()) - 1;
  } else {
    const std::string knopf = fAntworten.front();
    fAntworten.pop_front();
    for (std::size_t i = 0; i < frage.Knoepfe.size(); ++i)
      if (frage.Knoepfe[i] == knopf) e.Antwort = static_cast<int>(i);
    if (e.Antwort < 0) {
      ADD_FAILURE() << "Die Frage \"" << frage.Titel << "\" hat keinen Knopf \"" << knopf << "\"";
      e.Antwort = static_cast<int>(frage.Knoepfe.size()) - 1;
    }
  }
  fProtokoll.push_back(e);
  return e.Antwort;
}

void TFakeDialog::Meldung(const std::string& titel, const std::vector<std::string>& zeilen,
                          TMeldungsArt art) {
  fProtokoll.push_back(Eintrag{titel, zeilen, art, {}, false, -1});
}

std::optional<std::string> TFakeSpeicher::Lesen(const std::string& schluessel,
                                                const std::string& name) {
  auto it = fWerte.find({schluessel, name});
  if (it == fWerte.end()) return std::nullopt;
  return it->second;
}

void TFakeSpeicher::Schreiben(const std::string& schluessel, const std::string& name,
                              const std::string& wert) {
  fWerte[{schluessel, name}] = wert;
}

double TFakeMetrik::TextBreite(const TSchrift& schrift, const std::string& text) {
  const double zeichen = schrift.Groesse / 2.0 + (schrift.Fett ? 1.0 : 0.0);
  return static_cast<double>(text.size()) * zeichen;
}

TTestUmgebung::TTestUmgebung()
    : fEinsetzer(TDienste{&dialog, &speicher, &ablage, &metrik, &uhr, &fenster}),
      fStandard(std::make_unique<TStandard>()),
      standard(*fStandard) {
  fAlterStandard = StandardEinsetzen(fStandard.get());
  fSchule = std::make_unique<TSchule>();
  fAlteSchule = SchuleEinsetzen(fSchule.get());
}

TTestUmgebung::~TTestUmgebung() {
  fSchule.reset();
  SchuleEinsetzen(fAlteSchule);
  StandardEinsetzen(fAlterStandard);
  fStandard.reset();
  if (!dialog.fAntworten.empty())
    ADD_FAILURE() << "Vorbereitete Antworten wurden nicht gebraucht: " << dialog.fAntworten.size();
}

void TTestUmgebung::NeueSchule() {
  SchuleEinsetzen(nullptr);
  fSchule.reset();
  fSchule = std::make_unique<TSchule>();
  SchuleEinsetzen(fSchule.get());
}

TSchule& TTestUmgebung::schule() {
  return *fSchule;
}
