// Das Fenster "Exportieren in HTML-Dateien" und der Menübefehl "HTML-Dateien...": Dateidialog
// "Exportieren in den Ordner", Ordner merken, Sanduhr, das Fenster während des Schreibens.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "model/DienstUnit.h"
#include "output/HTMLUnit.h"

class QLabel;
class QProgressBar;

class THTMLForm : public QWidget, public THTMLAnzeige {
  Q_OBJECT

 public:
  explicit THTMLForm(QWidget* parent = nullptr);

  // Zeigt den Ordner, das Fenster und die Sanduhr; beides erst, wenn der Ordner bereitsteht
  // (eine Rückfrage davor erscheint ohne Sanduhr).
  void Ordner(const std::string& name) override;
  void ListeBeginn(int anzahl) override;
  void Element(const std::string& kuerzel, int nr) override;
  void Fortschritt(int nr) override;

  QLabel* OrdnerFeld = nullptr;
  QLabel* KuerzelFeld = nullptr;
  QLabel* ZaehlerFeld = nullptr;
  QProgressBar* ProgressBar = nullptr;

 private:
  std::optional<TBeschaeftigt> fSanduhr;
};

// Der Dateidialog: bekommt den Anfangsordner (UTF-8) und liefert den gewählten Pfad des neuen
// Ordners, oder nichts bei Abbruch.
using THTMLOrdnerDialog = std::function<std::optional<std::string>(const std::string& ordner)>;

// Der Menübefehl; ohne Dialog gilt der Dateidialog von Qt. Wahr, wenn alle Dateien geschrieben
// wurden.
bool HTMLBefehlAusfuehren(QWidget* vater, const THTMLOrdnerDialog& dialog = {});
