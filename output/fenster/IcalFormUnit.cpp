#include "output/fenster/IcalFormUnit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/DatumUnit.h"
#include "model/DienstUnit.h"
#include "model/SchulUnit.h"
#include "output/IcalUnit.h"
#include "output/fenster/HTMLFormUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
QDate AlsQDate(TDateTime d) {
  const TDatum t = ZahlZuDatum(d);
  return QDate(t.Jahr, t.Monat, t.Tag);
}

TDateTime AusQDate(const QDate& d) {
  return DatumZuZahl(d.year(), d.month(), d.day());
}

QDateEdit* DatumsFeld(QWidget* vater, TDateTime wert, const char* name) {
  auto* f = new QDateEdit(AlsQDate(wert), vater);
  f->setObjectName(T(name));
  f->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  f->setDateRange(QDate(1994, 1, 1), QDate(2039, 12, 31));
  f->setCalendarPopup(true);
  return f;
}

QCheckBox* Haken(QWidget* vater, const char* text, bool an, const char* name) {
  auto* c = new QCheckBox(T(text), vater);
  c->setObjectName(T(name));
  c->setChecked(an);
  return c;
}

std::optional<TIcalWahl> WahlMitQt(QWidget* vater, const TIcalWahl& vorgabe) {
  TIcalZeitForm form(vorgabe, vater);
  if (form.exec() != QDialog::Accepted) return std::nullopt;
  return form.Wahl();
}

std::optional<std::string> OrdnerMitQt(QWidget* vater, const std::string& ordner) {
  QFileDialog dialog(vater, T("Kalender exportieren in den Ordner"),
                     QString::fromStdString(ordner));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}
}  // namespace

TIcalZeitForm::TIcalZeitForm(const TIcalWahl& vorgabe, QWidget* vater) : QDialog(vater) {
  setWindowTitle(T(TIcalExport::Titel));
  setMinimumWidth(320);  // der Titel ganz
  auto* spalte = new QVBoxLayout(this);
  auto* felder = new QFormLayout;
  VonFeld = DatumsFeld(this, vorgabe.Von, "VonFeld");
  BisFeld = DatumsFeld(this, vorgabe.Bis, "BisFeld");
  felder->addRow(T("vom"), VonFeld);
  felder->addRow(T("bis zum"), BisFeld);
  spalte->addLayout(felder);
  LehrerCheck = Haken(this, "Lehrer", vorgabe.Lehrer, "LehrerCheck");
  KlassenCheck = Haken(this, "Klassen", vorgabe.Klassen, "KlassenCheck");
  RaeumeCheck = Haken(this, "Räume", vorgabe.Raeume, "RaeumeCheck");
  VertretungenCheck = Haken(this, "mit Vertretungen", vorgabe.Vertretungen, "VertretungenCheck");
  for (QCheckBox* c : {LehrerCheck, KlassenCheck, RaeumeCheck, VertretungenCheck})
    spalte->addWidget(c);
  auto* knoepfe = new QDialogButtonBox(this);
  OkKnopf = knoepfe->addButton(T("Ok"), QDialogButtonBox::AcceptRole);
  OkKnopf->setObjectName(T("OkKnopf"));
  AbbrechenKnopf = knoepfe->addButton(T("Abbrechen"), QDialogButtonBox::RejectRole);
  AbbrechenKnopf->setObjectName(T("AbbrechenKnopf"));
  spalte->addWidget(knoepfe);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QCheckBox* c : {LehrerCheck, KlassenCheck, RaeumeCheck})
    connect(c, &QCheckBox::toggled, this, [this] { OkPruefen(); });
  for (QDateEdit* f : {VonFeld, BisFeld})
    connect(f, &QDateEdit::dateChanged, this, [this] { OkPruefen(); });
  OkPruefen();
}

TIcalWahl TIcalZeitForm::Wahl() const {
  return {AusQDate(VonFeld->date()), AusQDate(BisFeld->date()), LehrerCheck->isChecked(),
          KlassenCheck->isChecked(), RaeumeCheck->isChecked(),  VertretungenCheck->isChecked()};
}

void TIcalZeitForm::OkPruefen() {
  const bool art =
      LehrerCheck->isChecked() || KlassenCheck->isChecked() || RaeumeCheck->isChecked();
  OkKnopf->setEnabled(art && BisFeld->date() >= VonFeld->date());
}

bool IcalBefehlAusfuehren(QWidget* vater, const TIcalWahlDialog& wahlDialog,
                          const TIcalOrdnerDialog& ordnerDialog) {
  TIcalWahl vorgabe;
  vorgabe.Von = Heute();
  vorgabe.Bis = Heute() + 27;
  const std::optional<TIcalWahl> wahl =
      wahlDialog ? wahlDialog(vorgabe) : WahlMitQt(vater, vorgabe);
  if (!wahl) return false;
  const std::string anfang = Standard().fHTMLPlanPfad;
  const std::optional<std::string> ordner =
      ordnerDialog ? ordnerDialog(anfang) : OrdnerMitQt(vater, anfang);
  if (!ordner || ordner->empty()) return false;
  TIcalAuftrag auftrag;
  auftrag.Von = wahl->Von;
  auftrag.Bis = wahl->Bis;
  auftrag.Vertretungen = wahl->Vertretungen;
  const TSchule& s = Schule();
  for (const auto& [an, art] :
       {std::pair{wahl->Lehrer, leh}, std::pair{wahl->Klassen, kla}, std::pair{wahl->Raeume, rau}})
    if (an)
      for (const TElement* e : s.Elemente(art))
        auftrag.Elemente.push_back(static_cast<const TPlanElement*>(e));
  THTMLForm form(vater);
  form.setWindowTitle(T("Exportieren in Kalenderdateien"));
  TIcalExport exporter(&form);
  const bool ok = exporter.ExportToFolder(*ordner, auftrag);
  form.close();
  if (ok)
    Dialog().Meldung(TIcalExport::Titel,
                     {std::to_string(exporter.Dateien().size()) + " Kalenderdateien mit " +
                      std::to_string(exporter.Termine()) + " Terminen geschrieben."},
                     TMeldungsArt::Information);
  return ok;
}
