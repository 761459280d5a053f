#include "model/SchulLebenUnit.h"

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

bool IstOhneTitel(std::string_view dateiName) {
  return dateiName == "ohne Titel" || dateiName == "Ohne Titel";
}

bool SchuleSichern(TSchule& schule, TSchulSpeicherung& speicherung) {
  if (IstOhneTitel(schule.fDateiName.str())) return speicherung.SichernUnter();
  return speicherung.Schreiben(schule.fDateiName);
}

bool DatenSichernFragen(TSchule& schule, TSchulSpeicherung& speicherung, bool neinLoeschtDirty) {
  if (!schule.fDirty) return true;
  const int antwort =
      Dialog().Frage("Daten sichern?", {"Sollen Ihre Daten gesichert werden?"}, TMeldungsArt::Frage,
                     {"Ja", "Mit einem anderem Namen", "Nein"}, 0, 0);
  switch (antwort) {
    case 0:
      return SchuleSichern(schule, speicherung);
    case 1:
      return speicherung.SichernUnter();
    default:
      if (neinLoeschtDirty) schule.SetDirty(false);
      return true;
  }
}

bool SchuleSchliessen(TSchule& schule, TSchulSpeicherung& speicherung, bool neinLoeschtDirty) {
  if (!DatenSichernFragen(schule, speicherung, neinLoeschtDirty)) return false;
  schule.AlleFensterSchliessen();
  return true;
}

void TSpeicherErinnerung::Leerlauf(TSchule& schule, TSchulSpeicherung& speicherung) {
  if (fZeigt) return;
  TStandard& s = Standard();
  if (s.fSpeicherZeit <= 0) return;
  const TDateTime jetzt = Jetzt();
  if (jetzt - s.fSaveZeit <= s.fSpeicherZeit / (24.0 * 60.0)) return;
  s.fSaveZeit = jetzt;
  if (!schule.fDirty) return;
  fZeigt = true;
  DatenSichernFragen(schule, speicherung, false);
  fZeigt = false;
}
