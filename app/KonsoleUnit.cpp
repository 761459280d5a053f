#include "app/KonsoleUnit.h"

#include <ostream>

#include "model/SchulUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/StandardUnit.h"

namespace {
TEinstellungsSpeicher* gEinstellungen = nullptr;
TUhr* gUhr = nullptr;
}  // namespace

void KonsolenEinstellungenSetzen(TEinstellungsSpeicher* quelle) {
  gEinstellungen = quelle;
}

TEinstellungsSpeicher* KonsolenEinstellungen() {
  return gEinstellungen;
}

void KonsolenUhrSetzen(TUhr* uhr) {
  gUhr = uhr;
}

TDateTime KonsolenJetzt() {
  if (gUhr) return gUhr->Jetzt();
  TSystemUhr uhr;
  return uhr.Jetzt();
}

int TKonsolenDialog::Frage(const TFrage& frage) {
  fFehler << frage.Titel << ":";
  for (const auto& z : frage.Zeilen) fFehler << ' ' << z;
  const int antwort = frage.StandardKnopf;
  if (antwort >= 0 && antwort < static_cast<int>(frage.Knoepfe.size()))
    fFehler << " [" << frage.Knoepfe[antwort] << "]";
  fFehler << '\n';
  return antwort;
}

void TKonsolenDialog::Meldung(const std::string& titel, const std::vector<std::string>& zeilen,
                              TMeldungsArt) {
  fFehler << titel << ":";
  for (const auto& z : zeilen) fFehler << ' ' << z;
  fFehler << '\n';
}

std::optional<std::string> TSpeicherImSpeicher::Lesen(const std::string& schluessel,
                                                      const std::string& name) {
  auto it = fWerte.find({schluessel, name});
  if (it != fWerte.end()) return it->second;
  return fQuelle ? fQuelle->Lesen(schluessel, name) : std::nullopt;
}

void TSpeicherImSpeicher::Schreiben(const std::string& schluessel, const std::string& name,
                                    const std::string& wert) {
  fWerte[{schluessel, name}] = wert;
}

double TFesteMetrik::TextBreite(const TSchrift& schrift, const std::string& text) {
  return static_cast<double>(text.size()) * schrift.Groesse / 2.0;
}

double TFesteMetrik::TextHoehe(const TSchrift& schrift) {
  return schrift.Groesse * 1.5;
}

TKonsolenUmgebung::TKonsolenUmgebung(std::ostream& fehler, TUhr* uhr) : fDialog(fehler) {
  fAlteDienste = DiensteEinsetzen(TDienste{&fDialog, &fSpeicher, &fAblage, &fMetrik,
                                           uhr    ? uhr
                                           : gUhr ? gUhr
                                                  : &fUhr,
                                           nullptr});
  fStandard = std::make_unique<TStandard>();
  fAlterStandard = StandardEinsetzen(fStandard.get());
  LoadStandard(*fStandard, fSpeicher);
  fHalter = std::make_unique<TSchulHalter>();
}

TKonsolenUmgebung::~TKonsolenUmgebung() {
  fHalter.reset();
  StandardEinsetzen(fAlterStandard);
  fStandard.reset();
  DiensteEinsetzen(fAlteDienste);
}
