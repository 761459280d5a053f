#include "output/fenster/HTMLFormUnit.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <filesystem>

#include "model/DienstUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
std::optional<std::string> OrdnerMitQt(QWidget* vater, const std::string& ordner) {
  QFileDialog dialog(vater, T("Exportieren in den Ordner"), QString::fromStdString(ordner));
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // Ein vorhandener Ordner wird beim Export selbst erfragt, auf Deutsch.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(T("HTML Ordner"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}
}  // namespace

THTMLForm::THTMLForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle(T(THTMLExport::Titel));
  auto* gitter = new QGridLayout(this);
  gitter->addWidget(new QLabel(T("Exportiere in den Ordner"), this), 0, 0, 1, 2);
  OrdnerFeld = new QLabel(this);
  OrdnerFeld->setObjectName(T("OrdnerFeld"));
  gitter->addWidget(OrdnerFeld, 1, 0, 1, 2);
  KuerzelFeld = new QLabel(this);
  KuerzelFeld->setObjectName(T("KuerzelFeld"));
  gitter->addWidget(KuerzelFeld, 2, 0);
  ZaehlerFeld = new QLabel(T("0"), this);
  ZaehlerFeld->setObjectName(T("ZaehlerFeld"));
  ZaehlerFeld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  gitter->addWidget(ZaehlerFeld, 2, 1);
  ProgressBar = new QProgressBar(this);
  ProgressBar->setTextVisible(false);
  ProgressBar->setMinimumWidth(260);
  gitter->addWidget(ProgressBar, 3, 0, 1, 2);
}

void THTMLForm::Ordner(const std::string& name) {
  OrdnerFeld->setText(QString::fromStdString(name));
  if (!fSanduhr) fSanduhr.emplace();
  show();
  repaint();
}

void THTMLForm::ListeBeginn(int anzahl) {
  ZaehlerFeld->setText(T("0"));
  KuerzelFeld->clear();
  ProgressBar->setMaximum(std::max(anzahl, 1));
  ProgressBar->setValue(0);
  repaint();
}

void THTMLForm::Element(const std::string& kuerzel, int nr) {
  KuerzelFeld->setText(QString::fromStdString(kuerzel));
  ZaehlerFeld->setText(QString::number(nr));
  KuerzelFeld->repaint();
  ZaehlerFeld->repaint();
}

void THTMLForm::Fortschritt(int nr) {
  ProgressBar->setValue(std::min(nr, ProgressBar->maximum()));
  ProgressBar->repaint();
}

bool HTMLBefehlAusfuehren(QWidget* vater, const THTMLOrdnerDialog& dialog) {
  TStandard& st = Standard();
  const std::optional<std::string> pfad =
      dialog ? dialog(st.fHTMLPlanPfad) : OrdnerMitQt(vater, st.fHTMLPlanPfad);
  if (!pfad || pfad->empty()) return false;
  std::error_code ec;
  const std::filesystem::path voll = std::filesystem::absolute(PfadAusUtf8(*pfad), ec);
  const std::u8string ordner = voll.lexically_normal().parent_path().u8string();
  if (!ec) st.fHTMLPlanPfad = std::string(ordner.begin(), ordner.end());
  THTMLForm form(vater);
  THTMLExport exporter(&form);
  const bool ok = exporter.ExportToFile(*pfad);
  form.close();
  return ok;
}
