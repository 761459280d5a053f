// Das Fenster "Fehler": die Befunde der Prüfungen, eine Zeile je Befund. Die Zeilen sammeln sich
// über mehrere Prüfungen, bis der Benutzer das Fenster schließt. Ein Doppelklick auf eine Zeile
// öffnet den Plan ihres Elements; die Zeilen lassen sich kopieren.
#pragma once

#include <string>
#include <vector>

#include "ui/fenster/EinzelFormUnit.h"

class QPlainTextEdit;
class TTamrelPalette;

class TFehlerForm : public TEinzelForm {
  Q_OBJECT

 public:
  // Legt das Fenster an, wenn es fehlt (Fensterplatz der Schule, Eintrag im Fenstermenü), und
  // zeigt es.
  static TFehlerForm* FehlerInit();
  // Hängt eine Zeile (Windows-1252) an; legt das Fenster beim ersten Befund an.
  static void NeuerFehler(const std::string& s);

  QPlainTextEdit* Inhalt = nullptr;
  // Die Zeilen, wie die Prüfungen sie schrieben (Windows-1252).
  const std::vector<std::string>& Zeilen() const { return fZeilen; }
  // Doppelklick auf die Zeile (ab 0): der Plan ihres Elements.
  void ZeileDoppelKlick(int zeile);

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override { return "Fehler"; }
  void FensterUpdate() override {}
  void FensterRefresh() override {}
  std::string InhaltAlsText() const override;

 protected:
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  TFehlerForm();

  std::vector<std::string> fZeilen;
};
