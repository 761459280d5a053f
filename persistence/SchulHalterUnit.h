// Die Schule des Programms: besitzt die jeweils offene Schule, setzt sie als die globale Schule
// ein und kennt die beiden Zustände "keine Schule" (eine leere Schule ist da) und "Schule offen".
#pragma once

#include <memory>
#include <string>

class TSchule;
class TSchulSpeicherung;

// Die Titelzeile: "WinTamrel 3.9.16" ohne Schule, sonst mit dem Dateinamen in Klammern (UTF-8).
std::string ProgrammTitelZeile(bool schuleOffen, const std::string& dateiName1252);

class TSchulHalter {
 public:
  // Legt eine leere Schule an und setzt sie ein (die bisher eingesetzte kommt am Ende zurück).
  TSchulHalter();
  ~TSchulHalter();
  TSchulHalter(const TSchulHalter&) = delete;
  TSchulHalter& operator=(const TSchulHalter&) = delete;

  TSchule& Schule() const { return *fSchule; }
  bool Offen() const { return fOffen; }

  // "Neu": die leere Schule heißt "ohne Titel" und gilt als offen.
  void Neu();
  // Ersetzt die Schule durch eine neue leere (Zustand "keine Schule"), ohne zu fragen.
  void Verwerfen();
  // Nach dem Lesen einer Datei: die Schule gilt als offen.
  void AlsOffen() { fOffen = true; }
  // "Öffnen": liest die Datei in eine frische, leere Schule; nur wenn das gelingt, gilt sie als
  // offen, sonst bleibt die leere Schule (keine halb gelesene) und fehler nennt den Grund.
  bool Oeffnen(const std::string& pfad, std::string& fehler);
  // "Datei schließen": fragt bei geänderten Daten "Daten sichern?" (mit neinLoeschtDirty löscht
  // "Nein" das Kennzeichen) und ersetzt die Schule dann durch eine leere. Falsch, wenn das
  // gewählte Sichern abgebrochen wurde oder misslang: dann bleibt alles, wie es war. Ohne offene
  // Schule wird nie gefragt.
  bool Schliessen(TSchulSpeicherung& speicherung, bool neinLoeschtDirty);

  // Die Titelzeile des Programms (UTF-8).
  std::string Titel() const;

 private:
  std::unique_ptr<TSchule> fSchule;
  TSchule* fVorher = nullptr;
  bool fOffen = false;
};
