#include "output/DruckAuftragUnit.h"

#include <charconv>

namespace {
constexpr const char* kSchluessel = "Software\\WTamrel3\\Druck";

void Fehler(const std::string& titel, const std::string& text) {
  Dialog().Meldung(titel, {text}, TMeldungsArt::Fehler);
}

// Zeichnet mit Maßen und Metrik auf; falsch (mit Meldung), wenn es nichts zu drucken gab.
bool Aufzeichnen(TPrevPrinter& p, TDruckPlattform& plattform, const TDruckAuftrag& auftrag) {
  p.SetzeFortschritt(plattform.Fortschritt());
  const int n = auftrag.Zeichnen(p);
  p.DonePrinting();
  if (n > 0 && p.PageCount() > 0) return true;
  if (!p.Abgebrochen()) Dialog().Meldung("Drucken", {auftrag.LeerText}, TMeldungsArt::Information);
  return false;
}

bool Drucken(TDruckPlattform& plattform, TPrevPrinter& p) {
  std::string fehler;
  if (p.PrintIt(plattform.Drucker(), fehler)) return true;
  Fehler("Drucken", fehler);
  return false;
}
}  // namespace

std::string PdfOrdner() {
  return Speicher().Lesen(kSchluessel, "PdfOrdner").value_or("");
}

void PdfOrdnerMerken(const std::string& pfad) {
  const auto pos = pfad.find_last_of('/');
  if (pos != std::string::npos) Speicher().Schreiben(kSchluessel, "PdfOrdner", pfad.substr(0, pos));
}

namespace {
// Eine Zahl von..bis aus dem Speicher, sonst nichts.
std::optional<int> GemerkteZahl(const char* name, int von, int bis) {
  const std::optional<std::string> text = Speicher().Lesen(kSchluessel, name);
  if (!text) return std::nullopt;
  int wert = 0;
  const char* ende = text->data() + text->size();
  const auto [p, fehler] = std::from_chars(text->data(), ende, wert);
  if (text->empty() || fehler != std::errc() || p != ende || wert < von || wert > bis)
    return std::nullopt;
  return wert;
}
}  // namespace

TPapier GemerktesPapier() {
  TPapier p;
  // Von einer Briefmarke bis A0 und etwas darüber.
  const std::optional<int> b = GemerkteZahl("PapierBreite", 100, 15000);
  const std::optional<int> h = GemerkteZahl("PapierHoehe", 100, 15000);
  if (b && h) {
    p.Breite = *b;
    p.Hoehe = *h;
  }
  p.Quer = Speicher().Lesen(kSchluessel, "PapierQuer").value_or("0") == "1";
  return p;
}

void PapierMerken(const TPapier& papier) {
  Speicher().Schreiben(kSchluessel, "PapierBreite", std::to_string(papier.Breite));
  Speicher().Schreiben(kSchluessel, "PapierHoehe", std::to_string(papier.Hoehe));
  Speicher().Schreiben(kSchluessel, "PapierQuer", papier.Quer ? "1" : "0");
}

TDruckerMasse PapierMasse(const TPapier& papier, int ppi) {
  TDruckerMasse m;
  m.pXppi = m.pYppi = ppi;
  const int b = static_cast<int>(papier.Breite / 10.0 * ppi / 25.4);
  const int h = static_cast<int>(papier.Hoehe / 10.0 * ppi / 25.4);
  m.Breite = m.BlattBreite = papier.Quer ? h : b;
  m.Hoehe = m.BlattHoehe = papier.Quer ? b : h;
  return m;
}

bool DruckOk(TDruckPlattform& plattform, const TDruckAuftrag& auftrag) {
  TPrevPrinter p(plattform.DruckerMasse(), plattform.DruckerMetrik());
  if (!Aufzeichnen(p, plattform, auftrag)) return false;
  if (!plattform.DruckDialog()) return false;
  const TDruckerMasse masse = plattform.DruckerMasse();
  if (!(masse == p.Masse())) {  // im Druckdialog einen anderen Drucker gewählt
    p.SetzeMasse(masse);
    if (!Aufzeichnen(p, plattform, auftrag)) return false;
  }
  return Drucken(plattform, p);
}

void DruckAnsehen(TDruckPlattform& plattform, const TDruckAuftrag& auftrag) {
  TPrevPrinter p(plattform.DruckerMasse(), plattform.DruckerMetrik());
  if (!Aufzeichnen(p, plattform, auftrag)) return;
  switch (plattform.Voransicht(p)) {
    case TVorschauErgebnis::Drucken:
      Drucken(plattform, p);
      break;
    case TVorschauErgebnis::Pdf:
      SeitenAlsPdf(plattform, p, auftrag.PdfName);
      break;
    case TVorschauErgebnis::Abbrechen:
      break;
  }
}

bool SeitenAlsPdf(TDruckPlattform& plattform, const TPrevPrinter& seiten,
                  const std::string& vorschlag) {
  const auto pfad = plattform.PdfDateiWaehlen(PdfOrdner(), vorschlag);
  if (!pfad) return false;
  PdfOrdnerMerken(*pfad);
  std::string fehler;
  if (plattform.PdfSchreiben(seiten, *pfad, fehler)) return true;
  Fehler("Als PDF speichern", fehler);
  return false;
}

bool DruckAlsPdf(TDruckPlattform& plattform, const TDruckAuftrag& auftrag) {
  TPrevPrinter p(plattform.PdfMasse(), plattform.PdfMetrik());
  if (!Aufzeichnen(p, plattform, auftrag)) return false;
  return SeitenAlsPdf(plattform, p, auftrag.PdfName);
}
