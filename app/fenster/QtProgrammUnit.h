// Der Lauf des Programms mit Fenstern: Startbild, Einstellungen, Palette mit leerer Schule,
// Startkennwort, die Datei der Kommandozeile oder der Öffnen-Dialog; am Ende schreibt die
// Palette beim Schließen die Einstellungen zurück.
#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/fenster/PaletteUnit.h"

class QApplication;
class TStandard;

struct TProgrammOptionen {
  int StartBildMs = 2000;  // wie lange das Startbild steht
  // Die Kennworteingabe; leer: das Fenster "Kennworteingabe".
  std::function<std::optional<std::string>()> Kennwort;
  // Die Dateidialoge; leer: die Dialoge von Qt.
  TTamrelPalette::TOeffnenDialog Oeffnen;
  TTamrelPalette::TSichernDialog Sichern;
};

class TProgramm {
 public:
  explicit TProgramm(TProgrammOptionen optionen = {});
  // Zerstört Palette und Schule, dann die Einstellungen (ohne sie zu schreiben: das tut das
  // Schließen der Palette).
  ~TProgramm();
  TProgramm(const TProgramm&) = delete;
  TProgramm& operator=(const TProgramm&) = delete;

  // Der Start bis vor die Ereignisschleife. argumente ohne den Programmnamen; das erste ist die
  // Schuldatei. Falsch: falsches oder abgebrochenes Kennwort, das Programm endet sofort.
  bool Starten(const QStringList& argumente);

  TTamrelPalette* Palette() const { return fPalette.get(); }

 private:
  TProgrammOptionen fOptionen;
  std::unique_ptr<TStandard> fStandard;
  TStandard* fVorher = nullptr;
  std::unique_ptr<TTamrelPalette> fPalette;
};

// Vor der QApplication: ohne eingestellte Sprache (leer, "C", "POSIX") gilt Deutsch, damit auch
// Datumsangaben der Standarddialoge deutsch sind. Eine eingestellte Sprache bleibt.
void DeutscheUmgebung();
// Deutsche Texte auch in den Standarddialogen von Qt; deutsche Zahlen- und Datumsformen.
void DeutschEinrichten(QApplication& app);

// Das ganze Programm: Dienste mit Qt einsetzen, starten, die Ereignisschleife, aufräumen.
int TamrelAusfuehren(QApplication& app);
