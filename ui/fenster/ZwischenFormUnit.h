// "Zwischenablage": zeigt den Text der Zwischenablage; höchstens einmal (Platz der Schule).
#pragma once

#include <string>

#include "ui/fenster/EinzelFormUnit.h"

class QPlainTextEdit;

class TZwischenForm : public TEinzelForm {
  Q_OBJECT

 public:
  // Holt das Fenster nach vorn oder legt es an (Platz, Fensterliste, Anordnung) und lädt es.
  static TZwischenForm* Zeigen();

  QPlainTextEdit* Inhalt = nullptr;

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override { return "Zwischenablage"; }
  // Lädt den Text der Zwischenablage; ohne Text bleibt der bisherige Inhalt.
  void FensterUpdate() override;
  void FensterRefresh() override {}
  std::string InhaltAlsText() const override;

 protected:
  bool event(QEvent* event) override;

 private:
  TZwischenForm();
};
