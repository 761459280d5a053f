// Das Fenster "Exportieren": zeigt während eines Exports den Dateinamen, die erwartete Zahl der
// Zeilen und den Fortschritt. Es besteht nur für die Dauer des Befehls.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "output/ExportUnit.h"

class QLabel;
class QProgressBar;

class TExportForm : public QWidget, public TExportAnzeige {
  Q_OBJECT

 public:
  explicit TExportForm(QWidget* parent = nullptr);

  void Beginn(const std::string& dateiName, int zeilen) override;
  void Fortschritt(int nr) override;

  QLabel* DateiFeld = nullptr;
  QLabel* MaxZeilen = nullptr;
  QProgressBar* ProgressBar = nullptr;
};

// Der Dateidialog eines Exports: bekommt den Befehl (Titel, Filter, Endung) und den
// Anfangsordner (UTF-8) und liefert den gewählten Pfad, oder nichts bei Abbruch.
using TExportDialog = std::function<std::optional<std::string>(const TExportBefehl& befehl,
                                                               const std::string& ordner)>;

// Der Menübefehl: Dateidialog ("Ohne Titel"), Rückfrage vor dem Überschreiben, Ordner merken,
// Sanduhr, Fenster "Exportieren", Export, Fenster schließen; ein Fehler wird gemeldet. Wahr, wenn
// die Datei geschrieben wurde. Ohne Dialog gilt der Dateidialog von Qt. zeitraum: von und bis des
// Vertretungsplans.
bool ExportBefehlAusfuehren(QWidget* vater, TExportArt art, const TExportDialog& dialog = {},
                            std::optional<std::pair<TDateTime, TDateTime>> zeitraum = {});
