#include "ui/fenster/ImportFormUnit.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

#include "ui/fenster/QtTextUnit.h"

TImportForm::TImportForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle(T("Importieren"));
  auto* gitter = new QGridLayout(this);
  gitter->addWidget(new QLabel(T("Importien der Datei"), this), 0, 0, 1, 3);
  LiesName = new QLabel(this);
  gitter->addWidget(LiesName, 1, 0, 1, 3);
  Info = new QLabel(this);
  gitter->addWidget(Info, 2, 0, 1, 3);
  ProgressBar = new QProgressBar(this);
  ProgressBar->setTextVisible(false);
  ProgressBar->setMinimumWidth(280);
  gitter->addWidget(ProgressBar, 3, 0, 1, 3);
  gitter->addWidget(new QLabel(T("0"), this), 4, 0);
  gitter->addWidget(new QLabel(T("KiloBytes"), this), 4, 1, Qt::AlignHCenter);
  MaxBytes = new QLabel(T("0"), this);
  MaxBytes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  gitter->addWidget(MaxBytes, 4, 2);
}

void TImportForm::Beginn(const std::string& dateiName, std::size_t groesse) {
  LiesName->setText(QString::fromStdString(dateiName));
  const int kb = static_cast<int>(groesse / 1024);
  MaxBytes->setText(QString::number(kb));
  ProgressBar->setMaximum(std::max(kb, 1));
  ProgressBar->setValue(0);
  repaint();
}

void TImportForm::Phase(const std::string& info) {
  Info->setText(QString::fromStdString(info));
  ProgressBar->setValue(0);
  repaint();
}

void TImportForm::Position(std::size_t bytes) {
  ZeichneBalken(bytes);
}

void TImportForm::ZeichneBalken(std::size_t bytes) {
  const int kb = static_cast<int>(bytes / 1024);
  if (kb == ProgressBar->value()) return;
  ProgressBar->setValue(std::min(kb, ProgressBar->maximum()));
  ProgressBar->repaint();
}
