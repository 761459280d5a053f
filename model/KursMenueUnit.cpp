// Die Eigenschaftsmenüs eines Kurses und ihre Handler.
#include <algorithm>

#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
// Wochen, durch die die Stundenmenüs teilen: 1 im Ein-Wochen-Modus, sonst alle.
int MenueWochen() {
  const TStandard& s = Standard();
  return s.fEineWoche ? 1 : std::max(1, s.fMaxWocheNeu);
}

TMenueEintrag Eintrag(std::string text, int wert, bool haken, void* objekt,
                      std::function<void()> aktion) {
  TMenueEintrag e;
  e.Text = std::move(text);
  e.Wert = wert;
  e.Haken = haken;
  e.Objekt = objekt;
  e.Aktion = std::move(aktion);
  return e;
}

// Beschriftung eines Klassen- oder Raumeintrags: Kürzel, mit Info nur ohne Werkzeug.
std::string ElementText(const TElement* e, bool mitInfo) {
  std::string text = e->fKuerzel.str();
  if (mitInfo && Schule().fToolArt == TToolArt::ZeigTool) text += " [" + e->fInfo.str() + "]";
  return U8(text);
}
}  // namespace

void TKurs::ErzeugeFaktorMenu(TMenue& menue) {
  const std::int64_t stunden = fStunden.GetWochenStunde(-1);
  for (int v = 0; v <= 10; ++v)
    menue.push_back(
        Eintrag(StundenText(stunden * v), v, v == fFaktor, this, [this, v] { PopFaktor(v); }));
}

void TKurs::ErzeugeFktMenu(TMenue& menue) {
  for (int v = 0; v <= 10; ++v)
    menue.push_back(Eintrag(ZahlText(v), v, v == fFaktor, this, [this, v] { PopFkt(v); }));
}

void TKurs::ErzeugeStundenMenu(TMenue& menue) {
  const int wochen = MenueWochen();
  const std::int32_t stunden = fStunden.GetWochenStunde(-1);
  for (int v = 0; v <= 20; ++v)
    menue.push_back(Eintrag(ZahlText(v * wochen), v, stunden == v * wochen, this,
                            [this, v] { PopStunden(v); }));
}

void TKurs::ErzeugeSpTMenu(TMenue& menue) {
  const std::int32_t stunden = fStunden.GetWochenStunde(-1);
  for (int v = 1; v <= stunden; ++v)
    menue.push_back(Eintrag(ZahlText(v), v, v == fStdProTag, this, [this, v] { PopSpT(v); }));
}

void TKurs::ErzeugeEinzelMenu(TMenue& menue) {
  const std::int32_t stunden = fStunden.GetWochenStunde(-1);
  for (int v = 0; v <= Standard().fMaxTageNeu && v <= stunden; ++v)
    menue.push_back(Eintrag(ZahlText(v), v, v == fEinzelStd, this, [this, v] { PopEinzel(v); }));
}

void TKurs::ErzeugeTabMenu(TMenue& menue) {
  for (int v = 1; v <= 4; ++v)
    menue.push_back(Eintrag(ZahlText(v), v, v == fTabellenNr, this, [this, v] { PopTabelle(v); }));
}

void TKurs::ErzeugeKlassenMenu(TMenue& menue, bool mitInfo) {
  const bool loeschen = Schule().fToolArt == TToolArt::LoeschTool;
  for (TKlasse* k : fKlassen) {
    std::function<void()> aktion;
    if (loeschen) aktion = [this, k] { PopLoeschKlasse(k); };
    menue.push_back(Eintrag(ElementText(k, mitInfo), 0, false, k, std::move(aktion)));
  }
}

void TKurs::ErzeugeRaumMenu(TMenue& menue, bool mitInfo) {
  const bool loeschen = Schule().fToolArt == TToolArt::LoeschTool;
  for (TRaum* r : fRaeume) {
    std::function<void()> aktion;
    if (loeschen) aktion = [this, r] { PopLoeschRaum(r); };
    menue.push_back(Eintrag(ElementText(r, mitInfo), 0, VerplantImRaum(r), r, std::move(aktion)));
  }
}

void TKurs::ErzeugeKopplungsMenu(TMenue& menue, bool mitInfo, int woche, int tag, int std) {
  std::vector<TKurs*> kurse;
  if (fKopplung)
    kurse = fKopplung->fKurse.Kopie();
  else
    kurse.push_back(this);
  for (TKurs* k : kurse)
    menue.push_back(Eintrag(U8(k->Zeile(woche, tag, std, mitInfo, leh)), 0, false, k, {}));
}

void TKurs::ErzeugeKursMenu(TMenue& menue, bool mitInfo) {
  ErzeugeKopplungsMenu(menue, mitInfo, 0, 0, 0);
}

void TKurs::PopFaktor(std::int32_t wert) {
  if (wert == fFaktor) return;
  KursFaktorSetzen(this, wert);
  FensterRefresh();
  SchuleGeaendert();
}

void TKurs::PopFkt(std::int32_t wert) {
  PopFaktor(wert);
}

void TKurs::PopStunden(std::int32_t wert) {
  const TStandard& s = Standard();
  const int wochen = MenueWochen();
  if (wert == fStunden.GetWochenStunde(-1) / wochen) return;
  bool erlaubt = true;
  if (s.fEineWoche) {
    erlaubt = wert >= VerplanteStunden(s.fAktuelleWoche);
  } else {
    for (int w = 1; w <= s.fMaxWocheNeu; ++w) erlaubt = erlaubt && wert >= VerplanteStunden(w);
  }
  if (!erlaubt && !NichtVerplant()) return;
  fStunden.SetWochenStunde(-1, wert);
  ElementeEintragen();  // die Stunden gehören zum Sortierschlüssel
  FensterRefresh();
  SchuleGeaendert();
}

void TKurs::PopSpT(std::int32_t wert) {
  if (wert == fStdProTag) return;
  const TStandard& s = Standard();
  fStdProTag = wert;
  std::int32_t einzel = fStunden.GetWochenStunde(-1);
  if (!s.fEineWoche) einzel /= std::max(1, s.fMaxWocheNeu);
  if (wert > 1) einzel %= wert;
  einzel = std::clamp(einzel, 0, std::max(0, s.fMaxTageNeu));
  fEinzelStd = einzel;
  FensterRefresh();
  SchuleGeaendert();
}

void TKurs::PopEinzel(std::int32_t wert) {
  if (wert == fEinzelStd) return;
  fEinzelStd = wert;
  FensterRefresh();
  SchuleGeaendert();
}

void TKurs::PopTabelle(std::int32_t wert) {
  if (wert == fTabellenNr) return;
  fTabellenNr = wert;
  FensterRefresh();
  SchuleGeaendert();
}
