// Das Sichern der Schule für die Dateibefehle "Sichern" und "Sichern unter...".
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/SchulLebenUnit.h"

class TDateiSpeicherung : public TSchulSpeicherung {
 public:
  // Der Dateidialog "Sichern als" der Fensterseite: bekommt den vorgeschlagenen Namen (der Name
  // der Schule) und den Ordner (fOpenPfad), beide UTF-8, fragt vor dem Überschreiben und liefert
  // den vollständigen Pfad mit Endung, oder nichts, wenn der Benutzer abbricht.
  using TSichernAlsDialog = std::function<std::optional<std::string>(const std::string& vorschlag,
                                                                     const std::string& ordner)>;

  explicit TDateiSpeicherung(TSichernAlsDialog sichernAls = {});

  // Schreibt Schule() nach fOpenPfad + dateiName. Bei Erfolg: Name der Schule, Titelzeile,
  // Änderungskennzeichen gelöscht. Bei Misserfolg: Meldung, sonst bleibt alles, wie es war.
  bool Schreiben(const str255& dateiName) override;
  // Fragt mit dem Dialog nach dem Pfad und schreibt dorthin; merkt sich bei Erfolg den Ordner
  // in fOpenPfad. Falsch bei Abbruch, ohne Dialog und bei einem Fehler (mit Meldung).
  bool SichernUnter() override;

 private:
  bool SchreibeNach(const std::string& pfad, const str255& dateiName);
  TSichernAlsDialog fSichernAls;
};
