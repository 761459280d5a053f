#include "persistence/SchulHalterUnit.h"

#include "model/GlobalUnit.h"
#include "model/SchulLebenUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "model/ToolsUnit.h"

TSchulHalter::TSchulHalter() : fSchule(std::make_unique<TSchule>()) {
  fVorher = SchuleEinsetzen(fSchule.get());
}

TSchulHalter::~TSchulHalter() {
  fSchule->AlleFensterSchliessen();
  SchuleEinsetzen(nullptr);
  fSchule.reset();
  SchuleEinsetzen(fVorher);
}

void TSchulHalter::Neu() {
  fSchule->fDateiName = "ohne Titel";
  fOffen = true;
}

void TSchulHalter::Verwerfen() {
  fSchule->AlleFensterSchliessen();
  SchuleEinsetzen(nullptr);
  fSchule.reset();
  fSchule = std::make_unique<TSchule>();
  SchuleEinsetzen(fSchule.get());
  fOffen = false;
  fSchule->SetDirty(false);
}

bool TSchulHalter::Oeffnen(const std::string& pfad, std::string& fehler) {
  Verwerfen();
  if (ReadSchule(pfad, *fSchule, fehler)) {
    fOffen = true;
    return true;
  }
  Verwerfen();
  return false;
}

bool TSchulHalter::Schliessen(TSchulSpeicherung& speicherung, bool neinLoeschtDirty) {
  // Ohne offene Schule gibt es nichts zu sichern: die leere Schule ist nur ein Platzhalter, auch
  // wenn eine Einstellung (etwa die Versionszahl) sie berührt hat.
  if (fOffen && !SchuleSchliessen(*fSchule, speicherung, neinLoeschtDirty)) return false;
  Verwerfen();
  return true;
}

std::string ProgrammTitelZeile(bool schuleOffen, const std::string& dateiName1252) {
  return schuleOffen ? TitelMitSchule(U8(dateiName1252)) : std::string(ProgrammTitel);
}

std::string TSchulHalter::Titel() const {
  return ProgrammTitelZeile(fOffen, fSchule->fDateiName.str());
}
