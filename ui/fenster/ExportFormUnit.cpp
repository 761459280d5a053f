#include "ui/fenster/ExportFormUnit.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

#include "model/DienstUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
// "Textdateien (*.TXT)" mit "*.txt": beide Schreibweisen in einem Filter.
QString Filter(const TExportBefehl& b) {
  QString text = T(b.FilterText);
  const int zu = text.lastIndexOf(QLatin1Char(')'));
  if (zu < 0) return text + T(" (") + T(b.Muster) + T(")");
  return text.left(zu) + T(" ") + T(b.Muster) + text.mid(zu);
}

std::optional<std::string> SpeichernMitQt(QWidget* vater, const TExportBefehl& b,
                                          const std::string& ordner) {
  QFileDialog dialog(vater, T(b.Titel), QString::fromStdString(ordner), Filter(b));
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(T(b.Endung).toLower());
  // Die Rückfrage vor dem Überschreiben stellt der Befehl selbst, auf Deutsch.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(T("Ohne Titel"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}
}  // namespace

TExportForm::TExportForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle(T("Exportieren"));
  auto* gitter = new QGridLayout(this);
  gitter->addWidget(new QLabel(T("Exportieren der Datei"), this), 0, 0, 1, 3);
  DateiFeld = new QLabel(this);
  gitter->addWidget(DateiFeld, 1, 0, 1, 3);
  ProgressBar = new QProgressBar(this);
  ProgressBar->setTextVisible(false);
  ProgressBar->setMinimumWidth(240);
  gitter->addWidget(ProgressBar, 2, 0, 1, 3);
  gitter->addWidget(new QLabel(T("0"), this), 3, 0);
  gitter->addWidget(new QLabel(T("Kurse"), this), 3, 1, Qt::AlignHCenter);
  MaxZeilen = new QLabel(T("0"), this);
  MaxZeilen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  gitter->addWidget(MaxZeilen, 3, 2);
}

void TExportForm::Beginn(const std::string& dateiName, int zeilen) {
  DateiFeld->setText(QString::fromStdString(dateiName));
  MaxZeilen->setText(QString::number(zeilen));
  ProgressBar->setMaximum(std::max(zeilen, 1));
  ProgressBar->setValue(0);
  repaint();
}

void TExportForm::Fortschritt(int nr) {
  ProgressBar->setValue(std::min(nr, ProgressBar->maximum()));
  ProgressBar->repaint();
}

bool ExportBefehlAusfuehren(QWidget* vater, TExportArt art, const TExportDialog& dialog,
                            std::optional<std::pair<TDateTime, TDateTime>> zeitraum) {
  const TExportBefehl& befehl = ExportBefehl(art);
  const std::string ordner = Standard().*(befehl.Ordner);
  const std::optional<std::string> pfad =
      dialog ? dialog(befehl, ordner) : SpeichernMitQt(vater, befehl, ordner);
  if (!pfad || pfad->empty()) return false;
  const QFileInfo info(QString::fromStdString(*pfad));
  if (info.exists() &&
      Dialog().Frage(befehl.Titel,
                     {"Die Datei „" + info.fileName().toStdString() + "“ ist schon vorhanden.",
                      "Soll sie ersetzt werden?"},
                     TMeldungsArt::Warnung, {"Ja", "Nein"}, 1, 1) != 0)
    return false;
  ExportOrdnerMerken(art, *pfad);
  std::string fehler;
  bool ok = false;
  {
    TBeschaeftigt sanduhr;
    TExportForm form(vater);
    form.show();
    TExport exporter(&form);
    if (zeitraum) exporter.SetzeZeitraum(zeitraum->first, zeitraum->second);
    ok = exporter.ExportToFile(art, *pfad, fehler);
    form.close();
  }
  if (!ok) Dialog().Meldung("Exportieren", {fehler}, TMeldungsArt::Fehler);
  return ok;
}
