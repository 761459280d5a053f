// "Zwischenablage": zeigt den Text der Zwischenablage; höchstens einmal (Platz der Schule).
#pragma once

#include <QWidget>
#include <string>

#include "model/DienstUnit.h"

class QPlainTextEdit;

class TZwischenForm : public QWidget, public TFenster {
  Q_OBJECT

 public:
  ~TZwischenForm() override;

  // Holt das Fenster nach vorn oder legt es an (Platz, Fensterliste, Anordnung) und lädt es.
  static TZwischenForm* Zeigen();

  QPlainTextEdit* Inhalt = nullptr;

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override { return "Zwischenablage"; }
  // Lädt den Text der Zwischenablage; ohne Text bleibt der bisherige Inhalt.
  void FensterUpdate() override;
  void FensterRefresh() override {}
  TFensterLage Lage() const override;
  void Schliessen() override;
  std::string InhaltAlsText() const override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  TZwischenForm();
  void Abmelden();
  bool fAngemeldet = false;
  bool fIntern = false;
};
