// Das Fenster "Importieren": zeigt während des Imports einer Kursliste den Dateinamen, die Größe
// in Kilobytes, den laufenden Abschnitt und die Leseposition. Es besteht nur für die Dauer des
// Befehls.
#pragma once

#include <QWidget>

#include "persistence/ImportUnit.h"

class QLabel;
class QProgressBar;

class TImportForm : public QWidget, public TImportAnzeige {
  Q_OBJECT

 public:
  explicit TImportForm(QWidget* parent = nullptr);

  void Beginn(const std::string& dateiName, std::size_t groesse) override;
  void Phase(const std::string& info) override;
  void Position(std::size_t bytes) override;
  // Setzt den Balken auf die Position und zeichnet ihn neu.
  void ZeichneBalken(std::size_t bytes);

  QLabel* LiesName = nullptr;
  QLabel* MaxBytes = nullptr;
  QLabel* Info = nullptr;
  QProgressBar* ProgressBar = nullptr;
};
