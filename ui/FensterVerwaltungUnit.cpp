#include "ui/FensterVerwaltungUnit.h"

#include <algorithm>

template <class F>
void TFensterVerwaltung::Melden(F&& f) {
  const std::vector<TFensterHoerer*> kopie = fHoerer;
  for (TFensterHoerer* h : kopie)
    if (std::find(fHoerer.begin(), fHoerer.end(), h) != fHoerer.end()) f(*h);
}

void TFensterVerwaltung::HauptfensterSetzen(THauptfenster* haupt) {
  if (fHaupt == haupt) return;
  if (fHaupt) HoererAbmelden(fHaupt);
  fHaupt = haupt;
  if (fHaupt) HoererAnmelden(fHaupt);
}

void TFensterVerwaltung::HoererAnmelden(TFensterHoerer* hoerer) {
  if (hoerer && std::find(fHoerer.begin(), fHoerer.end(), hoerer) == fHoerer.end())
    fHoerer.push_back(hoerer);
}

void TFensterVerwaltung::HoererAbmelden(TFensterHoerer* hoerer) {
  std::erase(fHoerer, hoerer);
  if (fHaupt == hoerer) fHaupt = nullptr;
}

bool TFensterVerwaltung::Angemeldet(const TFenster* fenster) const {
  return fenster && std::find(fFenster.begin(), fFenster.end(), fenster) != fFenster.end();
}

void TFensterVerwaltung::Vergessen() {
  fFenster.clear();
  fAktiv = nullptr;
}

void TFensterVerwaltung::ZustandMelden() {
  Melden([](TFensterHoerer& h) { h.ZustandGeaendert(); });
}

void TFensterVerwaltung::FensterAnmelden(TFenster* fenster) {
  if (!fenster || Angemeldet(fenster)) return;
  fFenster.push_back(fenster);
  Melden([fenster](TFensterHoerer& h) { h.FensterAngemeldet(fenster); });
}

void TFensterVerwaltung::FensterAbmelden(TFenster* fenster) {
  if (!Angemeldet(fenster)) return;
  std::erase(fFenster, fenster);
  if (fAktiv == fenster) fAktiv = nullptr;
  Melden([fenster](TFensterHoerer& h) { h.FensterAbgemeldet(fenster); });
}

void TFensterVerwaltung::FensterAktiviert(TFenster* fenster) {
  fAktiv = fenster;
  Melden([fenster](TFensterHoerer& h) { h.AktivesFensterGewechselt(fenster); });
}

void TFensterVerwaltung::UmschalttastenSetzen(unsigned umschalt) {
  if (umschalt == fUmschalt) return;
  fUmschalt = umschalt;
  Melden([umschalt](TFensterHoerer& h) { h.UmschaltGeaendert(umschalt); });
}

void TFensterVerwaltung::SichernFreigeben(bool frei) {
  if (fHaupt) fHaupt->SichernFreigeben(frei);
}

void TFensterVerwaltung::TitelSetzen(const std::string& titel) {
  if (fHaupt) fHaupt->TitelSetzen(titel);
}

void TFensterVerwaltung::UndoBefehleFreigeben(bool frei) {
  if (fHaupt) fHaupt->UndoBefehleFreigeben(frei);
}

void TFensterVerwaltung::ProtokollBefehle(bool an) {
  if (fHaupt) fHaupt->ProtokollBefehle(an);
}

void TFensterVerwaltung::NeuesKursFenster(TKurs* kurs, TElement* vater) {
  if (fHaupt) fHaupt->NeuesKursFenster(kurs, vater);
}

void TFensterVerwaltung::PlanFensterZeigen(TPlanElement* element) {
  if (fHaupt) fHaupt->PlanFensterZeigen(element);
}

void TFensterVerwaltung::ElementFensterNeu(TElement* element, int art) {
  if (fHaupt) fHaupt->ElementFensterNeu(element, art);
}

void TFensterVerwaltung::ManuellFensterOeffnen(const std::vector<TKurs*>& kurse,
                                               bool ohneKonflikte) {
  if (fHaupt) fHaupt->ManuellFensterOeffnen(kurse, ohneKonflikte);
}

void TFensterVerwaltung::HintergrundNachHinten() {
  if (fHaupt) fHaupt->HintergrundNachHinten();
}

void TFensterVerwaltung::FensterNachVorne(TFenster* fenster) {
  if (fHaupt) fHaupt->FensterNachVorne(fenster);
}

void TFensterVerwaltung::PaletteNachVorne() {
  if (fHaupt) fHaupt->PaletteNachVorne();
}

std::optional<TFensterDienst::TElementWahl> TFensterVerwaltung::ElementWaehlen(TKuerzelArt art,
                                                                               bool mitOhne, int x,
                                                                               int y) {
  if (!fHaupt) return std::nullopt;
  return fHaupt->ElementWaehlen(art, mitOhne, x, y);
}

void TFensterVerwaltung::VorigerNaechster(int richtung) {
  if (fHaupt) fHaupt->VorigerNaechster(richtung);
}

TFensterVerwaltung* Fensterverwaltung() {
  return dynamic_cast<TFensterVerwaltung*>(FensterDienst());
}
