// Leben einer Schule im Programm: Sichern, die Frage "Daten sichern?" beim Schließen und die
// Erinnerung ans Sichern im Leerlauf. Das Schreiben der Datei selbst leistet TSchulSpeicherung.
#pragma once

#include <string_view>

#include "model/ToolsUnit.h"

class TSchule;

// Das Schreiben der Schuldatei, wie es die Dateibefehle leisten. Beide Operationen melden einen
// Fehler selbst und liefern dann falsch; bei Erfolg haben sie Namen, Titel und das
// Änderungskennzeichen der Schule gesetzt.
class TSchulSpeicherung {
 public:
  virtual ~TSchulSpeicherung() = default;
  // Schreibt unter dem Namen in den zuletzt benutzten Ordner (fOpenPfad).
  virtual bool Schreiben(const str255& dateiName) = 0;
  // "Sichern unter...": fragt nach Ordner und Namen und schreibt; falsch auch bei Abbruch.
  virtual bool SichernUnter() = 0;
};

// Der Name einer Schule, die noch nie gesichert wurde ("ohne Titel" nach "Neu", "Ohne Titel"
// nach dem Anlegen).
bool IstOhneTitel(std::string_view dateiName);

// "Sichern": ohne Titel wie "Sichern unter...", sonst unter dem bisherigen Namen. Wahr, wenn
// geschrieben wurde.
bool SchuleSichern(TSchule& schule, TSchulSpeicherung& speicherung);

// Fragt bei geänderten Daten "Daten sichern?" und sichert wie gewählt. Wahr, wenn danach nichts
// mehr verloren gehen kann: nichts geändert, gesichert, oder der Benutzer hat "Nein" gesagt
// (mit neinLoeschtDirty wird das Kennzeichen dann gelöscht). Falsch, wenn das gewählte Sichern
// abgebrochen wurde oder misslang: dann darf die Schule nicht zerstört werden.
bool DatenSichernFragen(TSchule& schule, TSchulSpeicherung& speicherung, bool neinLoeschtDirty);

// "Datei schließen" und Beenden: fragt wie oben und schließt dann alle Fenster der Schule.
// Wahr, wenn der Besitzer die Schule jetzt zerstören darf; falsch: nichts ist geschehen.
bool SchuleSchliessen(TSchule& schule, TSchulSpeicherung& speicherung, bool neinLoeschtDirty);

// Die Erinnerung ans Sichern; der Leerlauf des Hauptfensters ruft Leerlauf() auf.
class TSpeicherErinnerung {
 public:
  // Ist die Erinnerung eingeschaltet (fSpeicherZeit > 0) und seit fSaveZeit mehr als diese Zeit
  // vergangen, wird fSaveZeit auf jetzt gesetzt und bei geänderten Daten "Daten sichern?"
  // gefragt ("Nein" schließt nur die Frage). Während die Frage steht, geschieht nichts.
  void Leerlauf(TSchule& schule, TSchulSpeicherung& speicherung);
  bool Zeigt() const { return fZeigt; }

 private:
  bool fZeigt = false;
};
